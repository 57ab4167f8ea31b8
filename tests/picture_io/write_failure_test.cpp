// Saving where the file cannot be written (a full disk, a read-only folder or file) is an
// error with a clear message, never a success, and whatever file was there stays whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "harness/permissions_bind.h"
#include "harness/scratch_mount.h"
#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/replacing_file_write.h"
#include "platform/picture_files/rewrite_keeper.h"

namespace scoreink {
namespace {

using Saver = std::function<WriteResult(const QImage&, const QString&)>;

struct SaverCase {
  const char* name;
  const char* fileName;
  Saver save;
};

const SaverCase kSavers[] = {
    {"bmp", "score.bmp", [](const QImage& i, const QString& p) { return SaveBmp(i, p); }},
    {"jpeg", "score.jpg", [](const QImage& i, const QString& p) { return SaveJpeg(i, p); }},
};

// Random colours so that neither format can squeeze the picture below the disk's size.
QImage Incompressible(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  quint32 state = 12345;
  for (int y = 0; y < height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < width * 3; ++x) row[x] = uchar((state = state * 1103515245 + 12345) >> 16);
  }
  return image;
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(PictureSave, FullDiskIsAnErrorAndKeepsTheOldFile) {
  for (const SaverCase& c : kSavers) {
    SCOPED_TRACE(c.name);
    test::ScratchMount disk(QStringLiteral("size=64k"));
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const QString path = disk.path() + QLatin1Char('/') + QLatin1String(c.fileName);
    const QImage small = test::Rgb888Sample(16, 16);
    ASSERT_TRUE(c.save(small, path).ok());
    const QByteArray before = test::FileBytes(path);

    const WriteResult result = c.save(Incompressible(300, 300), path);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("画像ファイルを保存できない: ") +
                                        QLatin1String(c.fileName)))
        << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("ディスクの空き")))
        << result.error.toStdString();
    EXPECT_EQ(test::FileBytes(path), before);
    EXPECT_EQ(FilesIn(disk.path()), QStringList{QLatin1String(c.fileName)});  // no leftovers
  }
}

// In a folder that takes no new files the old file is overwritten where it lies; a disk too
// full for the new bytes must leave it whole, and a rewrite that fits must fit exactly.
TEST(PictureSave, InPlaceRewriteOnAFullDiskKeepsTheOldFile) {
  test::ScratchMount disk(QStringLiteral("size=64k"));
  if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
  const QString path = disk.path() + QStringLiteral("/score.bmp");
  ASSERT_TRUE(SaveBmp(test::Rgb888Sample(16, 16), path).ok());
  const QByteArray before = test::FileBytes(path);
  const QImage large = Incompressible(300, 300);

  const QString full =
      OverwriteInPlace(path, [&](QIODevice& out) { return WriteBmp(large, out).error; });
  EXPECT_TRUE(full.contains(QStringLiteral("ディスクの空き"))) << full.toStdString();
  EXPECT_EQ(test::FileBytes(path), before);

  const QImage smaller = test::Rgb888Sample(4, 4);
  EXPECT_EQ(OverwriteInPlace(path, [&](QIODevice& out) { return WriteBmp(smaller, out).error; }),
            QString());
  const PictureResult reread = LoadBmp(path);
  ASSERT_TRUE(reread.ok()) << reread.error.toStdString();
  EXPECT_EQ(reread.image.size(), QSize(4, 4));
  EXPECT_LT(QFileInfo(path).size(), before.size());
}

