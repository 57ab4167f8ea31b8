// The image import dialog as the user sees it when "OpenFile" opens it, how it sits over the
// symbol editor, and how it goes: one at a time, with the editor, and by the window system.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dialogs/file_list_box.h"
#include "harness/control_table_checks.h"
#include "harness/import_dialog_harness.h"
#include "harness/item_views.h"
#include "import_test_pictures.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

const ExpectedControl kRows[] = {
    {"Label1", "QLabel", "Form4", {4, 4, 435, 13}, nullptr, kShown},
    {"ShellTreeView1", "scoreink::FolderTree", "Form4", {4, 18, 285, 393}, nullptr, kShown},
    {"FileListBox1", "scoreink::FileListBox", "Form4", {289, 18, 150, 393}, nullptr, kShown},
    {"Image1", "scoreink::ImageControl", "Form4", {4, 424, 70, 105}, nullptr, kShown},
    {"TBL2", "QLabel", "Form4", {90, 432, 164, 12}, "白黒塗り分け時の明度基準変更", kHiddenState},
    {"TBL1", "QLabel", "Form4", {90, 456, 20, 12}, "60", kHiddenState},
    {"TBL0", "QLabel", "Form4", {112, 456, 140, 12}, "", kHiddenState},
    {"TBB0", "QPushButton", "Form4", {140, 450, 20, 25}, "", kHiddenState},
    {"Button1", "QPushButton", "Form4", {360, 450, 75, 25}, "OK", kDisabledState},
    {"Button2", "QPushButton", "Form4", {272, 450, 75, 25}, "Cancel", kShown},
};

QColor Background(const QWidget* w) {
  return w->palette().color(w->backgroundRole());
}

TEST(ImportDialogWindow, OpensOverTheEditorWithEveryControlOfItsDesign) {
  ImportDialogHarness im;
  im.PutPicture("b.bmp", PaperDrawing());
  im.PutPicture("a.jpg", PaperDrawing());
  im.PutBytes("notes.txt", "not a picture");
  im.Open();
  TForm4& dialog = im.Dialog();

  ExpectControls(im.Driver(), kRows);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(Background(&dialog), QColor(0, 0, 128));
  EXPECT_EQ(dialog.geometry(), QRect(WorkAreaWidth - 442, 0, 442, 543));
  EXPECT_EQ(Background(dialog.Control<QLabel>("Label1")), QColor(255, 255, 255));
  EXPECT_EQ(dialog.Control<QLabel>("TBL2")->palette().color(QPalette::WindowText),
            QColor(255, 255, 255));
  EXPECT_EQ(Background(dialog.Control<QLabel>("TBL0")), QColor(255, 255, 255));

  EXPECT_EQ(dialog.Control<QLabel>("Label1")->text(), im.Pictures());
  EXPECT_EQ(ListedNames(dialog.Control<FileListBox>("FileListBox1")),
            QStringList({"a.jpg", "b.bmp"}));
  EXPECT_TRUE(im.Editor().ImportOpen());
  EXPECT_FALSE(im.ImportView()->isEnabled()) << "no mouse input on the import area";
  EXPECT_FALSE(dialog.KnobHeld());
}

TEST(ImportDialogWindow, OneDialogAtATimeASecondOpenFileBringsItToTheFront) {
  ImportDialogHarness im;
  im.PutPicture("b.bmp", PaperDrawing());
  im.Open();
  im.Pick("b.bmp");
  const QImage shown = im.ImportView()->Picture();

  im.EditorHarness().Click("Btn11");

  EXPECT_EQ(Form4, &im.Dialog());
  EXPECT_EQ(im.Editor().findChildren<TForm4*>().size(), 1);
  EXPECT_EQ(im.ImportView()->Picture(), shown);
  EXPECT_FALSE(im.Editor().Control<ImageControl>("ImgBK")->HasPicture())
      << "the clean copy is not overwritten";
}

TEST(ImportDialogWindow, LeavingTheEditorClosesTheDialogToo) {
  for (const char* leave : {"Btn00", "Btn13"}) {
    SCOPED_TRACE(leave);
    ImportDialogHarness im;
    im.PutPicture("b.bmp", PaperDrawing());
    im.Open();
    im.Pick("b.bmp");
    im.Editor().Drawing().setPixel(3, 3, kBlack);  // something worth registering
    im.EditorHarness().Click(leave);
    EXPECT_FALSE(im.IsOpen());
    EXPECT_EQ(Form4, nullptr);
    EXPECT_FALSE(im.EditorHarness().Open());
    SymbolEditorHarness::FlushDeletes();
    EXPECT_EQ(im.EditorHarness().EditorObject(), nullptr);
  }
}

TEST(ImportDialogWindow, ClosedByTheWindowSystemItActsAsCancel) {
  ImportDialogHarness im;
  im.PutPicture("b.bmp", PaperDrawing());
  im.Open();
  im.Pick("b.bmp");
  im.Dialog().close();
  EXPECT_FALSE(im.IsOpen());
  EXPECT_FALSE(im.Editor().ImportOpen());
  EXPECT_TRUE(im.ImportView()->isEnabled());
  EXPECT_FALSE(im.ImportView()->HasPicture()) << "nothing had been accepted";
}

}  // namespace
}  // namespace scoreink::test
