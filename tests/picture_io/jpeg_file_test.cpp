// JPEG files: written baseline with three components at libjpeg's defaults, and every
// variant libjpeg decodes (grey, CMYK, YCCK, progressive) read back as 24-bit colour.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>

#include "jpeg_test_files.h"
#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {
namespace {

using test::JpegVariant;

// Smooth colours: what JPEG is made for, so that a round trip stays close.
QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y,
                     qRgb(x * 255 / width, y * 255 / height, (x + y) * 127 / (width + height)));
  return image;
}

QByteArray Written(const QImage& image, int quality = 90) {
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  const WriteResult result = WriteJpeg(image, out, quality);
  EXPECT_TRUE(result.ok()) << result.error.toStdString();
  return out.data();
}

TEST(JpegWrite, IsBaselineWithThreeComponentsAtLibjpegsDefaults) {
  const QImage picture = Gradient(70, 45);
  const QByteArray bytes = Written(picture);
  ASSERT_TRUE(bytes.startsWith("\xFF\xD8"));
  const int sof0 = test::MarkerOffset(bytes, 0xC0);
  ASSERT_GE(sof0, 0);
  EXPECT_EQ(test::MarkerOffset(bytes, 0xC2), -1);  // not progressive
  EXPECT_EQ(uchar(bytes[sof0 + 9]), 3);            // components
  // Byte for byte what libjpeg writes with its defaults at quality 90.
  EXPECT_EQ(bytes, test::EncodeTestJpeg(picture, JpegVariant::Colour, 90));
  EXPECT_EQ(Written(picture, 50), test::EncodeTestJpeg(picture, JpegVariant::Colour, 50));
}

TEST(JpegWrite, GreyPalettePictureStillGetsThreeComponents) {
  QImage grey(40, 30, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table.append(qRgb(i, i, i));
  grey.setColorTable(table);
  for (int y = 0; y < 30; ++y) memset(grey.scanLine(y), y * 8, 40);
  const QByteArray bytes = Written(grey);
  const int sof0 = test::MarkerOffset(bytes, 0xC0);
  ASSERT_GE(sof0, 0);
  EXPECT_EQ(uchar(bytes[sof0 + 9]), 3);
}

TEST(JpegRoundTrip, PixelsStayClose) {
  const QImage rgb = Gradient(64, 48);
  QImage indexed(64, 48, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table.append(qRgb(i, 255 - i, i / 2));
  indexed.setColorTable(table);
  for (int y = 0; y < 48; ++y) memset(indexed.scanLine(y), y * 5, 64);  // smooth rows
  struct Case {
    const char* name;
    QImage image;
  };
  const Case cases[] = {
      {"rgb888", rgb},
      {"rgb32", rgb.convertToFormat(QImage::Format_RGB32)},
      {"grayscale8", rgb.convertToFormat(QImage::Format_Grayscale8)},
      {"indexed8", indexed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PictureResult read = DecodeJpeg(Written(c.image));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.image.format(), QImage::Format_RGB888);
    ASSERT_EQ(read.image.size(), c.image.size());
    const test::ColorDifference d = test::DifferenceOf(read.image, c.image);
    EXPECT_LT(d.mean, 2.5);
    EXPECT_LT(d.largest, 40);
  }
}

TEST(JpegRead, DecodesEveryVariantToRgb888) {
  const QImage rgb = Gradient(48, 40);
  struct Case {
    const char* name;
    JpegVariant variant;
    bool grey;
  };
  const Case cases[] = {
      {"colour", JpegVariant::Colour, false},
      {"grey", JpegVariant::Grey, true},
      {"plain_cmyk", JpegVariant::PlainCmyk, false},
      {"adobe_cmyk_inverted", JpegVariant::AdobeCmyk, false},
      {"adobe_ycck", JpegVariant::AdobeYcck, false},
      {"progressive", JpegVariant::Progressive, false},
  };
  const QImage greyRgb = rgb.convertToFormat(QImage::Format_Grayscale8);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PictureResult read = DecodeJpeg(test::EncodeTestJpeg(rgb, c.variant, 95));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.image.format(), QImage::Format_RGB888);
    const test::ColorDifference d = test::DifferenceOf(read.image, c.grey ? greyRgb : rgb);
    EXPECT_LT(d.mean, 3.0);
    EXPECT_LT(d.largest, 40);
  }
}

