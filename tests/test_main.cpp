// Test entry: one QApplication per test process, headless unless a display is asked for.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The per-user data folder of every test is a folder of its own, never the real one.
  QTemporaryDir userData;
  qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path()));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
