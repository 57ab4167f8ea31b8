// Saves that were cut off: a file rewritten in place gets its old bytes back at the next start
// unless the rewrite completed, and the new files of killed saves are removed at the next start
// or by a new save of that same file, and nothing else.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/replacing_file_write.h"
#include "platform/picture_files/rewrite_keeper.h"
#include "platform/picture_files/save_notes.h"

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

// A save killed after it made its new file beside the score leaves that file; the next start
// removes it, knowing its name from the save's own note, and nothing else: not a stranger's
// file that looks the same, nor the new file of a save running meanwhile in another copy.
TEST(InterruptedSave, TheNextStartRemovesTheLeftoversOfKilledSavesOnly) {
  QTemporaryDir dir;
  SetRewriteKeepFolder(dir.filePath("Rewrites"));
  const QString target = dir.filePath("x.bmp");
  ASSERT_TRUE(Write(target, "old"));
  const auto killedWhileWriting = [](QIODevice& out) {
    out.write("half a picture");
    std::raise(SIGKILL);
    return QString();
  };
  EXPECT_EXIT(WriteReplacingFile(target, killedWhileWriting), ::testing::KilledBySignal(SIGKILL),
              "");
  const QDir folder(dir.path());
  const QStringList left = folder.entryList({".x.bmp.*"}, QDir::Files | QDir::Hidden);
  ASSERT_EQ(left.size(), 1) << "the killed save left its new file";
  const QStringList strangers = {".x.bmp.0123abcd", ".z.bmp.89abcdef"};
  for (const QString& name : strangers) ASSERT_TRUE(Write(folder.filePath(name), "theirs"));

  const QString saved = WriteReplacingFile(dir.filePath("y.bmp"), [](QIODevice& out) {
    RemoveLeftoversOfInterruptedSaves();  // the next start, while this save runs
    return out.write("new") == 3 ? QString() : QStringLiteral("short write");
  });

  EXPECT_EQ(saved, QString());
  EXPECT_EQ(ReadAll(dir.filePath("y.bmp")), "new");
  EXPECT_FALSE(folder.exists(left.first()));
  for (const QString& name : strangers) EXPECT_TRUE(folder.exists(name)) << name.toStdString();
  EXPECT_TRUE(QDir(dir.filePath("Rewrites")).isEmpty()) << "no note stays behind";
  SetRewriteKeepFolder(QString());
}

}  // namespace
}  // namespace scoreink
