// Test entry: one application object per test process, headless unless a display is asked
// for. The programs that test the core alone are built with SCOREINK_CORE_TESTS and get a
// QGuiApplication (pictures and fonts need no widgets); the others a QApplication.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#ifdef SCOREINK_CORE_TESTS
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The per-user data folder of every test is a folder of its own, never the real one.
  QTemporaryDir userData;
  qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path()));
  ::testing::InitGoogleTest(&argc, argv);
  TestApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
