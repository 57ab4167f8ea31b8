// What a pick reads: the size check, the one conversion to 8 bits, the loader's message for a
// file that cannot be read, and the text of the size box.
#include "dialogs/core/picked_picture.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include "harness/case_names.h"

#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

using Verdict = PickedPicture::Verdict;

QImage Grey24(int w, int h) {
  QImage image(w, h, QImage::Format_RGB888);
  image.fill(QColor(200, 200, 200));
  return image;
}

struct SizeCase {
  int width, height;
  Verdict verdict;
};

class PickedSize : public ::testing::TestWithParam<SizeCase> {};

// Over 100 pixels in both directions makes a score; the size is told either way.
TEST_P(PickedSize, OnlyPicturesOverAHundredPixelsBothWaysAreAccepted) {
  const SizeCase& c = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath("p.bmp");
  ASSERT_TRUE(SaveBmp(Grey24(c.width, c.height), path).ok());
  const PickedPicture picked = ReadPickedPicture(path);
  EXPECT_EQ(picked.verdict, c.verdict) << c.width << " x " << c.height;
  EXPECT_EQ(picked.size, QSize(c.width, c.height));
  EXPECT_EQ(picked.picture.isNull(), c.verdict != Verdict::Accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PickedSize,
    ::testing::Values(SizeCase{100, 400, Verdict::TooSmall}, SizeCase{400, 100, Verdict::TooSmall},
                      SizeCase{100, 100, Verdict::TooSmall}, SizeCase{1, 1, Verdict::TooSmall},
                      SizeCase{101, 101, Verdict::Accepted},
                      SizeCase{101, 5000, Verdict::Accepted}),
    [](const auto& tc) {
      return std::to_string(tc.param.width) + "x" + std::to_string(tc.param.height);
    });

TEST(ReadPickedPicture, AColourFileComesBackAt8BitsWithTheFixedPalette) {
  QTemporaryDir dir;
  QImage image = Grey24(120, 130);
  for (int x = 0; x < 120; ++x) {
    uchar* p = image.scanLine(10) + 3 * x;
    p[0] = p[1] = p[2] = 0;  // a black line
  }
  for (const char* name : {"c.bmp", "c.JPG"}) {
    const QString path = dir.filePath(name);
    const WriteResult written =
        QString(name).endsWith("bmp") ? SaveBmp(image, path) : SaveJpeg(image, path);
    ASSERT_TRUE(written.ok());
    const PickedPicture picked = ReadPickedPicture(path);
    ASSERT_EQ(picked.verdict, Verdict::Accepted) << name << ": " << picked.error.toStdString();
    EXPECT_EQ(PixelFormatOf(picked.picture), PixelFormat::Bits8) << name;
    EXPECT_EQ(picked.picture.size(), QSize(120, 130));
    EXPECT_EQ(PixelColor(picked.picture, 60, 10), kBlack) << name;
  }
}

TEST(ReadPickedPicture, AScoreSavedAt8BitsReadsBackPixelForPixel) {
  QTemporaryDir dir;
  QImage score = NewBitmap(200, 150, PixelFormat::Bits8);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) score.scanLine(y)[x] = uchar((x * 7 + y * 13) % 256);
  const QString path = dir.filePath("s.bmp");
  ASSERT_TRUE(SaveBmp(score, path).ok());
  const PickedPicture picked = ReadPickedPicture(path);
  ASSERT_EQ(picked.verdict, Verdict::Accepted);
  EXPECT_EQ(picked.picture, score);
}

QByteArray BmpBytes(const QImage& image) {
  QTemporaryDir dir;
  const QString path = dir.filePath("x.bmp");
  if (!SaveBmp(image, path).ok()) return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct BadFile {
  const char* what;
  const char* name;
  QByteArray bytes;
};

class UnreadablePick : public ::testing::TestWithParam<BadFile> {};

TEST_P(UnreadablePick, GivesTheLoadersMessageNamingTheFile) {
  const BadFile& c = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath(c.name);
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.bytes);
  }
  const PickedPicture picked = ReadPickedPicture(path);
  EXPECT_EQ(picked.verdict, Verdict::Unreadable) << c.what;
  EXPECT_TRUE(picked.picture.isNull());
  EXPECT_EQ(picked.error, LoadPicture(path).error) << c.what;
  EXPECT_TRUE(picked.error.contains(c.name)) << picked.error.toStdString();
}

QByteArray HugeBmpHeader() {
  // A header claiming 100000 x 100000 pixels and nothing after it.
  QByteArray bytes = BmpBytes(Grey24(120, 120)).left(54);
  auto put32 = [&bytes](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = char(v >> (8 * i));
  };
  put32(18, 100000);
  put32(22, 100000);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadablePick,
    ::testing::Values(BadFile{"empty", "empty.bmp", QByteArray()},
                      BadFile{"not a picture", "text.jpg", QByteArray("hello, world")},
                      BadFile{"cut off", "cut.bmp", BmpBytes(Grey24(300, 300)).left(4000)},
                      BadFile{"a header claiming a giant", "giant.bmp", HugeBmpHeader()},
                      BadFile{"a JPEG named bmp", "lie.bmp", QByteArray("\xFF\xD8\xFF\xE0", 4)}),
    [](const auto& tc) { return scoreink::test::CaseName(tc.param.what); });

TEST(ReadPickedPicture, AMissingFileIsUnreadable) {
  QTemporaryDir dir;
  const PickedPicture picked = ReadPickedPicture(dir.filePath("gone.bmp"));
  EXPECT_EQ(picked.verdict, Verdict::Unreadable);
  EXPECT_FALSE(picked.error.isEmpty());
}

TEST(TooSmallMessage, NamesTheFileAndItsSize) {
  EXPECT_EQ(TooSmallMessage("/scans/tiny.jpg", QSize(100, 400)),
            "tiny.jpg(100Pixel X 400Pixel) ← こんな小さな画像が楽譜になるとは思えない");
  EXPECT_STREQ(kTooSmallCaption, "どうでもいいけど");
}

}  // namespace
}  // namespace scoreink
