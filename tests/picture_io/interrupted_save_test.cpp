// Saves that were cut off: a file rewritten in place gets its old bytes back at the next start
// unless the rewrite completed, and a new save of a file clears what killed saves of that same
// file left beside it, and nothing else.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/picture_io.h"
#include "platform/rewrite_keeper.h"

namespace scoreink {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

TEST(InterruptedRewrite, TheNextStartPutsBackOnlyWhatDidNotComplete) {
  QTemporaryDir dir;
  SetRewriteKeepFolder(dir.filePath("Rewrites"));
  const QByteArray old = QByteArray(5000, 'o'), fresh = QByteArray(6000, 'n');
  struct Case {
    const char* name;
    QByteArray leftInTarget;  // what the killed rewrite left
    bool putBack;
  };
  const Case cases[] = {
      {"cut off after the header", fresh.left(100), true},
      {"new rows then zeros", fresh.left(3000) + QByteArray(2000, '\0'), true},
      {"complete", fresh, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString target = dir.filePath("score.bmp");
    ASSERT_TRUE(Write(target, old));
    KeptOriginal kept;
    ASSERT_TRUE(kept.Keep(target, fresh));
    ASSERT_TRUE(Write(target, c.leftInTarget));  // and then the process was killed
    const QStringList restored = RestoreInterruptedRewrites();
    EXPECT_EQ(restored, c.putBack ? QStringList{target} : QStringList{});
    EXPECT_EQ(ReadAll(target), c.putBack ? old : fresh);
    EXPECT_TRUE(QDir(dir.filePath("Rewrites")).isEmpty()) << "no copy stays behind";
  }
  SetRewriteKeepFolder(QString());
}

TEST(InterruptedSave, ANewSaveRemovesTheLeftoversOfThatFileOnly) {
  QTemporaryDir dir;
  const QStringList leftovers = {".x.bmp.0123abcd", ".x.bmp.fedcba98"};
  const QStringList others = {".x.bmp.0123abcz", ".x.bmp.0123abc", ".y.bmp.0123abcd",
                              "x.bmp.0123abcd", ".x.bmp.0123abcd.keep"};
  for (const QString& name : leftovers + others) ASSERT_TRUE(Write(dir.filePath(name), "left"));
  QImage picture(8, 8, QImage::Format_RGB888);
  picture.fill(Qt::white);
  ASSERT_TRUE(SaveBmp(picture, dir.filePath("x.bmp")).ok());
  for (const QString& name : leftovers)
    EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name.toStdString();
  for (const QString& name : others)
    EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name.toStdString();
}

}  // namespace
}  // namespace scoreink
