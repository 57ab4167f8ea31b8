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

#include <QTimer>
#include <csignal>

#include "document_test_support.h"
#include "harness/open_window.h"
#include "harness/test_child.h"
#include "platform/history/edit_history.h"
#include "platform/history/recovery_log.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"
#include "score_window/shared_values.h"
#include "symbol_editor/tform3.h"

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
  StartTestChild(child, "CrashRecoveryChild.DrawsAndWaitsToBeKilled", kChildFolder, folder);
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

// Kills at the moments when work used to be lost: what the next start offers holds every
// stroke the user saw.
const char kScenario[] = "SCOREINK_CRASH_SCENARIO";
const char kKillAfter[] = "SCOREINK_CRASH_KILL_AFTER_MS";

// A scan-sized page whose copy takes a while to write: a kill can land while it is written.
QImage BigPage() {
  QImage page(4960, 7016, QImage::Format_Indexed8);
  page.setColorTable(FixedPalette());
  quint32 noise = 12345;
  for (int y = 0; y < page.height(); ++y) {
    uchar* row = page.scanLine(y);
    for (int x = 0; x < page.width(); ++x) {
      noise = noise * 1664525u + 1013904223u;
      row[x] = uchar(128 + (noise >> 28));
    }
  }
  return page;
}

void ShowBigPage(ScoreWindowHarness& ui) {
  ui->ShowScorePicture(BigPage());
  ui->AdoptOpenedScore("/scores/scan.bmp");
}

// Waits until the recovery copy has written what the user sees.
void LetTheCopySettle() {
  QTest::qWait(300);
  if (RecoveryLog* log = SharedHistory().Recovery()) log->Flush();
  QTest::qWait(200);
}

// What the user sees: the score with whatever floats stamped where it floats.
QImage Seen(ScoreWindowHarness& ui) {
  QImage seen = ui.Score().copy();
  ui->StampFloating(seen, QPoint(0, 0));
  return seen;
}

void LiftAndMove(ScoreWindowHarness& ui) {
  ThreeStrokes(ui);
  LetTheCopySettle();
  ui.Click("RBtnLM4");  // region move
  ui.DragOnScore({90, 90}, {430, 710});
  const QWidget* overlay = ui.Overlay();
  const QPoint grab(overlay->width() / 2, overlay->height() / 2);
  ui.Press("Image2", grab);
  ui.Move("Image2", grab + QPoint(40, 20));
  ui.Release("Image2", grab + QPoint(40, 20));
}

// Run by the test below in a process of its own: acts out a scenario, notes what the user saw
// and kills itself (SIGKILL) the given time after the scenario's last action.
TEST(CrashRecoveryChild, ActsAndIsKilled) {
  const QString folder = qEnvironmentVariable(kChildFolder);
  const QString scenario = qEnvironmentVariable(kScenario);
  if (folder.isEmpty() || scenario.isEmpty()) GTEST_SKIP() << "started by CrashRecovery only";
  WindowOptions options;
  options.executableFolder = folder;
  if (scenario == "restore")
    options.answers = [](ScriptedDialogs& dialogs) { dialogs.AnswerBox(kIdYes, kOfferCaption); };
  ScoreWindowHarness ui(options);
  QImage seen;
  if (scenario == "floating block") {
    LiftAndMove(ui);
    seen = Seen(ui);
  } else if (scenario == "dropped block") {
    LiftAndMove(ui);
    ui.ClickAt("Panel1", {105, 80});
    seen = Seen(ui);
  } else if (scenario == "floating symbol") {
    ThreeStrokes(ui);
    LetTheCopySettle();
    ui.Click("Img01");
    ui.DragOnScore({300, 300}, {300, 300}, 1);
    seen = Seen(ui);
  } else if (scenario == "stroke") {
    ThreeStrokes(ui);
    seen = Seen(ui);
  } else if (scenario == "big page") {
    ShowBigPage(ui);
    ThreeStrokes(ui);
    LetTheCopySettle();
    seen = Seen(ui);
  } else if (scenario == "symbol editor") {
    ShowBigPage(ui);
    ThreeStrokes(ui);
    LetTheCopySettle();
    seen = Seen(ui);
    ASSERT_TRUE(SaveBmp(seen, folder + "../expected.bmp").ok());
    ui.Click("Btn12");
    FormDriver(OpenWindow<TForm3>()).Click("Btn00");  // the editor's Cancel
  } else if (scenario != "restore") {
    FAIL() << "no scenario " << scenario.toStdString();
  }
  if (!seen.isNull() && !QFileInfo::exists(folder + "../expected.bmp")) {
    ASSERT_TRUE(SaveBmp(seen, folder + "../expected.bmp").ok());
  }
  const int after = qEnvironmentVariableIntValue(kKillAfter);
  if (after == 0) ::raise(SIGKILL);
  QTimer::singleShot(after, [] { ::raise(SIGKILL); });
  QTest::qWait(120000);
}

// Runs the scenario in a child started in folder, until it has killed itself.
void RunKilled(const QString& folder, const QString& scenario, int killAfterMs) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(kChildFolder, folder);
  env.insert(kScenario, scenario);
  env.insert(kKillAfter, QString::number(killAfterMs));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=CrashRecoveryChild.ActsAndIsKilled"});
  ASSERT_TRUE(child.waitForStarted());
  ASSERT_TRUE(child.waitForFinished(120000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardOutput().toStdString();
}

// What the next start offers, answered Yes (the harness fails the test when nothing is).
QImage Offered(const QString& folder) {
  WindowOptions options;
  options.executableFolder = folder;
  options.answers = [](ScriptedDialogs& dialogs) { dialogs.AnswerBox(kIdYes, kOfferCaption); };
  ScoreWindowHarness ui(options);
  return ui.Score().convertToFormat(QImage::Format_RGB888);
}

TEST(CrashRecovery, AKillSoonAfterAnEditOrDuringARestartOfTheCopyLosesNothing) {
  struct Case {
    const char* scenario;
    int killAfterMs;
    const char* first;  // a scenario run and killed before, whose copy the next one restores
  };
  const Case cases[] = {
      {"floating block", 200, nullptr},  {"dropped block", 200, nullptr},
      {"floating symbol", 200, nullptr}, {"stroke", 200, nullptr},
      {"symbol editor", 0, nullptr},     {"symbol editor", 150, nullptr},
      {"restore", 0, "big page"},        {"restore", 150, "big page"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.scenario) + ", killed after " + std::to_string(c.killAfterMs) +
                 " ms");
    QTemporaryDir place;
    const QString folder = place.path() + "/exe/";
    ASSERT_TRUE(QDir().mkpath(folder));
    if (c.first) RunKilled(folder, c.first, 0);
    RunKilled(folder, c.scenario, c.killAfterMs);
    const QImage seen = LoadBmp(folder + "../expected.bmp").image;
    ASSERT_FALSE(seen.isNull()) << "the child did not get to act";
    EXPECT_EQ(Offered(folder), seen.convertToFormat(QImage::Format_RGB888));
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
