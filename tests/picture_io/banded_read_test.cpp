// Reading a picture a band of rows at a time gives exactly what the whole picture gives: the
// pick's 8-bit indices, the import's preview and black-and-white split, for every JPEG variant
// and every BMP bit count in both row orders, with odd widths and several bands (last one
// short). A file cut off in its pixels gives the loader's message on every path.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QTemporaryDir>
#include <functional>

#include "dialogs/core/averaged_preview.h"
#include "dialogs/core/black_white.h"
#include "dialogs/core/fit_size.h"
#include "dialogs/core/import_picture.h"
#include "dialogs/core/picked_picture.h"
#include "harness/case_names.h"
#include "jpeg_test_files.h"
#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

using test::JpegVariant;

// Odd sides; a 24-bit band holds 145 rows of this width, an 8-bit one 435.
constexpr int kWidth = 1201;
constexpr int kHeight = 1000;

// Ink strokes and grey grain on coloured paper, so that every table, bucket and class shows.
QRgb SampleColour(int x, int y) {
  if ((x / 7 + y / 5) % 23 == 0) return qRgb(0, 0, 0);
  const int grain = (x * 37 + y * 91) % 60;
  return (x + y) % 3 ? qRgb(200 + grain / 2, 190 + grain / 3, 170 + grain)
                     : qRgb(grain * 4, 255 - grain, 128);
}

QList<QRgb> SampleTable(int entries) {
  QList<QRgb> table;
  for (int i = 0; i < entries; ++i) table.append(SampleColour(i * 13, i * 29));
  return table;
}

// A BMP file with a BITMAPINFOHEADER, uncompressed, holding value(x, y): a table index for
// 1 to 8 bits, an RGB colour otherwise. The unused byte of 32-bit pixels is not zero.
QByteArray HandMadeBmp(int bits, bool topDown, std::function<quint32(int, int)> value) {
  const QList<QRgb> table = bits <= 8 ? SampleTable(1 << bits) : QList<QRgb>();
  const int stride = (kWidth * bits + 31) / 32 * 4;
  QByteArray bytes(54, '\0');
  auto put = [&](int at, quint32 v, int size) { memcpy(bytes.data() + at, &v, size_t(size)); };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(10, quint32(54 + table.size() * 4), 4);
  put(14, 40, 4);
  put(18, kWidth, 4);
  put(22, quint32(topDown ? -kHeight : kHeight), 4);
  put(26, 1, 2);
  put(28, quint32(bits), 2);
  put(38, 23622, 4);  // 600 dpi
  put(42, 23622, 4);
  for (QRgb c : table) {
    const char entry[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
    bytes.append(entry, 4);
  }
  for (int r = 0; r < kHeight; ++r) {
    const int y = topDown ? r : kHeight - 1 - r;
    QByteArray row(stride, '\0');
    auto* p = reinterpret_cast<uchar*>(row.data());
    for (int x = 0; x < kWidth; ++x) {
      const quint32 v = value(x, y);
      if (bits == 1) p[x / 8] |= uchar((v & 1) << (7 - x % 8));
      if (bits == 4) p[x / 2] |= uchar(x % 2 ? v & 15 : (v & 15) << 4);
      if (bits == 8) p[x] = uchar(v);
      if (bits == 16) {
        const quint32 v16 = (qRed(v) >> 3) << 10 | (qGreen(v) >> 3) << 5 | qBlue(v) >> 3;
        p[2 * x] = uchar(v16);
        p[2 * x + 1] = uchar(v16 >> 8);
      }
      if (bits >= 24) {
        uchar* q = p + x * bits / 8;
        q[0] = uchar(qBlue(v)), q[1] = uchar(qGreen(v)), q[2] = uchar(qRed(v));
        if (bits == 32) q[3] = 0x5A;
      }
    }
    bytes += row;
  }
  put(2, quint32(bytes.size()), 4);
  return bytes;
}

QByteArray SampleBmp(int bits, bool topDown) {
  if (bits > 8) return HandMadeBmp(bits, topDown, SampleColour);
  const int entries = 1 << bits;
  return HandMadeBmp(bits, topDown, [entries](int x, int y) {
    return quint32((x / 7 + y / 5) % 23 == 0 ? 0 : (x * 37 + y * 91) % entries);
  });
}

QByteArray SampleJpeg(JpegVariant variant) {
  QImage rgb(kWidth, kHeight, QImage::Format_RGB888);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) rgb.setPixel(x, y, SampleColour(x, y));
  return test::EncodeTestJpeg(rgb, variant);
}

