// An installed copy keeps its files in the per-user data folder; a copy in a build folder keeps
// them beside itself.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/files/install_layout.h"
#include "platform/files/work_files.h"

namespace scoreink::test {
namespace {

TEST(InstalledCopy, KeepsItsFilesInTheUsersDataFolder) {
  QStandardPaths::setTestModeEnabled(true);  // the data folder under ~/.qttest
  QTemporaryDir prefix;
  const QString bin = prefix.filePath("bin") + "/";
  ASSERT_TRUE(QDir().mkpath(bin));
  ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/applications")));
  EXPECT_FALSE(IsInstalledCopy(bin)) << "a bin/ folder alone is no install";
  EXPECT_EQ(ResolveWorkPlaces(bin).dataFolder, bin);

  QFile entry(prefix.filePath("share/applications/org.scoreink.ScoreInk.desktop"));
  ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
  entry.close();
  EXPECT_TRUE(IsInstalledCopy(bin));
  const WorkPlaces places = ResolveWorkPlaces(bin);
  EXPECT_NE(places.dataFolder, bin) << "even though bin/ can be written";
  EXPECT_TRUE(places.dataFolder.startsWith(
      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)));
  EXPECT_EQ(places.DefaultPictureFolder(), QDir::homePath());
  EXPECT_FALSE(QFile::exists(bin + "TmpWork"));
}

}  // namespace
}  // namespace scoreink::test
