// The image import dialog's controls as data, and their tab order.
#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <array>

#include "dialogs/dialog_shortcuts.h"
#include "dialogs/folder_browser.h"
#include "dialogs/tform4.h"
#include "platform/ui/image_control.h"

namespace scoreink {

namespace {

using K = ControlKind;
constexpr QRgb kNo = kParentColor;

// clang-format off
constexpr std::array kControls = std::to_array<ControlRow<TForm4>>({
  // name            kind            parent  left top  w    h    caption  flags  text  back  font  click
  {"Label1",         K::Label,       "",     4,   4,   435, 13,  "", kAlignCenter, kBlack, kWhite, 13, nullptr},
  {"ShellTreeView1", K::FolderTree,  "",     4,   18,  285, 393, "", 0, kNo, kNo, 0, &TForm4::ShellTreeView1Change},
  {"FileListBox1",   K::FileList,    "",     289, 18,  150, 393, "", kNoFrame, kBlack, kWhite, 16, &TForm4::FileListBox1Click},
  {"Image1",         K::Image,       "",     4,   424, 70,  105, "", kStretch, kNo, kNo, 0, nullptr},
  {"TBL2",           K::Label,       "",     90,  432, 164, 12,  "白黒塗り分け時の明度基準変更", kHidden, kWhite, kNo, 12, nullptr},
  {"TBL1",           K::Label,       "",     90,  456, 20,  12,  "60", kAlignRight | kHidden, kBlack, kWhite, 0, nullptr},
  {"TBL0",           K::Label,       "",     112, 456, 140, 12,  "", kHidden, kNo, kWhite, 0, nullptr},
  {"TBB0",           K::Button,      "",     160, 450, 20,  25,  "", kHidden, kNo, kNo, 0, nullptr},
  {"Button1",        K::Button,      "",     360, 450, 75,  25,  "OK", kDisabled, kNo, kNo, 0, &TForm4::Button1Click},
  {"Button2",        K::Button,      "",     272, 450, 75,  25,  "Cancel", 0, kNo, kNo, 0, &TForm4::Button2Click},
});
// clang-format on

// The design's tab order: the tree, the list, OK, Cancel, the knob.
constexpr const char* kTabOrder[] = {"ShellTreeView1", "FileListBox1", "Button1", "Button2",
                                     "TBB0"};

constexpr char kTitle[] = "画像の読み込み - ScoreInk";
// clang-format off
constexpr ControlHelp kHelp[] = {
  {"Label1",         "今のフォルダ", nullptr},
  {"ShellTreeView1", "フォルダ", nullptr},
  {"FileListBox1",   "画像 (クリックで白黒にして記号追加の読込欄へ)", "画像ファイル"},
  {"Image1",         "プレビュー", nullptr},
  {"TBL1",           "白黒の境目の明るさ (0〜255)", nullptr},
  {"TBB0",           "白黒の境目の明るさ: つまみを離すと塗り分け直す", "明るさのつまみ"},
  {"Button1",        "この白黒の画像を使う (Enter)", "OK"},
  {"Button2",        "読み込まずに戻る (Esc)", "キャンセル"},
};
// clang-format on

// The threshold label shows up to three digits.
constexpr WidestText kWidestTexts[] = {{"TBL1", "255"}};

}  // namespace

void TForm4::BuildControls() {
  const QHash<QString, QWidget*> byName =
      BuildFormControls<TForm4>(this, kControls, kWidestTexts, MakeFolderBrowserControl);
  for (std::size_t i = 1; i < std::size(kTabOrder); ++i)
    QWidget::setTabOrder(byName.value(kTabOrder[i - 1]), byName.value(kTabOrder[i]));
  WireFormClicks<TForm4>(this, kControls);
  ApplyFormHelp(this, QString::fromUtf8(kTitle), kHelp);
  AddImportDialogShortcuts(this);
  // The knob reports its own presses, moves and releases.
  byName.value("TBB0")->installEventFilter(this);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TBB0) {
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        TBB0MouseDown(mouse->button(), mouse->position().toPoint().x(),
                      mouse->position().toPoint().y());
        break;
      }
      case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        TBB0MouseMove(mouse->position().toPoint().x(), mouse->position().toPoint().y());
        break;
      }
      case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        TBB0MouseUp(mouse->button(), mouse->position().toPoint().x(),
                    mouse->position().toPoint().y());
        break;
      }
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace scoreink
