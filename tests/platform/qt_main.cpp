#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Every widget test runs on the offscreen platform, with the settings in a
// folder of its own that is removed afterwards.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  qputenv("XDG_RUNTIME_DIR", config.path().toUtf8());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
