// Zooming both areas, moving the drawing against its move base and trimming its edges.
#include <gtest/gtest.h>
#include <QLabel>
#include <QScrollArea>

#include "harness/symbol_editor_harness.h"
#include "harness/symbol_pictures.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"
#include "symbol_editor/core/move_base.h"

namespace scoreink::test {
namespace {

struct ZoomStep {
  const char* button;
  int times;
  const char* percent;
  int factor;
};

TEST(SymbolEditorZoom, TheDrawingAreaZoomsFrom100To800PercentAndRecordsNothing) {
  SymbolEditorHarness ed;
  const ZoomStep steps[] = {{"BtnZoomUpDn01", 4, "800", 8}, {"BtnZoomUpDn01", 1, "800", 8},
                            {"BtnZoomUpDn00", 2, "600", 6}, {"BtnZoomUpDn00", 5, "100", 1},
                            {"BtnZoomUpDn00", 1, "100", 1}, {"BtnZoomUpDn01", 1, "200", 2}};
  for (const ZoomStep& step : steps) {
    SCOPED_TRACE(testing::Message() << step.button << " x" << step.times);
    ed.Click(step.button, step.times);
    EXPECT_EQ(ed->Control<QLabel>("LBL0")->text(), step.percent);
    EXPECT_EQ(ed.DrawingView()->size(), QSize(30, 30) * step.factor);
  }
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_TRUE(AllWhite(ed.Drawing()));
}

TEST(SymbolEditorZoom, TheImportAreaButtonsChangeOnlyTheImportArea) {
  SymbolEditorHarness ed;
  ed.Import(CoordinatePicture(50, 40));
  const ZoomStep steps[] = {{"BtnZoomUpDn11", 1, "200", 2},
                            {"BtnZoomUpDn11", 9, "800", 8},
                            {"BtnZoomUpDn10", 3, "500", 5},
                            {"BtnZoomUpDn10", 9, "100", 1}};
  for (const ZoomStep& step : steps) {
    SCOPED_TRACE(testing::Message() << step.button << " x" << step.times);
    ed.Click(step.button, step.times);
    EXPECT_EQ(ed->Control<QLabel>("LBL1")->text(), step.percent);
    EXPECT_EQ(ed.ImportView()->size(), QSize(50, 40) * step.factor);
    // The scroll box scrolls over the whole enlarged picture.
    EXPECT_EQ(ed->Control<QScrollArea>("ScrollBox1")->widget()->size(),
              QSize(50, 40) * step.factor);
    EXPECT_EQ(ed->Control<QLabel>("LBL0")->text(), "400");
    EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 120));
  }
  EXPECT_EQ(HistoryPos(), 1);
}

TEST(SymbolEditorMove, EachArrowMovesTheDrawingOnePixelAndIsOneUndoStep) {
  struct MoveCase {
    const char* button;
    QPoint offset;
  };
  const MoveCase cases[] = {
      {"Btn01", {0, -1}}, {"Btn02", {0, 1}}, {"Btn03", {-1, 0}}, {"Btn04", {1, 0}}};
  const QImage pattern = CoordinatePicture(30, 30);
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.button);
    SymbolEditorHarness ed;
    ed.SetDrawing(pattern);
    ed.Click(c.button);
    EXPECT_EQ(ed.Drawing(), ShiftedFromBase(pattern, c.offset));
    EXPECT_EQ(QPoint(ed->MoveOffset().x(), ed->MoveOffset().y()), c.offset);
    EXPECT_EQ(ed->Control<ImageControl>("ImgTMP")->Picture(), pattern);  // a move keeps the base
    EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 120));
    EXPECT_EQ(HistoryPos(), 2);
    ed.Undo();
    EXPECT_EQ(ed.Drawing(), pattern);
  }
}

TEST(SymbolEditorMove, MovingBackBringsThePushedOutColumnsBack) {
  SymbolEditorHarness ed;
  const QImage pattern = CoordinatePicture(30, 30);
  ed.SetDrawing(pattern);
  ed.Click("Btn04", 3);
  EXPECT_EQ(ed.Drawing(), ShiftedFromBase(pattern, {3, 0}));
  ed.Click("Btn03", 3);
  EXPECT_EQ(ed.Drawing(), pattern);
  EXPECT_EQ(HistoryPos(), 7);
}

