// The import preview: averages of the pixels each preview pixel covers, from any format.
#include <gtest/gtest.h>

#include "dialogs/core/averaged_preview.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

TEST(AveragedPreview, EachPixelAveragesTheBlockItCovers) {
  // 4 x 2 into 2 x 1: the left block is half black, half white; the right one all grey 100.
  QImage picture(4, 2, QImage::Format_RGB888);
  picture.fill(QColor(100, 100, 100));
  picture.setPixel(0, 0, qRgb(0, 0, 0));
  picture.setPixel(1, 0, qRgb(0, 0, 0));
  picture.setPixel(0, 1, qRgb(255, 255, 255));
  picture.setPixel(1, 1, qRgb(255, 255, 255));
  const QImage preview = AveragedPreview(picture, {2, 1});
  ASSERT_EQ(preview.size(), QSize(2, 1));
  EXPECT_EQ(preview.format(), QImage::Format_RGB888);
  EXPECT_EQ(preview.pixel(0, 0), qRgb(128, 128, 128));  // 127.5 rounds up
  EXPECT_EQ(preview.pixel(1, 0), qRgb(100, 100, 100));
}

TEST(AveragedPreview, UnevenBlocksAndColoursStaySeparate) {
  QImage picture(5, 3, QImage::Format_RGB888);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgb(10 * x, 20 * y, 7));
  const QImage preview = AveragedPreview(picture, {2, 2});
  // Columns 0-1 and 2-4, rows 0 and 1-2.
  EXPECT_EQ(preview.pixel(0, 0), qRgb(5, 0, 7));
  EXPECT_EQ(preview.pixel(1, 0), qRgb(30, 0, 7));
  EXPECT_EQ(preview.pixel(0, 1), qRgb(5, 30, 7));
  EXPECT_EQ(preview.pixel(1, 1), qRgb(30, 30, 7));
}

TEST(AveragedPreview, ASmallPictureIsEnlargedByRepeatingItsPixels) {
  QImage picture(2, 1, QImage::Format_RGB888);
  picture.setPixel(0, 0, qRgb(0, 0, 0));
  picture.setPixel(1, 0, qRgb(255, 0, 0));
  const QImage preview = AveragedPreview(picture, {70, 35});
  ASSERT_EQ(preview.size(), QSize(70, 35));
  EXPECT_EQ(preview.pixel(34, 20), qRgb(0, 0, 0));
  EXPECT_EQ(preview.pixel(35, 0), qRgb(255, 0, 0));
  EXPECT_EQ(preview.pixel(69, 34), qRgb(255, 0, 0));
}

TEST(AveragedPreview, EveryFormatGivesTheSamePreview) {
  QImage picture(60, 90, QImage::Format_RGB888);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 60; ++x) picture.setPixel(x, y, (x + y) % 7 ? qRgb(255, 255, 255) : 0);
  const QImage expected = AveragedPreview(picture, {20, 30});
  EXPECT_EQ(AveragedPreview(ConvertedTo(picture, PixelFormat::Bits8), {20, 30}), expected);
  EXPECT_EQ(AveragedPreview(picture.convertToFormat(QImage::Format_RGB32), {20, 30}), expected);
}

TEST(AveragedPreview, NothingToShowGivesNoPreview) {
  EXPECT_TRUE(AveragedPreview(QImage(), {10, 10}).isNull());
  EXPECT_TRUE(AveragedPreview(QImage(5, 5, QImage::Format_RGB888), {0, 10}).isNull());
}

}  // namespace
}  // namespace scoreink
