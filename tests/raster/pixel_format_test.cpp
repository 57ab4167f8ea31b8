// Conversions between the program's pixel formats: the colours the editing rules rest on
// survive every route, and conversions are repeatable.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

const QRgb kKeyColors[] = {kBlack, kWhite, kTemplateInk};

// A 3 x 1 picture of black, white and template ink in the given Qt format.
QImage KeyColorStrip(QImage::Format format) {
  QImage image(3, 1, QImage::Format_RGB32);
  for (int x = 0; x < 3; ++x) image.setPixel(x, 0, kKeyColors[x]);
  return image.convertToFormat(format);
}

QImage NoiseImage(int w, int h, quint32 seed) {
  QRandomGenerator random(seed);
  QImage image(w, h, QImage::Format_RGB888);
  for (int y = 0; y < h; ++y) {
    uchar* row = image.scanLine(y);
    for (int i = 0; i < 3 * w; ++i) row[i] = static_cast<uchar>(random.bounded(256));
  }
  return image;
}

TEST(PixelFormatOf, TellsTheProgramsFormatsApart) {
  EXPECT_EQ(PixelFormatOf(NewBitmap(4, 4, PixelFormat::Bits24)), PixelFormat::Bits24);
  EXPECT_EQ(PixelFormatOf(NewBitmap(4, 4, PixelFormat::Bits8)), PixelFormat::Bits8);
  EXPECT_EQ(PixelFormatOf(NewBitmap(4, 4, PixelFormat::Bits4)), PixelFormat::Bits4);
  QImage grey(4, 4, QImage::Format_Indexed8);
  grey.setColorCount(2);
  EXPECT_EQ(PixelFormatOf(grey), PixelFormat::Other);
  EXPECT_EQ(PixelFormatOf(QImage(4, 4, QImage::Format_RGB32)), PixelFormat::Other);
}

TEST(NewBitmap, IsWhiteInEveryFormat) {
  for (PixelFormat format : {PixelFormat::Bits24, PixelFormat::Bits8, PixelFormat::Bits4}) {
    const QImage image = NewBitmap(7, 5, format);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) ASSERT_EQ(PixelColor(image, x, y), kWhite);
  }
}

TEST(NewBitmap, RefusesBadSizesWithANullImage) {
  EXPECT_TRUE(NewBitmap(0, 5, PixelFormat::Bits8).isNull());
  EXPECT_TRUE(NewBitmap(5, -1, PixelFormat::Bits24).isNull());
  EXPECT_TRUE(NewBitmap(5, 5, PixelFormat::Other).isNull());
  // Far more than any machine has: QImage fails the allocation, the program carries on.
  EXPECT_TRUE(NewBitmap(2000000, 2000000, PixelFormat::Bits24).isNull());
}

// Black, white and template ink stay exact from every input format into every target.
TEST(ConvertedTo, KeepsKeyColoursFromAnyInputFormat) {
  const QImage::Format inputs[] = {
      QImage::Format_RGB32,  QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
      QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_RGB16};
  for (QImage::Format input : inputs) {
    const QImage source = KeyColorStrip(input);
    for (PixelFormat target : {PixelFormat::Bits24, PixelFormat::Bits8, PixelFormat::Bits4}) {
      const QImage converted = ConvertedTo(source, target);
      ASSERT_EQ(PixelFormatOf(converted), target);
      for (int x = 0; x < 3; ++x) {
        QRgb expected = kKeyColors[x];
        if (input == QImage::Format_RGB16 && x == 2) expected = qRgb(33, 32, 66);  // 5-6-5 bits
        if (input == QImage::Format_RGB16 && x == 2 && target != PixelFormat::Bits24)
          expected = kTemplateInk;  // the nearest entry of both tables
        EXPECT_EQ(PixelColor(converted, x, 0), expected)
            << "input " << input << " target " << int(target) << " x " << x;
      }
    }
  }
}

TEST(ConvertedTo, KeepsKeyColoursThroughEveryRoute) {
  const PixelFormat formats[] = {PixelFormat::Bits24, PixelFormat::Bits8, PixelFormat::Bits4};
  for (PixelFormat first : formats) {
    for (PixelFormat second : formats) {
      for (PixelFormat third : formats) {
        QImage image = KeyColorStrip(QImage::Format_RGB888);
        SetPixelFormat(image, first);
        SetPixelFormat(image, second);
        SetPixelFormat(image, third);
        ASSERT_EQ(PixelFormatOf(image), third);
        for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelColor(image, x, 0), kKeyColors[x]);
      }
    }
  }
}

