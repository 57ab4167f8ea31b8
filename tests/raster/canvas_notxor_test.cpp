// NotXor rubber bands: every figure drawn twice leaves every pixel as it was, on each format
// the canvas draws into, because each figure touches each of its pixels exactly once.
#include <gtest/gtest.h>

#include <functional>

#include "platform/raster/canvas.h"
#include "tests/raster/canvas_test_support.h"

namespace scoreink {
namespace {

using test::Surface;

struct Figure {
  const char* name;
  std::function<void(Canvas&)> draw;
};

const Figure kFigures[] = {
    {"line",
     [](Canvas& c) {
       c.MoveTo(3, 4);
       c.LineTo(50, 31);
     }},
    {"polyline",
     [](Canvas& c) {
       c.MoveTo(5, 5);
       c.LineTo(40, 30);
       c.LineTo(40, 5);
       c.LineTo(6, 20);
     }},
    {"wide line",
     [](Canvas& c) {
       c.SetPenWidth(6);
       c.MoveTo(10, 30);
       c.LineTo(45, 8);
     }},
    {"wide line over the border",
     [](Canvas& c) {
       c.SetPenWidth(5);
       c.MoveTo(-4, 2);
       c.LineTo(70, 44);
     }},
    {"rectangle with brush",
     [](Canvas& c) {
       c.SetBrushColor(kBlack);
       c.Rectangle(2, 2, 30, 20);
     }},
    {"rectangle with white brush", [](Canvas& c) { c.Rectangle(12, 22, 40, 9); }},
    {"hollow wide rectangle",
     [](Canvas& c) {
       c.SetBrushStyle(BrushStyle::Clear);
       c.SetPenWidth(4);
       c.Rectangle(5, 5, 50, 35);
     }},
    {"thin wide rectangle",
     [](Canvas& c) {
       c.SetPenWidth(7);
       c.Rectangle(20, 10, 22, 30);
     }},
    {"dotted rectangle",
     [](Canvas& c) {
       c.SetPenStyle(PenStyle::Dot);
       c.SetBrushStyle(BrushStyle::Clear);
       c.Rectangle(1, 1, 59, 39);
     }},
    {"ellipse",
     [](Canvas& c) {
       c.SetBrushStyle(BrushStyle::Clear);
       c.Ellipse(4, 3, 55, 37);
     }},
    {"wide ellipse with brush",
     [](Canvas& c) {
       c.SetPenWidth(5);
       c.SetBrushColor(kTemplateInk);
       c.Ellipse(8, 6, 44, 30);
     }},
    {"bezier",
     [](Canvas& c) {
       c.PolyBezier({QPoint(2, 30), QPoint(2, 2), QPoint(55, 2), QPoint(55, 30)});
     }},
    {"wide looping bezier",
     [](Canvas& c) {
       c.SetPenWidth(4);
       c.PolyBezier({QPoint(5, 5), QPoint(60, 40), QPoint(0, 40), QPoint(50, 5)});
     }},
};

TEST(CanvasNotXor, EveryFigureDrawnTwiceRestoresEveryPixel) {
  for (Surface surface : {Surface::Bits8, Surface::Bits24, Surface::Rgb32}) {
    for (const Figure& figure : kFigures) {
      for (QRgb pen : {kBlack, kTemplateInk, qRgb(200, 30, 90)}) {
        QImage image = test::NoiseSurface(surface, 60, 40, 11);
        const QImage before = image.copy();
        Canvas canvas(&image);
        canvas.SetPenMode(PenMode::NotXor);
        canvas.SetPenColor(pen);
        figure.draw(canvas);
        EXPECT_NE(image, before) << figure.name << " drew nothing on " << SurfaceName(surface);
        figure.draw(canvas);
        EXPECT_EQ(image, before) << figure.name << " on " << SurfaceName(surface);
      }
    }
  }
}

// Drawn once in NotXor with a black pen, white turns black exactly where Copy mode paints:
// no pixel of a figure is inverted twice, however its parts overlap.
TEST(CanvasNotXor, InvertsEachCoveredPixelOnce) {
  for (Surface surface : {Surface::Bits8, Surface::Bits24}) {
    for (const Figure& figure : kFigures) {
      QImage copied = test::WhiteSurface(surface, 60, 40);
      QImage inverted = copied.copy();
      Canvas copyCanvas(&copied);
      copyCanvas.SetPenColor(kBlack);
      Canvas xorCanvas(&inverted);
      xorCanvas.SetPenColor(kBlack);
      xorCanvas.SetPenMode(PenMode::NotXor);
      figure.draw(copyCanvas);
      figure.draw(xorCanvas);
      // Brushes differ between the two (NotXor of a coloured brush on white is not the
      // brush colour), so compare the pen's black pixels only.
      auto black = [](const QImage& image) {
        test::PixelSet set;
        for (int y = 0; y < image.height(); ++y)
          for (int x = 0; x < image.width(); ++x)
            if (PixelColor(image, x, y) == kBlack) set.insert({x, y});
        return set;
      };
      EXPECT_EQ(black(inverted), black(copied)) << figure.name << " on " << SurfaceName(surface);
    }
  }
}

TEST(CanvasNotXor, WorksOnPaletteIndicesAndChannels) {
  QImage indexed = NewBitmap(3, 1, PixelFormat::Bits8);
  indexed.setPixel(0, 0, kBlackIndex);
  indexed.setPixel(1, 0, TemplateInkIndex());
  QImage rgb = ConvertedTo(indexed, PixelFormat::Bits24);
  for (QImage* image : {&indexed, &rgb}) {
    Canvas canvas(image);
    canvas.SetPenMode(PenMode::NotXor);
    canvas.SetPenColor(kWhite);  // NOT(white XOR d) = d: nothing changes
    canvas.MoveTo(0, 0);
    canvas.LineTo(3, 0);
    EXPECT_EQ(PixelColor(*image, 1, 0), kTemplateInk);
    canvas.SetPenColor(kBlack);  // black pen inverts
    canvas.MoveTo(0, 0);
    canvas.LineTo(3, 0);
    EXPECT_EQ(PixelColor(*image, 0, 0), kWhite);
    EXPECT_EQ(PixelColor(*image, 2, 0), kBlack);
  }
  EXPECT_EQ(indexed.pixelIndex(1, 0), 255 - TemplateInkIndex());
  EXPECT_EQ(PixelColor(rgb, 1, 0), qRgb(255 - 32, 255 - 32, 255 - 64));
}

TEST(CanvasNotXor, StaysInsideASixteenColourTable) {
  QImage image = NewBitmap(4, 1, PixelFormat::Bits4);
  Canvas canvas(&image);
  canvas.SetPenMode(PenMode::NotXor);
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 0);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(image.pixelIndex(x, 0), 0);  // white (15) -> black (0)
}

}  // namespace
}  // namespace scoreink
