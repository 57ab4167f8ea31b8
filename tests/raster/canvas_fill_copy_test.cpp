// FloodFill recolours one 4-connected area of one exact colour; CopyRect and Draw never
// write outside the target nor read outside the source.
#include <gtest/gtest.h>

#include "platform/raster/canvas.h"
#include "tests/raster/canvas_test_support.h"

namespace scoreink {
namespace {

using test::Box;
using test::Marked;
using test::PixelSet;
using test::Surface;

TEST(CanvasFloodFill, StopsAtOtherColoursAndDiagonalGaps) {
  for (Surface surface : {Surface::Bits8, Surface::Bits24, Surface::Rgb32}) {
    QImage image = test::WhiteSurface(surface, 20, 12);
    Canvas canvas(&image);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Rectangle(2, 2, 12, 10);  // black frame x 2..11, y 2..9
    canvas.SetPenColor(kTemplateInk);
    canvas.MoveTo(14, 0);  // a diagonal: 4-connected fill cannot pass between its pixels
    canvas.LineTo(20, 6);
    canvas.ResetDirty();
    canvas.SetBrushColor(qRgb(255, 0, 0));
    canvas.FloodFill(5, 5, kWhite);
    EXPECT_EQ(canvas.Dirty(), QRect(3, 3, 8, 6)) << SurfaceName(surface);
    EXPECT_EQ(PixelColor(image, 3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(PixelColor(image, 2, 2), kBlack);
    EXPECT_EQ(PixelColor(image, 0, 0), kWhite);
    canvas.SetBrushColor(kBlack);
    canvas.FloodFill(19, 0, kWhite);  // the corner above the diagonal
    EXPECT_EQ(PixelColor(image, 19, 0), kBlack);
    EXPECT_EQ(PixelColor(image, 15, 0), kBlack);
    EXPECT_EQ(PixelColor(image, 19, 11), kWhite);
    EXPECT_EQ(PixelColor(image, 0, 0), kWhite);
  }
}

TEST(CanvasFloodFill, DoesNothingUnlessTheStartHasTheSurfaceColour) {
  QImage image = NewBitmap(10, 10, PixelFormat::Bits8);
  const QImage before = image.copy();
  Canvas canvas(&image);
  canvas.SetBrushColor(kBlack);
  canvas.FloodFill(5, 5, kTemplateInk);  // the start is white
  canvas.FloodFill(-1, 5, kWhite);
  canvas.FloodFill(5, 10, kWhite);
  canvas.SetBrushColor(kWhite);
  canvas.FloodFill(5, 5, kWhite);  // already the brush colour: must end
  canvas.SetBrushColor(kBlack);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.FloodFill(5, 5, kWhite);
  EXPECT_EQ(image, before);
  EXPECT_TRUE(canvas.Dirty().isNull());
}

TEST(CanvasFloodFill, MatchesExactColoursOnly) {
  QImage image = NewBitmap(3, 1, PixelFormat::Bits24);
  image.scanLine(0)[3] = 254;  // (1, 0) is almost white
  Canvas canvas(&image);
  canvas.SetBrushColor(kBlack);
  canvas.FloodFill(0, 0, kWhite);
  EXPECT_EQ(PixelColor(image, 0, 0), kBlack);
  EXPECT_EQ(PixelColor(image, 2, 0), kWhite);
}

TEST(CanvasFloodFill, FillsAWholePageThroughAMaze) {
  // A comb of walls from alternate sides makes one long winding area of a whole A4 page at
  // 300 dpi: the fill must neither recurse nor lose its way.
  const int w = 2480, h = 3508;
  QImage image = NewBitmap(w, h, PixelFormat::Bits8);
  Canvas canvas(&image);
  for (int x = 2; x < w - 2; x += 2) {
    canvas.MoveTo(x, x % 4 == 0 ? 0 : 1);
    canvas.LineTo(x, x % 4 == 0 ? h - 1 : h);
  }
  canvas.ResetDirty();
  canvas.SetBrushColor(kTemplateInk);
  canvas.FloodFill(0, 0, kWhite);
  EXPECT_EQ(canvas.Dirty(), QRect(0, 0, w, h));
  EXPECT_EQ(image.pixelIndex(w - 1, h - 1), TemplateInkIndex());
  EXPECT_EQ(image.pixelIndex(3, 0), TemplateInkIndex());
  EXPECT_EQ(image.pixelIndex(5, h - 1), TemplateInkIndex());
  EXPECT_EQ(image.pixelIndex(4, 5), kBlackIndex);
}

QImage Numbered(int w, int h) {  // every pixel its own colour, on 24 bits
  QImage image = NewBitmap(w, h, PixelFormat::Bits24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uchar* p = image.scanLine(y) + 3 * x;
      p[0] = static_cast<uchar>(x);
      p[1] = static_cast<uchar>(y);
      p[2] = 7;
    }
  return image;
}

TEST(CanvasCopyRect, CopiesOnlyWhatLiesInsideBothPictures) {
  const QImage source = Numbered(10, 8);
  const struct {
    QRect dest, from;
    QRect written;  // in the 12 x 10 target
  } cases[] = {
      {QRect(1, 1, 4, 3), QRect(2, 2, 4, 3), QRect(1, 1, 4, 3)},
      {QRect(0, 0, 6, 6), QRect(-3, -2, 6, 6), QRect(3, 2, 3, 4)},  // source overhangs
      {QRect(9, 8, 5, 5), QRect(0, 0, 5, 5), QRect(9, 8, 3, 2)},    // target overhangs
      {QRect(-2, -2, 4, 4), QRect(8, 6, 4, 4), QRect(0, 0, 0, 0)},  // nothing in common
      {QRect(-1, 3, 14, 2), QRect(-1, 0, 14, 2), QRect(0, 3, 10, 2)},
  };
  for (const auto& c : cases) {
    QImage target = NewBitmap(12, 10, PixelFormat::Bits24);
    Canvas canvas(&target);
    canvas.CopyRect(c.dest, source, c.from);
    const QPoint shift = c.from.topLeft() - c.dest.topLeft();
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 12; ++x) {
        const QRgb expected =
            c.written.contains(x, y) ? PixelColor(source, x + shift.x(), y + shift.y()) : kWhite;
        ASSERT_EQ(PixelColor(target, x, y), expected) << x << "," << y;
      }
    EXPECT_EQ(canvas.Dirty(), c.written.isEmpty() ? QRect() : c.written);
  }
}

TEST(CanvasCopyRect, UnequalSizesCopyNothing) {
  QImage target = NewBitmap(12, 10, PixelFormat::Bits8);
  const QImage before = target.copy();
  Canvas canvas(&target);
  canvas.CopyRect(QRect(0, 0, 4, 4), Numbered(10, 8), QRect(0, 0, 4, 5));
  EXPECT_EQ(target, before);
}

TEST(CanvasCopyRect, OverlappingCopyWithinOnePicture) {
  QImage image = Numbered(10, 8);
  const QImage before = image.copy();
  Canvas canvas(&image);
  canvas.CopyRect(QRect(1, 1, 8, 6), image, QRect(0, 0, 8, 6));
  for (int y = 1; y < 7; ++y)
    for (int x = 1; x < 9; ++x)
      ASSERT_EQ(PixelColor(image, x, y), PixelColor(before, x - 1, y - 1));
}

TEST(CanvasCopyRect, KeepsKeyColoursBetweenFormats) {
  QImage strip = NewBitmap(3, 1, PixelFormat::Bits24);
  Canvas(&strip).SetPixel(0, 0, kBlack);
  Canvas(&strip).SetPixel(2, 0, kTemplateInk);
  const QImage sources[] = {strip, ConvertedTo(strip, PixelFormat::Bits8),
                            ConvertedTo(strip, PixelFormat::Bits4),
                            strip.convertToFormat(QImage::Format_RGB32)};
  for (Surface surface : {Surface::Bits8, Surface::Bits24, Surface::Rgb32}) {
    for (const QImage& source : sources) {
      QImage target = test::WhiteSurface(surface, 3, 1);
      Canvas canvas(&target);
      canvas.SetBrushColor(kBlack);
      canvas.FloodFill(0, 0, kWhite);
      canvas.CopyRect(QRect(0, 0, 3, 1), source, QRect(0, 0, 3, 1));
      EXPECT_EQ(PixelColor(target, 0, 0), kBlack);
      EXPECT_EQ(PixelColor(target, 1, 0), kWhite);
      EXPECT_EQ(PixelColor(target, 2, 0), kTemplateInk);
    }
  }
}

TEST(CanvasDraw, TransparentWhiteSkipsWhitePixels) {
  QImage symbol = NewBitmap(4, 4, PixelFormat::Bits4);
  symbol.setPixel(1, 1, 0);  // black
  symbol.setPixel(2, 2, 3);  // template ink
  const QImage symbols[] = {symbol, ConvertedTo(symbol, PixelFormat::Bits24),
                            symbol.convertToFormat(QImage::Format_RGB32)};
  for (const QImage& source : symbols) {
    for (Surface surface : {Surface::Bits8, Surface::Bits24, Surface::Rgb32}) {
      QImage target = test::WhiteSurface(surface, 6, 6);
      Canvas canvas(&target);
      canvas.SetPenColor(qRgb(255, 0, 0));
      canvas.SetBrushColor(qRgb(255, 0, 0));
      canvas.Rectangle(0, 0, 6, 6);
      const QImage red = target.copy();
      canvas.Draw(1, 1, source, true);
      EXPECT_EQ(PixelColor(target, 2, 2), kBlack) << SurfaceName(surface);
      EXPECT_EQ(PixelColor(target, 3, 3), kTemplateInk) << SurfaceName(surface);
      EXPECT_EQ(PixelColor(target, 1, 1), PixelColor(red, 1, 1)) << SurfaceName(surface);
      canvas.Draw(1, 1, source);  // opaque
      EXPECT_EQ(PixelColor(target, 1, 1), kWhite) << SurfaceName(surface);
    }
  }
}

TEST(CanvasDraw, ClipsAtEveryEdge) {
  const QImage source = Numbered(5, 5);
  for (QPoint at : {QPoint(-2, -3), QPoint(4, 4), QPoint(-4, 3), QPoint(6, -1), QPoint(-9, 0)}) {
    QImage target = NewBitmap(6, 6, PixelFormat::Bits24);
    Canvas canvas(&target);
    canvas.Draw(at.x(), at.y(), source);
    const QRect placed = QRect(at, source.size()) & target.rect();
    EXPECT_EQ(Marked(target).size(), static_cast<size_t>(placed.width() * placed.height()));
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) {
        if (placed.contains(x, y)) {
          ASSERT_EQ(PixelColor(target, x, y), PixelColor(source, x - at.x(), y - at.y()));
        }
      }
  }
}

}  // namespace
}  // namespace scoreink
