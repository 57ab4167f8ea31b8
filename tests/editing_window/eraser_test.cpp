// The white pen: on a score made from the template it puts the blank staff back over the
// whole box the stroke covered (widened by the pen, kept one pixel in from the top and left
// and inside the right and bottom); on any other score it is plain white paint.
#include <gtest/gtest.h>

#include "harness/score_window_harness.h"
#include "score_window/shared_values.h"
#include "window_pictures.h"

namespace scoreink::test {
namespace {

// Black ink over the whole area, as if the user had scribbled there.
void Scribble(QImage& picture, const QRect& area) {
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) picture.setPixel(x, y, kBlackIndex);
}

void CopyRect(const QImage& from, QImage& to, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) to.setPixel(x, y, from.pixelIndex(x, y));
}

struct EraseCase {
  const char* name;
  std::vector<QPoint> path;  // press, moves, and the release at the last point
  QRect restored;            // from the blank page, computed by hand
};

// The white stroke as the canvas draws it: every move clamped as the window clamps it, then
// the release, whose point is only raised to the left limit.
void WhiteStroke(QImage& picture, const std::vector<QPoint>& path, int leftLimit) {
  Canvas pen = PenOn(picture, 2, kWhite, path.front());
  for (size_t i = 1; i < path.size(); ++i)
    pen.LineTo(std::clamp(path[i].x(), leftLimit, picture.width() - 1),
               std::clamp(path[i].y(), 0, picture.height() - 1));
  pen.LineTo(std::max(path.back().x(), leftLimit), path.back().y());
}

void Drive(ScoreWindowHarness& ui, const std::vector<QPoint>& path) {
  ui.PressOnScore(path.front());
  for (size_t i = 1; i < path.size(); ++i) ui.MoveOnScore(path[i]);
  ui.ReleaseOnScore(path.back());
}

const std::vector<EraseCase>& Cases() {
  static const std::vector<EraseCase> cases = {
      {"straight over the first staff",
       {{40, 100}, {50, 110}, {60, 120}},
       QRect(QPoint(38, 98), QPoint(61, 121))},
      {"along the top edge", {{30, 2}, {40, 0}, {50, 3}}, QRect(QPoint(28, 1), QPoint(51, 4))},
      {"out past the right edge",
       {{700, 500}, {760, 505}, {800, 520}},
       QRect(QPoint(698, 498), QPoint(768, 521))},
  };
  return cases;
}

TEST(Eraser, OnATemplateScoreTheBlankStaffComesBackInTheBoxAndNowhereElse) {
  for (const EraseCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    ScoreWindowHarness ui;
    ASSERT_TRUE(TemplateScore);
    const QImage blank = BlankScore(ui.Window());
    const QRect inked = c.restored.adjusted(-12, -12, 12, 12);
    Scribble(ui.Score(), inked);
    QImage expected = blank;
    Scribble(expected, inked);
    ui.Click("Edit2");
    Drive(ui, c.path);
    WhiteStroke(expected, c.path, LeftLimit);  // what the box leaves out stays white paint
    CopyRect(blank, expected, c.restored);
    EXPECT_TRUE(SamePicture(ui.Score(), expected));
  }
}

TEST(Eraser, OnAnyOtherScoreWhiteIsPlainPaint) {
  for (const EraseCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    ScoreWindowHarness ui;
    TemplateScore = false;  // as for an opened photo of a score
    QImage expected = BlankScore(ui.Window());
    const QRect inked = c.restored.adjusted(-12, -12, 12, 12);
    Scribble(ui.Score(), inked);
    Scribble(expected, inked);
    ui.Click("Edit2");
    Drive(ui, c.path);
    WhiteStroke(expected, c.path, LeftLimit);
    EXPECT_TRUE(SamePicture(ui.Score(), expected));
  }
}

TEST(Eraser, UndoBringsTheInkBack) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  QImage inked = blank;
  Canvas pen = PenOn(inked, 4, kBlack, {45, 90});
  ui.Click("Btn6");
  ui.Click("Btn6");
  ui.DragOnScore({45, 90}, {55, 130}, 1);
  pen.LineTo(55, 130);
  ASSERT_TRUE(SamePicture(ui.Score(), inked));
  ui.Click("Edit2");
  ui.DragOnScore({40, 100}, {60, 120}, 1);
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), inked));
}

}  // namespace
}  // namespace scoreink::test
