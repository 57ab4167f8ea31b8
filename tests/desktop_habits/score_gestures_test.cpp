// The wheel, the middle button and dropped files over the score window.
#include <gtest/gtest.h>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include "habits_test_support.h"
#include "harness/desktop_input.h"
#include "harness/score_file_dialog_driver.h"
#include "harness/score_window_harness.h"
#include "harness/widget_input.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

QPoint Scroll(ScoreWindowHarness& ui) {
  return {ui->Control<QScrollArea>("ScrollBox1")->horizontalScrollBar()->value(),
          ui->Control<QScrollArea>("ScrollBox1")->verticalScrollBar()->value()};
}

// The score pixel under a point of the scroll box's viewport, in fractions of a pixel.
QPointF ScorePointUnder(ScoreWindowHarness& ui, const QPoint& viewportPos) {
  const QPointF onImage = ui.ScoreView()->mapFrom(
      ui->Control<QScrollArea>("ScrollBox1")->viewport(), QPointF(viewportPos));
  return {onImage.x() * ui.Score().width() / ui.ScoreView()->width(),
          onImage.y() * ui.Score().height() / ui.ScoreView()->height()};
}

TEST(ScoreViewGestures, WheelScrollsShiftWheelScrollsSidewaysMiddleDragPans) {
  ScoreWindowHarness ui;
  ui.Click("Btn10");  // 200 percent: the page scrolls both ways
  const int pos = HistoryPos();

  TurnWheel(ui.ScoreView(), {300, 300},
            -2);  // towards the user: down the page
  EXPECT_EQ(Scroll(ui).x(), 0);
  EXPECT_GT(Scroll(ui).y(), 0);
  const QPoint down = Scroll(ui);
  TurnWheel(ui.ScoreView(), {300, 300}, -1, Qt::ShiftModifier);
  EXPECT_GT(Scroll(ui).x(), 0);
  EXPECT_EQ(Scroll(ui).y(), down.y());

  QWidget* viewport = ui->Control<QScrollArea>("ScrollBox1")->viewport();
  const QPoint start = Scroll(ui);
  SendMouse(viewport, QEvent::MouseButtonPress, {500, 500}, Qt::MiddleButton, Qt::MiddleButton);
  SendMouse(viewport, QEvent::MouseMove, {450, 420}, Qt::NoButton, Qt::MiddleButton);
  SendMouse(viewport, QEvent::MouseMove, {400, 380}, Qt::NoButton, Qt::MiddleButton);
  SendMouse(viewport, QEvent::MouseButtonRelease, {400, 380}, Qt::MiddleButton, Qt::NoButton);
  EXPECT_EQ(Scroll(ui), start + QPoint(100, 120)) << "the page follows the pointer";
  SendMouse(viewport, QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(Scroll(ui), start + QPoint(100, 120)) << "the pan ended with the release";
  EXPECT_EQ(HistoryPos(), pos) << "looking around is no edit";
}

TEST(ScoreViewGestures, CtrlWheelZoomsByTheButtonsStepsKeepingThePointUnderThePointer) {
  ScoreWindowHarness ui;
  ui.Click("Btn10");
  TurnWheel(ui.ScoreView(), {300, 300}, -3);  // somewhere down the page
  const QPoint pointer(420, 310);             // in the viewport
  // In (200 -> 300 -> 400), then out past 100 (400 -> ... -> 90): the steps of the buttons.
  for (const auto& [notches, zoom] : {std::pair{1, 300}, {1, 400}, {-4, 90}}) {
    SCOPED_TRACE(zoom);
    const QPointF before = ScorePointUnder(ui, pointer);
    const QPoint onImage =
        ui.ScoreView()->mapFrom(ui->Control<QScrollArea>("ScrollBox1")->viewport(), pointer);
    TurnWheel(ui.ScoreView(), onImage, notches, Qt::ControlModifier);
    EXPECT_EQ(ui.Zoom(), zoom);
    if (zoom < 100) continue;  // the whole width fits: nothing left to scroll sideways
    const QPointF after = ScorePointUnder(ui, pointer);
    EXPECT_NEAR(after.x(), before.x(), 1.0);
    EXPECT_NEAR(after.y(), before.y(), 1.0);
  }
}

class DroppedFiles : public ::testing::Test {
 protected:
  QString Put(const QString& name, int width, int height) {
    const QString path = folder_.filePath(name);
    WritePictureFile(path, MarkedPicture(width, height));
    return path;
  }
  static QString Outcome(ScoreWindowHarness& ui) {
    return QStringLiteral("score:%1 btn4:%2 template:%3 tools:%4 %5")
        .arg(PictureSummary(ui.Score()))
        .arg(ui->Control<QPushButton>("Btn4")->isEnabled())
        .arg(TemplateScore)
        .arg(ui->Control<QRadioButton>("RBtnLM3")->isVisibleTo(&ui.Window()))
        .arg(SharedSummary(ui.Dialogs()));
  }
  QTemporaryDir folder_;
};

TEST_F(DroppedFiles, OpenAsAPickInTheScoreFileDialogFollowedByOk) {
  const QString scan = Put("scan.JPG", 300, 400);
  QString picked, dropped;
  for (const bool byDrop : {false, true}) {
    ScoreWindowHarness ui;
    ui.DragOnScore({200, 400}, {260, 420});  // an edit: the save question comes
    ui.Dialogs().AnswerBox(kIdNo);
    if (byDrop) {
      ASSERT_TRUE(DropFile(&ui.Window(), scan));
    } else {
      ScoreFileDialogDriver dialog(ui);
      dialog.ChooseFolder(folder_.path());
      ASSERT_TRUE(dialog.ClickFile("scan.JPG"));
      dialog.Click("Button1");
    }
    (byDrop ? dropped : picked) = Outcome(ui);
  }
  EXPECT_TRUE(picked.contains("file:scan.JPG")) << picked.toStdString();
  EXPECT_EQ(dropped, picked);
}

TEST_F(DroppedFiles, AreRefusedOrTurnedDownAsThePickWouldBe) {
  const QString small = Put("small.bmp", 100, 400);
  const QString other = Put("other.bmp", 300, 400);
  QFile text(folder_.filePath("notes.txt"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.close();
  ScoreWindowHarness ui;
  const QImage before = ui.Score().copy();

  EXPECT_FALSE(DropFile(&ui.Window(), text.fileName())) << "not a picture the dialog lists";
  EXPECT_FALSE(DropFile(&ui.Window(), folder_.path())) << "a folder";
  ui.Dialogs().AnswerBox(kIdOk, QStringLiteral("どうでもいいけど"));
  EXPECT_TRUE(DropFile(&ui.Window(), small));  // taken, then turned down as too small
  EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(ui.Score(), before);
  EXPECT_TRUE(CurrentScoreFile.isEmpty());

  {
    ScoreFileDialogDriver dialog(ui);  // the dialog works on the score while it is open
    EXPECT_FALSE(DropFile(&ui.Window(), other));
    dialog.Click("Button2");
  }
  ui.Click("Btn12");  // so does the symbol editor
  EXPECT_FALSE(DropFile(&ui.Window(), other));
}

}  // namespace
}  // namespace scoreink::test
