#include <QApplication>

#include "platform/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const auto window = vorlix::platform::openMainWindow();
  return QApplication::exec();
}
