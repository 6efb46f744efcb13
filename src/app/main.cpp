// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/application.h"
#include "app/command_line.h"
#include "app/session_end.h"
#include "identity.h"
#include "platform/main_window.h"
#include "platform/program_end.h"
#include "platform/qt_text.h"
#include "platform/user_language.h"

int main(int argc, char* argv[]) {
  using namespace vorlix;
  QApplication::setApplicationName(platform::qtText(identity::kName));
  QApplication::setOrganizationName(platform::qtText(identity::kOrganisation));
  QApplication::setApplicationVersion(platform::qtText(identity::kVersion));
  if (const auto status = app::answerCommandLine(argc, argv)) return *status;
  QGuiApplication::setDesktopFileName(platform::qtText(identity::kApplicationId));
  const auto application = app::openApplication(argc, argv);
  platform::translateQtTexts();
  const auto window = platform::openMainWindow();
  const app::SessionEnd sessionEnd(*window);
  return platform::endOfProgram(QApplication::exec());
}
