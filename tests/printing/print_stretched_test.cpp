// Drawing the score stretched onto a page: both directions filled, bands that meet exactly,
// the same page from every picture format, and the canvas left as it was.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <cstring>
#include <vector>

#include "pdf_pages.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "score_window/core/print_stretched.h"

namespace scoreink::test {
namespace {

// A white 32-bit page with the picture stretched into rect.
QImage Printed(const QImage& picture, const QSize& page, const QRect& rect, bool fast = false) {
  QImage canvas(page, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  EXPECT_TRUE(PrintStretched(painter, rect, picture, fast));
  painter.end();
  return canvas.convertToFormat(QImage::Format_Grayscale8);
}

// A white 8-bit picture (fixed palette) with black over the given rectangles.
QImage Picture8(const QSize& size, const std::vector<QRect>& black) {
  QImage picture = NewBitmap(size.width(), size.height(), PixelFormat::Bits8);
  for (const QRect& part : black) {
    const QRect inside = part & picture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      memset(picture.scanLine(y) + inside.left(), kBlackIndex, size_t(inside.width()));
  }
  return picture;
}

struct StretchCase {
  const char* what;
  QSize picture;
  QRect rect;  // on a page 10 pixels larger on every side
};

class StretchedPrint : public ::testing::TestWithParam<StretchCase> {};

TEST_P(StretchedPrint, FillsTheRectInBothDirectionsWithoutKeepingTheAspect) {
  const StretchCase& c = GetParam();
  const QSize page = c.rect.size() + QSize(c.rect.left() + 10, c.rect.top() + 10);
  const QImage all = Printed(Picture8(c.picture, {QRect(QPoint(), c.picture)}), page, c.rect);
  EXPECT_EQ(InkBounds(all), c.rect) << "all of the rect, not letter-boxed";

  // The top-left quarter lands on the top-left quarter of the rect, whatever the proportions.
  const QSize half(c.picture.width() / 2, c.picture.height() / 2);
  const QImage quarter = Printed(Picture8(c.picture, {QRect(QPoint(), half)}), page, c.rect);
  const QRect ink = InkBounds(quarter);
  const double sx = double(c.rect.width()) / c.picture.width();
  const double sy = double(c.rect.height()) / c.picture.height();
  EXPECT_EQ(ink.topLeft(), c.rect.topLeft());
  EXPECT_NEAR(ink.width(), half.width() * sx, 1.5);
  EXPECT_NEAR(ink.height(), half.height() * sy, 1.5);
}

INSTANTIATE_TEST_SUITE_P(
    Proportions, StretchedPrint,
    ::testing::Values(StretchCase{"template page magnified", {762, 1091}, {10, 10, 952, 1363}},
                      StretchCase{"landscape scan on portrait", {1400, 900}, {5, 7, 476, 681}},
                      StretchCase{"tiny picture", {3, 2}, {0, 0, 300, 700}},
                      StretchCase{"shrunk", {2000, 600}, {3, 3, 200, 300}}),
    [](const ::testing::TestParamInfo<StretchCase>& param) {
      std::string name = param.param.what;
      for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(StretchedPrint, BandsMeetWithoutGapsAndEveryRowLandsInItsPlace) {
  const int width = 4096;
  const int band = PrintBandRows(width);
  ASSERT_LT(band * 3, 1100) << "the picture spans several bands";
  const QSize size(width, 1100);
  const QRect rect(7, 11, 1500, 1703);  // a scale that puts band edges between pixels
  const QSize page(1520, 1730);

  const QImage solid = Printed(Picture8(size, {QRect(QPoint(), size)}), page, rect);
  EXPECT_EQ(InkBounds(solid), rect);
  EXPECT_EQ(DarkPixels(solid, rect), rect.width() * rect.height()) << "no light seam";

  // Two-row stripes every 50 rows, band edges included: each at its scaled place.
  std::vector<QRect> stripes;
  for (int y = 0; y < size.height(); y += 50) stripes.push_back(QRect(0, y, width, 2));
  stripes.push_back(QRect(0, band - 1, width, 2));  // across the first band edge
  const QImage printed = Printed(Picture8(size, stripes), page, rect, /*fast=*/true);
  const double sy = double(rect.height()) / size.height();
  for (const QRect& stripe : stripes) {
    const int centre = rect.top() + int((stripe.top() + 1) * sy);
    EXPECT_LT(printed.pixelColor(rect.left() + 300, centre).value(), 64)
        << "stripe at source row " << stripe.top();
  }
  const int between = rect.top() + int(25 * sy);
  EXPECT_GT(printed.pixelColor(rect.left() + 300, between).value(), 192);
}

TEST(StretchedPrint, EveryPictureFormatPrintsTheSamePage) {
  const QImage indexed = Picture8({300, 200}, {QRect(10, 10, 50, 30), QRect(200, 150, 90, 40)});
  const QSize page(420, 620);
  const QRect rect(10, 10, 400, 600);
  const QImage expected = Printed(indexed, page, rect);
  for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_RGB32, QImage::Format_ARGB32,
                                QImage::Format_Grayscale8}) {
    EXPECT_EQ(Printed(indexed.convertToFormat(format), page, rect), expected) << format;
  }
}

TEST(StretchedPrint, FastDrawsTheNearestPixelsAndSmoothBlendsThem) {
  const QImage halves = Picture8({2, 1}, {QRect(0, 0, 1, 1)});  // black | white
  for (bool fast : {true, false}) {
    const QImage printed = Printed(halves, {40, 4}, {0, 0, 40, 4}, fast);
    int greys = 0;
    for (int x = 0; x < 40; ++x) {
      const int value = printed.pixelColor(x, 2).value();
      greys += value > 16 && value < 240;
    }
    if (fast)
      EXPECT_EQ(greys, 0);
    else
      EXPECT_GT(greys, 0);
  }
}

TEST(StretchedPrint, LeavesTheCanvasSettingsAsTheyWere) {
  QImage canvas(50, 50, QImage::Format_RGB32);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QPainter::RenderHints before = painter.renderHints();
  EXPECT_TRUE(PrintStretched(painter, {0, 0, 50, 50}, Picture8({4, 4}, {}), false));
  EXPECT_EQ(painter.renderHints(), before);
}

TEST(StretchedPrint, RefusesWhatCannotBeDrawnAndDrawsNothing) {
  QImage canvas(30, 30, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  const QImage blank = canvas.copy();
  const QImage black = Picture8({5, 5}, {QRect(0, 0, 5, 5)});
  {
    QPainter painter(&canvas);
    EXPECT_FALSE(PrintStretched(painter, {0, 0, 30, 30}, QImage(), false)) << "no picture";
    EXPECT_FALSE(PrintStretched(painter, {5, 5, 0, 20}, black, false)) << "empty rect";
  }
  EXPECT_EQ(canvas, blank);
  QPainter idle;
  EXPECT_FALSE(PrintStretched(idle, {0, 0, 30, 30}, black, false)) << "canvas not painting";
}

// What the print engine embeds: small pages without loss, large scans as JPEG.
TEST(StretchedPrint, SmallPagesGoToThePrinterLosslessLargeScansAsJpeg) {
  struct Case {
    QSize picture;
    bool lossless;
  };
  for (const Case& c :
       {Case{{762, 1091}, true}, Case{{1240, 1754}, true}, Case{{2480, 1754}, false}}) {
    EXPECT_EQ(PrintsLossless(c.picture), c.lossless) << c.picture.width();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
      QPdfWriter writer(&pdf);
      writer.setResolution(600);
      QPainter painter(&writer);
      const QImage picture =
          Picture8(c.picture, {QRect(0, 0, c.picture.width() / 3, c.picture.height() / 3)});
      ASSERT_TRUE(
          PrintStretched(painter, QRect(0, 0, writer.width(), writer.height()), picture, false));
    }
    EXPECT_EQ(pdf.data().contains("/DCTDecode"), !c.lossless) << c.picture.width();
  }
}

}  // namespace
}  // namespace scoreink::test
