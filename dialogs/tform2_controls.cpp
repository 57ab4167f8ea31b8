// The score file dialog's controls as data, and their tab order.
#include <QWidget>
#include <array>

#include "dialogs/dialog_shortcuts.h"
#include "dialogs/folder_browser.h"
#include "dialogs/tform2.h"
#include "dialogs/tform2_controls.h"

namespace scoreink {

namespace {

using K = ControlKind;
constexpr QRgb kNo = kParentColor;

// clang-format off
constexpr std::array kControls = std::to_array<ControlRow<TForm2>>({
  // name            kind            parent       left top  w    h    caption  flags  text  back  font  click
  {"Label1",         K::Label,       "",          4,   4,   435, 13,  "", kAlignCenter, kBlack, kWhite, 13, nullptr},
  {"ShellTreeView1", K::FolderTree,  "",          4,   18,  285, 393, "", 0, kNo, kNo, 0, &TForm2::ShellTreeView1Change},
  {"FileListBox1",   K::FileList,    "",          289, 18,  150, 367, "", kNoFrame, kBlack, kWhite, 16, &TForm2::FileListBox1Click},
  {"GroupBox1",      K::GroupBox,    "",          289, 386, 150, 25,  "", 0, kNo, kWhite, 0, nullptr},
  {"RadioButton0",   K::RadioButton, "GroupBox1", 4,   6,   65,  17,  "OpenFile", kChecked, kBlack, kNo, 12, &TForm2::RadioButton0Click},
  {"RadioButton1",   K::RadioButton, "GroupBox1", 72,  6,   72,  17,  "DeleteFile", 0, kBlack, kNo, 12, &TForm2::RadioButton1Click},
  {"Button1",        K::Button,      "",          248, 440, 75,  25,  "OK", kDisabled, kNo, kNo, 0, &TForm2::Button1Click},
  {"Button2",        K::Button,      "",          152, 440, 75,  25,  "Cancel", 0, kNo, kNo, 0, &TForm2::Button2Click},
});
// clang-format on

// The design's tab order: Cancel first, then the tree, the list, OK and the mode.
constexpr const char* kTabOrder[] = {"Button2", "ShellTreeView1", "FileListBox1",
                                     "Button1", "RadioButton1",   "RadioButton0"};

constexpr char kTitle[] = "楽譜を開く - ScoreInk";
// clang-format off
constexpr ControlHelp kHelp[] = {
  {"Label1",         "今のフォルダ", nullptr},
  {"ShellTreeView1", "フォルダ", nullptr},
  {"FileListBox1",   "楽譜の画像 (クリックで開く、削除モードではクリックで削除)", "画像ファイル"},
  {"RadioButton0",   "クリックしたファイルを開く", nullptr},
  {"RadioButton1",   "クリックしたファイルを確認なしで削除する", nullptr},
  {"Button1",        "選んだ画像を楽譜にする (Enter)", "OK"},
  {"Button2",        "開かずに元の楽譜に戻る (Esc)", "キャンセル"},
};
// clang-format on

}  // namespace

std::span<const ControlRow<TForm2>> ScoreFileDialogControls() {
  return kControls;
}

void TForm2::BuildControls() {
  const QHash<QString, QWidget*> byName =
      BuildFormControls<TForm2>(this, kControls, {}, MakeFolderBrowserControl);
  for (std::size_t i = 1; i < std::size(kTabOrder); ++i)
    QWidget::setTabOrder(byName.value(kTabOrder[i - 1]), byName.value(kTabOrder[i]));
  WireFormClicks<TForm2>(this, kControls);
  ApplyFormHelp(this, QString::fromUtf8(kTitle), kHelp);
  AddScoreFileDialogShortcuts(this);
}

}  // namespace scoreink
