// The block of the region move and copy tools: the rectangle a selection lifts, where the
// block floats over the zoomed view, the ink it carries, and its dotted frame.
#include <gtest/gtest.h>

#include "editing/region_block.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

TEST(SelectedBlock, SpansTheCornersAndStopsAtTheEdgesOfTheScore) {
  const QSize surface(770, 1101);
  const struct {
    const char* name;
    QPoint start, end;
    QRect expected;
  } cases[] = {
      {"dragged down and right", {40, 20}, {100, 60}, {40, 20, 60, 40}},
      {"dragged up and left", {100, 60}, {40, 20}, {40, 20, 60, 40}},
      {"released past the right and bottom", {700, 1050}, {900, 1300}, {700, 1050, 70, 51}},
      {"released above the top", {300, 40}, {340, -25}, {300, 0, 40, 40}},
      {"no width", {300, 40}, {300, 90}, {}},
      {"no height", {300, 40}, {350, 40}, {}},
      {"wholly past the right", {800, 40}, {900, 90}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QRect block = SelectedBlock(c.start, c.end, surface);
    if (c.expected.isEmpty())
      EXPECT_TRUE(block.isEmpty()) << block.x() << "," << block.y();
    else
      EXPECT_EQ(block, c.expected);
  }
}

TEST(BlockOverlayRect, ScalesTheBlockAsTheViewScalesTheScoreTruncating) {
  const struct {
    const char* name;
    QRect block;
    QSize surface;
    QRect view;
    QRect expected;
  } cases[] = {
      {"800 x 1000 at 50 percent",
       {40, 20, 60, 40},
       {800, 1000},
       {0, 0, 400, 500},
       {20, 10, 30, 20}},
      {"200 percent", {300, 200, 60, 40}, {770, 1101}, {0, 0, 1540, 2202}, {600, 400, 120, 80}},
      {"30 percent rounds down", {300, 200, 13, 13}, {770, 1101}, {0, 0, 231, 330}, {90, 59, 3, 3}},
      {"the view's own offset is added",
       {40, 20, 60, 40},
       {800, 1000},
       {7, 9, 400, 500},
       {27, 19, 30, 20}},
      {"a surface not laid out", {40, 20, 60, 40}, {0, 0}, {5, 6, 400, 500}, {5, 6, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BlockOverlayRect(c.block, c.surface, c.view), c.expected);
  }
}

// Template ink in row 2, black at (1, 1), (3, 3) and (5, 4), and a near-black pixel at
// (2, 1): RGB(0, 0, 1) at 24 bits, the darkest grey of the palette that is not black at 8.
QImage MixedSurface(PixelFormat format) {
  QImage surface = NewBitmap(8, 6, PixelFormat::Bits24);
  for (int x = 0; x < 8; ++x) surface.setPixel(x, 2, kTemplateInk);
  for (const QPoint p : {QPoint(1, 1), QPoint(3, 3), QPoint(5, 4)}) surface.setPixel(p, kBlack);
  surface.setPixel(2, 1, qRgb(0, 0, 1));
  if (format == PixelFormat::Bits24) return surface;
  SetPixelFormat(surface, PixelFormat::Bits8);
  surface.setPixel(2, 1, PaletteIndexFor(16, 16, 16));
  return surface;
}

TEST(LiftBlackInk, TakesOnlyPureBlackOntoWhiteAndLeavesTheSurfaceAlone) {
  for (const PixelFormat format : {PixelFormat::Bits8, PixelFormat::Bits24}) {
    SCOPED_TRACE(format == PixelFormat::Bits8 ? "8-bit" : "24-bit");
    const QImage surface = MixedSurface(format);
    ASSERT_NE(PixelColor(surface, 2, 1), kBlack);
    const uchar* pixels = surface.constBits();
    const QImage block = LiftBlackInk(surface, QRect(1, 1, 5, 4));
    EXPECT_EQ(surface.constBits(), pixels);
    EXPECT_EQ(PixelFormatOf(surface), format);
    ASSERT_EQ(block.size(), QSize(5, 4));
    EXPECT_EQ(block.format(), QImage::Format_RGB888);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 5; ++x) {
        const bool black = (x == 0 && y == 0) || (x == 2 && y == 2) || (x == 4 && y == 3);
        EXPECT_EQ(PixelColor(block, x, y), black ? kBlack : kWhite) << x << "," << y;
      }
    }
  }
}

TEST(LiftBlackInk, WhatLiesOutsideTheSurfaceStaysWhiteAndAnEmptyRectangleLiftsNothing) {
  const QImage surface = MixedSurface(PixelFormat::Bits8);
  const QImage block = LiftBlackInk(surface, QRect(4, 3, 6, 5));
  ASSERT_EQ(block.size(), QSize(6, 5));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(PixelColor(block, x, y), x == 1 && y == 1 ? kBlack : kWhite) << x << "," << y;
  EXPECT_TRUE(LiftBlackInk(surface, QRect(2, 2, 0, 3)).isNull());
}

TEST(DrawBlockFrame, DotsTheEdgesFromTheTopLeftAndLeavesTheInsideAlone) {
  for (const QSize size : {QSize(10, 6), QSize(7, 5), QSize(2, 2)}) {
    SCOPED_TRACE(size.width());
    QImage block = NewBitmap(size.width(), size.height(), PixelFormat::Bits24);
    if (size.width() > 4) block.setPixel(2, 2, kBlack);
    DrawBlockFrame(block);
    const int r = size.width() - 1, b = size.height() - 1;
    // Walking the frame clockwise from (0, 0), every other pixel is on.
    std::vector<QPoint> walk;
    for (int x = 0; x < r; ++x) walk.emplace_back(x, 0);
    for (int y = 0; y < b; ++y) walk.emplace_back(r, y);
    for (int x = r; x > 0; --x) walk.emplace_back(x, b);
    for (int y = b; y > 0; --y) walk.emplace_back(0, y);
    for (size_t i = 0; i < walk.size(); ++i)
      EXPECT_EQ(PixelColor(block, walk[i].x(), walk[i].y()), i % 2 == 0 ? kBlack : kWhite) << i;
    for (int y = 1; y < b; ++y)
      for (int x = 1; x < r; ++x)
        EXPECT_EQ(PixelColor(block, x, y), x == 2 && y == 2 && size.width() > 4 ? kBlack : kWhite);
  }
}

}  // namespace
}  // namespace scoreink