struct ReadCase {
  const char* name;
  const char* file;
  std::function<QByteArray()> bytes;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
  *out << c.name;
}

// The picture as the whole-file path gives it: Qt's own reader for BMP files (all the
// program's readers once), the whole-picture decoder for JPEG files.
QImage WholeReference(const QString& path) {
  if (PictureKindFromName(path) == PictureKind::Jpeg) return LoadPicture(path).image;
  QImage qt = QImageReader(path, "bmp").read();
  return qt.format() == QImage::Format_Indexed8 ? qt : qt.convertToFormat(QImage::Format_RGB888);
}

class BandedRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(BandedRead, GivesThePixelsOfTheWholePicture) {
  QTemporaryDir dir;
  const QString path = dir.filePath(GetParam().file);
  const QByteArray bytes = GetParam().bytes();
  test::WriteFileBytes(path, bytes);
  const QImage whole = WholeReference(path);
  ASSERT_EQ(whole.size(), QSize(kWidth, kHeight));

  const PictureResult loaded = LoadPicture(path);
  ASSERT_TRUE(loaded.ok()) << loaded.error.toStdString();
  EXPECT_TRUE(test::SameColors(loaded.image, whole));

  const PickedPicture picked = ReadPickedPicture(path);
  ASSERT_EQ(picked.verdict, PickedPicture::Verdict::Accepted) << picked.error.toStdString();
  EXPECT_TRUE(picked.picture == ConvertedTo(whole, PixelFormat::Bits8));
  // A BMP file's resolution goes with the score into the files it is saved as.
  EXPECT_EQ(picked.picture.dotsPerMeterY(), whole.dotsPerMeterY());

  const QSize box(70, 105);
  const ImportPicture imported = ReadImportPicture(path, box, 60);
  ASSERT_TRUE(imported.ok());
  const QSize previewSize = FitSize(kWidth, kHeight, box.width(), box.height());
  EXPECT_TRUE(imported.preview == AveragedPreview(whole, previewSize));
  // Split from greys made band by band, at one byte a pixel: the same two colours.
  EXPECT_EQ(imported.split.format(), QImage::Format_Indexed8);
  EXPECT_TRUE(imported.split.convertToFormat(QImage::Format_RGB888) ==
              MakeBlackWhite(whole, kWhite, kBlack, 60));

  // Cut off inside its pixels: the loader's message on every path.
  test::WriteFileBytes(path, bytes.left(bytes.size() * 2 / 3));
  const QString message = LoadPicture(path).error;
  EXPECT_TRUE(message.contains(QStringLiteral("途中で切れている"))) << message.toStdString();
  EXPECT_EQ(ReadPickedPicture(path).error, message);
  EXPECT_EQ(ReadImportPicture(path, box, 60).error, message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BandedRead,
    ::testing::Values(
        ReadCase{"jpeg colour", "c.jpg", [] { return SampleJpeg(JpegVariant::Colour); }},
        ReadCase{"jpeg grey", "g.jpeg", [] { return SampleJpeg(JpegVariant::Grey); }},
        ReadCase{"jpeg cmyk", "k.jpg", [] { return SampleJpeg(JpegVariant::PlainCmyk); }},
        ReadCase{"jpeg adobe ycck", "y.jpg", [] { return SampleJpeg(JpegVariant::AdobeYcck); }},
        ReadCase{"jpeg progressive", "p.jpg", [] { return SampleJpeg(JpegVariant::Progressive); }},
        ReadCase{"bmp 1 bit bottom up", "1.bmp", [] { return SampleBmp(1, false); }},
        ReadCase{"bmp 4 bits top down", "4.bmp", [] { return SampleBmp(4, true); }},
        ReadCase{"bmp 8 bits bottom up", "8.bmp", [] { return SampleBmp(8, false); }},
        ReadCase{"bmp 8 bits top down", "8t.bmp", [] { return SampleBmp(8, true); }},
        ReadCase{"bmp 16 bits bottom up", "16.bmp", [] { return SampleBmp(16, false); }},
        ReadCase{"bmp 24 bits bottom up", "24.bmp", [] { return SampleBmp(24, false); }},
        ReadCase{"bmp 24 bits top down", "24t.bmp", [] { return SampleBmp(24, true); }},
        ReadCase{"bmp 32 bits top down", "32.bmp", [] { return SampleBmp(32, true); }}),
    [](const auto& tc) { return test::CaseName(tc.param.name); });

}  // namespace
}  // namespace scoreink
