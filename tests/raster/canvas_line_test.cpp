// LineTo: one-pixel lines leave out their end point, wide pens have round ends, and every
// line is clipped to the picture.
#include <gtest/gtest.h>

#include "platform/raster/canvas.h"
#include "tests/raster/canvas_test_support.h"

namespace scoreink {
namespace {

using test::Box;
using test::Marked;
using test::PixelSet;

PixelSet DrawLine(QPoint from, QPoint to, int width = 1, QSize size = QSize(40, 30)) {
  QImage image = NewBitmap(size.width(), size.height(), PixelFormat::Bits8);
  Canvas canvas(&image);
  canvas.SetPenWidth(width);
  canvas.MoveTo(from.x(), from.y());
  canvas.LineTo(to.x(), to.y());
  EXPECT_EQ(canvas.PenPos(), to);
  return Marked(image);
}

TEST(CanvasLineTo, OnePixelLineLeavesOutItsEndPoint) {
  const struct {
    QPoint from, to;
  } lines[] = {{{3, 5}, {12, 5}}, {{12, 5}, {3, 5}},  {{7, 2}, {7, 20}},
               {{7, 20}, {7, 2}}, {{2, 2}, {14, 14}}, {{14, 2}, {2, 14}},
               {{1, 1}, {30, 9}}, {{30, 9}, {1, 1}},  {{5, 25}, {9, 1}}};
  for (const auto& line : lines) {
    const PixelSet drawn = DrawLine(line.from, line.to);
    const int steps =
        std::max(std::abs(line.to.x() - line.from.x()), std::abs(line.to.y() - line.from.y()));
    EXPECT_EQ(drawn.size(), static_cast<size_t>(steps));
    EXPECT_TRUE(drawn.count({line.from.x(), line.from.y()}));
    EXPECT_FALSE(drawn.count({line.to.x(), line.to.y()}));
    EXPECT_EQ(test::Groups(drawn), 1);
  }
}

TEST(CanvasLineTo, StepsLikeBresenham) {
  EXPECT_EQ(DrawLine({0, 0}, {5, 2}), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
  EXPECT_EQ(DrawLine({0, 0}, {2, 5}), (PixelSet{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}));
}

TEST(CanvasLineTo, ConsecutiveSegmentsFormAClosedPolyline) {
  QImage image = NewBitmap(20, 20, PixelFormat::Bits24);
  Canvas canvas(&image);
  canvas.MoveTo(2, 2);
  canvas.LineTo(10, 2);
  canvas.LineTo(10, 9);
  canvas.LineTo(2, 9);
  canvas.LineTo(2, 2);
  PixelSet frame = Box(2, 2, 10, 9);
  for (const auto& p : Box(3, 3, 9, 8)) frame.erase(p);
  EXPECT_EQ(Marked(image), frame);
}

TEST(CanvasLineTo, ZeroLengthLineDrawsNothing) {
  for (int width : {1, 2, 5}) EXPECT_TRUE(DrawLine({5, 5}, {5, 5}, width).empty()) << width;
}

TEST(CanvasLineTo, WidePenHasRoundEndsAndKeepsItsEndPoint) {
  // Width 5 from (10, 10) to (20, 10): discs of radius 2.5 around every point.
  const PixelSet drawn = DrawLine({10, 10}, {20, 10}, 5);
  EXPECT_TRUE(drawn.count({20, 10}));
  EXPECT_TRUE(drawn.count({22, 10}));
  EXPECT_FALSE(drawn.count({23, 10}));
  EXPECT_TRUE(drawn.count({8, 10}));
  EXPECT_FALSE(drawn.count({7, 10}));
  EXPECT_TRUE(drawn.count({15, 8}));
  EXPECT_TRUE(drawn.count({15, 12}));
  EXPECT_FALSE(drawn.count({15, 13}));
  // Round: the corners of the square ends stay white.
  for (QPoint corner : {QPoint(8, 8), QPoint(22, 8), QPoint(8, 12), QPoint(22, 12)})
    EXPECT_FALSE(drawn.count({corner.x(), corner.y()})) << corner.x() << "," << corner.y();
  EXPECT_TRUE(drawn.count({9, 8}));
}

TEST(CanvasLineTo, WidePenCoversItsWidth) {
  // Even widths sit half a pixel up and left of the line.
  EXPECT_EQ(DrawLine({5, 5}, {9, 5}, 2), Box(4, 4, 9, 5));
  EXPECT_EQ(DrawLine({5, 5}, {5, 9}, 3), Box(4, 4, 6, 10));
  // A wide diagonal is one solid band without holes.
  const PixelSet band = DrawLine({3, 3}, {25, 20}, 4);
  for (int x = 4; x < 25; ++x) {
    const int y = 3 + (x - 3) * 17 / 22;
    EXPECT_TRUE(band.count({x, y})) << x;
  }
}

TEST(CanvasLineTo, ClipsAtTheBorders) {
  EXPECT_EQ(DrawLine({-10, 5}, {60, 5}), Box(0, 5, 39, 5));
  EXPECT_EQ(DrawLine({7, -20}, {7, 100}), Box(7, 0, 7, 29));
  EXPECT_TRUE(DrawLine({-10, -10}, {-1, 40}).empty());
  EXPECT_TRUE(DrawLine({41, 0}, {80, 29}, 3).empty());
  // A wide pen just outside still reaches in.
  EXPECT_EQ(DrawLine({-1, 10}, {-1, 12}, 3), Box(0, 9, 0, 13));
}

TEST(CanvasLineTo, FarEndsCostNothingAndStepTheSame) {
  // A line with ends a billion pixels away: only the visible part is walked.
  const PixelSet diagonal = DrawLine({-1000000000, -1000000000}, {1000000000, 1000000000});
  PixelSet expected;
  for (int i = 0; i < 30; ++i) expected.insert({i, i});
  EXPECT_EQ(diagonal, expected);
  EXPECT_EQ(DrawLine({-1000000000, 3}, {1000000000, 3}, 7), Box(0, 0, 39, 6));
}

TEST(CanvasLineTo, ClippedLineMatchesTheSameLineOnABiggerPicture) {
  const struct {
    QPoint from, to;
    int width;
  } lines[] = {{{-5, 3}, {30, 57}, 1},
               {{45, -7}, {-9, 22}, 1},
               {{-3, -3}, {44, 31}, 4},
               {{38, 2}, {44, 40}, 3},
               {{-20, 29}, {60, 31}, 1}};
  for (const auto& line : lines) {
    const PixelSet clipped = DrawLine(line.from, line.to, line.width);
    const QPoint shift(100, 100);
    const PixelSet big = DrawLine(line.from + shift, line.to + shift, line.width, QSize(300, 300));
    PixelSet window;
    for (const auto& [x, y] : big)
      if (x >= 100 && x < 140 && y >= 100 && y < 130) window.insert({x - 100, y - 100});
    EXPECT_EQ(clipped, window) << line.from.x() << "," << line.from.y();
  }
}

TEST(CanvasLineTo, DottedPenAlternatesAlongTheFrame) {
  QImage image = NewBitmap(12, 8, PixelFormat::Bits8);
  Canvas canvas(&image);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.MoveTo(0, 0);
  canvas.LineTo(9, 0);
  canvas.LineTo(9, 5);
  canvas.LineTo(0, 5);
  canvas.LineTo(0, 0);
  // Walking the frame from (0, 0), every other pixel is on.
  std::vector<QPoint> walk;
  for (int x = 0; x < 9; ++x) walk.emplace_back(x, 0);
  for (int y = 0; y < 5; ++y) walk.emplace_back(9, y);
  for (int x = 9; x > 0; --x) walk.emplace_back(x, 5);
  for (int y = 5; y > 0; --y) walk.emplace_back(0, y);
  for (size_t i = 0; i < walk.size(); ++i) {
    EXPECT_EQ(PixelColor(image, walk[i].x(), walk[i].y()), i % 2 == 0 ? kBlack : kWhite) << i;
  }
}

TEST(CanvasDirty, TracksWhatWasWritten) {
  QImage image = NewBitmap(40, 30, PixelFormat::Bits8);
  Canvas canvas(&image);
  EXPECT_TRUE(canvas.Dirty().isNull());
  canvas.MoveTo(5, 6);
  canvas.LineTo(12, 6);
  EXPECT_EQ(canvas.Dirty(), QRect(5, 6, 7, 1));
  canvas.SetPenWidth(3);
  canvas.LineTo(12, 20);
  EXPECT_EQ(canvas.Dirty(), QRect(QPoint(5, 5), QPoint(13, 21)));
  canvas.ResetDirty();
  canvas.MoveTo(-10, -10);
  canvas.LineTo(-5, -5);
  EXPECT_TRUE(canvas.Dirty().isNull());
  canvas.SetPixel(39, 29, kBlack);
  EXPECT_EQ(canvas.Dirty(), QRect(39, 29, 1, 1));
}

TEST(CanvasPixels, ReadAndWriteOnePixelInsideOnly) {
  QImage image = NewBitmap(4, 3, PixelFormat::Bits8);
  const QImage before = image.copy();
  Canvas canvas(&image);
  canvas.SetPixel(-1, 0, kBlack);
  canvas.SetPixel(4, 2, kBlack);
  canvas.SetPixel(0, 3, kBlack);
  EXPECT_EQ(image, before);
  canvas.SetPixel(1, 1, kTemplateInk);
  EXPECT_EQ(canvas.Pixel(1, 1), kTemplateInk);
  EXPECT_EQ(image.pixelIndex(1, 1), TemplateInkIndex());
  EXPECT_EQ(canvas.Pixel(9, 9), kWhite);
}

TEST(CanvasTarget, UnsupportedOrMissingTargetsAreLeftAlone) {
  QImage mono(8, 8, QImage::Format_Mono);
  mono.fill(0);
  const QImage before = mono.copy();
  Canvas canvas(&mono);
  canvas.MoveTo(0, 0);
  canvas.LineTo(7, 7);
  canvas.Rectangle(0, 0, 8, 8);
  canvas.FloodFill(3, 3, kBlack);
  EXPECT_EQ(mono, before);
  Canvas none(nullptr);
  none.LineTo(3, 3);
  none.Draw(0, 0, before);
  EXPECT_TRUE(none.Dirty().isNull());
}

}  // namespace
}  // namespace scoreink
