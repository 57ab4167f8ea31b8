// BMP files: each picture is written in its own format with the header that says so, reads
// back with its pixels and colour table intact, and every variant Qt reads is accepted.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {
namespace {

using test::BmpFieldsOf;
using test::FileBytes;

qint64 Stride(int width, int bits) {
  return (qint64(width) * bits + 31) / 32 * 4;
}

struct FormatCase {
  const char* name;
  QImage image;
  int bitCount;
  int colorsUsed;
};

std::vector<FormatCase> FormatCases() {
  QImage gray(11, 4, QImage::Format_Grayscale8);
  gray.fill(Qt::gray);
  return {
      {"rgb888_odd_width", test::Rgb888Sample(17, 5), 24, 0},
      {"rgb888_one_pixel", test::Rgb888Sample(1, 1), 24, 0},
      {"rgb888_several_bands", test::Rgb888Sample(601, 400), 24, 0},
      {"indexed_several_bands", test::IndexedSample(1001, 700, 256), 8, 256},
      {"rgb32", test::Rgb888Sample(6, 3).convertToFormat(QImage::Format_RGB32), 24, 0},
      {"argb32", test::Rgb888Sample(5, 2).convertToFormat(QImage::Format_ARGB32), 24, 0},
      {"grayscale8", gray, 24, 0},
      {"indexed_256", test::IndexedSample(13, 7, 256), 8, 256},
      {"indexed_17", test::IndexedSample(3, 9, 17), 8, 256},
      {"indexed_16", test::IndexedSample(9, 3, 16), 4, 16},
      {"indexed_2_odd_width", test::IndexedSample(7, 2, 2), 4, 16},
  };
}

TEST(BmpWrite, HeaderTellsTheImagesOwnFormat) {
  QTemporaryDir dir;
  for (const FormatCase& c : FormatCases()) {
    SCOPED_TRACE(c.name);
    const QString path = dir.filePath(QString::fromLatin1(c.name) + ".bmp");
    ASSERT_TRUE(SaveBmp(c.image, path).ok());
    const QByteArray bytes = FileBytes(path);
    const test::BmpFields f = BmpFieldsOf(bytes);
    const qint64 tableBytes = qint64(c.colorsUsed) * 4;
    const qint64 pixelBytes = Stride(c.image.width(), c.bitCount) * c.image.height();
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(f.infoSize, 40u);
    EXPECT_EQ(f.bitCount, c.bitCount);
    EXPECT_EQ(f.colorsUsed, quint32(c.colorsUsed));
    EXPECT_EQ(f.compression, 0u);
    EXPECT_EQ(f.planes, 1);
    EXPECT_EQ(f.width, c.image.width());
    EXPECT_EQ(f.height, c.image.height());  // positive: bottom-up
    EXPECT_EQ(f.pixelOffset, 54 + tableBytes);
    EXPECT_EQ(f.fileSize, quint32(bytes.size()));
    EXPECT_EQ(bytes.size(), 54 + tableBytes + pixelBytes);
  }
}

TEST(BmpWrite, RowsAreBottomUpAndPaddedWithZeros) {
  QImage image(3, 2, QImage::Format_RGB888);
  image.setPixel(0, 0, qRgb(1, 2, 3));     // top row
  image.setPixel(0, 1, qRgb(10, 20, 30));  // bottom row
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  ASSERT_TRUE(WriteBmp(image, out).ok());
  const QByteArray& bytes = out.data();
  // Row stride 12: nine bytes of pixels, three of padding.
  EXPECT_EQ(bytes.mid(54, 3), QByteArray("\x1E\x14\x0A", 3));  // bottom row first, BGR
  EXPECT_EQ(bytes.mid(54 + 9, 3), QByteArray(3, '\0'));
  EXPECT_EQ(bytes.mid(54 + 12, 3), QByteArray("\x03\x02\x01", 3));
}

TEST(BmpRoundTrip, KeepsPixelsAndColorTable) {
  QTemporaryDir dir;
  for (const FormatCase& c : FormatCases()) {
    SCOPED_TRACE(c.name);
    const QString path = dir.filePath(QString::fromLatin1(c.name) + ".bmp");
    ASSERT_TRUE(SaveBmp(c.image, path).ok());
    const PictureResult read = LoadBmp(path);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_TRUE(read.error.isEmpty());
    if (c.bitCount == 24) {
      EXPECT_EQ(read.image.format(), QImage::Format_RGB888);
      EXPECT_TRUE(test::SameColors(read.image, c.image));
      continue;
    }
    ASSERT_EQ(read.image.format(), QImage::Format_Indexed8);
    // The file's table is the image's, padded to the full 16 or 256 entries.
    EXPECT_EQ(read.image.colorCount(), c.colorsUsed);
    EXPECT_EQ(read.image.colorTable().mid(0, c.image.colorCount()), c.image.colorTable());
    for (int y = 0; y < c.image.height(); ++y)
      for (int x = 0; x < c.image.width(); ++x)
        ASSERT_EQ(read.image.pixelIndex(x, y), c.image.pixelIndex(x, y)) << x << "," << y;
  }
}

// Files the program did not write: Qt's own writer, top-down rows, 32 bits, RLE.
QByteArray QtWritten(const QImage& image) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return buffer.data();
}

