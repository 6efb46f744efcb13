#include "window/form.h"

namespace vorlix::window {

NoSuchControl::NoSuchControl(ControlRef ref)
    : std::out_of_range("no control " + toString(ref) + " on the window") {}

}  // namespace vorlix::window
