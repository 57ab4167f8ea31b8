// Trimming one edge of the symbol drawing: what is kept, and the 5-pixel floor.
#include <gtest/gtest.h>

#include "harness/symbol_pictures.h"
#include "platform/raster/palette.h"
#include "symbol_editor/core/trim_edge.h"

namespace scoreink::test {
namespace {

struct TrimCase {
  const char* what;
  QSize size;
  bool vertical;
  bool fromStart;
  int count;
  QRect kept;  // the part of the original that remains
};

const TrimCase kTrimCases[] = {
    {"top row", {30, 30}, true, true, 1, {0, 1, 30, 29}},
    {"bottom row", {30, 30}, true, false, 1, {0, 0, 30, 29}},
    {"left column", {30, 30}, false, true, 1, {1, 0, 29, 30}},
    {"right column", {30, 30}, false, false, 1, {0, 0, 29, 30}},
    {"six rows lose one", {12, 6}, true, true, 1, {0, 1, 12, 5}},
    {"five rows stay", {12, 5}, true, true, 1, {0, 0, 12, 5}},
    {"five columns stay", {5, 30}, false, false, 1, {0, 0, 5, 30}},
    {"a short other side does not matter", {30, 5}, false, true, 1, {1, 0, 29, 5}},
    {"a big cut from the top keeps the last five rows", {10, 10}, true, true, 8, {0, 5, 10, 5}},
    {"a big cut from the bottom keeps the first five", {10, 10}, true, false, 8, {0, 0, 10, 5}},
    {"a cut larger than the picture", {10, 10}, false, true, 255, {5, 0, 5, 10}},
    {"nothing to cut", {30, 30}, false, true, 0, {0, 0, 30, 30}},
};

TEST(TrimImageEdge, KeepsThePartAwayFromTheCutEdgeAndNeverGoesBelowFive) {
  for (const TrimCase& c : kTrimCases) {
    SCOPED_TRACE(c.what);
    const QImage original = CoordinatePicture(c.size.width(), c.size.height());
    QImage image = original;
    TrimImageEdge(image, c.vertical, c.fromStart, static_cast<quint8>(c.count));
    EXPECT_EQ(image, original.copy(c.kept));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
  }
}

TEST(TrimImageEdge, KeepsAFourBitDrawingFourBit) {
  QImage image = NewBitmap(8, 8, PixelFormat::Bits4);
  image.setPixel(3, 7, kBlackIndex);
  TrimImageEdge(image, true, true, 1);
  EXPECT_EQ(image.size(), QSize(8, 7));
  EXPECT_EQ(PixelFormatOf(image), PixelFormat::Bits4);
  EXPECT_EQ(PixelColor(image, 3, 6), kBlack);
}

TEST(TrimImageEdge, LeavesANullPictureNull) {
  QImage image;
  TrimImageEdge(image, false, false, 1);
  EXPECT_TRUE(image.isNull());
}

}  // namespace
}  // namespace scoreink::test