// The copy of the old file is made before the old file is touched: when the user's own disk
// is too full for it, the rewrite is refused and the old file is exactly what it was, not
// grown by the room reserved for the new bytes.
TEST(PictureSave, InPlaceRewriteRefusedForWantOfACopyLeavesTheOldFileAsItWas) {
  test::ScratchMount userDisk(QStringLiteral("size=64k"));
  if (!userDisk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
  ASSERT_TRUE(QDir(userDisk.path()).mkdir("Rewrites"));
  QFile filler(userDisk.path() + QStringLiteral("/filler"));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
  filler.write(QByteArray(128 * 1024, 'x'));  // as much as fits
  filler.close();
  SetRewriteKeepFolder(userDisk.path() + QStringLiteral("/Rewrites"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("score.jpg"));
  ASSERT_TRUE(SaveJpeg(test::Rgb888Sample(16, 16), path).ok());
  const QByteArray before = test::FileBytes(path);
  const QImage larger = Incompressible(120, 120);

  EXPECT_EQ(OverwriteInPlace(path, [&](QIODevice& out) { return WriteJpeg(larger, out).error; }),
            QStringLiteral("元のファイルの控えを作れないので、上書きしなかった"));
  EXPECT_EQ(test::FileBytes(path), before);
  SetRewriteKeepFolder(QString());
}

TEST(PictureSave, ReadOnlyFileSystemIsAnErrorAndKeepsTheOldFile) {
  for (const SaverCase& c : kSavers) {
    SCOPED_TRACE(c.name);
    test::ScratchMount disk(QStringLiteral("size=1m"));
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    const QString existing = disk.path() + QLatin1Char('/') + QLatin1String(c.fileName);
    ASSERT_TRUE(c.save(test::Rgb888Sample(8, 8), existing).ok());
    const QByteArray before = test::FileBytes(existing);
    ASSERT_TRUE(disk.MakeReadOnly());

    const WriteResult overwrite = c.save(test::Rgb888Sample(20, 20), existing);
    EXPECT_FALSE(overwrite.ok());
    EXPECT_TRUE(overwrite.error.contains(QLatin1String(c.fileName)));
    EXPECT_EQ(test::FileBytes(existing), before);

    const WriteResult fresh = c.save(test::Rgb888Sample(20, 20), disk.path() + "/new.bmp");
    EXPECT_FALSE(fresh.ok());
    EXPECT_TRUE(fresh.error.startsWith(QStringLiteral("画像ファイルを保存できない: new.bmp\n")))
        << fresh.error.toStdString();
  }
}

// A folder that refuses new files: no new picture can go there, but a writable file in it
// is still rewritten in place.
TEST(PictureSave, ReadOnlyFolderRefusesNewFilesButRewritesWritableOnes) {
  const test::PermissionsBind bind;
  if (!bind.active()) GTEST_SKIP() << "root cannot give up its powers over permissions here";
  QTemporaryDir dir;
  const QString existing = dir.filePath("kept.bmp");
  ASSERT_TRUE(SaveBmp(test::Rgb888Sample(8, 8), existing).ok());
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);

  const WriteResult fresh = SaveBmp(test::Rgb888Sample(20, 20), dir.filePath("new.bmp"));
  EXPECT_FALSE(fresh.ok());
  EXPECT_TRUE(fresh.error.startsWith(QStringLiteral("画像ファイルを保存できない: new.bmp\n")));
  EXPECT_TRUE(SaveBmp(test::Rgb888Sample(20, 20), existing).ok());
  EXPECT_EQ(LoadBmp(existing).image.width(), 20);

  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(PictureSave, WriteProtectedFileIsAnError) {
  // The super-user too: the protection is the user's word, not only the system's.
  QTemporaryDir dir;
  const QString path = dir.filePath("locked.bmp");
  ASSERT_TRUE(SaveBmp(test::Rgb888Sample(4, 4), path).ok());
  QFile::setPermissions(path, QFile::ReadOwner);
  const QByteArray before = test::FileBytes(path);
  const WriteResult result = SaveBmp(test::Rgb888Sample(9, 9), path);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.error,
            QStringLiteral("画像ファイルを保存できない: locked.bmp\n書き込みが許されていない"));
  EXPECT_EQ(test::FileBytes(path), before);
}

TEST(PictureSave, MissingFolderOrNothingToSaveIsAnError) {
  QTemporaryDir dir;
  const WriteResult noFolder = SaveBmp(test::Rgb888Sample(4, 4), dir.filePath("gone/x.bmp"));
  EXPECT_FALSE(noFolder.ok());
  EXPECT_TRUE(noFolder.error.contains(QStringLiteral("フォルダが見つからない")));
  EXPECT_FALSE(SaveBmp(QImage(), dir.filePath("x.bmp")).ok());
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.bmp")));
}

TEST(PictureSave, ReplacingKeepsTheFilesPermissions) {
  QTemporaryDir dir;
  const QString path = dir.filePath("shared.bmp");
  ASSERT_TRUE(SaveBmp(test::Rgb888Sample(4, 4), path).ok());
  const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                           QFile::WriteGroup | QFile::ReadOther;
  QFile::setPermissions(path, permissions);
  ASSERT_TRUE(SaveBmp(test::Rgb888Sample(6, 6), path).ok());
  EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
            permissions);
  EXPECT_EQ(LoadBmp(path).image.width(), 6);
  EXPECT_EQ(FilesIn(dir.path()), QStringList{QStringLiteral("shared.bmp")});
}

TEST(PictureSave, SavingOverALinkWritesTheFileItPointsTo) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("scores"));
  const QString file = dir.filePath("scores/real.bmp");
  ASSERT_TRUE(SaveBmp(test::Rgb888Sample(4, 4), file).ok());
  const QString link = dir.filePath("link.bmp");
  ASSERT_TRUE(QFile::link("scores/real.bmp", link));  // relative, as ln -s makes it
  ASSERT_TRUE(SaveBmp(test::Rgb888Sample(7, 7), link).ok());
  EXPECT_EQ(QFileInfo(link).symLinkTarget(), file) << "the link is still a link";
  EXPECT_EQ(LoadBmp(file).image.width(), 7);
  EXPECT_EQ(FilesIn(dir.filePath("scores")), QStringList{QStringLiteral("real.bmp")});
}

}  // namespace
}  // namespace scoreink
