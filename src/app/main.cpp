#include <QApplication>

#include "identity.h"
#include "platform/main_window.h"
#include "platform/qt_text.h"

int main(int argc, char* argv[]) {
  using namespace vorlix;
  QApplication::setApplicationName(platform::qtText(identity::kName));
  QApplication::setOrganizationName(platform::qtText(identity::kOrganisation));
  QApplication::setApplicationVersion(platform::qtText(identity::kVersion));
  QApplication application(argc, argv);
  const auto window = platform::openMainWindow();
  return QApplication::exec();
}
