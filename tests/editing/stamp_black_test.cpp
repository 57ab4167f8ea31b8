// Stamping carries exactly the user's pure-black ink, never anything else, and never writes
// outside the picture it stamps into.
#include <gtest/gtest.h>

#include "editing/surface_rules.h"
#include "editing_test_pictures.h"
#include "harness/case_names.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

using test::AsRgb;
using test::GuardedImage;

// A 24-bit symbol whose pixel (1, 1) has the given colour, everything else white.
QImage SymbolWithPixel(QRgb color) {
  QImage s(4, 3, QImage::Format_RGB888);
  s.fill(Qt::white);
  s.setPixel(1, 1, color);
  return s;
}

struct InkCase {
  const char* name;
  QRgb color;
  bool stamped;
};

class StampInk : public ::testing::TestWithParam<std::tuple<InkCase, PixelFormat>> {};

TEST_P(StampInk, OnlyPureBlackIsCarried) {
  const auto& [ink, destFormat] = GetParam();
  QImage dest = NewBitmap(20, 10, destFormat);
  const QImage before = AsRgb(dest);
  const QImage symbol = SymbolWithPixel(ink.color);

  StampBlack(symbol, dest, symbol.rect(), QRect(5, 4, 4, 3));

  QImage expected = before;
  if (ink.stamped) expected.setPixel(6, 5, kBlack);
  EXPECT_EQ(AsRgb(dest), expected) << ink.name;
  EXPECT_EQ(PixelFormatOf(dest), destFormat) << "the page keeps its format";
}

INSTANTIATE_TEST_SUITE_P(
    Colours, StampInk,
    ::testing::Combine(::testing::Values(InkCase{"black", 0xFF000000u, true},
                                         InkCase{"blue 1", 0xFF000001u, false},
                                         InkCase{"green 1", 0xFF000100u, false},
                                         InkCase{"red 1", 0xFF010000u, false},
                                         InkCase{"template ink", kTemplateInk, false},
                                         InkCase{"white", kWhite, false}),
                       ::testing::Values(PixelFormat::Bits8, PixelFormat::Bits24)),
    [](const auto& tc) {
      return scoreink::test::CaseName(std::get<0>(tc.param).name) + "_" +
             scoreink::test::PixelFormatName(std::get<1>(tc.param));
    });

TEST(StampBlack, SymbolsInEverySourceFormatStampTheSameBlack) {
  const QImage symbol24 = test::FromRows({"X..X", ".XX.", "X..X"});
  const QList<QImage> sources = {symbol24,
                                 ConvertedTo(symbol24, PixelFormat::Bits4),
                                 ConvertedTo(symbol24, PixelFormat::Bits8),
                                 symbol24.convertToFormat(QImage::Format_RGB32),
                                 symbol24.convertToFormat(QImage::Format_Grayscale8),
                                 symbol24.convertToFormat(QImage::Format_Mono)};
  QImage reference = NewBitmap(10, 10, PixelFormat::Bits24);
  StampBlack(symbol24, reference, symbol24.rect(), QRect(3, 2, 4, 3));
  for (const QImage& source : sources) {
    QImage dest = NewBitmap(10, 10, PixelFormat::Bits24);
    StampBlack(source, dest, source.rect(), QRect(3, 2, 4, 3));
    EXPECT_EQ(dest, reference) << "source format " << source.format();
  }
}

TEST(StampBlack, LeavesEveryOtherPixelAsItWas) {
  // A page with staff ink and the user's earlier ink: white symbol pixels must not erase it.
  QImage dest = NewBitmap(8, 4, PixelFormat::Bits8);
  for (int x = 0; x < 8; ++x) dest.scanLine(1)[x] = uchar(TemplateInkIndex());
  dest.scanLine(2)[3] = uchar(kBlackIndex);
  const QImage symbol = test::FromRows({"X.......", "........", "........", ".......X"});
  QImage expected = dest.copy();
  expected.scanLine(0)[0] = uchar(kBlackIndex);
  expected.scanLine(3)[7] = uchar(kBlackIndex);

  StampBlack(symbol, dest, symbol.rect(), dest.rect());

  EXPECT_EQ(dest, expected);
}

TEST(StampBlack, EightBitPageEqualsTheRoundTripThroughTwentyFourBits) {
  // A page of many palette colours, as a scan converted to 8 bits would be.
  QImage page = NewBitmap(64, 48, PixelFormat::Bits8);
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) page.scanLine(y)[x] = uchar((x * 5 + y * 11) % 256);
  }
  QImage symbol(30, 30, QImage::Format_RGB888);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x)
      symbol.setPixel(x, y, (x + y) % 3 == 0 ? kBlack : ((x * y) % 4 == 0 ? kTemplateInk : kWhite));
  }
  const QRect place(20, 9, 30, 30);

  QImage roundTrip = ConvertedTo(page, PixelFormat::Bits24);
  StampBlack(symbol, roundTrip, symbol.rect(), place);
  SetPixelFormat(roundTrip, PixelFormat::Bits8);

  StampBlack(symbol, page, symbol.rect(), place);

  ASSERT_EQ(PixelFormatOf(page), PixelFormat::Bits8);
  EXPECT_EQ(page, roundTrip);
}

