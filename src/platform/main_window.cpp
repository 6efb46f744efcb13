#include "platform/main_window.h"

namespace vorlix::platform {

std::unique_ptr<QtForm> openMainWindow() {
  auto form = std::make_unique<QtForm>();
  form->show();
  return form;
}

}  // namespace vorlix::platform
