// Esc and Enter in the two file dialogs are their Cancel and OK; Enter does nothing while OK
// is disabled, and Delete never deletes in the score file dialog.
#include <gtest/gtest.h>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include "dialogs/file_list_box.h"
#include "habits_test_support.h"
#include "harness/desktop_input.h"
#include "harness/import_dialog_harness.h"
#include "harness/score_file_dialog_driver.h"
#include "harness/score_window_harness.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

TEST(DialogShortcuts, ScoreFileDialogEnterIsOkEscIsCancelDeleteDoesNothing) {
  QTemporaryDir folder;
  WritePictureFile(folder.filePath("a.bmp"), MarkedPicture(300, 400));
  ScoreWindowHarness ui;
  const QImage score = ui.Score().copy();

  {
    ScoreFileDialogDriver dialog(ui);
    dialog.ChooseFolder(folder.path());
    PressKeys(dialog.Dialog(), "Return");  // OK is still disabled
    ASSERT_TRUE(dialog.IsOpen());
    ASSERT_TRUE(dialog.ClickFile("a.bmp"));
    PressKeys(dialog.Dialog(), "Esc");
    FinishDeferredDeletes();
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(ui.Score(), score) << "Cancel brought the score back";
  }
  {
    ScoreFileDialogDriver dialog(ui);
    dialog.ChooseFolder(folder.path());
    dialog.Click("RadioButton1");  // delete mode: a click deletes, a key does not
    auto* files = dialog.Dialog()->Control<FileListBox>("FileListBox1");
    files->setFocus();
    files->setCurrentRow(0);
    PressKeys(dialog.Dialog(), "Del");
    EXPECT_TRUE(QFile::exists(folder.filePath("a.bmp")));
    dialog.Click("RadioButton0");
    ASSERT_TRUE(dialog.ClickFile("a.bmp"));
    PressKeys(dialog.Dialog(), "Enter");
    FinishDeferredDeletes();
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(CurrentScoreFile, folder.filePath("a.bmp")) << "OK made the pick the score";
  }
}

TEST(DialogShortcuts, ImportDialogEnterIsOkEscIsCancel) {
  QImage picture(120, 120, QImage::Format_RGB888);
  picture.fill(Qt::white);
  ImportDialogHarness im;
  im.PutPicture("shape.bmp", picture);
  im.Open();
  PressKeys(&im.Dialog(), "Return");  // OK is still disabled
  ASSERT_TRUE(im.IsOpen());
  PressKeys(&im.Dialog(), "Esc");
  FinishDeferredDeletes();
  EXPECT_FALSE(im.IsOpen());
  EXPECT_FALSE(im.Editor().Control<ImageControl>("ImgBK")->HasPicture());

  im.Open();
  im.Pick("shape.bmp");
  PressKeys(&im.Dialog(), "Return");
  FinishDeferredDeletes();
  EXPECT_FALSE(im.IsOpen());
  EXPECT_TRUE(im.Editor().Control<ImageControl>("ImgBK")->HasPicture()) << "OK kept the import";
}

}  // namespace
}  // namespace scoreink::test
