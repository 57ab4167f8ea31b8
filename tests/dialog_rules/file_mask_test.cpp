// The file mask of the file dialogs and the listing of a folder's image files.
#include "dialogs/core/file_mask.h"
#include "harness/case_names.h"
#include "harness/permissions_bind.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace scoreink {
namespace {

TEST(FileMask, SplitsAtSemicolonsAndDropsBlanksAndEmptyPatterns) {
  EXPECT_EQ(FileMask(kImageFileMask).Patterns(),
            QStringList({"*.bmp", "*.jpg", "*.jpeg", "*.png", "*.tif", "*.tiff", "*.pdf"}));
  EXPECT_EQ(FileMask(" *.bmp ;; *.jpg;").Patterns(), QStringList({"*.bmp", "*.jpg"}));
  EXPECT_TRUE(FileMask("").Patterns().isEmpty());
}

struct MatchCase {
  const char* name;
  bool listed;
};

class ImageMaskMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(ImageMaskMatch, ListsImageNamesInAnyCaseAndNothingElse) {
  const FileMask mask(kImageFileMask);
  EXPECT_EQ(mask.Matches(GetParam().name), GetParam().listed) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ImageMaskMatch,
    ::testing::Values(MatchCase{"score.bmp", true}, MatchCase{"A.JPG", true},
                      MatchCase{"scan.Jpeg", true}, MatchCase{"楽譜.jpg", true},
                      MatchCase{".bmp", true}, MatchCase{"a b[1].bmp", true},
                      MatchCase{"score.bmp.txt", false}, MatchCase{"score.bmpx", false},
                      MatchCase{"scorebmp", false}, MatchCase{"score.PNG", true},
                      MatchCase{"fax.Tif", true}, MatchCase{"scan.TIFF", true},
                      MatchCase{"part.pdf", true}, MatchCase{"score.gif", false},
                      MatchCase{"score.jpe", false}, MatchCase{"", false}),
    [](const auto& tc) { return scoreink::test::CaseName(tc.param.name); });

TEST(FileMask, QuestionMarkStandsForOneCharacter) {
  const FileMask mask("a?.bmp");
  EXPECT_TRUE(mask.Matches("ab.bmp"));
  EXPECT_FALSE(mask.Matches("a.bmp"));
  EXPECT_FALSE(mask.Matches("abc.bmp"));
}

TEST(FileMask, AnEmptyMaskMatchesNothing) {
  EXPECT_FALSE(FileMask().Matches("a.bmp"));
}

TEST(SortFileNames, ByNameWithoutCaseThenByCodePoint) {
  QStringList names = {"b.bmp", "B.bmp", "a2.jpg", "A10.jpg", "c.jpeg", "a1.bmp"};
  SortFileNames(names);
  EXPECT_EQ(names, QStringList({"a1.bmp", "A10.jpg", "a2.jpg", "B.bmp", "b.bmp", "c.jpeg"}));
}

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(ListMatchingFiles, PlainMatchingFilesSortedWithoutFoldersOrHiddenFiles) {
  QTemporaryDir dir;
  for (const char* name : {"b.jpg", "A.JPG", "notes.txt", ".hidden.bmp", "c.jpeg", "x.gif"})
    Touch(dir.filePath(name));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
  ASSERT_TRUE(QFile::link(dir.filePath("b.jpg"), dir.filePath("link.bmp")));

  const std::optional<QStringList> names = ListMatchingFiles(dir.path(), FileMask(kImageFileMask));
  ASSERT_TRUE(names.has_value());
  EXPECT_EQ(*names, QStringList({"A.JPG", "b.jpg", "c.jpeg", "link.bmp"}));
}

TEST(ListMatchingFiles, AnEmptyFolderListsNothingButIsListed) {
  QTemporaryDir dir;
  const auto names = ListMatchingFiles(dir.path(), FileMask(kImageFileMask));
  ASSERT_TRUE(names.has_value());
  EXPECT_TRUE(names->isEmpty());
}

TEST(ListMatchingFiles, FailsForWhatIsNoFolderThatCanBeListed) {
  QTemporaryDir dir;
  Touch(dir.filePath("file.bmp"));
  const FileMask mask(kImageFileMask);
  EXPECT_FALSE(ListMatchingFiles(dir.filePath("missing"), mask).has_value());
  EXPECT_FALSE(ListMatchingFiles(dir.filePath("file.bmp"), mask).has_value());
  EXPECT_FALSE(ListMatchingFiles("", mask).has_value()) << "an empty path is no folder";
}

TEST(ListMatchingFiles, FailsForAFolderThatMayNotBeRead) {
  const test::PermissionsBind bind;
  if (!bind.active()) GTEST_SKIP() << "root cannot give up its powers over permissions here";
  QTemporaryDir dir;
  const QString closed = dir.filePath("closed");
  ASSERT_TRUE(QDir().mkdir(closed));
  Touch(closed + "/a.bmp");
  ASSERT_TRUE(QFile::setPermissions(closed, QFileDevice::WriteOwner));
  EXPECT_FALSE(ListMatchingFiles(closed, FileMask(kImageFileMask)).has_value());
  QFile::setPermissions(closed,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace scoreink
