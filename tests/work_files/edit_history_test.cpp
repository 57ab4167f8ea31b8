// The shared edit history: undo and redo give back exactly the pictures of a plain list of
// whole pictures, while the work folder keeps only the tiles each gesture changed.
#include "platform/history/edit_history.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <random>

#include "harness/scratch_mount.h"
#include "platform/raster/palette.h"

namespace scoreink {
namespace {

using Step = EditHistory::Step;

QImage Page(int width = 300, int height = 200) {
  QImage image(width, height, QImage::Format_Indexed8);
  image.setColorTable(FixedPalette());
  image.fill(kWhiteIndex);
  return image;
}

// What undo and redo promise, kept as whole pictures: states[k] is the picture after k
// gestures; undo and redo move over them, the newest included; a new gesture drops those
// after the one shown.
struct WholePictureHistory {
  std::vector<QImage> states;
  int shown = 0;
  bool open = false;  // states[shown] is still being drawn

  explicit WholePictureHistory(const QImage& start) : states{start.copy()} {}
  int Pos() const { return shown + 1; }
  void Record(const QImage& picture) {
    states.resize(size_t(shown) + 1);
    states[size_t(shown)] = picture.copy();
    states.push_back(picture.copy());
    ++shown;
    open = true;
  }
  Step Undo(QImage& picture) {
    if (shown == 0) return Step::NothingBefore;
    if (open) states[size_t(shown)] = picture.copy();
    open = false;
    picture = states[size_t(--shown)].copy();
    return Step::Loaded;
  }
  Step Redo(QImage& picture) {
    if (open || size_t(shown) + 1 >= states.size()) return Step::NothingAfter;
    picture = states[size_t(++shown)].copy();
    return Step::Loaded;
  }
};

class EditHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    history_.SetPlaces(WorkFolder(), dir_.path() + "/CCTmp.bmp");
    history_.ResetHistory(true);
    ASSERT_EQ(history_.HistoryPos(), 1);
  }
  QString WorkFolder() const { return dir_.path() + "/TmpWork"; }

  // An edit reported as the windows report it: announced, then the rectangle it reached.
  void Paint(QImage& picture, const QRect& rect, int index, bool reported = true) {
    if (reported) history_.WillChange(picture);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x) picture.setPixel(x, y, uint(index));
    if (reported) history_.Changed(picture, rect);
  }
  qint64 FolderBytes() const {
    qint64 bytes = 0;
    for (const QFileInfo& f : QDir(WorkFolder()).entryInfoList(QDir::Files)) bytes += f.size();
    return bytes;
  }

  QTemporaryDir dir_;
  EditHistory history_;
};

// Strokes (reported or not, some reaching nothing), page replacements of another size, undos
// and redos in random order: every step gives the picture and the answer of the plain list.
TEST_F(EditHistoryTest, RandomEditSequencesMatchAListOfWholePictures) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    history_.ResetHistory(true);
    QImage picture = Page();
    QImage expected = picture.copy();
    WholePictureHistory plain(picture);
    history_.Adopt(picture);
    for (int i = 0; i < 150; ++i) {
      SCOPED_TRACE(i);
      const int what = pick(10);
      if (what < 5) {  // a gesture: press, then up to three edits
        history_.Record(picture);
        plain.Record(expected);
        for (int k = pick(4); k > 0; --k) {
          const QRect rect =
              QRect(pick(picture.width()), pick(picture.height()), 1 + pick(90), 1 + pick(40))
                  .intersected(picture.rect());
          const int index = pick(256);
          Paint(picture, rect, index, pick(4) != 0);
          Paint(expected, rect, index, false);
        }
      } else if (what == 5) {  // the page replaced by one of another size
        history_.Record(picture);
        plain.Record(expected);
        picture = Page(100 + pick(300), 80 + pick(200));
        picture.setPixel(pick(picture.width()), 0, kBlackIndex);
        expected = picture.copy();
      } else if (what < 8) {
        ASSERT_EQ(history_.Undo(picture), plain.Undo(expected));
      } else {
        ASSERT_EQ(history_.Redo(picture), plain.Redo(expected));
      }
      ASSERT_EQ(history_.HistoryPos(), plain.Pos());
      ASSERT_EQ(picture, expected);
    }
  }
}

