// Writing a score: the formats on disk, and a failed save that must never cost the file it
// was replacing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "harness/scratch_mount.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "score_window/core/score_file.h"

namespace scoreink {
namespace {

using test::ProtectedFolder;
using test::ScratchMount;

QImage SmallScore() {
  QImage score = NewBitmap(120, 90, PixelFormat::Bits8);
  for (int x = 0; x < 120; ++x) score.scanLine(40)[x] = uchar(TemplateInkIndex());
  for (int y = 10; y < 30; ++y) score.scanLine(y)[50] = uchar(kBlackIndex);
  return score;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

quint32 LittleEndian(const QByteArray& bytes, int at, int size) {
  quint32 value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | uchar(bytes[at + i]);
  return value;
}

// The components of the first start-of-frame marker and whether it is baseline (SOF0).
struct JpegFrame {
  bool baseline = false;
  int components = 0;
};
JpegFrame FirstFrame(const QByteArray& jpeg) {
  for (int i = 2; i + 9 < jpeg.size();) {
    if (uchar(jpeg[i]) != 0xFF) return {};
    const uchar marker = uchar(jpeg[i + 1]);
    const int length = uchar(jpeg[i + 2]) << 8 | uchar(jpeg[i + 3]);
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      return {marker == 0xC0, uchar(jpeg[i + 9])};
    i += 2 + length;
  }
  return {};
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

TEST(SaveScoreFile, BmpNameInAnyCaseWritesAnEightBitBmpWithItsPalette) {
  QTemporaryDir dir;
  for (const QString& name : {QString("score.bmp"), QString("SCORE2.BMP")}) {
    const QString path = dir.filePath(name);
    ASSERT_TRUE(SaveScoreFile(SmallScore(), path).ok());
    const QByteArray bytes = ReadAll(path);
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(LittleEndian(bytes, 28, 2), 8u) << "bits per pixel";
    const quint32 colours = LittleEndian(bytes, 46, 4);
    EXPECT_TRUE(colours == 0 || colours == 256) << colours;
    const PictureResult back = LoadBmp(path);
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.image.colorTable(), FixedPalette());
    EXPECT_EQ(ConvertedTo(back.image, PixelFormat::Bits8), SmallScore()) << "reads back as saved";
  }
}

TEST(SaveScoreFile, OtherNamesWriteAColourBaselineJpeg) {
  QTemporaryDir dir;
  for (const QString& name : {QString("score.jpg"), QString("score.JPEG"), QString("score.jpeg")}) {
    const QString path = dir.filePath(name);
    ASSERT_TRUE(SaveScoreFile(SmallScore(), path).ok());
    const QByteArray bytes = ReadAll(path);
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8")) << name.toStdString();
    const JpegFrame frame = FirstFrame(bytes);
    EXPECT_TRUE(frame.baseline) << name.toStdString();
    EXPECT_EQ(frame.components, 3) << "colour even though the score is grey";
  }
}

// A PNG keeps the score exactly; a TIFF or PDF is written whole by its document, never as one
// picture.
TEST(SaveScoreFile, PngReadsBackAsSavedAndFilesOfSeveralPagesAreLeftAlone) {
  QTemporaryDir dir;
  const QString png = dir.filePath("score.PNG");
  ASSERT_TRUE(SaveScoreFile(SmallScore(), png).ok());
  EXPECT_TRUE(ReadAll(png).startsWith("\x89PNG"));
  const PictureResult back = LoadPicture(png);
  ASSERT_TRUE(back.ok()) << back.error.toStdString();
  EXPECT_EQ(ConvertedTo(back.image, PixelFormat::Bits8), SmallScore());
  for (const char* name : {"part.pdf", "part.tif"}) {
    const QString path = dir.filePath(name);
    ASSERT_TRUE(WriteAll(path, "the user's document"));
    EXPECT_FALSE(SaveScoreFile(SmallScore(), path).ok()) << name;
    EXPECT_EQ(ReadAll(path), "the user's document") << name;
  }
}

TEST(SaveScoreFile, TwentyFourBitScoreIsWrittenFromAnEightBitCopyAndNotTouched) {
  QTemporaryDir dir;
  const QImage score = ConvertedTo(SmallScore(), PixelFormat::Bits24);
  const QImage before = score.copy();
  ASSERT_TRUE(SaveScoreFile(score, dir.filePath("s.bmp")).ok());
  EXPECT_EQ(score, before);
  EXPECT_EQ(LittleEndian(ReadAll(dir.filePath("s.bmp")), 28, 2), 8u);
}

TEST(SaveScoreFile, ReplacingAFileLeavesNoTemporaryFilesBehind) {
  QTemporaryDir dir;
  const QString path = dir.filePath("s.jpg");
  ASSERT_TRUE(SaveScoreFile(SmallScore(), path).ok());
  ASSERT_TRUE(SaveScoreFile(SmallScore(), path).ok());
  EXPECT_EQ(FilesIn(dir.path()), QStringList{"s.jpg"});
}

TEST(SaveScoreFile, MissingFolderIsAClearErrorNamingTheFile) {
  QTemporaryDir dir;
  const WriteResult result = SaveScoreFile(SmallScore(), dir.filePath("gone/s.bmp"));
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.error.contains("s.bmp")) << result.error.toStdString();
}

void WriteOldFile(const QString& path, const QByteArray& content) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(content), content.size());
}

TEST(SaveScoreFile, FullDiskKeepsTheOldFileIntact) {
  ScratchMount disk("size=64k");
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  const QString path = disk.path() + "/score.bmp";
  const QByteArray old = "the score saved yesterday";
  WriteOldFile(path, old);

  WriteOldFile(disk.path() + "/score.jpg", old);
  // Noise, so that neither format fits: about 640 KB as BMP, more as JPEG.
  QImage noisy = NewBitmap(800, 800, PixelFormat::Bits8);
  quint32 seed = 12345;
  for (int y = 0; y < noisy.height(); ++y) {
    for (int x = 0; x < noisy.width(); ++x) {
      seed = seed * 1103515245u + 12345u;
      noisy.scanLine(y)[x] = uchar(seed >> 24);
    }
  }
  for (const QString& target : {path, disk.path() + "/score.jpg"}) {
    const WriteResult result = SaveScoreFile(noisy, target);
    EXPECT_FALSE(result.ok()) << target.toStdString();
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(ReadAll(target), old) << target.toStdString();
  }
  EXPECT_EQ(FilesIn(disk.path()), (QStringList{"score.bmp", "score.jpg"}));
}

TEST(SaveScoreFile, WriteProtectedFolderKeepsTheOldFileIntact) {
  ProtectedFolder folder;
  if (!folder.usable())
    GTEST_SKIP() << "root ignores folder permissions and no read-only mount is possible";
  const QString path = folder.path() + "/score.bmp";
  const QByteArray old = "the score saved yesterday";
  WriteOldFile(path, old);
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
  ASSERT_TRUE(folder.Protect());

  const WriteResult result = SaveScoreFile(SmallScore(), path);

  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.error.contains("score.bmp")) << result.error.toStdString();
  EXPECT_EQ(ReadAll(path), old);
}

}  // namespace
}  // namespace scoreink
