// The press on the score and the commit of a floating symbol: every trigger stamps it first,
// at the place the zoom maps it to and clipped to the score; the right button only commits;
// a press left of the pen limit draws nothing; a press that cannot take its snapshot does
// nothing at all; and the view repaints only what an edit changed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScrollArea>
#include <functional>

#include "editing/surface_rules.h"
#include "editing/tool_modes.h"
#include "harness/score_window_harness.h"
#include "platform/history/edit_history.h"
#include "platform/picture_files/picture_io.h"
#include "resources/embedded_pictures.h"
#include "score_window/shared_values.h"
#include "window_pictures.h"

namespace scoreink::test {
namespace {

// The filled note head of the palette: black on white, 4 bits.
QImage NoteHead() {
  return PaletteSymbolImage(1);
}

QImage Stamped(QImage picture, const QImage& symbol, QPoint at) {
  StampBlack(symbol, picture, symbol.rect(), QRect(at, symbol.size()));
  return picture;
}

struct Trigger {
  const char* name;
  std::function<void(ScoreWindowHarness&)> act;
};

TEST(Commit, EveryTriggerStampsTheFloatingSymbolFirst) {
  const std::vector<Trigger> triggers = {
      {"window background",
       [](ScoreWindowHarness& ui) {
         const QPoint gap(ui->Control<QScrollArea>("ScrollBox1")->width() + 2, 300);
         ASSERT_EQ(ui->childAt(gap), nullptr);
         ClickWidgetAt(&ui.Window(), gap);
       }},
      {"scroll box outside the score",
       [](ScoreWindowHarness& ui) {
         ClickWidgetAt(ui->Control<QScrollArea>("ScrollBox1")->viewport(),
                       {ui.ScoreView()->width() + 40, 100});
       }},
      {"tool panel background",
       [](ScoreWindowHarness& ui) {
         ui.ClickAt("Panel1", {105, 80});
       }},
      {"focus arriving at Edit0",
       [](ScoreWindowHarness& ui) {
         QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
         QApplication::sendEvent(ui->Control<QLineEdit>("Edit0"), &focusIn);
       }},
      {"right press on the score",
       [](ScoreWindowHarness& ui) {
         ui.PressOnScore({400, 400}, Qt::RightButton);
       }},
      {"middle press on the score",
       [](ScoreWindowHarness& ui) {
         ui.PressOnScore({400, 400}, Qt::MiddleButton);
       }},
      {"zoom in", [](ScoreWindowHarness& ui) { ui.Click("Btn10"); }},
      {"pen width", [](ScoreWindowHarness& ui) { ui.Click("Btn6"); }},
      {"white colour box", [](ScoreWindowHarness& ui) { ui.Click("Edit2"); }},
      {"black colour box", [](ScoreWindowHarness& ui) { ui.Click("Edit1"); }},
      {"tie tool", [](ScoreWindowHarness& ui) { ui.Click("RBtnLM2"); }},
      {"region move tool", [](ScoreWindowHarness& ui) { ui.Click("RBtnLM4"); }},
      {"key signature list", [](ScoreWindowHarness& ui) { ui.ChooseIndex("ComboBox1", 3); }},
      {"redo",
       [](ScoreWindowHarness& ui) {
         ui.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");
         ui.Click("Btn8");
       }},
  };
  for (const Trigger& trigger : triggers) {
    SCOPED_TRACE(trigger.name);
    ScoreWindowHarness ui;
    const QImage blank = BlankScore(ui.Window());
    FloatSymbol(ui.Window(), NoteHead(), {300, 150});
    trigger.act(ui);
    EXPECT_TRUE(ui.Overlay()->isHidden());
    EXPECT_FALSE(ui.Overlay()->HasPicture());
    EXPECT_TRUE(SamePicture(ui.Score(), Stamped(blank, NoteHead(), {300, 150})));
    EXPECT_EQ(HistoryPos(), 1) << "no trigger here records an edit";
  }
}

TEST(Commit, TheZoomAtTheTimeOfTheCommitPlacesTheSymbol) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.Click("Btn10");
  FloatSymbol(ui.Window(), NoteHead(), {41, 21});
  ui.Click("Btn9");  // stamps at zoom 200, then zooms out
  EXPECT_EQ(ui.Zoom(), 100);
  EXPECT_TRUE(SamePicture(ui.Score(), Stamped(blank, NoteHead(), {20, 10})));
}

TEST(Commit, AStampPastTheRightAndBottomEdgeIsClipped) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  const QImage head = NoteHead();
  const QPoint corner(blank.width() - head.width() / 2, blank.height() - head.height() / 2);
  FloatSymbol(ui.Window(), head, corner);
  ui.PressOnScore({400, 400}, Qt::RightButton);
  EXPECT_EQ(ui.Score().size(), blank.size());
  QImage expected = blank;
  for (int y = corner.y(); y < blank.height(); ++y)
    for (int x = corner.x(); x < blank.width(); ++x)
      if (IsBlackAt(head, x - corner.x(), y - corner.y())) expected.setPixel(x, y, kBlackIndex);
  ASSERT_FALSE(SamePicture(expected, blank)) << "part of the head lies inside the score";
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
}

