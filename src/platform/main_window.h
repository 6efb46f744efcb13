#pragma once

#include <memory>

#include "platform/qt_form.h"

namespace vorlix::platform {

// Creates the window as the program starts it, load handler included, and
// shows it at the window system's default place.
std::unique_ptr<QtForm> openMainWindow();

}  // namespace vorlix::platform
