// The recovery copy: whatever the history went through (gestures, undos, redos, a picture of
// another size, a reset), the log left behind gives the picture the user saw at the end, with
// whatever floated stamped where it floated; a folder that cannot take it is left for the next
// one, and a copy that no folder takes is told once and catches up when space comes back.
#include "platform/history/recovery_log.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "harness/scratch_mount.h"
#include "platform/history/edit_history.h"
#include "platform/raster/palette.h"

namespace scoreink {
namespace {

QImage Page(int width, int height) {
  QImage image(width, height, QImage::Format_Indexed8);
  image.setColorTable(FixedPalette());
  image.fill(kWhiteIndex);
  return image;
}

void Paint(EditHistory& history, QImage& picture, const QRect& rect, int index) {
  history.WillChange(picture);
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) picture.setPixel(x, y, uint(index));
  history.Changed(picture, rect);
}

// The score as a window shows it: a picture and, maybe, black ink floating over it.
struct Shown : ShownScore {
  QImage picture;
  QImage ink;  // null: nothing floats
  QPoint at;

  const QImage* EditedPicture() const override { return &picture; }
  QRect FloatingRect() const override { return ink.isNull() ? QRect() : QRect(at, ink.size()); }
  void StampFloating(QImage& part, QPoint origin) const override {
    for (int y = 0; y < ink.height(); ++y)
      for (int x = 0; x < ink.width(); ++x)
        if (ink.pixelIndex(x, y) == kBlackIndex && part.rect().contains(at - origin + QPoint(x, y)))
          part.setPixel(at - origin + QPoint(x, y), kBlackIndex);
  }
  QImage Stamped() const {
    Shown flat = *this;
    flat.picture = picture.copy();
    flat.StampFloating(flat.picture, QPoint(0, 0));
    return flat.picture;
  }
};

class RecoveryCopy : public ::testing::Test {
 protected:
  void Start(const QStringList& folders, const QImage& picture) {
    history_.SetPlaces(dir_.filePath("TmpWork"), dir_.filePath("CCTmp.bmp"));
    history_.ResetHistory(true);
    shown_.picture = picture;
    history_.Adopt(shown_.picture);
    history_.ShowsScore("/scores/a.bmp", true);
    history_.StartRecovery(folders, shown_, false);
  }
  // What the next start would offer, once the writer has caught up.
  std::optional<RecoveryLog::Found> Offered(const QStringList& folders) {
    history_.Checkpoint();
    if (history_.Recovery()) history_.Recovery()->Flush();
    return RecoveryLog::ReadNewest(folders);
  }
  void TearDown() override { history_.StopRecovery(); }

  QTemporaryDir dir_;
  EditHistory history_;
  Shown shown_;
};

TEST_F(RecoveryCopy, GivesBackThePictureAfterAnyRandomSession) {
  const QStringList folders{dir_.filePath("Recovery")};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    Start(folders, Page(300, 200));
    QImage& picture = shown_.picture;
    for (int i = 0; i < 60; ++i) {
      const int what = pick(11);
      shown_.ink = QImage();
      if (what < 6) {
        history_.Record(picture);
        const QRect rect =
            QRect(pick(300), pick(200), 1 + pick(80), 1 + pick(40)).intersected(picture.rect());
        Paint(history_, picture, rect, pick(256));
      } else if (what == 6) {  // a gesture that gives the picture another size
        history_.Record(picture);
        picture = Page(100 + pick(200), 100 + pick(100));
        history_.Record(picture);
      } else if (what == 7) {
        history_.ResetHistory(true);  // a save or a visit to the editor: the log goes on
      } else if (what == 8) {
        history_.Undo(picture);
      } else if (what == 9) {
        history_.Redo(picture);
      } else {  // something floats, partly off the picture
        shown_.ink = Page(1 + pick(90), 1 + pick(90));
        for (int y = 0; y < shown_.ink.height(); ++y)
          for (int x = 0; x < shown_.ink.width(); ++x) shown_.ink.setPixel(x, y, uint(pick(2)));
        shown_.at = QPoint(pick(picture.width()) - 20, pick(picture.height()) - 20);
      }
      const auto found = Offered(folders);
      ASSERT_TRUE(found);
      ASSERT_EQ(found->picture, shown_.Stamped()) << "step " << i;
      EXPECT_EQ(found->scoreFile, "/scores/a.bmp");
    }
    history_.StopRecovery();
  }
}

