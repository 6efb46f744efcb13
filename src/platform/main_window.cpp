#include "platform/main_window.h"

#include "platform/qt_settings_store.h"

namespace vorlix::platform {

std::unique_ptr<QtForm> openMainWindow() {
  auto form = std::make_unique<QtForm>(std::make_unique<QtSettingsStore>());
  form->show();
  return form;
}

}  // namespace vorlix::platform
