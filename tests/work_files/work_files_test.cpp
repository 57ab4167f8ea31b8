// The shared work-file helpers: work folder reset, remembered picture folder, and the work
// folder as the history's steps meet it.
#include "platform/files/work_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/history/edit_history.h"

namespace scoreink {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QImage SmallPicture() {
  QImage image(7, 5, QImage::Format_RGB888);
  image.fill(Qt::white);
  image.setPixel(3, 2, qRgb(0, 0, 0));
  return image;
}

class WorkFilesTest : public ::testing::Test {
 protected:
  QTemporaryDir dir_;
  QString Path(const QString& name) const { return dir_.path() + "/" + name; }
};

TEST_F(WorkFilesTest, ResetWorkFolderEmptiesAndRecreatesOrRemoves) {
  const QString work = Path("TmpWork");
  ASSERT_TRUE(QDir().mkpath(work + "/nested"));
  WriteAll(work + "/Tmp1.bmp", "x");
  EXPECT_TRUE(ResetWorkFolder(work, true));
  EXPECT_TRUE(QDir(work).isEmpty());

  EXPECT_TRUE(ResetWorkFolder(work, false));
  EXPECT_FALSE(QFileInfo::exists(work));
  EXPECT_TRUE(ResetWorkFolder(work, false)) << "nothing to delete is not a failure";
  EXPECT_FALSE(ResetWorkFolder("", true)) << "an empty path must never name the current folder";
}

TEST_F(WorkFilesTest, ResetWorkFolderRemovesALinkButNotItsTarget) {
  const QString target = Path("precious");
  ASSERT_TRUE(QDir().mkdir(target));
  WriteAll(target + "/keep.bmp", "x");
  ASSERT_TRUE(QFile::link(target, Path("TmpWork")));
  EXPECT_TRUE(ResetWorkFolder(Path("TmpWork"), true));
  EXPECT_TRUE(QFileInfo(Path("TmpWork")).isDir());
  EXPECT_FALSE(QFileInfo(Path("TmpWork")).isSymLink());
  EXPECT_TRUE(QFile::exists(target + "/keep.bmp"));
}

TEST_F(WorkFilesTest, LoadPictureFolderFallsBackAndWritesTheDefaultBack) {
  const QString pixDir = Path("PixDir.txt");
  const QString fallback = dir_.path();
  const QString remembered = Path("scores");
  ASSERT_TRUE(QDir().mkdir(remembered));

  struct Case {
    const char* what;
    std::optional<QByteArray> content;  // nullopt: no file at all
    QString expected;
  };
  const Case cases[] = {
      {"first run", std::nullopt, fallback},
      {"empty line", QByteArray(), fallback},
      {"deleted folder", (Path("gone")).toUtf8(), fallback},
      {"relative path", QByteArray("scores"), fallback},
      {"existing folder", remembered.toUtf8(), remembered},
      {"line with terminator", remembered.toUtf8() + "\r\n", remembered},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(pixDir);
    if (c.content) WriteAll(pixDir, *c.content);
    EXPECT_EQ(LoadPictureFolder(pixDir, fallback), c.expected);
    const QByteArray stored = c.expected == fallback ? fallback.toUtf8() : *c.content;
    EXPECT_EQ(ReadAll(pixDir), stored);
  }
  EXPECT_FALSE(QFileInfo::exists(Path("gone"))) << "the remembered folder is never created";
}

TEST_F(WorkFilesTest, LoadPictureFolderReplacesAnUnreadableFile) {
  const QString pixDir = Path("PixDir.txt");
  ASSERT_TRUE(QDir().mkdir(pixDir));  // exists, but cannot be read as a file
  EXPECT_EQ(LoadPictureFolder(pixDir, dir_.path()), dir_.path());
}

TEST_F(WorkFilesTest, RememberPictureFolderWritesOneUtf8LineWithoutTerminator) {
  const QString folder = Path("楽譜 2024");
  ASSERT_TRUE(RememberPictureFolder(Path("PixDir.txt"), folder));
  EXPECT_EQ(ReadAll(Path("PixDir.txt")), folder.toUtf8());
  ASSERT_TRUE(QDir().mkdir(folder));
  EXPECT_EQ(LoadPictureFolder(Path("PixDir.txt"), dir_.path()), folder);

  EXPECT_FALSE(RememberPictureFolder(Path("no/such/PixDir.txt"), folder));
}

// A step written by the history: the work folder is made again when it is missing (one level
// only, never its parents); a file in its place takes no step and stays as it was.
bool WriteOneStep(const QString& workFolder) {
  EditHistory history;
  history.SetPlaces(workFolder, QString());
  history.SetHistoryPos(1);
  QImage picture = SmallPicture();
  history.Adopt(picture);
  history.Record(picture);
  picture.setPixel(0, 0, qRgb(0, 0, 0));
  history.Record(picture);
  return history.TakeTrouble().isEmpty() && QFileInfo(history.SnapshotFile(1)).isFile();
}

TEST_F(WorkFilesTest, HistoryStepsRecreateAMissingWorkFolderOneLevel) {
  EXPECT_TRUE(WriteOneStep(Path("TmpWork")));
  EXPECT_FALSE(WriteOneStep(Path("a/b/TmpWork")))
      << "only the work folder itself is created, not its parents";
  EXPECT_FALSE(QFileInfo::exists(Path("a")));
}

TEST_F(WorkFilesTest, NoStepIsWrittenWhenTheWorkFolderIsAFile) {
  WriteAll(Path("TmpWork"), "not a folder");
  EXPECT_FALSE(WriteOneStep(Path("TmpWork")));
  EXPECT_EQ(ReadAll(Path("TmpWork")), "not a folder");
}

}  // namespace
}  // namespace scoreink
