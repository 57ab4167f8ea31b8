// Keeping a second copy of the program away from a work folder in use.
#include "platform/files/work_folder_lock.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

namespace scoreink {
namespace {

TEST(WorkFolderLockTest, ASecondCopyIsRefusedUntilTheFirstReleases) {
  QTemporaryDir dir;
  const QString data = dir.path() + "/";
  WorkFolderLock first(data);
  ASSERT_TRUE(first.TryLock());
  EXPECT_TRUE(first.IsLocked());
  EXPECT_TRUE(QFile::exists(data + "TmpWork.lock"));

  WorkFolderLock second(data);
  EXPECT_FALSE(second.TryLock());
  EXPECT_FALSE(second.IsLocked());

  first.Unlock();
  EXPECT_FALSE(first.IsLocked());
  EXPECT_TRUE(second.TryLock());
}

TEST(WorkFolderLockTest, ALockLeftByAProcessThatHasEndedIsTakenOver) {
  QTemporaryDir dir;
  const QString data = dir.path() + "/";
  QProcess gone;
  gone.start("true", {});
  ASSERT_TRUE(gone.waitForStarted());
  const qint64 pid = gone.processId();
  ASSERT_TRUE(gone.waitForFinished());

  QFile stale(data + "TmpWork.lock");
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write(QByteArray::number(pid) + "\nscoreink\n" + QSysInfo::machineHostName().toUtf8() +
              "\n");
  stale.close();

  WorkFolderLock lock(data);
  EXPECT_TRUE(lock.TryLock());
}

TEST(WorkFolderLockTest, ALockWhoseProcessIdNowBelongsToAnotherProgramIsTakenOver) {
  QTemporaryDir dir;
  const QString data = dir.path() + "/";
  QProcess other;
  other.start("sleep", {"30"});
  ASSERT_TRUE(other.waitForStarted());
  // Written as Qt sees a lock when it cannot look at the process closely (another user's):
  // the program named in the lock is the one running under that id.
  QFile stale(data + "TmpWork.lock");
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write(QByteArray::number(other.processId()) + "\nsleep\n" +
              QSysInfo::machineHostName().toUtf8() + "\n");
  stale.close();

  WorkFolderLock lock(data);
  EXPECT_TRUE(lock.TryLock());
  other.kill();
  other.waitForFinished();
}

// A lock left by a crash whose process id now belongs to another copy of the program, one
// started from another folder that holds its own lock there (here: this very process). Nobody
// holds this lock, so it is taken over.
TEST(WorkFolderLockTest, ALockWhoseProcessIdNowBelongsToACopyOfAnotherFolderIsTakenOver) {
  QTemporaryDir otherFolder, dir;
  WorkFolderLock others(otherFolder.path() + "/");
  ASSERT_TRUE(others.TryLock());
  const QString data = dir.path() + "/";
  QFile stale(data + "TmpWork.lock");
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  const QString ownName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  stale.write(QByteArray::number(QCoreApplication::applicationPid()) + "\n" + ownName.toUtf8() +
              "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  stale.close();

  WorkFolderLock lock(data);
  EXPECT_TRUE(lock.TryLock());
  EXPECT_TRUE(others.IsLocked());
  WorkFolderLock third(data);
  EXPECT_FALSE(third.TryLock()) << "the lock taken over is held";
}

TEST(WorkFolderLockTest, ALockThatCannotBeMadeIsNotTakenForAnotherCopy) {
  QTemporaryDir dir;
  WorkFolderLock lock(dir.filePath("missing") + "/");
  EXPECT_FALSE(lock.TryLock());
  EXPECT_FALSE(lock.HeldByAnotherCopy());
  EXPECT_TRUE(lock.Problem().contains(dir.filePath("missing"))) << lock.Problem().toStdString();
}

}  // namespace
}  // namespace scoreink
