// What the pen tools leave on the score when driven through the window: free-hand strokes,
// free, vertical and horizontal lines, ties, pen widths, the zoomed view, and drags that leave
// the score. Each expected picture is drawn here on a copy of the blank page.
#include <gtest/gtest.h>

#include "editing/tool_modes.h"
#include "harness/score_window_harness.h"
#include "platform/history/edit_history.h"
#include "score_window/shared_values.h"
#include "window_pictures.h"

namespace scoreink::test {
namespace {

TEST(PenDrawing, FreeDrawLeavesAPolylineThroughEverySampledPoint) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ASSERT_TRUE(SamePicture(ui.Score(), blank));
  ui.DragOnScore({100, 200}, {140, 220}, 4);

  QImage expected = blank;
  Canvas pen = PenOn(expected, 2, kBlack, {100, 200});
  for (QPoint p : {QPoint(110, 205), QPoint(120, 210), QPoint(130, 215), QPoint(140, 220)})
    pen.LineTo(p.x(), p.y());
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
  EXPECT_FALSE(ui->InGesture());
  EXPECT_EQ(HistoryPos(), 2);
}

TEST(PenDrawing, FreeLineIsARubberBandUntilTheRelease) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.Click("RBtnLM1");
  ui.PressOnScore({100, 300});
  ui.MoveOnScore({150, 320});
  QImage band = blank;
  Canvas bandPen = PenOn(band, 2, kBlack, {100, 300});
  bandPen.SetPenMode(PenMode::NotXor);
  bandPen.LineTo(150, 320);
  EXPECT_TRUE(SamePicture(ui.Score(), band));

  ui.MoveOnScore({200, 340});  // the first band is taken back
  band = blank;
  bandPen = PenOn(band, 2, kBlack, {100, 300});
  bandPen.SetPenMode(PenMode::NotXor);
  bandPen.LineTo(200, 340);
  EXPECT_TRUE(SamePicture(ui.Score(), band));

  ui.ReleaseOnScore({200, 340});
  QImage expected = blank;
  PenOn(expected, 2, kBlack, {100, 300}).LineTo(200, 340);
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
}

struct StraightCase {
  const char* variant;
  QPoint release;
  QPoint lineEnd;
};

TEST(PenDrawing, VerticalAndHorizontalLinesAppearOnlyAtTheRelease) {
  const StraightCase cases[] = {
      {"RBtnSB1", {80, 90}, {50, 90}},
      {"RBtnSB2", {80, 90}, {80, 30}},
      {"RBtnSB1", {20, 10}, {50, 10}},  // upward, released left of the limit
      {"RBtnSB2", {20, 10}, {27, 30}},  // leftward: the release is raised to the limit
  };
  for (const StraightCase& c : cases) {
    SCOPED_TRACE(std::string(c.variant) + " to " + std::to_string(c.release.x()) + "," +
                 std::to_string(c.release.y()));
    ScoreWindowHarness ui;
    const QImage blank = BlankScore(ui.Window());
    ui.Click("RBtnLM1");
    ui.Click(c.variant);
    ui.PressOnScore({50, 30});
    ui.MoveOnScore({60, 50});
    ui.MoveOnScore(c.release);
    EXPECT_TRUE(SamePicture(ui.Score(), blank)) << "no feedback while dragging";
    ui.ReleaseOnScore(c.release);
    QImage expected = blank;
    PenOn(expected, 2, kBlack, {50, 30}).LineTo(c.lineEnd.x(), c.lineEnd.y());
    EXPECT_TRUE(SamePicture(ui.Score(), expected));
  }
}

// The tie's curve as the canvas draws it from its four points.
QImage TieOn(QImage picture, std::array<QPoint, 4> points) {
  PenOn(picture, 2).PolyBezier(points);
  return picture;
}

bool BlackInColumn(const QImage& image, int x, int fromRow, int toRow) {
  for (int y = fromRow; y <= toRow; ++y)
    if (IsBlackAt(image, x, y)) return true;
  return false;
}

TEST(PenDrawing, TiesCurveBelowOrAboveTheReleaseRow) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.Click("RBtnLM2");
  EXPECT_EQ(ui->CurrentLine(), LineVariant::LowerArc);
  ui.PressOnScore({100, 80});
  ui.MoveOnScore({150, 70});
  EXPECT_TRUE(SamePicture(ui.Score(), blank)) << "no feedback while dragging";
  ui.ReleaseOnScore({190, 60});
  QImage lower = TieOn(blank, {QPoint(100, 60), QPoint(100, 80), QPoint(190, 80), QPoint(190, 60)});
  EXPECT_TRUE(SamePicture(ui.Score(), lower));
  // Both ends on the release row; the middle 3/4 of d = 20 below it.
  EXPECT_TRUE(BlackInColumn(ui.Score(), 100, 59, 61));
  EXPECT_TRUE(BlackInColumn(ui.Score(), 190, 59, 61));
  EXPECT_TRUE(BlackInColumn(ui.Score(), 145, 74, 76));
  EXPECT_FALSE(BlackInColumn(ui.Score(), 145, 40, 72));
  EXPECT_FALSE(BlackInColumn(ui.Score(), 145, 78, 100));

  ui.Click("RBtnSB2");
  ui.DragOnScore({100, 280}, {140, 260});  // short span: d = 10
  QImage upper =
      TieOn(lower, {QPoint(100, 260), QPoint(100, 250), QPoint(140, 250), QPoint(140, 260)});
  EXPECT_TRUE(SamePicture(ui.Score(), upper));
  EXPECT_TRUE(BlackInColumn(ui.Score(), 120, 251, 253));
  EXPECT_FALSE(BlackInColumn(ui.Score(), 120, 255, 270));
}