TEST(SymbolEditorMove, AChangeBetweenMovesLosesWhatWasPushedOut) {
  SymbolEditorHarness ed;
  const QImage pattern = CoordinatePicture(30, 30);
  ed.SetDrawing(pattern);
  ed.Click("Btn04");
  ed.DragOnDrawing(ed.DrawingPoint({10, 10}), ed.DrawingPoint({11, 10}), 1);  // renews the base
  const QImage dotted = ed.Drawing();
  ASSERT_NE(dotted, ShiftedFromBase(pattern, {1, 0}));
  EXPECT_EQ(ed->Control<ImageControl>("ImgTMP")->Picture(), dotted);
  ed.Click("Btn03");
  EXPECT_EQ(ed.Drawing(), ShiftedFromBase(dotted, {-1, 0}));
  EXPECT_TRUE(AllWhite(ed.Drawing().copy(29, 0, 1, 30)));  // the old last column is gone
}

TEST(SymbolEditorMove, ThirtyOneMovesRightLeaveABlankDrawingAndThirtyOneUndoSteps) {
  SymbolEditorHarness ed;
  ed.SetDrawing(CoordinatePicture(30, 30));
  ed.Click("Btn04", 31);
  EXPECT_EQ(ed->MoveOffset().x(), 30);
  EXPECT_TRUE(AllWhite(ed.Drawing()));
  EXPECT_EQ(HistoryPos(), 32);
  // One move back after the bound shows the first column again.
  ed.Click("Btn03");
  EXPECT_EQ(ed->MoveOffset().x(), 29);
  EXPECT_EQ(ed.Drawing(), ShiftedFromBase(CoordinatePicture(30, 30), {29, 0}));
}

TEST(SymbolEditorTrim, EachTrimButtonCutsItsEdgeAndRenewsTheMoveBase) {
  struct TrimCase {
    const char* button;
    QRect kept;
  };
  const TrimCase cases[] = {{"Btn05", {0, 1, 30, 29}},
                            {"Btn06", {0, 0, 30, 29}},
                            {"Btn07", {1, 0, 29, 30}},
                            {"Btn08", {0, 0, 29, 30}}};
  const QImage pattern = CoordinatePicture(30, 30);
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(c.button);
    SymbolEditorHarness ed;
    ed.SetDrawing(pattern);
    ed.Click("Btn04");  // a pending move: the trim starts from what is shown
    const QImage moved = ed.Drawing();
    ed.Click(c.button);
    EXPECT_EQ(ed.Drawing(), moved.copy(c.kept));
    EXPECT_EQ(ed.DrawingView()->size(), c.kept.size() * 4);
    EXPECT_EQ(ed->Control<ImageControl>("ImgTMP")->Picture(), ed.Drawing());
    EXPECT_EQ(QPoint(ed->MoveOffset().x(), ed->MoveOffset().y()), QPoint());
    EXPECT_EQ(HistoryPos(), 3);
  }
}

TEST(SymbolEditorTrim, TrimmingTheTopAt400PercentShows120By116) {
  SymbolEditorHarness ed;
  ed.Click("Btn05");
  EXPECT_EQ(ed.Drawing().size(), QSize(30, 29));
  EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 116));
}

TEST(SymbolEditorTrim, ASideOfFiveStaysButEachClickIsAnUndoStep) {
  SymbolEditorHarness ed;
  ed.Click("Btn06", 25);
  ASSERT_EQ(ed.Drawing().size(), QSize(30, 5));
  const int before = HistoryPos();
  ed.Click("Btn06");
  EXPECT_EQ(ed.Drawing().size(), QSize(30, 5));
  EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 20));
  EXPECT_EQ(HistoryPos(), before + 1);
  ed.Undo();
  EXPECT_EQ(ed.Drawing().size(), QSize(30, 5));
  ed.Undo();
  EXPECT_EQ(ed.Drawing().size(), QSize(30, 6));
}

}  // namespace
}  // namespace scoreink::test
