// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A message box that no test answers within a second fails the running test
// and is dismissed, instead of hanging the whole binary in its event loop.
void watchForUnexpectedMessageBoxes(QTimer& timer) {
  static const QMessageBox* seen = nullptr;
  QObject::connect(&timer, &QTimer::timeout, &timer, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box != seen) {
      seen = box;
      return;
    }
    ADD_FAILURE() << "unexpected message box: " << box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
    seen = nullptr;
  });
  timer.start(1000);
}

}  // namespace

// Every widget test runs on the offscreen platform, with the settings in a
// folder of its own that is removed afterwards.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  qputenv("XDG_RUNTIME_DIR", config.path().toUtf8());
  // The texts compared are the English ones, whatever the caller's language.
  qputenv("LC_ALL", "C.UTF-8");
  qunsetenv("LANGUAGE");
  QApplication application(argc, argv);
  QTimer watchdog;
  watchForUnexpectedMessageBoxes(watchdog);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
