// Files that are not what their names say, empty, cut off, random or missing: each gives a
// message that names the file and says what is wrong, and nothing else happens.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "harness/permissions_bind.h"
#include "jpeg_test_files.h"
#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {
namespace {

QByteArray SmallBmp() {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  WriteBmp(test::Rgb888Sample(40, 30), buffer);
  return buffer.data();
}

QByteArray SmallJpeg() {
  return test::EncodeTestJpeg(test::Rgb888Sample(40, 30), test::JpegVariant::Colour);
}

QByteArray RandomBytes(int size) {
  QByteArray bytes(size, '\0');
  QRandomGenerator generator(7);
  for (char& b : bytes) b = char(generator.bounded(256));
  return bytes;
}

// A BMP header claiming 100000 x 100000 pixels, with almost nothing behind it.
QByteArray HugeBmpHeader() {
  QByteArray bytes = SmallBmp().left(54 + 16);
  const qint32 side = 100000;
  memcpy(bytes.data() + 18, &side, 4);
  memcpy(bytes.data() + 22, &side, 4);
  return bytes;
}

struct BadFile {
  const char* fileName;
  QByteArray bytes;
  const char* reason;  // part of the message's second line
};

TEST(PictureLoad, BadFilesGiveAClearMessage) {
  const QByteArray bmp = SmallBmp();
  const QByteArray jpeg = SmallJpeg();
  const BadFile cases[] = {
      {"empty.bmp", QByteArray(), "ファイルが空っぽ"},
      {"empty.jpg", QByteArray(), "ファイルが空っぽ"},
      {"photo.bmp", jpeg, "中身がBMPではない (中身はJPEGのようだ)"},
      {"scan.JPG", bmp, "中身がJPEGではない (中身はBMPのようだ)"},
      {"noise.bmp", RandomBytes(5000), "中身がBMPではない"},
      {"noise.jpeg", RandomBytes(5000), "中身がJPEGではない"},
      {"cut_header.bmp", bmp.left(30), "途中で切れている"},
      {"cut_pixels.bmp", bmp.left(bmp.size() - 100), "途中で切れている"},
      {"cut.jpg", jpeg.left(jpeg.size() / 2), "途中で切れている"},
      {"cut_header.jpg", jpeg.left(40), "途中で切れている"},
      {"bad_data.jpg", QByteArray("\xFF\xD8\xFF\xDB", 4) + RandomBytes(3000),
       "JPEGの中身が壊れている"},
      {"huge.bmp", HugeBmpHeader(), "大きすぎて扱えない (100000 x 100000)"},
      {"huge.jpg", test::WithFrameSize(jpeg, 65000, 65000), "大きすぎて扱えない"},
      {"zero_width.bmp", bmp.left(18) + QByteArray(4, '\0') + bmp.mid(22), "大きさがおかしい"},
      // As the BMP Suite's badbitcount.bmp: a bit count no BMP file has, named as such.
      {"badbitcount.bmp", bmp.left(28) + QByteArray("\xFF\x7F", 2) + bmp.mid(30),
       "BMPの中身が壊れている (1画素 32767 ビットという形式はない)"},
      {"picture.gif", bmp, "拡張子"},
      {"picture.png", bmp, "中身がPNGではない (中身はBMPのようだ)"},
  };
  QTemporaryDir dir;
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.fileName);
    const QString path = dir.filePath(QLatin1String(c.fileName));
    test::WriteFileBytes(path, c.bytes);
    const PictureResult read = LoadPicture(path);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.image.isNull());
    const QString headline = QStringLiteral("画像ファイルを読めない: ") + c.fileName + '\n';
    EXPECT_TRUE(read.error.startsWith(headline)) << read.error.toStdString();
    EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.reason))) << read.error.toStdString();
  }
}

TEST(PictureLoad, MissingFileOrFolderGivesAClearMessage) {
  QTemporaryDir dir;
  const PictureResult missing = LoadPicture(dir.filePath("gone.bmp"));
  EXPECT_EQ(missing.error,
            QStringLiteral("画像ファイルを読めない: gone.bmp\nファイルが見つからない"));

  QDir(dir.path()).mkdir("folder.jpg");
  const PictureResult folder = LoadPicture(dir.filePath("folder.jpg"));
  EXPECT_TRUE(folder.error.contains(QStringLiteral("フォルダ"))) << folder.error.toStdString();
}

TEST(PictureLoad, UnreadableFileGivesAClearMessage) {
  QTemporaryDir dir;
  const QString locked = dir.filePath("locked.bmp");
  test::WriteFileBytes(locked, SmallBmp());
  QFile::setPermissions(locked, QFileDevice::WriteOwner);
  const test::PermissionsBind bind;
  if (!bind.active()) GTEST_SKIP() << "root cannot give up its powers over permissions here";
  const PictureResult unreadable = LoadPicture(locked);
  EXPECT_FALSE(unreadable.ok());
  EXPECT_TRUE(unreadable.error.contains(QStringLiteral("許可がない")))
      << unreadable.error.toStdString();
}

TEST(PictureLoad, PicksTheReaderByExtensionInAnyCase) {
  QTemporaryDir dir;
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {{"a.BMP", SmallBmp()}, {"b.Jpeg", SmallJpeg()}, {"c.jpg", SmallJpeg()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteFileBytes(dir.filePath(c.name), c.bytes);
    const PictureResult read = LoadPicture(dir.filePath(c.name));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.image.size(), QSize(40, 30));
  }
  EXPECT_EQ(PictureKindFromName("x/y.JPEG"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindFromName("y.bmp.txt"), PictureKind::Unknown);
  EXPECT_EQ(PictureKindFromName("bmp"), PictureKind::Unknown);
}

TEST(PictureLimits, RefusesOnlyWhatIsTooLargeOrEmpty) {
  EXPECT_TRUE(PictureSizeAllowed(4960, 7016));
  EXPECT_TRUE(PictureSizeAllowed(16384, 16384));  // exactly 1 GiB at 4 bytes a pixel
  EXPECT_FALSE(PictureSizeAllowed(16384, 16385));
  EXPECT_FALSE(PictureSizeAllowed(100000, 100000));
  EXPECT_FALSE(PictureSizeAllowed(qint64(1) << 40, qint64(1) << 40));  // no overflow
  EXPECT_FALSE(PictureSizeAllowed(0, 10));
  EXPECT_FALSE(PictureSizeAllowed(10, -1));
}

}  // namespace
}  // namespace scoreink