QByteArray TopDown(const QByteArray& bottomUp, int stride, int height) {
  QByteArray bytes = bottomUp;
  const int offset = int(test::Le32At(bytes, 10));
  for (int r = 0; r < height; ++r)
    bytes.replace(offset + r * stride, stride,
                  bottomUp.mid(offset + (height - 1 - r) * stride, stride));
  const qint32 negative = -height;
  memcpy(bytes.data() + 22, &negative, 4);
  return bytes;
}

// A 2 x 2 BMP with a BITMAPINFOHEADER and the given bit count and compression.
QByteArray HandMadeBmp(int bits, quint32 compression, const QByteArray& table,
                       const QByteArray& pixels) {
  QByteArray bytes(54, '\0');
  auto put32 = [&](int at, quint32 v) { memcpy(bytes.data() + at, &v, 4); };
  auto put16 = [&](int at, quint16 v) { memcpy(bytes.data() + at, &v, 2); };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(10, quint32(54 + table.size()));
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  put16(26, 1);
  put16(28, quint16(bits));
  put32(30, compression);
  put32(46, quint32(table.size() / 4));
  bytes += table + pixels;
  put32(2, quint32(bytes.size()));
  return bytes;
}

TEST(BmpRead, AcceptsTheVariantsQtReads) {
  const QImage rgb = test::Rgb888Sample(5, 3);
  const QImage indexed = test::IndexedSample(6, 4, 200);
  QImage mono(9, 2, QImage::Format_Mono);
  mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  mono.fill(1);
  mono.setPixel(3, 1, 0);
  const QByteArray red2x2Table = QByteArray("\0\0\xFF\0\xFF\xFF\xFF\0", 8);  // red, white
  const QByteArray bgra32 =
      QByteArray("\x01\x02\x03\0\x04\x05\x06\0\x07\x08\x09\0\x0A\x0B\x0C\0", 16);
  // RLE8: a run of two index-1 pixels per row, end of line, end of bitmap.
  const QByteArray rle8 = QByteArray("\x02\x01\0\0\x02\x01\0\x01", 8);

  struct Case {
    const char* name;
    QByteArray bytes;
    QImage::Format format;
    QRgb topLeft;
  };
  const Case cases[] = {
      {"qt_24bit", QtWritten(rgb), QImage::Format_RGB888, rgb.pixel(0, 0)},
      {"qt_1bit", QtWritten(mono), QImage::Format_RGB888, qRgb(255, 255, 255)},
      {"top_down_8bit", TopDown(QtWritten(indexed), 8, 4), QImage::Format_Indexed8,
       indexed.pixel(0, 0)},
      {"top_down_24bit", TopDown(QtWritten(rgb), 16, 3), QImage::Format_RGB888, rgb.pixel(0, 0)},
      {"32bit", HandMadeBmp(32, 0, {}, bgra32), QImage::Format_RGB888, qRgb(9, 8, 7)},
      {"rle8", HandMadeBmp(8, 1, red2x2Table, rle8), QImage::Format_Indexed8, qRgb(255, 255, 255)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PictureResult read = DecodeBmp(c.bytes);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.image.format(), c.format);
    EXPECT_EQ(read.image.pixel(0, 0) & 0xFFFFFF, c.topLeft & 0xFFFFFF);
  }
  const PictureResult topDown = DecodeBmp(TopDown(QtWritten(rgb), 16, 3));
  EXPECT_TRUE(test::SameColors(topDown.image, rgb));
  const QImage large = test::Rgb888Sample(601, 400);  // read in several bands
  const PictureResult largeTopDown = DecodeBmp(TopDown(QtWritten(large), 1804, 400));
  EXPECT_TRUE(test::SameColors(largeTopDown.image, large));
}

TEST(BmpRead, FewRunLengthBytesClaimingAWholePageAreRefused) {
  // Eight bytes of RLE8 data (two runs and the end of the picture) for 5000 x 5000 pixels:
  // Qt would decode it as a mostly blank page, after seconds of work.
  QByteArray bytes =
      HandMadeBmp(8, 1, QByteArray("\0\0\xFF\0", 4), QByteArray("\x02\0\0\0\x02\0\0\x01", 8));
  const qint32 side = 5000;
  memcpy(bytes.data() + 18, &side, 4);
  memcpy(bytes.data() + 22, &side, 4);
  const PictureResult read = DecodeBmp(bytes);
  EXPECT_FALSE(read.ok());
  EXPECT_TRUE(read.error.contains(QStringLiteral("途中で切れている"))) << read.error.toStdString();
}

TEST(BmpRead, IndicesPastTheTableGetBlackEntries) {
  // Two table entries, but the pixels use index 5.
  const QByteArray table("\xFF\xFF\xFF\0\0\0\xFF\0", 8);
  const QByteArray pixels("\x05\x00\0\0\x01\x00\0\0", 8);
  const PictureResult read = DecodeBmp(HandMadeBmp(8, 0, table, pixels));
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  ASSERT_EQ(read.image.colorCount(), 6);
  EXPECT_EQ(read.image.pixel(0, 1), qRgb(0, 0, 0));  // bottom-up: first file row is y = 1
  EXPECT_EQ(read.image.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(BmpWrite, DeviceThatRefusesBytesIsAnError) {
  QBuffer readOnly;
  readOnly.open(QIODevice::ReadOnly);
  const WriteResult result = WriteBmp(test::Rgb888Sample(4, 4), readOnly);
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.error.startsWith(QStringLiteral("画像ファイルを保存できない")));
  EXPECT_FALSE(WriteBmp(QImage(), readOnly).ok());
}

}  // namespace
}  // namespace scoreink
