// The folders of the image import dialog (it lists and remembers, but never moves the folder
// the file dialogs open in during this run), and a 600-dpi A4 scan brought in whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstring>

#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "harness/import_dialog_harness.h"
#include "harness/item_views.h"
#include "import_test_pictures.h"
#include "platform/picture_files/picture_io.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ImportFolders, AnotherFolderIsListedAndRememberedButPictureFolderStays) {
  ImportDialogHarness im;
  im.PutPicture("here.bmp", PaperDrawing());
  QTemporaryDir other;
  ASSERT_TRUE(SaveBmp(PaperDrawing(), other.filePath("there.bmp")).ok());
  im.Open();
  const QString pixDir = CurrentWorkPlaces.PixDirFile();

  ASSERT_TRUE(im.Dialog().Control<FolderTree>("ShellTreeView1")->SelectFolder(other.path()));

  EXPECT_EQ(ListedNames(im.Dialog().Control<FileListBox>("FileListBox1")),
            QStringList{"there.bmp"});
  EXPECT_EQ(im.Dialog().Control<QLabel>("Label1")->text(), other.path());
  EXPECT_EQ(ReadAll(pixDir), other.path().toUtf8()) << "the next run starts there";
  EXPECT_EQ(PictureFolder, im.Pictures()) << "this run's dialogs still open where they did";

  // Choosing the folder the dialogs open in again lists it and writes nothing.
  ASSERT_TRUE(QFile::remove(pixDir));
  ASSERT_TRUE(im.Dialog().Control<FolderTree>("ShellTreeView1")->SelectFolder(im.Pictures()));
  EXPECT_EQ(ListedNames(im.Dialog().Control<FileListBox>("FileListBox1")), QStringList{"here.bmp"});
  EXPECT_FALSE(QFile::exists(pixDir));

  // The next opening starts in PictureFolder.
  im.Click("Button2");
  im.Open();
  EXPECT_EQ(im.Dialog().Control<QLabel>("Label1")->text(), im.Pictures());
  EXPECT_EQ(ListedNames(im.Dialog().Control<FileListBox>("FileListBox1")), QStringList{"here.bmp"});
}

TEST(ImportFolders, TheWorkFolderIsNeverListed) {
  ImportDialogHarness im;
  im.PutPicture("here.bmp", PaperDrawing());
  im.Open();
  ASSERT_TRUE(SaveBmp(PaperDrawing(), WorkFolder + "/Tmp7.bmp").ok());
  const QByteArray pixDir = ReadAll(CurrentWorkPlaces.PixDirFile());

  ASSERT_TRUE(im.Dialog().Control<FolderTree>("ShellTreeView1")->SelectFolder(WorkFolder));

  EXPECT_TRUE(ListedNames(im.Dialog().Control<FileListBox>("FileListBox1")).isEmpty());
  EXPECT_EQ(im.Dialog().Control<QLabel>("Label1")->text(), im.Pictures());
  EXPECT_EQ(ReadAll(CurrentWorkPlaces.PixDirFile()), pixDir);
}

// An A4 page at 600 dpi: paper, staff lines and a few notes.
QImage A4Scan() {
  QImage scan(4960, 7016, QImage::Format_RGB888);
  scan.fill(QColor(240, 240, 236));
  for (int y = 500; y < 6500; y += 40)
    if ((y / 40) % 8 < 5)
      for (int t = 0; t < 4; ++t) std::memset(scan.scanLine(y + t) + 3 * 300, 30, 3 * 4360);
  for (int y = 1000; y < 1100; ++y) std::memset(scan.scanLine(y) + 3 * 2000, 10, 3 * 60);
  return scan;
}

TEST(ImportScans, AnA4ScanAt600DpiComesInWhole) {
  ImportDialogHarness im;
  im.PutPicture("scan.jpg", A4Scan());
  im.Open();
  im.Pick("scan.jpg");
  ASSERT_TRUE(im.Dialogs().Boxes().empty());
  EXPECT_EQ(im.Dialog().Control<ImageControl>("Image1")->Picture().size(), QSize(49, 70))
      << "1 % of the scan";
  const QImage& split = im.ImportView()->Picture();
  ASSERT_EQ(split.size(), QSize(4960, 7016));
  EXPECT_TRUE(IsBlackAt(split, 2030, 1050)) << "a note";
  EXPECT_TRUE(IsBlackAt(split, 1000, 501)) << "a staff line";
  EXPECT_FALSE(IsBlackAt(split, 1000, 520)) << "paper";
  im.Click("Button1");
  EXPECT_EQ(im.Editor().Control<ImageControl>("ImgBK")->Picture().size(), QSize(4960, 7016));
}

}  // namespace
}  // namespace scoreink::test
