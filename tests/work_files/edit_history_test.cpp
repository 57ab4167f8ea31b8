// The shared edit history: recording, undo and redo over the numbered snapshot files.
#include "platform/edit_history.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/palette.h"

namespace scoreink {
namespace {

using Step = EditHistory::Step;

// A distinct 8-bit picture of the fixed palette for each state: the mark tells them apart.
QImage State(int mark, int width = 40, int height = 30) {
  QImage image(width, height, QImage::Format_Indexed8);
  image.setColorTable(FixedPalette());
  image.fill(kWhiteIndex);
  for (int x = 0; x <= mark && x < width; ++x) image.setPixel(x, mark % height, kBlackIndex);
  image.setPixel(width - 1, height - 1, TemplateInkIndex());
  return image;
}

class EditHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    history_.SetPlaces(WorkFolder(), dir_.path() + "/CCTmp.bmp");
    history_.ResetHistory(true);
    ASSERT_EQ(history_.HistoryPos(), 1);
  }
  QString WorkFolder() const { return dir_.path() + "/TmpWork"; }

  // A gesture: the surface is recorded as it was, then changed to the next state.
  void Gesture(QImage& surface, int nextMark) {
    ASSERT_TRUE(history_.Record(surface));
    surface = State(nextMark);
  }

  QTemporaryDir dir_;
  EditHistory history_;
};

TEST_F(EditHistoryTest, WorkedSequenceOfTwoGesturesUndoneAndRedone) {
  QImage surface = State(0);
  Gesture(surface, 1);  // snapshot 1 = S0
  Gesture(surface, 2);  // snapshot 2 = S1
  EXPECT_EQ(history_.HistoryPos(), 3);
  EXPECT_TRUE(history_.HasUnsavedChanges());
  EXPECT_EQ(history_.SnapshotFile(2), WorkFolder() + "/Tmp2.bmp");

  EXPECT_EQ(history_.Undo(surface), Step::Loaded);
  EXPECT_EQ(surface, State(1));
  EXPECT_EQ(history_.HistoryPos(), 2);
  EXPECT_EQ(history_.Undo(surface), Step::Loaded);
  EXPECT_EQ(surface, State(0));
  EXPECT_EQ(history_.HistoryPos(), 1);
  EXPECT_EQ(history_.Undo(surface), Step::NothingBefore);
  EXPECT_EQ(history_.HistoryPos(), 1);

  EXPECT_EQ(history_.Redo(surface), Step::Loaded);
  EXPECT_EQ(surface, State(1));
  EXPECT_EQ(history_.HistoryPos(), 2);
  EXPECT_EQ(history_.Redo(surface), Step::NothingAfter) << "S2 was never written";
  EXPECT_EQ(surface, State(1));
  EXPECT_EQ(history_.HistoryPos(), 2);

  Gesture(surface, 7);  // overwrites snapshot 2
  EXPECT_EQ(history_.HistoryPos(), 3);
  EXPECT_EQ(history_.Undo(surface), Step::Loaded);
  EXPECT_EQ(surface, State(1));
}

TEST_F(EditHistoryTest, SnapshotsComeBackWithTheirOwnSizeAndFormat) {
  QImage surface = State(3, 731, 261);  // odd width: rows need padding in the file
  ASSERT_TRUE(history_.Record(surface));
  QImage rgb(5, 9, QImage::Format_RGB888);
  rgb.fill(qRgb(12, 200, 7));
  ASSERT_TRUE(history_.Record(rgb));

  QImage loaded;
  ASSERT_EQ(history_.Undo(loaded), Step::Loaded);
  EXPECT_EQ(loaded.size(), rgb.size());
  EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB888), rgb);
  ASSERT_EQ(history_.Undo(loaded), Step::Loaded);
  EXPECT_EQ(loaded, surface) << "an 8-bit fixed-palette snapshot must come back identical";
}

TEST_F(EditHistoryTest, RedoNeverReachesAnAbandonedBranch) {
  QImage surface = State(0);
  for (int mark = 1; mark <= 4; ++mark) Gesture(surface, mark);  // snapshots 1..4
  history_.Undo(surface);
  history_.Undo(surface);
  history_.Undo(surface);  // position 2, showing S1
  ASSERT_EQ(surface, State(1));

  Gesture(surface, 9);  // a new branch from S1: snapshot 2 = S1, position 3
  EXPECT_EQ(history_.Redo(surface), Step::NothingAfter);
  EXPECT_EQ(surface, State(9));
  EXPECT_FALSE(QFile::exists(history_.SnapshotFile(3)));
  EXPECT_FALSE(QFile::exists(history_.SnapshotFile(4)));
}