TEST(Commit, RightPressCommitsButTakesNoSnapshotAndStartsNoGesture) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  FloatSymbol(ui.Window(), NoteHead(), {300, 150});
  ui.PressOnScore({200, 400}, Qt::RightButton);
  ui.MoveOnScore({260, 420});
  ui.ReleaseOnScore({260, 420}, Qt::RightButton);
  EXPECT_FALSE(ui->InGesture());
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_FALSE(QFile::exists(SharedHistory().SnapshotFile(1)));
  EXPECT_TRUE(SamePicture(ui.Score(), Stamped(blank, NoteHead(), {300, 150})));
}

TEST(Press, LeftOfThePenLimitRecordsTheEditButDrawsNothing) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ASSERT_EQ(LeftLimit, 27);
  ui.PressOnScore({26, 300});
  EXPECT_FALSE(ui->InGesture());
  EXPECT_EQ(HistoryPos(), 2);
  ui.MoveOnScore({120, 330});
  ui.ReleaseOnScore({120, 330});
  EXPECT_TRUE(SamePicture(ui.Score(), blank));

  // At the limit itself the pen draws.
  ui.DragOnScore({27, 300}, {60, 300});
  QImage expected = blank;
  Canvas pen = PenOn(expected, 2, kBlack, {27, 300});
  for (int x : {35, 43, 51, 60}) pen.LineTo(x, 300);
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
}

TEST(Press, InSymbolModeLeftOfTheLimitOnlyStampsTheSymbolAndRecords) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.Click("Img01");  // symbol mode, the note head chosen
  FloatSymbol(ui.Window(), NoteHead(), {300, 150});
  ui.PressOnScore({26, 100});
  ui.ReleaseOnScore({26, 100});
  EXPECT_FALSE(ui->InGesture());
  EXPECT_EQ(HistoryPos(), 2);
  const QImage stamped = Stamped(blank, NoteHead(), {300, 150});
  EXPECT_TRUE(SamePicture(ui.Score(), stamped));
  // The gesture starts after the commit: its undo keeps the symbol.
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), stamped));
}

TEST(Press, AWorkFolderThatTakesNoStepsIsToldOnceAndTheStrokesStay) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  // A file where the work folder should be: no step can be written, nor the folder made again.
  ASSERT_TRUE(QDir(WorkFolder).removeRecursively());
  ASSERT_TRUE(ui.Folder().Write(WorkFolder.mid(ui.Folder().Path().size()), "not a folder"));
  ui.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");
  ui.PressOnScore({100, 100});
  ui.MoveOnScore({150, 120});
  EXPECT_TRUE(ui.Dialogs().Boxes().empty()) << "nothing told while the button is held";
  ui.MoveOnScore({200, 150});
  ui.ReleaseOnScore({200, 150});
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.startsWith("作業フォルダに書き込めない"));
  const QImage stroke = ui.Score().copy();
  EXPECT_FALSE(SamePicture(stroke, blank));
  ui.DragOnScore({100, 300}, {200, 350});
  EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u) << "told once";
  EXPECT_EQ(HistoryPos(), 3);
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), stroke)) << "the steps wait in memory";
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), blank));
}

// Collects the parts of a widget that get painted.
class PaintRecorder : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

TEST(Press, AStrokeRepaintsOnlyWhatItChangedAndNeverCopiesThePage) {
  ScoreWindowHarness ui;
  ui.Click("Btn10");  // zoom 200
  QApplication::processEvents();
  PaintRecorder recorder;
  ui.ScoreView()->installEventFilter(&recorder);
  const uchar* pixels = ui.Score().constBits();

  ui.DragOnScore({400, 400}, {440, 420});
  QApplication::processEvents();
  EXPECT_EQ(ui.Score().constBits(), pixels) << "the page was copied during the stroke";
  const QRect painted = recorder.painted.boundingRect();
  EXPECT_FALSE(painted.isEmpty());
  // Surface (200, 200)..(220, 210) with a 2-pixel pen, doubled by the zoom.
  EXPECT_TRUE(painted.contains(QRect(400, 400, 40, 20)));
  EXPECT_LE(painted.width(), 60);
  EXPECT_LE(painted.height(), 40);
  ui.ScoreView()->removeEventFilter(&recorder);
}

}  // namespace
}  // namespace scoreink::test
