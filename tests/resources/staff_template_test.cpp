// The staff template: its rows and columns are what the key signature, the eraser and the
// template test of the score file dialog rely on.
#include <gtest/gtest.h>

#include <QFile>
#include <array>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "resources/embedded_pictures.h"

namespace scoreink {
namespace {

constexpr std::array<int, 10> kStaffLineRows = {57, 69, 82, 94, 107, 184, 196, 208, 221, 234};
constexpr int kLineRight = 720;

bool IsInk(const QImage& image, int x, int y) {
  return image.constScanLine(y)[x] == TemplateInkIndex();
}

bool IsStaffLineRow(int y) {
  for (int top : kStaffLineRows) {
    if (y == top || y == top + 1) return true;
  }
  return false;
}

struct Box {
  int left, top, right, bottom;  // inclusive
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};
constexpr Box kBrace{6, 53, 20, 239};
constexpr Box kSystemLine{24, 57, 25, 235};
// The clefs' columns are fixed; their rows only have to stay with their own staff.
constexpr Box kGClef{33, 30, 72, 140};
constexpr Box kFClef{33, 170, 72, 245};

int InkCountIn(const QImage& image, const Box& box) {
  int count = 0;
  for (int y = box.top; y <= box.bottom; ++y) {
    for (int x = box.left; x <= box.right; ++x) count += IsStaffLineRow(y) ? 0 : IsInk(image, x, y);
  }
  return count;
}

TEST(StaffTemplate, IsAn8BitPictureOf730By260WithTheFixedPalette) {
  const QImage& page = ScoreTemplateImage();
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.width(), 730);
  EXPECT_EQ(page.height(), 260);
  EXPECT_EQ(PixelFormatOf(page), PixelFormat::Bits8);
}

TEST(StaffTemplate, HoldsOnlyWhiteAndTemplateInk) {
  const QImage& page = ScoreTemplateImage();
  ASSERT_FALSE(page.isNull());
  int ink = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QRgb colour = PixelColor(page, x, y);
      ASSERT_TRUE(colour == kWhite || colour == kTemplateInk) << x << "," << y;
      ink += colour == kTemplateInk;
    }
  }
  EXPECT_GT(ink, 10 * 700);  // at least the ten staff lines
}

TEST(StaffTemplate, StaffLinesAreTwoRowsThickAndEndAtColumn720) {
  const QImage& page = ScoreTemplateImage();
  ASSERT_FALSE(page.isNull());
  for (int top : kStaffLineRows) {
    for (int y : {top, top + 1}) {
      // The left end lies behind the brace, somewhere from column 7 to 16.
      for (int x = 16; x <= kLineRight; ++x) ASSERT_TRUE(IsInk(page, x, y)) << x << "," << y;
      for (int x = kLineRight + 1; x < page.width(); ++x) {
        ASSERT_FALSE(IsInk(page, x, y)) << x << "," << y;
      }
    }
    // Rows just above and below a line are white between the clefs' columns and its end.
    for (int x = 73; x <= kLineRight; ++x) {
      ASSERT_FALSE(IsInk(page, x, top - 1)) << x << "," << top - 1;
      ASSERT_FALSE(IsInk(page, x, top + 2)) << x << "," << top + 2;
    }
  }
}

TEST(StaffTemplate, SystemLineJoinsTheStavesAtColumns24And25) {
  const QImage& page = ScoreTemplateImage();
  ASSERT_FALSE(page.isNull());
  for (int x : {24, 25}) {
    for (int y = kSystemLine.top; y <= kSystemLine.bottom; ++y) {
      ASSERT_TRUE(IsInk(page, x, y)) << x << "," << y;
    }
    EXPECT_FALSE(IsInk(page, x, kSystemLine.top - 1));
    EXPECT_FALSE(IsInk(page, x, kSystemLine.bottom + 1));
  }
  for (int y = 0; y < page.height(); ++y) {
    EXPECT_FALSE(IsInk(page, 23, y) && !IsStaffLineRow(y)) << y;
    EXPECT_FALSE(IsInk(page, 26, y) && !IsStaffLineRow(y)) << y;
  }
  // The key signature takes its ink colour from this pixel.
  EXPECT_EQ(PixelColor(page, 24, 57), kTemplateInk);
}

TEST(StaffTemplate, DrawsNothingButLinesBraceAndClefs) {
  const QImage& page = ScoreTemplateImage();
  ASSERT_FALSE(page.isNull());
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (!IsInk(page, x, y)) continue;
      const bool on_line = IsStaffLineRow(y) && x >= 7 && x <= kLineRight;
      const bool allowed = on_line || kBrace.Contains(x, y) || kSystemLine.Contains(x, y) ||
                           kGClef.Contains(x, y) || kFClef.Contains(x, y);
      ASSERT_TRUE(allowed) << "stray ink at " << x << "," << y;
    }
  }
}

TEST(StaffTemplate, HasABraceSpanningBothStavesAndBothClefs) {
  const QImage& page = ScoreTemplateImage();
  ASSERT_FALSE(page.isNull());
  // The brace reaches from the treble staff's top to the bass staff's bottom.
  EXPECT_GT(InkCountIn(page, {6, 53, 20, 70}), 10);
  EXPECT_GT(InkCountIn(page, {6, 222, 20, 239}), 10);
  EXPECT_GT(InkCountIn(page, {6, 120, 20, 170}), 20);
  // A G clef rises above the treble staff and hangs below it; an F clef sits on the bass
  // staff's upper lines.
  EXPECT_GT(InkCountIn(page, {33, 30, 72, 56}), 20);
  EXPECT_GT(InkCountIn(page, {33, 109, 72, 140}), 20);
  EXPECT_GT(InkCountIn(page, {33, 184, 72, 210}), 50);
}

TEST(StaffTemplate, FileIsAnUncompressed8BitBmpWithA256ColourTable) {
  QFile file(":/pictures/ImgScoreDef.bmp");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray header = file.read(54);
  ASSERT_EQ(header.size(), 54);
  const auto u16 = [&](int at) { return quint8(header[at]) | quint8(header[at + 1]) << 8; };
  EXPECT_EQ(header.left(2), "BM");
  EXPECT_EQ(u16(28), 8);    // bits per pixel
  EXPECT_EQ(u16(30), 0);    // BI_RGB
  EXPECT_EQ(u16(46), 256);  // colours used
}

}  // namespace
}  // namespace scoreink
