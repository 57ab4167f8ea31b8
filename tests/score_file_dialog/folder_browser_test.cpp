// The folder tree and the file list that both file dialogs use, and ListFolder on a real list
// with the program's own work folder and PixDir.txt.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "dialogs/folder_browser.h"
#include "harness/item_views.h"
#include "harness/score_window_harness.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A folder with a few pictures and other files.
struct ScanFolder {
  QTemporaryDir dir;
  ScanFolder() {
    for (const char* name : {"b.bmp", "A.JPG", "c.jpeg", "readme.txt"}) Touch(dir.filePath(name));
  }
  QString Path() const { return dir.path(); }
};

class ShownList : public ::testing::Test {
 protected:
  ShownList() {
    list.resize(150, 367);
    list.show();
    list.SetMask(kImageFileMask);
  }
  FileListBox list;
};

TEST_F(ShownList, PointingAtAFolderListsItsPicturesSortedAndRemembersIt) {
  ScanFolder scans;
  ASSERT_TRUE(list.PointAt(scans.Path()));
  EXPECT_EQ(ListedNames(&list), QStringList({"A.JPG", "b.bmp", "c.jpeg"}));
  EXPECT_EQ(list.Directory(), scans.Path());
  EXPECT_TRUE(list.SelectedFilePath().isEmpty()) << "nothing is selected before a click";
}

TEST_F(ShownList, AFolderThatCannotBeListedKeepsTheListAsItWas) {
  ScanFolder scans;
  ASSERT_TRUE(list.PointAt(scans.Path()));
  EXPECT_FALSE(list.PointAt(scans.dir.filePath("missing")));
  EXPECT_FALSE(list.PointAt(scans.dir.filePath("b.bmp")));
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.Directory(), scans.Path());
}

TEST_F(ShownList, PointingAgainReadsTheFolderAfresh) {
  ScanFolder scans;
  ASSERT_TRUE(list.PointAt(scans.Path()));
  Touch(scans.dir.filePath("new.bmp"));
  QFile::remove(scans.dir.filePath("b.bmp"));
  ASSERT_TRUE(list.PointAt(scans.Path()));
  EXPECT_EQ(ListedNames(&list), QStringList({"A.JPG", "c.jpeg", "new.bmp"}));
}

TEST_F(ShownList, AClickChoosesTheFileAndGivesItsFullPath) {
  ScanFolder scans;
  ASSERT_TRUE(list.PointAt(scans.Path()));
  QSignalSpy chosen(&list, &FileListBox::FileChosen);
  ASSERT_TRUE(ClickListEntry(&list, "b.bmp"));
  EXPECT_EQ(chosen.count(), 1);
  EXPECT_EQ(list.SelectedFilePath(), scans.dir.filePath("b.bmp"));
  // Clicking the same name again is another choice (a second look at the same file).
  ASSERT_TRUE(ClickListEntry(&list, "b.bmp"));
  EXPECT_EQ(chosen.count(), 2);
}

TEST_F(ShownList, TheArrowKeysChooseTheNextName) {
  ScanFolder scans;
  ASSERT_TRUE(list.PointAt(scans.Path()));
  ASSERT_TRUE(ClickListEntry(&list, "A.JPG"));
  QSignalSpy chosen(&list, &FileListBox::FileChosen);
  PressKey(&list, Qt::Key_Down);
  EXPECT_EQ(chosen.count(), 1);
  EXPECT_EQ(list.SelectedFilePath(), scans.dir.filePath("b.bmp"));
  PressKey(&list, Qt::Key_Up);
  PressKey(&list, Qt::Key_Up);  // already at the top: no new choice
  EXPECT_EQ(chosen.count(), 2);
  EXPECT_EQ(list.SelectedFilePath(), scans.dir.filePath("A.JPG"));
}

TEST_F(ShownList, RemovingTheSelectedEntryLeavesTheFileAlone) {
  ScanFolder scans;
  ASSERT_TRUE(list.PointAt(scans.Path()));
  ASSERT_TRUE(ClickListEntry(&list, "b.bmp"));
  list.RemoveSelected();
  EXPECT_EQ(ListedNames(&list), QStringList({"A.JPG", "c.jpeg"}));
  EXPECT_TRUE(QFile::exists(scans.dir.filePath("b.bmp")));
  EXPECT_TRUE(list.SelectedFilePath().isEmpty() ||
              list.SelectedFilePath() != scans.dir.filePath("b.bmp"));
}

TEST_F(ShownList, FilesInTheRootHaveOneSlash) {
  ASSERT_TRUE(list.PointAt("/"));
  if (list.count() == 0) GTEST_SKIP() << "no pictures in /";
  list.setCurrentRow(0);
  EXPECT_EQ(list.SelectedFilePath(), "/" + list.item(0)->text());
}