TEST(PenDrawing, TieReleasedLeftOfThePressDrawsNothingButCountsAsAnEdit) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.Click("RBtnLM2");
  ui.DragOnScore({190, 80}, {100, 60});
  EXPECT_TRUE(SamePicture(ui.Score(), blank));
  EXPECT_EQ(HistoryPos(), 2);
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), blank));
  EXPECT_EQ(HistoryPos(), 1);
}

TEST(PenDrawing, EveryPenWidthDrawsItsOwnRoundLine) {
  ScoreWindowHarness ui;
  QImage expected = BlankScore(ui.Window());
  ui.Click("RBtnLM1");
  ui.Click("RBtnSB2");
  ui.Click("Btn5");  // width 1
  for (int width = 1; width <= 10; ++width) {
    SCOPED_TRACE(width);
    ASSERT_EQ(PenWidth, width);
    const int row = 300 + 30 * width;
    ui.DragOnScore({100, row}, {300, row + 7});
    PenOn(expected, width, kBlack, {100, row}).LineTo(300, row);
    EXPECT_TRUE(SamePicture(ui.Score(), expected));
    ui.Click("Btn6");
  }
}

TEST(PenDrawing, AtZoom200ControlPointsMapToHalfTheirCoordinates) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.Click("Btn10");
  ASSERT_EQ(ui.Zoom(), 200);
  ASSERT_EQ(ui.ScoreView()->size(), blank.size() * 2);
  ui.Click("RBtnLM1");
  ui.Click("RBtnSB1");
  ui.PressOnScore({101, 61});  // odd control pixels truncate
  ui.ReleaseOnScore({161, 181});
  EXPECT_EQ(ui->GestureStart(), QPoint(50, 30));
  EXPECT_EQ(ui->GestureEnd(), QPoint(80, 90));
  QImage expected = blank;
  PenOn(expected, 2, kBlack, {50, 30}).LineTo(50, 90);
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
}

TEST(PenDrawing, DragsPastTheRightAndBottomStickToTheLastColumnAndRow) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  const QSize size = blank.size();
  ui.Click("RBtnLM1");
  ui.PressOnScore({700, 1000});
  ui.MoveOnScore({size.width() + 30, size.height() + 100});
  EXPECT_EQ(ui->GestureEnd(), QPoint(size.width() - 1, size.height() - 1));
  QImage band = blank;
  Canvas bandPen = PenOn(band, 2, kBlack, {700, 1000});
  bandPen.SetPenMode(PenMode::NotXor);
  bandPen.LineTo(size.width() - 1, size.height() - 1);
  EXPECT_TRUE(SamePicture(ui.Score(), band));

  // The release keeps its point beyond the edge; the band it no longer covers goes.
  ui.ReleaseOnScore({size.width() + 30, size.height() + 100});
  QImage expected = blank;
  PenOn(expected, 2, kBlack, {700, 1000}).LineTo(size.width() + 30, size.height() + 100);
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
}

TEST(PenDrawing, FreeLineReleasedAboveTheScoreLeavesNoBandBehind) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.Click("RBtnLM1");
  ui.PressOnScore({300, 40});
  ui.MoveOnScore({400, -60});  // held at row 0
  ui.ReleaseOnScore({400, -60});
  QImage expected = blank;
  PenOn(expected, 2, kBlack, {300, 40}).LineTo(400, -60);
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
}

TEST(PenDrawing, FreeDrawOutsideTheScoreIsClampedWhileMovingAndOnlyOnTheLeftAtTheRelease) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  const int w = blank.width();
  ui.PressOnScore({w - 10, 500});
  ui.MoveOnScore({w + 30, 500});
  ui.MoveOnScore({w + 30, 520});
  ui.ReleaseOnScore({w + 30, 520});
  ui.PressOnScore({40, 600});
  ui.MoveOnScore({-20, 640});
  ui.ReleaseOnScore({-20, 650});
  QImage expected = blank;
  Canvas pen = PenOn(expected, 2, kBlack, {w - 10, 500});
  pen.LineTo(w - 1, 500);
  pen.LineTo(w - 1, 520);
  pen.LineTo(w + 30, 520);
  pen.MoveTo(40, 600);
  pen.LineTo(LeftLimit, 640);
  pen.LineTo(LeftLimit, 650);
  EXPECT_TRUE(SamePicture(ui.Score(), expected));
}

}  // namespace
}  // namespace scoreink::test
