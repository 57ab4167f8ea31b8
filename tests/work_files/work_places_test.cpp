// Where the work files live: beside the executable, or in the per-user data folder when the
// executable's folder cannot be written.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "harness/scoped_data_home.h"
#include "harness/scratch_mount.h"
#include "platform/files/executable_folder.h"
#include "platform/files/work_files.h"
#include "platform/history/edit_history.h"

namespace scoreink {
namespace {

using test::ScopedDataHome;

TEST(WorkPlacesTest, AWritableExecutableFolderHoldsEverything) {
  QTemporaryDir exe;
  const WorkPlaces places = ResolveWorkPlaces(exe.path() + "/");
  EXPECT_EQ(places.exeFolder, exe.path() + "/");
  EXPECT_EQ(places.dataFolder, exe.path() + "/");
  EXPECT_EQ(places.WorkFolder(), exe.path() + "/TmpWork");
  EXPECT_EQ(places.BlockFile(), exe.path() + "/CCTmp.bmp");
  EXPECT_EQ(places.PixDirFile(), exe.path() + "/PixDir.txt");
  EXPECT_EQ(places.SymbolFolder(), exe.path() + "/OpPIX");
  EXPECT_EQ(places.DefaultPictureFolder(), exe.path());
  EXPECT_TRUE(QDir(exe.path()).isEmpty()) << "the probe file is removed again";
}

TEST(WorkPlacesTest, AReadOnlyExecutableFolderMovesTheWorkFilesToTheUserDataFolder) {
  QTemporaryDir exe, dataHome;
  test::ProtectedFolder readOnly(exe.path());
  if (!readOnly.usable() || !readOnly.Protect())
    GTEST_SKIP() << "cannot make a read-only folder here";
  ScopedDataHome home(dataHome.path());
  const QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  ASSERT_TRUE(base.startsWith(dataHome.path() + "/"));

  const WorkPlaces places = ResolveWorkPlaces(exe.path() + "/");
  EXPECT_EQ(places.exeFolder, exe.path() + "/");
  EXPECT_EQ(places.dataFolder, places.userFolder);
  // A folder of this install's own: two installs never share a work folder or its lock.
  EXPECT_EQ(QFileInfo(places.userFolder.chopped(1)).absolutePath(), base);
  QTemporaryDir otherExe;
  EXPECT_NE(ResolveWorkPlaces(otherExe.path() + "/").userFolder, places.userFolder);
  EXPECT_TRUE(QFileInfo(places.dataFolder).isDir()) << "the data folder is created";
  EXPECT_EQ(places.WorkFolder(), places.dataFolder + "TmpWork");
  EXPECT_EQ(places.PixDirFile(), places.dataFolder + "PixDir.txt");
  EXPECT_EQ(places.DefaultPictureFolder(), QDir::homePath());
  // What lies beside the executable is read too, the user's own first.
  EXPECT_EQ(places.SymbolFolders(),
            QStringList({places.dataFolder + "OpPIX", exe.path() + "/OpPIX"}));

  // The whole start-up sequence works there.
  EXPECT_TRUE(ResetWorkFolder(places.WorkFolder(), true));
  EXPECT_EQ(
      LoadPictureFolder(places.PixDirFiles(), places.PixDirFile(), places.DefaultPictureFolder()),
      QDir::homePath());
  EditHistory history;
  history.SetPlaces(places.WorkFolder(), places.BlockFile());
  history.ResetHistory(true);
  QImage picture(4, 4, QImage::Format_RGB888);
  picture.fill(Qt::white);
  history.Adopt(picture);
  history.Record(picture);
  picture.setPixel(0, 0, qRgb(0, 0, 0));
  history.Record(picture);
  EXPECT_TRUE(QFileInfo(history.SnapshotFile(1)).isFile());
}

TEST(WorkPlacesTest, AFileNamedTmpWorkBesideTheProgramMovesTheWorkFilesToTheUserDataFolder) {
  QTemporaryDir exe, dataHome;
  ScopedDataHome home(dataHome.path());
  QFile blocker(exe.filePath("TmpWork"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const WorkPlaces places = ResolveWorkPlaces(exe.path() + "/");
  EXPECT_EQ(places.dataFolder, places.userFolder);
  EXPECT_TRUE(ResetWorkFolder(places.WorkFolder(), true));
  EXPECT_TRUE(QFileInfo(exe.filePath("TmpWork")).isFile()) << "what lies there is left alone";
}

TEST(WorkPlacesTest, TheRememberedFolderOfTheUserWinsAndLivesOnWhereItIsWritten) {
  QTemporaryDir exe, user, first, second;
  const QString besideExe = exe.filePath("PixDir.txt"), ofUser = user.filePath("PixDir.txt");
  const QStringList order{ofUser, besideExe};
  ASSERT_TRUE(RememberPictureFolder(besideExe, first.path()));
  // Only beside the executable: read there.
  EXPECT_EQ(LoadPictureFolder(order, ofUser, QDir::homePath()), first.path());
  EXPECT_EQ(LoadPictureFolder(QStringList{ofUser}, ofUser, QDir::homePath()), first.path())
      << "and kept in the file written from now on";
  // Written while the executable's folder was read-only, read once it is writable again: the
  // user's wins, and moves beside the executable so that later saves are not hidden by it.
  ASSERT_TRUE(RememberPictureFolder(ofUser, second.path()));
  EXPECT_EQ(LoadPictureFolder(order, besideExe, QDir::homePath()), second.path());
  EXPECT_FALSE(QFile::exists(ofUser));
  EXPECT_EQ(LoadPictureFolder(order, besideExe, QDir::homePath()), second.path());
}

TEST(ExecutableFolderTest, EndsWithASlashAndHonoursTheOverride) {
  EXPECT_TRUE(ExecutableFolder().endsWith('/'));
  EXPECT_EQ(ExecutableFolder(), QCoreApplication::applicationDirPath() + "/");
  SetExecutableFolderOverride("/tmp/scoreink-test/");
  EXPECT_EQ(ExecutableFolder(), "/tmp/scoreink-test/");
  SetExecutableFolderOverride("/tmp/no-slash");
  EXPECT_EQ(ExecutableFolder(), "/tmp/no-slash/");
  SetExecutableFolderOverride(QString());
  EXPECT_EQ(ExecutableFolder(), QCoreApplication::applicationDirPath() + "/");
}

}  // namespace
}  // namespace scoreink
