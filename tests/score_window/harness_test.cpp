// The window test harness itself: what it sends reaches the controls as a user's input
// would, and a box or dialog that a test did not expect fails that test.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSignalSpy>

#include "harness/score_window_harness.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/save_dialog.h"

namespace scoreink::test {
namespace {

// Remembers the buttons held at every mouse move a widget receives.
class HeldButtons : public QObject {
 public:
  std::vector<Qt::MouseButtons> atMoves;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove)
      atMoves.push_back(static_cast<QMouseEvent*>(event)->buttons());
    return false;
  }
};

TEST(WindowHarness, DragOnTheScoreSendsPressMovesWithTheButtonHeldAndRelease) {
  ScoreWindowHarness ui;
  ImageControl* image = ui.ScoreView();
  QSignalSpy downs(image, &ImageControl::MouseDown);
  QSignalSpy moves(image, &ImageControl::MouseMove);
  QSignalSpy ups(image, &ImageControl::MouseUp);
  HeldButtons held;
  image->installEventFilter(&held);

  ui.DragOnScore({40, 100}, {60, 120}, 4);
  ASSERT_EQ(downs.size(), 1);
  EXPECT_EQ(downs[0][1].toInt(), 40);
  ASSERT_EQ(moves.size(), 4);
  EXPECT_EQ(moves[1][0].toInt(), 50);
  EXPECT_EQ(moves[1][1].toInt(), 110);
  EXPECT_EQ(moves[3][0].toInt(), 60);
  EXPECT_EQ(held.atMoves, std::vector<Qt::MouseButtons>(4, Qt::LeftButton));
  ASSERT_EQ(ups.size(), 1);
  EXPECT_EQ(ups[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
  EXPECT_EQ(ups[0][2].toInt(), 120);

  ui.PressOnScore({5, 5}, Qt::RightButton);
  ui.ReleaseOnScore({5, 5}, Qt::RightButton);
  EXPECT_EQ(downs.last()[0].value<Qt::MouseButton>(), Qt::RightButton);
}

TEST(WindowHarness, AnswersQueuedBoxesAndDialogsAndRecordsWhatWasAsked) {
  ScoreWindowHarness ui;
  ui.Dialogs().AnswerBox(kIdNo);
  ui.Dialogs().AnswerBox(kIdCancel, "caption two");
  ui.Dialogs().AnswerSave("/tmp/score.bmp");
  ui.Dialogs().AnswerSave(std::nullopt);
  EXPECT_EQ(AppMessageBox("text one", "caption one", MsgButtons::YesNo), kIdNo);
  EXPECT_EQ(AppMessageBox("text two", "caption two", MsgButtons::OkCancel), kIdCancel);
  EXPECT_EQ(RunSaveDialog(&ui.Window(), "first", "Graphic Files|*.bmp"), "/tmp/score.bmp");
  EXPECT_EQ(RunSaveDialog(&ui.Window(), "second", "Graphic Files|*.bmp"), std::nullopt);

  ASSERT_EQ(ui.Dialogs().Boxes().size(), 2u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text, "text one");
  EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(ui.Dialogs().Captions(), (std::vector<QString>{"caption one", "caption two"}));
  ASSERT_EQ(ui.Dialogs().SaveDialogs().size(), 2u);
  EXPECT_EQ(ui.Dialogs().SaveDialogs()[1].initialName, "second");
  EXPECT_FALSE(ui.Dialogs().HasPendingAnswers());
}

TEST(WindowHarness, AnUnexpectedBoxOrDialogFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        EXPECT_EQ(AppMessageBox("text", "surprise", MsgButtons::YesNoCancel), kIdCancel);
      },
      "Unexpected message box");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        EXPECT_EQ(RunSaveDialog(nullptr, "name", "Graphic Files|*.bmp"), std::nullopt);
      },
      "Unexpected save dialog");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.AnswerBox(kIdOk, "expected caption");
        AppMessageBox("text", "other caption", MsgButtons::Ok);
      },
      "expected \"expected caption\"");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.AnswerBox(kIdYes);
      },
      "never asked for");
}

TEST(WindowHarness, CleansUpTheWindowAndItsFolder) {
  QString folder;
  {
    ScoreWindowHarness ui;
    folder = ui.Folder().Path();
    EXPECT_TRUE(QFileInfo::exists(folder + "TmpWork"));
  }
  EXPECT_EQ(Form1, nullptr);
  EXPECT_FALSE(QFileInfo::exists(folder));
}

}  // namespace
}  // namespace scoreink::test
