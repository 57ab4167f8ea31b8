// The 23 built-in palette symbols: sizes, formats, colours and the drawings that other
// parts of the program rely on (the key signature paints the sharp and the flat).
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "resources/embedded_pictures.h"

namespace scoreink {
namespace {

bool IsBlack(const QImage& image, int x, int y) {
  return PixelColor(image, x, y) == kBlack;
}

// Rows of the symbol as strings, 'X' for black and '.' for white.
std::vector<std::string> Rows(const QImage& image) {
  std::vector<std::string> rows;
  for (int y = 0; y < image.height(); ++y) {
    std::string row;
    for (int x = 0; x < image.width(); ++x) row += IsBlack(image, x, y) ? 'X' : '.';
    rows.push_back(row);
  }
  return rows;
}

// Black exactly in the rows listed, across the whole width.
void ExpectFullRows(const QImage& image, const std::vector<int>& black_rows) {
  for (int y = 0; y < image.height(); ++y) {
    const bool expected = std::find(black_rows.begin(), black_rows.end(), y) != black_rows.end();
    for (int x = 0; x < image.width(); ++x) {
      ASSERT_EQ(IsBlack(image, x, y), expected) << x << "," << y;
    }
  }
}

struct SymbolShape {
  int number;
  int width;
  int height;
  PixelFormat format;
};

constexpr SymbolShape kShapes[] = {
    {1, 14, 10, PixelFormat::Bits4},  {2, 14, 10, PixelFormat::Bits4},
    {3, 23, 11, PixelFormat::Bits4},  {4, 23, 11, PixelFormat::Bits4},
    {5, 11, 25, PixelFormat::Bits24}, {6, 11, 22, PixelFormat::Bits4},
    {7, 13, 18, PixelFormat::Bits4},  {8, 12, 28, PixelFormat::Bits4},
    {9, 14, 6, PixelFormat::Bits4},   {10, 11, 11, PixelFormat::Bits4},
    {11, 12, 30, PixelFormat::Bits4}, {12, 11, 22, PixelFormat::Bits4},
    {13, 7, 29, PixelFormat::Bits4},  {14, 20, 8, PixelFormat::Bits4},
    {15, 20, 11, PixelFormat::Bits4}, {16, 21, 10, PixelFormat::Bits4},
    {17, 22, 19, PixelFormat::Bits4}, {18, 11, 26, PixelFormat::Bits4},
    {19, 11, 26, PixelFormat::Bits4}, {20, 10, 10, PixelFormat::Bits4},
    {21, 15, 5, PixelFormat::Bits4},  {22, 15, 14, PixelFormat::Bits4},
    {23, 16, 27, PixelFormat::Bits4},
};

TEST(PaletteSymbols, HaveTheirSizesAndFormatsAndAreBlackOnWhite) {
  for (const SymbolShape& shape : kShapes) {
    SCOPED_TRACE(shape.number);
    const QImage symbol = PaletteSymbolImage(shape.number);
    ASSERT_FALSE(symbol.isNull());
    EXPECT_EQ(symbol.width(), shape.width);
    EXPECT_EQ(symbol.height(), shape.height);
    EXPECT_EQ(PixelFormatOf(symbol), shape.format);
    int black = 0;
    for (int y = 0; y < symbol.height(); ++y) {
      for (int x = 0; x < symbol.width(); ++x) {
        const QRgb colour = PixelColor(symbol, x, y);
        ASSERT_TRUE(colour == kBlack || colour == kWhite) << x << "," << y;
        black += colour == kBlack;
      }
    }
    EXPECT_GT(black, 0);
  }
}

TEST(PaletteSymbols, OtherNumbersGiveNoPicture) {
  for (int number : {-1, 0, 24, 100}) EXPECT_TRUE(PaletteSymbolImage(number).isNull()) << number;
}

TEST(PaletteSymbols, FilesAre4BitExceptTheThirtySecondRest) {
  for (const SymbolShape& shape : kShapes) {
    QFile file(QString(":/pictures/Img%1.bmp").arg(shape.number, 2, 10, QChar('0')));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << shape.number;
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    const int bits = quint8(header[28]);
    EXPECT_EQ(bits, shape.number == 5 ? 24 : 4) << shape.number;
    EXPECT_EQ(quint8(header[30]), 0) << shape.number;  // uncompressed
  }
  // The solid block's table holds black only.
  const QImage block(":/pictures/Img09.bmp");
  ASSERT_EQ(block.colorCount(), 1);
  EXPECT_EQ(block.color(0), kBlack);
}

TEST(PaletteSymbols, SharpMatchesItsPattern) {
  const std::vector<std::string> sharp = {
      "........X...", ".......XX...", "...X...XX...", "..XX...XX...", "..XX...XX...",
      "..XX...XX...", "..XX...XX...", "..XX...XXXX.", "..XXXXXXXXXX", "..XXXXXXXXXX",
      ".XXXXXXXXXXX", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", ".XXX...XX...",
      "..XX...XXXX.", "..XX...XXXX.", "..XXX..XXXXX", "..XXXXXXXXXX", "XXXXXXXXXXXX",
      "XXXXXXXXXXX.", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", "..XX...XX...",
      "..XX...XX...", "..XX...XX...", "..XX...XX...", "..XX........", "..XX........",
  };
  EXPECT_EQ(Rows(PaletteSymbolImage(11)), sharp);
}

TEST(PaletteSymbols, FlatMatchesItsPattern) {
  const std::vector<std::string> flat = {
      ".XX........", ".XX........", ".XX........", ".XX........", ".XX........", ".XX........",
      ".XX........", ".XX........", ".XX........", ".XX.XXXXX..", ".XXXXXXXXX.", ".XXXXXXXXXX",
      ".XX....XXXX", ".XX....XXXX", ".XX...XXXXX", ".X....XXX..", ".X...XXXX..", ".X...XX....",
      ".XX.XX.....", ".XXXX......", ".XXXX......", ".XXX.......",
  };
  EXPECT_EQ(Rows(PaletteSymbolImage(12)), flat);
}

TEST(PaletteSymbols, LedgerLinesCrossTheNoteHeadsAtRows4And5) {
  for (int number : {3, 4}) {
    SCOPED_TRACE(number);
    const QImage symbol = PaletteSymbolImage(number);
    ASSERT_EQ(symbol.width(), 23);
    for (int x = 0; x < 23; ++x) {
      EXPECT_TRUE(IsBlack(symbol, x, 4) && IsBlack(symbol, x, 5)) << x;
    }
    // The line is two rows thick: at its ends nothing above or below it.
    for (int y : {3, 6}) {
      EXPECT_FALSE(IsBlack(symbol, 0, y));
      EXPECT_FALSE(IsBlack(symbol, 22, y));
    }
    // A note head sits on it.
    int head = 0;
    for (int y = 0; y < symbol.height(); ++y) {
      for (int x = 0; x < symbol.width(); ++x) head += y != 4 && y != 5 && IsBlack(symbol, x, y);
    }
    EXPECT_GT(head, 30);
  }
}

TEST(PaletteSymbols, BlockDotAndBarsAreExact) {
  ExpectFullRows(PaletteSymbolImage(9), {0, 1, 2, 3, 4, 5});
  ExpectFullRows(PaletteSymbolImage(21), {0, 1});
  ExpectFullRows(PaletteSymbolImage(22), {0, 1, 12, 13});
  ExpectFullRows(PaletteSymbolImage(23), {0, 1, 12, 13});
  const QImage dot = PaletteSymbolImage(20);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 3 && x <= 6 && y >= 3 && y <= 6;
      ASSERT_EQ(IsBlack(dot, x, y), inside) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace scoreink
