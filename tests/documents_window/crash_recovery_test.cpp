// A session that ends without closing (killed) is offered back at the next start in the same
// place: Yes brings the newest picture back as an unsaved score, No gives it up; a normal
// close leaves nothing to offer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "document_test_support.h"
#include "platform/picture_io.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

const char kChildFolder[] = "SCOREINK_CRASH_CHILD_FOLDER";
const QString kOfferCaption = "前回の続き";

void ThreeStrokes(ScoreWindowHarness& ui) {
  ui.DragOnScore({100, 100}, {300, 160});
  ui.DragOnScore({100, 400}, {200, 500});
  ui.DragOnScore({400, 300}, {420, 700});  // the last gesture is still under way
}

// Run by the test below in a process of its own: draws, gives the recovery copy a moment, notes
// the picture it shows and waits to be killed.
TEST(CrashRecoveryChild, DrawsAndWaitsToBeKilled) {
  const QString folder = qEnvironmentVariable(kChildFolder);
  if (folder.isEmpty()) GTEST_SKIP() << "started by CrashRecovery only";
  WindowOptions options;
  options.executableFolder = folder;
  ScoreWindowHarness ui(options);
  ThreeStrokes(ui);
  QTest::qWait(2500);
  ASSERT_TRUE(SaveBmp(ui.Score(), folder + "../expected.bmp").ok());
  ASSERT_TRUE(WriteAll(folder + "../ready", "ready"));
  QTest::qWait(120000);
}

// Starts the child in folder and kills it once it has drawn; the picture it showed.
QImage DrawAndKill(const QString& folder) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(kChildFolder, folder);
  env.insert("QT_QPA_PLATFORM", "offscreen");
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=CrashRecoveryChild.DrawsAndWaitsToBeKilled"});
  if (!child.waitForStarted()) return {};
  QElapsedTimer waited;
  waited.start();
  while (!QFileInfo::exists(folder + "../ready") && waited.elapsed() < 60000 &&
         child.state() == QProcess::Running)
    QTest::qWait(50);
  child.kill();  // SIGKILL: nothing of the program's own runs any more
  child.waitForFinished();
  return LoadBmp(folder + "../expected.bmp").image;
}

TEST(CrashRecovery, AKilledSessionIsOfferedBackOrGivenUp) {
  for (const int answer : {kIdYes, kIdNo}) {
    SCOPED_TRACE(answer == kIdYes ? "Yes" : "No");
    QTemporaryDir place;
    const QString folder = place.path() + "/exe/";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QImage drawn = DrawAndKill(folder);
    ASSERT_FALSE(drawn.isNull()) << "the child did not draw";

    WindowOptions options;
    options.executableFolder = folder;
    options.answers = [answer](ScriptedDialogs& dialogs) {
      dialogs.AnswerBox(answer, kOfferCaption);
    };
    {
      ScoreWindowHarness ui(options);
      ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
      EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::YesNo);
      if (answer == kIdYes) {
        EXPECT_EQ(ui.Score().convertToFormat(QImage::Format_RGB888),
                  drawn.convertToFormat(QImage::Format_RGB888));
        EXPECT_TRUE(ui->HasUnsavedEdits());
        EXPECT_TRUE(CurrentScoreFile.isEmpty());
      } else {
        EXPECT_FALSE(ui->HasUnsavedEdits());
        EXPECT_NE(ui.Score().convertToFormat(QImage::Format_RGB888),
                  drawn.convertToFormat(QImage::Format_RGB888));
      }
    }
    // Closed normally: nothing is offered any more.
    options.answers = nullptr;
    ScoreWindowHarness again(options);
    EXPECT_TRUE(again.Dialogs().Boxes().empty());
  }
}

TEST(CrashRecovery, ANormalCloseLeavesNothingToOffer) {
  QTemporaryDir place;
  const QString folder = place.path() + "/";
  WindowOptions options;
  options.executableFolder = folder;
  {
    ScoreWindowHarness ui(options);
    ThreeStrokes(ui);
    ui.Dialogs().AnswerBox(kIdNo);
    ui.Close();
  }
  EXPECT_FALSE(QFileInfo::exists(folder + "Recovery"));
  ScoreWindowHarness again(options);
  EXPECT_TRUE(again.Dialogs().Boxes().empty());
}

}  // namespace
}  // namespace scoreink::test
