// The recovery copy: whatever the history went through (gestures, undos, redos, a picture of
// another size, a reset), the log left behind gives the picture as it was at the end.
#include "platform/recovery_log.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "platform/edit_history.h"
#include "platform/palette.h"

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

TEST(RecoveryLog, GivesBackThePictureAfterAnyRandomSession) {
  QTemporaryDir dir;
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    EditHistory history;
    history.SetPlaces(dir.filePath("TmpWork"), dir.filePath("CCTmp.bmp"));
    history.ResetHistory(true);
    RecoveryLog log(dir.filePath("Recovery"));
    log.Clear();
    history.SetRecoveryLog(&log);
    QImage picture = Page(300, 200);
    history.Adopt(picture);
    log.SetSession("/scores/a.bmp", true);
    for (int i = 0; i < 60; ++i) {
      const int what = pick(10);
      if (what < 6) {
        history.Record(picture);
        const QRect rect =
            QRect(pick(300), pick(200), 1 + pick(80), 1 + pick(40)).intersected(picture.rect());
        Paint(history, picture, rect, pick(256));
      } else if (what == 6) {  // a gesture that gives the picture another size
        history.Record(picture);
        picture = Page(100 + pick(200), 100 + pick(100));
        history.Record(picture);
      } else if (what == 7) {
        history.ResetHistory(true);  // a save or a visit to the editor: the log goes on
      } else if (what == 8) {
        history.Undo(picture);
      } else {
        history.Redo(picture);
      }
      history.Checkpoint(picture);  // the window's timer: the gesture under way written down
      log.Flush();
      const auto found = RecoveryLog::Read(dir.filePath("Recovery"));
      ASSERT_TRUE(found);
      ASSERT_EQ(found->picture, picture) << "step " << i;
      EXPECT_EQ(found->scoreFile, "/scores/a.bmp");
    }
    history.SetRecoveryLog(nullptr);
  }
}

TEST(RecoveryLog, OffersNothingOnceSavedAndStopsBeforeAPatchCutOff) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("Recovery");
  EditHistory history;
  history.SetPlaces(dir.filePath("TmpWork"), QString());
  history.ResetHistory(true);
  RecoveryLog log(folder);
  history.SetRecoveryLog(&log);
  QImage picture = Page(200, 200);
  history.Adopt(picture);
  history.Record(picture);
  Paint(history, picture, QRect(0, 0, 10, 10), kBlackIndex);
  const QImage first = picture.copy();
  history.Record(picture);  // patch 1
  Paint(history, picture, QRect(100, 100, 10, 10), kBlackIndex);
  history.Record(picture);  // patch 2
  log.SetSession(QString(), true);
  log.Flush();
  ASSERT_EQ(RecoveryLog::Read(folder)->picture, picture);

  QFile two(folder + "/Patch2.dat");
  ASSERT_TRUE(QFile::copy(two.fileName(), folder + "/whole"));
  ASSERT_TRUE(two.remove() && QFile::copy(folder + "/whole", two.fileName()));
  ASSERT_TRUE(two.resize(two.size() - 3));
  EXPECT_EQ(RecoveryLog::Read(folder)->picture, first) << "never a mixture";

  log.SetSession(QString(), false);
  log.Flush();
  EXPECT_FALSE(RecoveryLog::Read(folder)) << "saved: nothing to offer";
  log.Clear();
  EXPECT_FALSE(QFileInfo::exists(folder));
  history.SetRecoveryLog(nullptr);
}

}  // namespace
}  // namespace scoreink
