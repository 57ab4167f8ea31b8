#include "symbol_editor/editor_controls.h"

#include <QHash>
#include <array>

#include "symbol_editor/tform3.h"

namespace scoreink {

namespace {

using K = ControlKind;
constexpr QRgb kNo = kParentColor;

// clang-format off
constexpr std::array kControls = std::to_array<EditorControl>({
  // name            kind            parent       left top  w    h    caption  flags  text  back  font  click
  // The focus sink comes first, so that it is first in the tab order. The labels of two lines
  // are 26 high rather than 24: two lines of the window face need that (the space below them
  // is free down to the areas at 34).
  {"Edit0",          K::EditBox,     "",          80,  340, 20,  18,  "", kNoFrame | kImeOff, kGray, kGray, 0, nullptr},
  // The drawing area and its tool bar.
  {"Img0",           K::Image,       "",          4,   34,  240, 240, "", kStretch, kNo, kNo, 0, &TForm3::Img0Click},
  {"Btn12",          K::Button,      "",          4,   4,   35,  24,  "Clear", 0, kNo, kNo, 0, &TForm3::Btn12Click},
  {"LBL6",           K::Label,       "",          44,  4,   33,  26,  "Zoom In/Out", kWordWrap, kWhite, kBlack, 0, nullptr},
  {"LBL0",           K::Label,       "",          77,  4,   24,  12,  "400", kAlignCenter, kWhite, kBlack, 0, nullptr},
  {"LBL5",           K::Label,       "",          77,  16,  24,  12,  "%", kAlignCenter, kWhite, kBlack, 0, nullptr},
  {"BtnZoomUpDn00",  K::Button,      "",          101, 4,   20,  24,  "↓", 0, kNo, kNo, 0, &TForm3::BtnZoomUpDnClick},
  {"BtnZoomUpDn01",  K::Button,      "",          121, 4,   20,  24,  "↑", 0, kNo, kNo, 0, &TForm3::BtnZoomUpDnClick},
  {"LBL12",          K::Label,       "",          144, 4,   24,  26,  "作業状態", kAlignCenter | kWordWrap, kWhite, kNo, 0, nullptr},
  {"Btn14",          K::Button,      "",          168, 4,   30,  24,  "戻す", 0, kNo, kNo, 0, &TForm3::Btn14Click},
  {"Btn15",          K::Button,      "",          198, 4,   30,  24,  "進む", 0, kNo, kNo, 0, &TForm3::Btn15Click},
  {"Btn13",          K::Button,      "",          252, 4,   55,  24,  "OK(登録)", 0, kNo, kNo, 0, &TForm3::Btn13Click},
  {"Btn00",          K::Button,      "",          252, 36,  55,  24,  "Cancel", 0, kNo, kNo, 13, &TForm3::Btn00Click},
  // The import area's tool bar: hidden until a picture has been imported.
  {"LBL3",           K::Label,       "",          328, 4,   33,  26,  "Zoom In/Out", kWordWrap | kHidden, kWhite, kBlack, 0, nullptr},
  {"LBL1",           K::Label,       "",          361, 4,   24,  12,  "100", kAlignCenter | kHidden, kWhite, kBlack, 0, nullptr},
  {"LBL2",           K::Label,       "",          361, 16,  24,  12,  "%", kAlignCenter | kHidden, kWhite, kBlack, 0, nullptr},
  {"BtnZoomUpDn10",  K::Button,      "",          385, 4,   20,  24,  "↓", kHidden, kNo, kNo, 0, &TForm3::BtnZoomUpDnClick},
  {"BtnZoomUpDn11",  K::Button,      "",          405, 4,   20,  24,  "↑", kHidden, kNo, kNo, 0, &TForm3::BtnZoomUpDnClick},
  {"LBL4",           K::Label,       "",          432, 4,   150, 26,  "範囲を指定するとその部分が左側にコピーされる", kWordWrap | kHidden, kNo, kNo, 0, nullptr},
  {"LBL7",           K::Label,       "",          485, 4,   248, 26,  "自力でポチポチ描くのが面倒だったら右のボタンから適当な画像を読み込んで部分コピーしても～", kWordWrap, kNo, kNo, 0, nullptr},
  {"Btn11",          K::Button,      "",          735, 4,   55,  24,  "OpenFile", 0, kNo, kNo, 0, &TForm3::Btn11Click},
  {"ScrollBox1",     K::ScrollBox,   "",          320, 34,  470, 535, "", 0, kNo, kNo, 0, nullptr},
  {"Img1",           K::Image,       "ScrollBox1", 0,  0,   150, 150, "", kStretch, kNo, kNo, 0, nullptr},
  // Pen or brush, the pen figure, width and colour.
  {"GroupBox2",      K::GroupBox,    "",          4,   278, 57,  50,  "", 0, kNo, kGray, 0, nullptr},
  {"RBtn5",          K::RadioButton, "GroupBox2", 4,   10,  45,  17,  "Pen", kChecked, kNo, kNo, 0, &TForm3::RBtn4Or5Click},
  {"RBtn4",          K::RadioButton, "GroupBox2", 4,   28,  49,  17,  "Brush", 0, kNo, kNo, 0, &TForm3::RBtn4Or5Click},
  {"GroupBox1",      K::GroupBox,    "",          66,  278, 185, 32,  "", 0, kNo, kGray, 0, nullptr},
  {"RBtn1",          K::RadioButton, "GroupBox1", 4,   10,  43,  17,  "直線", 0, kNo, kNo, 0, &TForm3::RBtn0to3Click},
  {"RBtn3",          K::RadioButton, "GroupBox1", 50,  10,  35,  17,  "円", 0, kNo, kNo, 0, &TForm3::RBtn0to3Click},
  {"RBtn2",          K::RadioButton, "GroupBox1", 88,  10,  43,  17,  "四角", 0, kNo, kNo, 0, &TForm3::RBtn0to3Click},
  {"RBtn0",          K::RadioButton, "GroupBox1", 134, 10,  45,  17,  "Free", kChecked, kNo, kNo, 0, &TForm3::RBtn0to3Click},
  {"LBL8",           K::Label,       "",          67,  312, 13,  15,  "2", kAlignRight, kBlack, kWhite, 13, nullptr},
  {"Btn09",          K::Button,      "",          80,  312, 20,  16,  "↓", 0, kNo, kNo, 0, &TForm3::Btn9Or10Click},
  {"Btn10",          K::Button,      "",          100, 312, 20,  16,  "↑", 0, kNo, kNo, 0, &TForm3::Btn9Or10Click},
  {"Edit1",          K::EditBox,     "",          120, 312, 20,  16,  "", kImeOff | kReadOnly, kNo, kBlack, 0, &TForm3::ColEdtClick},
  {"Edit2",          K::EditBox,     "",          140, 312, 20,  16,  "", kNoFrame | kImeOff | kReadOnly, kNo, kWhite, 0, &TForm3::ColEdtClick},
  {"LBL9",           K::Label,       "",          160, 312, 90,  16,  "Penの太さ、色", 0, kWhite, kNo, 13, nullptr},
  // Moving and trimming.
  {"Btn01",          K::Button,      "",          29,  344, 25,  25,  "↑", 0, kNo, kNo, 0, &TForm3::Btn1to4Click},
  {"Btn03",          K::Button,      "",          4,   369, 25,  25,  "←", 0, kNo, kNo, 0, &TForm3::Btn1to4Click},
  {"LBL10",          K::Label,       "",          29,  369, 25,  25,  "移動", kAlignCenter, kWhite, kNo, 0, nullptr},
  {"Btn04",          K::Button,      "",          54,  369, 25,  25,  "→", 0, kNo, kNo, 0, &TForm3::Btn1to4Click},
  {"Btn02",          K::Button,      "",          29,  394, 25,  25,  "↓", 0, kNo, kNo, 0, &TForm3::Btn1to4Click},
  {"Btn05",          K::Button,      "",          134, 344, 25,  25,  "↓", 0, kNo, kNo, 0, &TForm3::Btn5to8Click},
  {"Btn07",          K::Button,      "",          109, 369, 25,  25,  "→", 0, kNo, kNo, 0, &TForm3::Btn5to8Click},
  {"LBL11",          K::Label,       "",          134, 369, 25,  25,  "Trim", kAlignCenter, kWhite, kNo, 0, nullptr},
  {"Btn08",          K::Button,      "",          159, 369, 25,  25,  "←", 0, kNo, kNo, 0, &TForm3::Btn5to8Click},
  {"Btn06",          K::Button,      "",          134, 394, 25,  25,  "↑", 0, kNo, kNo, 0, &TForm3::Btn5to8Click},
  // The move base and the clean copy of the import.
  {"ImgTMP",         K::Image,       "",          32,  456, 20,  20,  "", kHidden | kAutoSize, kNo, kNo, 0, nullptr},
  {"ImgBK",          K::Image,       "",          32,  496, 20,  20,  "", kHidden, kNo, kNo, 0, nullptr},
});
// clang-format on

// Labels whose text changes: the widest text each will ever show.
constexpr WidestText kWidestTexts[] = {{"LBL0", "800"}, {"LBL1", "800"}, {"LBL8", "6"}};

// The window's title, tooltips and accessible names; the shortcut of a command is named beside
// it.
constexpr char kEditorTitle[] = "記号追加 - ScoreInk";
// clang-format off
constexpr ControlHelp kHelp[] = {
  {"Img0",          "描画欄 (Ctrl+ホイールで拡大縮小)", "描画欄"},
  {"Btn12",         "白紙に戻す", nullptr},
  {"LBL0",          "描画欄の表示倍率 (%)", nullptr},
  {"BtnZoomUpDn00", "描画欄を縮小 (Ctrl+-、Ctrl+ホイール)", "描画欄を縮小"},
  {"BtnZoomUpDn01", "描画欄を拡大 (Ctrl++、Ctrl+ホイール)", "描画欄を拡大"},
  {"Btn14",         "元に戻す (Ctrl+Z)", "戻す"},
  {"Btn15",         "やり直す (Ctrl+Y、Ctrl+Shift+Z)", "進む"},
  {"Btn13",         "記号をパレットに登録して閉じる", "登録"},
  {"Btn00",         "登録せずに閉じる", nullptr},
  {"LBL1",          "読込欄の表示倍率 (%)", nullptr},
  {"BtnZoomUpDn10", "読込欄を縮小 (Ctrl+ホイール)", "読込欄を縮小"},
  {"BtnZoomUpDn11", "読込欄を拡大 (Ctrl+ホイール)", "読込欄を拡大"},
  {"Btn11",         "記号の元にする画像を読み込む (Ctrl+O)", "画像を読み込む"},
  {"Img1",          "読込欄: ドラッグした範囲が描画欄にコピーされる (Esc で取り消し)", "読込欄"},
  {"RBtn5",         "ペンで描く", nullptr},
  {"RBtn4",         "クリックした所を塗りつぶす", nullptr},
  {"RBtn1",         "直線", nullptr},
  {"RBtn3",         "円", nullptr},
  {"RBtn2",         "四角", nullptr},
  {"RBtn0",         "自由線", nullptr},
  {"LBL8",          "ペンの太さ", nullptr},
  {"Btn09",         "ペンを細く", nullptr},
  {"Btn10",         "ペンを太く", nullptr},
  {"Edit1",         "色: 黒", nullptr},
  {"Edit2",         "色: 白", nullptr},
  {"Btn01",         "絵を上へ1ピクセル移動", "上へ移動"},
  {"Btn03",         "絵を左へ1ピクセル移動", "左へ移動"},
  {"Btn04",         "絵を右へ1ピクセル移動", "右へ移動"},
  {"Btn02",         "絵を下へ1ピクセル移動", "下へ移動"},
  {"Btn05",         "上端を1行削る", "上端を削る"},
  {"Btn07",         "左端を1列削る", "左端を削る"},
  {"Btn08",         "右端を1列削る", "右端を削る"},
  {"Btn06",         "下端を1行削る", "下端を削る"},
};
// clang-format on

}  // namespace

std::span<const EditorControl> SymbolEditorControls() {
  return kControls;
}

void TForm3::BuildControls() {
  BuildFormControls<TForm3>(this, kControls, kWidestTexts);
  ApplyFormHelp(this, QString::fromUtf8(kEditorTitle), kHelp);
}

}  // namespace scoreink
