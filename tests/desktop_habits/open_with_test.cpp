// "Open with" from a file manager: the program's argument opens as a picked and kept file
// would, and a second start hands its file to the window that runs instead of a second window.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "harness/score_window_harness.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

const char kSecondStartFolder[] = "SCOREINK_SECOND_START_FOLDER";
const char kSecondStartFile[] = "SCOREINK_SECOND_START_FILE";

// A score-sized picture at 8 bits, saved as PNG at path.
QImage SavedScore(const QString& path) {
  QImage score = NewBitmap(300, 200, PixelFormat::Bits8);
  for (int x = 20; x < 280; ++x) score.scanLine(100)[x] = uchar(kBlackIndex);
  EXPECT_TRUE(SavePng(score, path).ok());
  return score;
}

TEST(OpenWith, TheProgramsArgumentOpensAsTheScore) {
  QTemporaryDir dir;
  const QString path = dir.filePath("given.png");
  const QImage score = SavedScore(path);
  WindowOptions options;
  options.givenFile = path;
  ScoreWindowHarness ui(options);
  QCoreApplication::processEvents();
  EXPECT_EQ(ConvertedTo(ui.Score(), PixelFormat::Bits8), score);
  EXPECT_EQ(CurrentScoreFile, path);
  EXPECT_FALSE(ui->HasUnsavedEdits());
}

// Run by the test below in a process of its own: a second start in the folder of the window
// that runs, given a file.
TEST(OpenWithSecondStart, HandsItsFileOver) {
  const QString folder = qEnvironmentVariable(kSecondStartFolder);
  if (folder.isEmpty()) GTEST_SKIP() << "started by OpenWith only";
  WindowOptions options;
  options.executableFolder = folder;
  options.givenFile = qEnvironmentVariable(kSecondStartFile);
  ScoreWindowHarness second(options);
  EXPECT_FALSE(second.Started());
  EXPECT_TRUE(second->HandedOver());
  EXPECT_TRUE(second.Dialogs().Boxes().empty()) << "no refusal";
}

TEST(OpenWith, ASecondStartHandsItsFileToTheWindowThatRuns) {
  QTemporaryDir dir;
  const QString path = dir.filePath("second.png");
  const QImage score = SavedScore(path);
  ScoreWindowHarness ui;
  ui.DragOnScore({100, 100}, {200, 150});  // unsaved: the save question comes first
  ui.Dialogs().AnswerBox(kIdNo);

  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(kSecondStartFolder, ui.Folder().Path());
  env.insert(kSecondStartFile, path);
  env.insert("QT_QPA_PLATFORM", "offscreen");
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=OpenWithSecondStart.HandsItsFileOver"});
  ASSERT_TRUE(child.waitForStarted());
  QElapsedTimer waited;
  waited.start();
  while ((CurrentScoreFile != path || child.state() != QProcess::NotRunning) &&
         waited.elapsed() < 30000)
    QTest::qWait(20);
  EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
  EXPECT_EQ(CurrentScoreFile, path);
  EXPECT_EQ(ConvertedTo(ui.Score(), PixelFormat::Bits8), score);
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::YesNoCancel);
}

}  // namespace
}  // namespace scoreink::test