TEST(StampBlack, EightBitPageWithItsOwnColourTableGetsItsOwnBlack) {
  QImage page(6, 2, QImage::Format_Indexed8);
  page.setColorTable({0xFFFFFFFFu, 0xFF808080u, 0xFF000000u});
  page.fill(1);
  const QImage symbol = test::FromRows({"X....."});
  StampBlack(symbol, page, symbol.rect(), QRect(0, 1, 6, 1));
  EXPECT_EQ(page.pixelIndex(0, 1), 2);
  EXPECT_EQ(page.pixelIndex(1, 1), 1);
}

TEST(StampBlack, RectanglesOfDifferentSizesOrNoHeightWriteNothing) {
  const QImage symbol = test::FromRows({"XX", "XX"});
  const struct {
    QRect source;
    QRect dest;
  } cases[] = {{QRect(0, 0, 2, 2), QRect(0, 0, 2, 1)},
               {QRect(0, 0, 2, 2), QRect(0, 0, 1, 2)},
               {QRect(0, 0, 2, 0), QRect(0, 0, 2, 0)},
               {QRect(0, 0, 0, 2), QRect(0, 0, 0, 2)}};
  for (const auto& c : cases) {
    QImage dest = NewBitmap(4, 4, PixelFormat::Bits8);
    const QImage before = dest.copy();
    EXPECT_TRUE(StampBlack(symbol, dest, c.source, c.dest).isEmpty());
    EXPECT_EQ(dest, before);
  }
}

// What a stamp hanging over the page's edges must give: each pixel inside both pictures as
// if stamped one by one, nothing anywhere else.
QImage ClippedReference(const QImage& symbol, QImage dest, QPoint at) {
  for (int y = 0; y < symbol.height(); ++y) {
    for (int x = 0; x < symbol.width(); ++x) {
      const QPoint p = at + QPoint(x, y);
      if (dest.rect().contains(p) && (symbol.pixel(x, y) & 0xFFFFFFu) == 0)
        dest.setPixel(p, kBlackIndex);
    }
  }
  return dest;
}

TEST(StampBlack, ClipsAtEveryEdgeAndNeverWritesOutsideThePage) {
  const QImage symbol = test::FromRows({"XXXXXX", "X....X", "X.XX.X", "X....X", "XXXXXX"});
  const QPoint places[] = {{-3, 2},    {8, -2},  {15, 3}, {7, 9},  {-4, -3}, {16, -2},
                           {-2, 10},   {17, 11}, {-6, 0}, {20, 0}, {0, -5},  {0, 12},
                           {-10, -10}, {40, 40}, {0, 0},  {14, 7}};
  for (const QPoint at : places) {
    for (const auto format :
         {QImage::Format_Indexed8, QImage::Format_RGB888, QImage::Format_RGB32}) {
      GuardedImage guarded(20, 12, format, format == QImage::Format_Indexed8 ? 255 : 0xFF);
      const QImage reference = ClippedReference(
          symbol, guarded.image().convertToFormat(QImage::Format_Indexed8, FixedPalette()), at);
      const QRect written =
          StampBlack(symbol, guarded.image(), symbol.rect(), QRect(at, symbol.size()));
      EXPECT_TRUE(guarded.Intact()) << "at " << at.x() << "," << at.y() << " format " << format;
      EXPECT_EQ(AsRgb(guarded.image()), AsRgb(reference)) << "at " << at.x() << "," << at.y();
      EXPECT_EQ(written, QRect(at, symbol.size()).intersected(QRect(0, 0, 20, 12)));
    }
  }
}

TEST(StampBlack, SourceRectangleReachingPastTheSymbolReadsNothingOutsideIt) {
  const QImage symbol = test::FromRows({"XX", "XX"});
  QImage dest = NewBitmap(6, 6, PixelFormat::Bits8);
  const QRect written = StampBlack(symbol, dest, QRect(-1, -1, 4, 4), QRect(1, 1, 4, 4));
  EXPECT_EQ(written, QRect(2, 2, 2, 2));
  int black = 0;
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) black += dest.pixelIndex(x, y) == kBlackIndex;
  }
  EXPECT_EQ(black, 4);
}

TEST(StampSymbol, LandsWhereTheOverlayFloatsAtTheZoom) {
  // Zoom 200: the overlay's top-left 41, 21 control pixels from the view's is pixel (20, 10).
  QImage surface = NewBitmap(100, 80, PixelFormat::Bits8);
  const QImage dot = test::FromRows({"X"});
  const QRect stamped = StampSymbol(surface, dot, QPoint(41, 21), QSize(200, 160));
  EXPECT_EQ(stamped, QRect(20, 10, 1, 1));
  EXPECT_EQ(surface.pixelIndex(20, 10), kBlackIndex);
}

TEST(StampSymbol, OverlayLeftPartlyOutsideTheViewIsClippedAndThePageStaysEightBit) {
  QImage surface = NewBitmap(50, 40, PixelFormat::Bits24);
  const QImage block = test::FromRows({"XXXX", "XXXX"});
  const QRect stamped = StampSymbol(surface, block, QPoint(48, 39), QSize(50, 40));
  EXPECT_EQ(stamped, QRect(48, 39, 2, 1));
  EXPECT_EQ(PixelFormatOf(surface), PixelFormat::Bits8);
  EXPECT_EQ(surface.pixelIndex(49, 39), kBlackIndex);
}

}  // namespace
}  // namespace scoreink