// What a gesture leaves in the work folder: the tiles it reached, not the page.
TEST_F(EditHistoryTest, AStrokeAcrossABigPageKeepsOnlyTheTilesItCrossed) {
  QImage picture = Page(4960, 7016);
  history_.Adopt(picture);
  history_.Record(picture);
  for (int i = 0; i < 1000; ++i) Paint(picture, QRect(1000 + i, 2000 + i, 3, 3), kBlackIndex);
  const qint64 compared = history_.TilesCompared();
  history_.Record(picture);
  const int crossed = 2 * (1003 / kHistoryTileSize + 2);
  EXPECT_LE(history_.TilesCompared() - compared, crossed * 2) << "only reported tiles compared";
  EXPECT_LT(FolderBytes(), 2 * crossed * kHistoryTileSize * kHistoryTileSize);
  EXPECT_GT(FolderBytes(), 0);

  ASSERT_EQ(history_.Undo(picture), Step::Loaded);  // the press with nothing drawn
  ASSERT_EQ(history_.Undo(picture), Step::Loaded);
  EXPECT_EQ(picture, Page(4960, 7016));
}

// The work folder going away or refusing files never costs the user a step: a folder removed
// by hand comes back; one that cannot be written is told once and the steps wait in memory.
TEST_F(EditHistoryTest, StepsSurviveAWorkFolderThatGoesAwayOrRefusesFiles) {
  QImage picture = Page();
  history_.Adopt(picture);
  history_.Record(picture);
  Paint(picture, QRect(0, 0, 10, 10), kBlackIndex);
  ASSERT_TRUE(QDir(WorkFolder()).removeRecursively());
  history_.Record(picture);  // recreates the folder for step 1
  EXPECT_TRUE(QFileInfo::exists(history_.SnapshotFile(1)));
  EXPECT_TRUE(history_.TakeTrouble().isEmpty());

  // A plain file where the work folder should be: nothing can be written there.
  history_.ResetHistory(true);
  const QImage start = picture.copy();
  ASSERT_TRUE(QDir(WorkFolder()).removeRecursively());
  QFile blocker(WorkFolder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  history_.Record(picture);
  Paint(picture, QRect(20, 0, 10, 10), 3);
  history_.Record(picture);
  EXPECT_FALSE(history_.TakeTrouble().isEmpty()) << "told the first time";
  Paint(picture, QRect(40, 0, 10, 10), 4);
  history_.Record(picture);
  EXPECT_TRUE(history_.TakeTrouble().isEmpty()) << "and only once";
  const QImage newest = picture.copy();

  for (int n = 0; n < 3; ++n) ASSERT_EQ(history_.Undo(picture), Step::Loaded);
  EXPECT_EQ(picture, start);
  for (int n = 0; n < 3; ++n) ASSERT_EQ(history_.Redo(picture), Step::Loaded);
  EXPECT_EQ(history_.Redo(picture), Step::NothingAfter);
  EXPECT_EQ(picture, newest);
}

// A disk that fills up is named as such, once, however the steps that meet it fail.
TEST_F(EditHistoryTest, AFullDiskIsToldOnceWithItsReason) {
  test::ScratchMount disk("size=64k");
  if (!disk.mounted()) GTEST_SKIP() << "needs root to mount a small disk";
  history_.SetPlaces(disk.path() + "/TmpWork", QString());
  history_.ResetHistory(true);
  QImage picture = Page(1000, 1000);
  history_.Adopt(picture);
  QStringList told;
  for (int n = 0; n < 6; ++n) {
    history_.Record(picture);
    Paint(picture, QRect(0, 150 * n, 1000, 100 + 20 * n), 3 + n);  // steps of various sizes
    if (const QString reason = history_.TakeTrouble(); !reason.isEmpty()) told << reason;
  }
  ASSERT_EQ(told.size(), 1) << told.join(" / ").toStdString();
  EXPECT_TRUE(told[0].startsWith("ディスクの空きが足りない")) << told[0].toStdString();
}

// A step whose file is gone or cut off: undo still moves down and leaves the picture alone;
// redo never moves onto it.
TEST_F(EditHistoryTest, MissingOrCutOffStepsAreReportedNotLoaded) {
  QImage picture = Page();
  history_.Adopt(picture);
  for (int n = 1; n <= 3; ++n) {
    history_.Record(picture);
    Paint(picture, QRect(10 * n, 10, 5, 5), kBlackIndex);
  }
  ASSERT_EQ(history_.Undo(picture), Step::Loaded);  // writes step 3, position 3
  QFile two(history_.SnapshotFile(2));
  ASSERT_TRUE(two.resize(two.size() - 5));
  const QImage shown = picture.copy();
  EXPECT_EQ(history_.Undo(picture), Step::Missing);
  EXPECT_EQ(picture, shown);
  EXPECT_EQ(history_.HistoryPos(), 2);
  EXPECT_EQ(history_.Redo(picture), Step::Loaded) << "back up over the step it could not undo";
  EXPECT_EQ(picture, shown);
  EXPECT_EQ(history_.HistoryPos(), 3);
  ASSERT_EQ(history_.Undo(picture), Step::Missing);
  ASSERT_TRUE(QFile::remove(history_.SnapshotFile(1)));
  EXPECT_EQ(history_.Undo(picture), Step::Missing);
  EXPECT_EQ(picture, shown);
  EXPECT_EQ(history_.HistoryPos(), 1);
  EXPECT_EQ(history_.Undo(picture), Step::NothingBefore);
}

TEST_F(EditHistoryTest, TakingBackAGestureRestoresThePictureOfItsPress) {
  QImage picture = Page();
  history_.Adopt(picture);
  history_.Record(picture);
  Paint(picture, QRect(5, 5, 50, 1), kBlackIndex);
  const QImage atPress = picture.copy();
  history_.Record(picture);
  Paint(picture, QRect(0, 0, 300, 1), 7);
  Paint(picture, QRect(100, 100, 1, 90), 7, false);  // not reported: still taken back
  history_.TakeBackGesture(picture);
  EXPECT_EQ(picture, atPress);
}

TEST_F(EditHistoryTest, ResetEmptiesTheFolderAndRemovesTheBlockFile) {
  QImage picture = Page();
  history_.Record(picture);
  Paint(picture, QRect(0, 0, 5, 5), kBlackIndex);
  history_.Record(picture);
  QFile block(dir_.path() + "/CCTmp.bmp");
  ASSERT_TRUE(block.open(QIODevice::WriteOnly));
  block.close();

  history_.ResetHistory(true);
  EXPECT_EQ(history_.HistoryPos(), 1);
  EXPECT_FALSE(block.exists());
  EXPECT_TRUE(QDir(WorkFolder()).isEmpty());
  EXPECT_EQ(history_.Undo(picture), Step::NothingBefore);

  // A reset that fails keeps the position; the block file goes all the same.
  history_.Record(picture);
  ASSERT_TRUE(block.open(QIODevice::WriteOnly));
  block.close();
  const QString blocked = dir_.path() + "/blocked";
  QFile file(blocked);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  history_.SetPlaces(blocked, block.fileName());
  history_.ResetHistory(true);
  EXPECT_EQ(history_.HistoryPos(), 2);
  EXPECT_FALSE(block.exists());

  history_.SetPlaces(WorkFolder(), QString());
  history_.ResetHistory(false);  // closing the window
  EXPECT_FALSE(QFileInfo::exists(WorkFolder()));
}

TEST_F(EditHistoryTest, RecordingAfterAFailedResetClearsStepsOfAnEarlierRun) {
  QImage picture = Page();
  for (int n = 1; n <= 3; ++n) {
    history_.Record(picture);
    Paint(picture, QRect(n, n, 3, 3), kBlackIndex);
  }
  history_.Record(picture);  // steps 1..3 written
  EditHistory current;       // a start-up whose reset failed: position 0, the files still there
  current.SetPlaces(WorkFolder(), QString());
  current.Record(picture);
  EXPECT_EQ(current.HistoryPos(), 1);
  EXPECT_EQ(current.Redo(picture), Step::NothingAfter);
  for (int n = 1; n <= 3; ++n) EXPECT_FALSE(QFile::exists(current.SnapshotFile(n)));
}

}  // namespace
}  // namespace scoreink
