// Rectangles and ellipses leave out right and bottom and fill only with a solid brush;
// PolyBezier draws one connected cubic including both ends.
#include <gtest/gtest.h>

#include "platform/raster/canvas.h"
#include "platform/raster/raster_figures.h"
#include "tests/raster/canvas_test_support.h"

namespace scoreink {
namespace {

using test::Box;
using test::Marked;
using test::PixelSet;

PixelSet Without(PixelSet set, const PixelSet& removed) {
  for (const auto& p : removed) set.erase(p);
  return set;
}

TEST(CanvasRectangle, ExcludesRightAndBottom) {
  const PixelSet outline = Without(Box(2, 2, 9, 7), Box(3, 3, 8, 6));
  // The corners in any order give the same figure.
  for (int order = 0; order < 4; ++order) {
    QImage image = NewBitmap(16, 12, PixelFormat::Bits8);
    Canvas canvas(&image);
    canvas.SetBrushStyle(BrushStyle::Clear);
    const int l = order & 1 ? 10 : 2, r = order & 1 ? 2 : 10;
    const int t = order & 2 ? 8 : 2, b = order & 2 ? 2 : 8;
    canvas.Rectangle(l, t, r, b);
    EXPECT_EQ(Marked(image), outline) << order;
    EXPECT_EQ(canvas.Dirty(), QRect(2, 2, 8, 6));
  }
}

TEST(CanvasRectangle, FillsOnlyWithASolidBrush) {
  QImage image = NewBitmap(16, 12, PixelFormat::Bits24);
  Canvas canvas(&image);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetBrushColor(kTemplateInk);  // setting a colour makes the brush solid again
  canvas.Rectangle(2, 2, 10, 8);
  for (const auto& [x, y] : Box(3, 3, 8, 6)) ASSERT_EQ(PixelColor(image, x, y), kTemplateInk);
  for (const auto& [x, y] : Without(Box(2, 2, 9, 7), Box(3, 3, 8, 6)))
    ASSERT_EQ(PixelColor(image, x, y), kBlack);
  EXPECT_EQ(Marked(image), Box(2, 2, 9, 7));
}

TEST(CanvasRectangle, EmptyOrOutsideDrawsNothing) {
  QImage image = NewBitmap(16, 12, PixelFormat::Bits8);
  Canvas canvas(&image);
  canvas.Rectangle(4, 4, 4, 9);
  canvas.Rectangle(4, 4, 9, 4);
  canvas.Rectangle(-20, -20, -1, -1);
  canvas.SetPenWidth(3);
  canvas.Rectangle(17, 13, 30, 30);
  EXPECT_TRUE(Marked(image).empty());
  EXPECT_TRUE(canvas.Dirty().isNull());
}

TEST(CanvasRectangle, ClipsAtTheBorders) {
  QImage image = NewBitmap(10, 10, PixelFormat::Bits8);
  Canvas canvas(&image);
  canvas.SetBrushColor(kTemplateInk);
  canvas.Rectangle(-5, 4, 20, 30);
  // Only the top edge and the brush inside the picture.
  EXPECT_EQ(Marked(image), Box(0, 4, 9, 9));
  for (int x = 0; x < 10; ++x) EXPECT_EQ(PixelColor(image, x, 4), kBlack);
  EXPECT_EQ(PixelColor(image, 5, 9), kTemplateInk);
}

TEST(CanvasEllipse, StaysInsideItsBoxAndTouchesEachSide) {
  for (QRect box : {QRect(0, 0, 10, 10), QRect(3, 2, 25, 9), QRect(5, 1, 4, 28), QRect(2, 2, 2, 2),
                    QRect(1, 1, 31, 30)}) {
    QImage image = NewBitmap(40, 40, PixelFormat::Bits8);
    Canvas canvas(&image);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Ellipse(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
    const PixelSet drawn = Marked(image);
    QRect bounds;
    for (const auto& [x, y] : drawn) bounds |= QRect(x, y, 1, 1);
    EXPECT_EQ(bounds, box);
    EXPECT_EQ(test::Groups(drawn), 1);
    // Mirror symmetric about both axes of the box.
    for (const auto& [x, y] : drawn) {
      const int mx = 2 * box.left() + box.width() - 1 - x;
      const int my = 2 * box.top() + box.height() - 1 - y;
      ASSERT_TRUE(drawn.count({mx, y}) && drawn.count({x, my})) << x << "," << y;
    }
  }
}

TEST(CanvasEllipse, OutlineIsClosedAroundItsBrush) {
  QImage image = NewBitmap(40, 30, PixelFormat::Bits24);
  Canvas canvas(&image);
  canvas.SetBrushColor(kTemplateInk);
  canvas.Ellipse(4, 4, 36, 26);
  const QImage filled = image.copy();
  EXPECT_EQ(PixelColor(image, 20, 15), kTemplateInk);
  EXPECT_EQ(PixelColor(image, 4, 15), kBlack);
  EXPECT_EQ(PixelColor(image, 35, 15), kBlack);
  EXPECT_EQ(PixelColor(image, 36, 15), kWhite);
  // Flooding the inside does not leak out: the outline is closed.
  canvas.SetBrushColor(qRgb(255, 0, 0));
  canvas.FloodFill(20, 15, kTemplateInk);
  EXPECT_EQ(PixelColor(image, 0, 0), kWhite);
  EXPECT_EQ(PixelColor(image, 20, 15), qRgb(255, 0, 0));
  canvas.SetBrushColor(kBlack);
  canvas.FloodFill(0, 0, kWhite);
  EXPECT_EQ(PixelColor(image, 20, 15), qRgb(255, 0, 0));
}

TEST(CanvasEllipse, WidePenIsCentredOnTheOutline) {
  QImage image = NewBitmap(40, 40, PixelFormat::Bits8);
  Canvas canvas(&image);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenWidth(5);
  canvas.Ellipse(10, 10, 30, 30);
  EXPECT_EQ(PixelColor(image, 8, 19), kBlack);
  EXPECT_EQ(PixelColor(image, 7, 19), kWhite);
  EXPECT_EQ(PixelColor(image, 12, 19), kBlack);
  EXPECT_EQ(PixelColor(image, 13, 19), kWhite);
  EXPECT_EQ(PixelColor(image, 20, 20), kWhite);
}

TEST(CanvasPolyBezier, DrawsOneConnectedCurveWithBothEnds) {
  const std::array<QPoint, 4> curves[] = {
      {QPoint(3, 30), QPoint(3, 5), QPoint(50, 5), QPoint(50, 30)},      // a tie, upper arc
      {QPoint(3, 5), QPoint(3, 30), QPoint(50, 30), QPoint(50, 5)},      // lower arc
      {QPoint(2, 2), QPoint(58, 38), QPoint(2, 38), QPoint(58, 2)},      // a loop
      {QPoint(10, 10), QPoint(10, 10), QPoint(10, 10), QPoint(10, 10)},  // a single point
      {QPoint(5, 20), QPoint(25, 20), QPoint(35, 20), QPoint(55, 20)}};  // straight
  for (const auto& p : curves) {
    QImage image = NewBitmap(60, 40, PixelFormat::Bits8);
    Canvas canvas(&image);
    canvas.MoveTo(1, 1);
    canvas.PolyBezier(p);
    EXPECT_EQ(canvas.PenPos(), QPoint(1, 1));
    const PixelSet drawn = Marked(image);
    EXPECT_TRUE(drawn.count({p[0].x(), p[0].y()}));
    EXPECT_TRUE(drawn.count({p[3].x(), p[3].y()}));
    EXPECT_EQ(test::Groups(drawn), 1);
    // A one-pixel pen draws exactly the chain of the curve.
    PixelSet chain;
    for (QPoint q : raster::BezierChain(p)) chain.insert({q.x(), q.y()});
    EXPECT_EQ(drawn, chain);
  }
}

TEST(CanvasPolyBezier, ChainStepsOnePixelAtATimeWithoutCorners) {
  const auto chain =
      raster::BezierChain({QPoint(0, 100), QPoint(0, 0), QPoint(300, 0), QPoint(300, 100)});
  ASSERT_GE(chain.size(), 2u);
  EXPECT_EQ(chain.front(), QPoint(0, 100));
  EXPECT_EQ(chain.back(), QPoint(300, 100));
  for (size_t i = 1; i < chain.size(); ++i) {
    ASSERT_LE(std::abs(chain[i].x() - chain[i - 1].x()), 1);
    ASSERT_LE(std::abs(chain[i].y() - chain[i - 1].y()), 1);
    ASSERT_NE(chain[i], chain[i - 1]);
  }
  for (size_t i = 2; i < chain.size(); ++i) {
    // No pixel whose neighbours already touch (a thin curve).
    const bool touch = std::abs(chain[i].x() - chain[i - 2].x()) <= 1 &&
                       std::abs(chain[i].y() - chain[i - 2].y()) <= 1;
    ASSERT_FALSE(touch) << i;
  }
}

TEST(CanvasPolyBezier, WidePenCurveIsClippedAtTheBorder) {
  QImage image = NewBitmap(30, 20, PixelFormat::Bits24);
  Canvas canvas(&image);
  canvas.SetPenWidth(6);
  canvas.PolyBezier({QPoint(-10, 25), QPoint(-10, -5), QPoint(40, -5), QPoint(40, 25)});
  EXPECT_FALSE(Marked(image).empty());
  EXPECT_EQ(image.size(), QSize(30, 20));
  EXPECT_TRUE(QRect(0, 0, 30, 20).contains(canvas.Dirty()));
}

}  // namespace
}  // namespace scoreink