TEST_F(RecoveryCopy, OffersNothingOnceSavedAndStopsBeforeAPatchCutOff) {
  const QString folder = dir_.filePath("Recovery");
  Start({folder}, Page(200, 200));
  QImage& picture = shown_.picture;
  history_.Record(picture);
  Paint(history_, picture, QRect(0, 0, 10, 10), kBlackIndex);
  const QImage first = picture.copy();
  history_.Record(picture);  // patch 1
  Paint(history_, picture, QRect(100, 100, 10, 10), kBlackIndex);
  history_.Record(picture);  // patch 2
  ASSERT_EQ(Offered({folder})->picture, picture);

  const QStringList patches = QDir(folder).entryList({"Patch-*-2.dat"});
  ASSERT_EQ(patches.size(), 1);
  QFile two(folder + '/' + patches[0]);
  ASSERT_TRUE(QFile::copy(two.fileName(), folder + "/whole"));
  ASSERT_TRUE(two.remove() && QFile::copy(folder + "/whole", two.fileName()));
  ASSERT_TRUE(two.resize(two.size() - 3));
  EXPECT_EQ(RecoveryLog::Read(folder)->picture, first) << "never a mixture";

  history_.ShowsScore(QString(), false);
  history_.ResetHistory(true);
  EXPECT_FALSE(Offered({folder})) << "saved: nothing to offer";
  history_.StopRecovery();
  EXPECT_FALSE(QFileInfo::exists(folder));
}

// The symbol editor draws into the same history: meanwhile the copy keeps the score, and it
// follows the score again once the editor is left.
TEST_F(RecoveryCopy, AnEditorVisitPausesTheCopyAndResumesItFromTheScore) {
  const QStringList folders{dir_.filePath("Recovery")};
  Start(folders, Page(300, 200));
  history_.Record(shown_.picture);
  Paint(history_, shown_.picture, QRect(10, 10, 30, 30), kBlackIndex);
  const QImage score = shown_.picture.copy();
  ASSERT_EQ(Offered(folders)->picture, score);

  history_.PauseRecovery(true);
  history_.ResetHistory(true);
  QImage drawing = Page(30, 30);
  history_.Adopt(drawing);
  history_.Record(drawing);
  Paint(history_, drawing, QRect(0, 0, 5, 5), kBlackIndex);
  history_.Record(drawing);
  EXPECT_EQ(Offered(folders)->picture, score) << "the editor's drawing stays out";

  history_.ResetHistory(true);
  history_.PauseRecovery(false);
  EXPECT_EQ(Offered(folders)->picture, score);
  history_.Record(shown_.picture);
  Paint(history_, shown_.picture, QRect(100, 100, 5, 5), kBlackIndex);
  EXPECT_EQ(Offered(folders)->picture, shown_.picture) << "the score's edits are kept again";
}

// A plain file, or a folder on a full disk, in the copy's place: the copy goes to the next
// folder; when none takes it the user is told once, and the copy catches up once space is
// freed.
TEST_F(RecoveryCopy, MovesOnFromAFolderThatRefusesItAndCatchesUpWhenSpaceComesBack) {
  test::ScratchMount disk("size=512k");
  if (!disk.mounted()) GTEST_SKIP() << "needs root to mount a small disk";
  const QString blocked = dir_.filePath("Recovery");
  QFile plain(blocked);
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  const QStringList folders{blocked, disk.path() + "/Recovery"};

  Start(folders, Page(300, 200));
  history_.SetRecoveryTimes(0, 0);
  history_.Record(shown_.picture);
  Paint(history_, shown_.picture, QRect(10, 10, 20, 20), kBlackIndex);
  auto found = Offered(folders);
  ASSERT_TRUE(found) << "moved on to the second folder";
  EXPECT_EQ(found->picture, shown_.picture);
  EXPECT_FALSE(history_.TakeRecoveryTrouble());
  EXPECT_TRUE(QFileInfo(blocked).isFile()) << "the plain file is not the copy's to remove";

  // The disk fills up: the next changes cannot be written anywhere.
  QFile filler(disk.path() + "/filler");
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  const QByteArray chunk(4096, 'x');
  while (filler.write(chunk) == chunk.size()) {
  }
  filler.close();
  for (int n = 0; n < 3; ++n) {
    history_.Record(shown_.picture);
    Paint(history_, shown_.picture, QRect(20 * n, 100, 50, 50), n + 1);
    Offered(folders);
  }
  const auto trouble = history_.TakeRecoveryTrouble();
  ASSERT_TRUE(trouble) << "told";
  EXPECT_FALSE(trouble->reason.isEmpty());
  EXPECT_TRUE(trouble->goodUntil.isValid());
  Paint(history_, shown_.picture, QRect(0, 150, 50, 50), kBlackIndex);
  Offered(folders);
  EXPECT_FALSE(history_.TakeRecoveryTrouble()) << "once";

  // Space comes back: the copy catches up with a new base, every change since included.
  ASSERT_TRUE(filler.remove());
  history_.Record(shown_.picture);
  Paint(history_, shown_.picture, QRect(250, 10, 5, 5), kBlackIndex);
  Offered(folders);
  found = Offered(folders);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->picture, shown_.picture);
}

}  // namespace
}  // namespace scoreink