TEST(FolderTree, SelectingAFolderByPathReportsTheChangeAndGivesThePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("scores/2024"));
  FolderTree tree;
  tree.resize(285, 393);
  tree.show();
  QSignalSpy changed(&tree, &FolderTree::SelectionChanged);
  const QString folder = dir.filePath("scores/2024");
  ASSERT_TRUE(tree.SelectFolder(folder + "/"));
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(tree.SelectedFolder(), folder);
  EXPECT_TRUE(tree.isExpanded(tree.currentIndex().parent())) << "the way to it is opened";

  ASSERT_TRUE(tree.SelectFolder("/"));
  EXPECT_EQ(tree.SelectedFolder(), "/");
  EXPECT_EQ(changed.count(), 2);
}

TEST(FolderTree, AMissingFolderOrAFileIsNotSelected) {
  QTemporaryDir dir;
  Touch(dir.filePath("a.bmp"));
  FolderTree tree;
  ASSERT_TRUE(tree.SelectFolder(dir.path()));
  EXPECT_FALSE(tree.SelectFolder(dir.filePath("missing")));
  EXPECT_FALSE(tree.SelectFolder(dir.filePath("a.bmp")));
  EXPECT_FALSE(tree.SelectFolder(""));
  EXPECT_EQ(tree.SelectedFolder(), dir.path());
}

TEST(FolderTree, ShowsFoldersOnlyWithTheWayHomeOpen) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  Touch(dir.filePath("a.bmp"));
  FolderTree tree;
  ASSERT_TRUE(tree.SelectFolder(dir.filePath("sub")));
  const QModelIndex folder = tree.currentIndex().parent();
  // The entries of the temporary folder: its one subfolder, not the file.
  const auto* model = tree.model();
  ASSERT_TRUE(WaitUntil([&] { return model->rowCount(folder) == 1; }));
  EXPECT_EQ(model->index(0, 0, folder).data().toString(), "sub");

  const auto* files = qobject_cast<const QFileSystemModel*>(model);
  ASSERT_NE(files, nullptr);
  EXPECT_TRUE(tree.isExpanded(files->index("/")));
  EXPECT_TRUE(tree.isExpanded(files->index(QDir::homePath())));
}

TEST(FolderTree, TheSelectedFolderStaysInSightWhileTheFoldersAboveItAreRead) {
  // The folders are read in the background; rows arriving above the selection must not push
  // it out of the view.
  QTemporaryDir dir;
  for (int n = 0; n < 60; ++n)
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString("a%1").arg(n, 2, 10, QChar('0'))));
  ASSERT_TRUE(QDir(dir.path()).mkdir("zz"));
  FolderTree tree;
  tree.resize(285, 393);
  tree.show();
  ASSERT_TRUE(tree.SelectFolder(dir.filePath("zz")));
  const QModelIndex parent = tree.currentIndex().parent();
  ASSERT_TRUE(WaitUntil([&] { return tree.model()->rowCount(parent) == 61; }));
  EXPECT_TRUE(WaitUntil([&] {
    return tree.viewport()->rect().contains(tree.visualRect(tree.currentIndex()));
  })) << "the selected folder is out of sight";
}

class ListFolderInTheProgram : public ::testing::Test {
 protected:
  ScoreWindowHarness ui;  // sets the work folder and where PixDir.txt lives
  FileListBox list;
  QString PixDir() const { return CurrentWorkPlaces.PixDirFile(); }
};

TEST_F(ListFolderInTheProgram, AnotherFolderIsListedAndWrittenToPixDir) {
  ScanFolder scans;
  const QString before = PictureFolder;
  EXPECT_EQ(ListFolder(list, before, scans.Path()), scans.Path());
  EXPECT_EQ(ReadAll(PixDir()), scans.Path().toUtf8());
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.Mask(), kImageFileMask);
}

TEST_F(ListFolderInTheProgram, TheSameFolderIsReadAgainWithoutWritingPixDir) {
  ScanFolder scans;
  ASSERT_TRUE(QFile::remove(PixDir()));
  EXPECT_EQ(ListFolder(list, scans.Path(), scans.Path()), scans.Path());
  EXPECT_EQ(list.count(), 3);
  EXPECT_FALSE(QFile::exists(PixDir()));
}

TEST_F(ListFolderInTheProgram, TheWorkFolderIsNeverListed) {
  ScanFolder scans;
  ASSERT_TRUE(list.PointAt(scans.Path()));
  Touch(WorkFolder + "/Tmp1.bmp");
  const QByteArray pixDir = ReadAll(PixDir());
  EXPECT_EQ(ListFolder(list, scans.Path(), WorkFolder), scans.Path());
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(ReadAll(PixDir()), pixDir);
}

TEST_F(ListFolderInTheProgram, AFolderWhosePixDirCannotBeWrittenIsShownButNotKept) {
  ScanFolder scans;
  // A folder where PixDir.txt should be makes the write fail.
  ASSERT_TRUE(QFile::remove(PixDir()));
  ASSERT_TRUE(QDir().mkdir(PixDir()));
  ui.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");
  EXPECT_EQ(ListFolder(list, PictureFolder, scans.Path()), PictureFolder);
  EXPECT_EQ(list.count(), 3);
}

}  // namespace
}  // namespace scoreink::test