TEST_F(EditHistoryTest, RecordingAfterAFailedResetClearsSnapshotsOfAnEarlierRun) {
  for (int mark = 1; mark <= 3; ++mark) ASSERT_TRUE(history_.Record(State(mark)));  // 1..3
  // A start-up whose reset failed: position 0, the earlier run's files still there.
  EditHistory current;
  current.SetPlaces(WorkFolder(), QString());
  ASSERT_TRUE(current.Record(State(9)));  // snapshot 0
  EXPECT_EQ(current.HistoryPos(), 1);
  QImage surface = State(10);
  EXPECT_EQ(current.Redo(surface), Step::NothingAfter);
  EXPECT_FALSE(QFile::exists(current.SnapshotFile(2)));
  EXPECT_FALSE(QFile::exists(current.SnapshotFile(3)));
}

TEST_F(EditHistoryTest, UndoWithAMissingSnapshotStillMovesDown) {
  QImage surface = State(0);
  Gesture(surface, 1);
  Gesture(surface, 2);
  ASSERT_TRUE(QFile::remove(history_.SnapshotFile(2)));
  EXPECT_EQ(history_.Undo(surface), Step::Missing);
  EXPECT_EQ(surface, State(2)) << "the picture is left alone";
  EXPECT_EQ(history_.HistoryPos(), 2);
  EXPECT_EQ(history_.Undo(surface), Step::Loaded);
  EXPECT_EQ(surface, State(0));
}

TEST_F(EditHistoryTest, WorkFolderDeletedByHandBetweenGestures) {
  QImage surface = State(0);
  Gesture(surface, 1);
  ASSERT_TRUE(QDir(WorkFolder()).removeRecursively());
  Gesture(surface, 2);  // recreates the folder and writes snapshot 2
  EXPECT_EQ(history_.HistoryPos(), 3);
  EXPECT_EQ(history_.Undo(surface), Step::Loaded);
  EXPECT_EQ(surface, State(1));
  EXPECT_EQ(history_.Undo(surface), Step::Missing) << "snapshot 1 went with the folder";
}

TEST_F(EditHistoryTest, AFailedRecordLeavesThePositionAndTheEarlierSnapshotsAlone) {
  QImage surface = State(0);
  for (int mark = 1; mark <= 3; ++mark) Gesture(surface, mark);
  history_.Undo(surface);
  history_.Undo(surface);  // position 2, showing S1; snapshots 1..3 still there
  EXPECT_FALSE(history_.Record(QImage())) << "a picture that cannot be written";
  EXPECT_EQ(history_.HistoryPos(), 2);
  EXPECT_EQ(history_.Redo(surface), Step::Loaded);
  EXPECT_EQ(history_.Undo(surface), Step::Loaded);
  EXPECT_EQ(surface, State(1)) << "snapshot 2 survived the failed write";

  history_.SetPlaces(dir_.path() + "/no/such/TmpWork", QString());
  EXPECT_FALSE(history_.Record(State(0)));
  EXPECT_EQ(history_.HistoryPos(), 2);
}

TEST_F(EditHistoryTest, ResetRemovesTheBlockFileAndLeavesAnEmptyWorkFolder) {
  QImage surface = State(0);
  Gesture(surface, 1);
  Gesture(surface, 2);
  QFile block(dir_.path() + "/CCTmp.bmp");
  ASSERT_TRUE(block.open(QIODevice::WriteOnly));
  block.close();

  history_.ResetHistory(true);
  EXPECT_EQ(history_.HistoryPos(), 1);
  EXPECT_FALSE(block.exists());
  EXPECT_TRUE(QDir(WorkFolder()).isEmpty());
  EXPECT_EQ(history_.Undo(surface), Step::NothingBefore);

  history_.ResetHistory(false);  // closing the window
  EXPECT_FALSE(QFileInfo::exists(WorkFolder()));
}

TEST_F(EditHistoryTest, AFailedResetKeepsThePositionButStillRemovesTheBlockFile) {
  QImage surface = State(0);
  Gesture(surface, 1);
  // The work folder's place is taken by a file that the reset cannot turn into a folder.
  const QString blocked = dir_.path() + "/blocked";
  QFile file(blocked);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  QFile block(dir_.path() + "/CCTmp.bmp");
  ASSERT_TRUE(block.open(QIODevice::WriteOnly));
  block.close();

  history_.SetPlaces(blocked, block.fileName());
  history_.ResetHistory(true);
  EXPECT_EQ(history_.HistoryPos(), 2);
  EXPECT_FALSE(block.exists());
}

}  // namespace
}  // namespace scoreink
