// A program folder that cannot be written: the symbols and the remembered folder beside the
// program are still read, those in the user's own data folder win slot by slot, and new
// symbols go to the user's folder.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "harness/scoped_data_home.h"
#include "harness/scratch_mount.h"
#include "harness/symbol_editor_harness.h"
#include "platform/files/work_files.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"
#include "store_test_support.h"

namespace scoreink::test {
namespace {

TEST(ReadOnlyInstall, WhatLiesBesideTheProgramIsReadAndTheUsersOwnWins) {
  QTemporaryDir dataHome, remembered;
  ScopedDataHome home(dataHome.path());
  std::unique_ptr<ProtectedFolder> exe;
  QString userStore;
  WindowOptions options;
  options.prepare = [&](TempExecutableFolder& folder) {
    exe = std::make_unique<ProtectedFolder>(folder.Path().chopped(1));
    ASSERT_TRUE(exe->usable());
    PutSlotFile(folder.File("OpPIX"), 1, DiagonalSymbol(6, 6));
    PutSlotFile(folder.File("OpPIX"), 2, DiagonalSymbol(6, 6));
    ASSERT_TRUE(RememberPictureFolder(folder.File("PixDir.txt"), remembered.path()));
    userStore = ResolveWorkPlaces(folder.Path()).userFolder + "OpPIX";
    PutSlotFile(userStore, 2, DiagonalSymbol(9, 9));
    ASSERT_TRUE(exe->Protect());
  };
  SymbolEditorHarness ed(options);
  auto slot = [&](int n) { return ed.Score().Find<ImageControl>(SymbolSlotImageName(n)); };
  EXPECT_EQ(slot(1)->Picture().size(), QSize(6, 6));
  EXPECT_EQ(slot(2)->Picture().size(), QSize(9, 9));
  EXPECT_FALSE(slot(3)->HasPicture());
  EXPECT_EQ(PictureFolder, remembered.path());

  ed.DragOnDrawing(ed.DrawingPoint({3, 5}), ed.DrawingPoint({20, 12}));
  ed.Click("Btn13");
  EXPECT_TRUE(ed.Dialogs().Boxes().empty());
  EXPECT_TRUE(slot(3)->HasPicture());
  EXPECT_EQ(Entries(userStore), QStringList({"2.bmp", "3.bmp"}));
  EXPECT_EQ(Entries(ed.Score().Folder().File("OpPIX")), QStringList({"1.bmp", "2.bmp"}));
  ed.Score().Close();
  exe.reset();
}

}  // namespace
}  // namespace scoreink::test