TEST(ConvertedTo, IndexedInputsWithForeignTablesAndMonochrome) {
  QImage indexed(3, 1, QImage::Format_Indexed8);
  indexed.setColorTable({kTemplateInk, qRgb(10, 200, 30), kWhite, kBlack});
  indexed.setPixel(0, 0, 3);
  indexed.setPixel(1, 0, 2);
  indexed.setPixel(2, 0, 0);
  QImage mono(3, 1, QImage::Format_Mono);
  mono.setColorTable({kWhite, kBlack});
  mono.setPixel(0, 0, 1);
  mono.setPixel(1, 0, 0);
  mono.setPixel(2, 0, 1);
  QImage grey(3, 1, QImage::Format_Grayscale8);
  grey.scanLine(0)[0] = 0;
  grey.scanLine(0)[1] = 255;
  grey.scanLine(0)[2] = 0;
  for (PixelFormat target : {PixelFormat::Bits24, PixelFormat::Bits8, PixelFormat::Bits4}) {
    const QImage a = ConvertedTo(indexed, target);
    EXPECT_EQ(PixelColor(a, 0, 0), kBlack);
    EXPECT_EQ(PixelColor(a, 1, 0), kWhite);
    EXPECT_EQ(PixelColor(a, 2, 0), kTemplateInk);
    const QImage b = ConvertedTo(mono, target);
    EXPECT_EQ(PixelColor(b, 0, 0), kBlack);
    EXPECT_EQ(PixelColor(b, 1, 0), kWhite);
    const QImage c = ConvertedTo(grey, target);
    EXPECT_EQ(PixelColor(c, 0, 0), kBlack);
    EXPECT_EQ(PixelColor(c, 1, 0), kWhite);
  }
}

TEST(ConvertedTo, IndexPastTheColourTableReadsAsBlack) {
  QImage indexed(2, 1, QImage::Format_Indexed8);
  indexed.setColorTable({kWhite});
  indexed.scanLine(0)[0] = 0;
  indexed.scanLine(0)[1] = 200;
  const QImage converted = ConvertedTo(indexed, PixelFormat::Bits8);
  EXPECT_EQ(converted.pixelIndex(0, 0), kWhiteIndex);
  EXPECT_EQ(converted.pixelIndex(1, 0), kBlackIndex);
}

TEST(ConvertedTo, EveryPaletteIndexSurvivesTheRoundTripThrough24Bits) {
  QImage image = NewBitmap(256, 2, PixelFormat::Bits8);
  for (int x = 0; x < 256; ++x)
    image.scanLine(0)[x] = image.scanLine(1)[255 - x] = static_cast<uchar>(x);
  const QImage back = ConvertedTo(ConvertedTo(image, PixelFormat::Bits24), PixelFormat::Bits8);
  ASSERT_EQ(PixelFormatOf(back), PixelFormat::Bits8);
  EXPECT_EQ(back, image);
  // The same through 32 bits, as a 24-bit BMP reads back.
  EXPECT_EQ(ConvertedTo(image.convertToFormat(QImage::Format_RGB32), PixelFormat::Bits8), image);
}

TEST(ConvertedTo, IsRepeatableAndStableOnceIndexed) {
  const QImage noise = NoiseImage(97, 31, 7);
  const QImage once = ConvertedTo(noise, PixelFormat::Bits8);
  EXPECT_EQ(ConvertedTo(noise, PixelFormat::Bits8), once);
  // Indexing an already indexed picture again changes nothing.
  EXPECT_EQ(ConvertedTo(ConvertedTo(once, PixelFormat::Bits24), PixelFormat::Bits8), once);
  // Every path to 8 bits agrees with PaletteIndexFor.
  const QImage fromRgb32 =
      ConvertedTo(noise.convertToFormat(QImage::Format_RGB32), PixelFormat::Bits8);
  EXPECT_EQ(fromRgb32, once);
  for (int y = 0; y < noise.height(); y += 5)
    for (int x = 0; x < noise.width(); x += 3)
      ASSERT_EQ(once.pixelIndex(x, y), PaletteIndexFor(noise.pixel(x, y)));
}

TEST(ConvertedTo, LeavesTheSourceAndNullImagesAlone) {
  const QImage source = KeyColorStrip(QImage::Format_RGB888);
  const QImage copy = source.copy();
  (void)ConvertedTo(source, PixelFormat::Bits8);
  EXPECT_EQ(source, copy);
  EXPECT_TRUE(ConvertedTo(QImage(), PixelFormat::Bits8).isNull());
  QImage null;
  SetPixelFormat(null, PixelFormat::Bits24);
  EXPECT_TRUE(null.isNull());
}

TEST(ConvertedTo, KeepsTheResolution) {
  QImage source = KeyColorStrip(QImage::Format_RGB888);
  source.setDotsPerMeterX(23622);
  source.setDotsPerMeterY(11811);
  const QImage converted = ConvertedTo(source, PixelFormat::Bits8);
  EXPECT_EQ(converted.dotsPerMeterX(), 23622);
  EXPECT_EQ(converted.dotsPerMeterY(), 11811);
}

TEST(ConvertedTo, TallUnusualFormatsConvertInStrips) {
  // More rows than one strip, in a format without a path of its own.
  QImage source(5, 150, QImage::Format_RGB16);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 5; ++x) source.setPixel(x, y, (x + y) % 2 ? kBlack : kWhite);
  const QImage converted = ConvertedTo(source, PixelFormat::Bits8);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 5; ++x)
      ASSERT_EQ(converted.pixelIndex(x, y), (x + y) % 2 ? kBlackIndex : kWhiteIndex)
          << x << "," << y;
}

TEST(PixelColor, ReadsEveryFormatAsOpaqueRgb) {
  const QImage a = KeyColorStrip(QImage::Format_ARGB32);
  EXPECT_EQ(PixelColor(a, 2, 0), kTemplateInk);
  const QImage b = ConvertedTo(a, PixelFormat::Bits24);
  EXPECT_EQ(PixelColor(b, 2, 0), kTemplateInk);
  EXPECT_EQ(PixelColor(b, 3, 0), kWhite);  // outside reads as background
}

}  // namespace
}  // namespace scoreink