// A progressive picture keeps all its coefficients while the scans come in (here 150 MB, more
// than the decoder's own working memory): it is decoded, not called broken.
TEST(JpegRead, LargeProgressiveFullColourPictureDecodes) {
  const QImage rgb = Gradient(5000, 5000);
  const PictureResult read = DecodeJpeg(test::EncodeTestJpeg(rgb, JpegVariant::Progressive444));
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.image.size(), rgb.size());
  EXPECT_LT(test::DifferenceOf(read.image, rgb).mean, 3.0);
}

TEST(JpegRead, HostileProgressiveFileIsRefusedQuickly) {
  const QByteArray progressive = test::EncodeTestJpeg(Gradient(256, 256), JpegVariant::Progressive);
  const PictureResult some = DecodeJpeg(test::WithFirstScanRepeated(progressive, 100));
  ASSERT_TRUE(some.ok()) << some.error.toStdString();
  QElapsedTimer timer;
  timer.start();
  const PictureResult read = DecodeJpeg(test::WithFirstScanRepeated(progressive, 5000));
  EXPECT_FALSE(read.ok());
  EXPECT_TRUE(read.error.contains(QStringLiteral("スキャン"))) << read.error.toStdString();
  EXPECT_LT(timer.elapsed(), 5000);
}

TEST(JpegRead, SizeIsCheckedBeforeDecoding) {
  const QByteArray small = test::EncodeTestJpeg(Gradient(16, 16), JpegVariant::Colour);
  const PictureResult huge = DecodeJpeg(test::WithFrameSize(small, 60000, 60000));
  EXPECT_FALSE(huge.ok());
  EXPECT_TRUE(huge.error.contains(QStringLiteral("大きすぎ"))) << huge.error.toStdString();
  EXPECT_TRUE(huge.error.contains(QStringLiteral("60000 x 60000")));
}

TEST(JpegRead, FileFarTooSmallForItsPictureIsRefusedBeforeDecoding) {
  // 16000 x 16000 is within the size limit, but a few hundred bytes cannot hold it.
  const QByteArray small = test::EncodeTestJpeg(Gradient(16, 16), JpegVariant::Progressive);
  QElapsedTimer timer;
  timer.start();
  const PictureResult read = DecodeJpeg(test::WithFrameSize(small, 16000, 16000));
  EXPECT_FALSE(read.ok());
  EXPECT_TRUE(read.error.contains(QStringLiteral("途中で切れている"))) << read.error.toStdString();
  EXPECT_LT(timer.elapsed(), 1000);
}

TEST(JpegRead, CutOffDataIsAnErrorNotHalfAPicture) {
  const QImage picture = test::Rgb888Sample(256, 256);
  for (JpegVariant variant : {JpegVariant::Colour, JpegVariant::Progressive}) {
    const QByteArray whole = test::EncodeTestJpeg(picture, variant);
    // Cut in the middle of the data; with an end marker put back, libjpeg's own words say
    // that the data ends early.
    const QByteArray cut = whole.left(whole.size() * 2 / 3);
    const PictureResult read = DecodeJpeg(cut);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error.contains(QStringLiteral("途中で切れている")))
        << read.error.toStdString();
    const PictureResult marked = DecodeJpeg(cut + QByteArray("\xFF\xD9"));
    EXPECT_FALSE(marked.ok());
    EXPECT_TRUE(marked.error.contains(QStringLiteral("premature end")))
        << marked.error.toStdString();
  }
}

}  // namespace
}  // namespace scoreink
