#include "score_window/controls_layout.h"

#include <QHash>
#include <array>

#include "platform/ui/image_control.h"
#include "resources/embedded_pictures.h"
#include "score_window/desktop_habits.h"
#include "score_window/tform1.h"
#include "symbol_editor/core/symbol_store.h"

namespace scoreink {

namespace {

using K = ControlKind;
constexpr QRgb kNo = kParentColor;

// clang-format off
constexpr std::array kControls = std::to_array<ControlSpec>({
  // name           kind            parent       left top  w    h    caption  flags  text  back  font  click
  {"Img00",         K::Image,       "",          740, 542, 15,  15,  "", kHidden | kAutoSize, kNo, kNo, 0, nullptr},
  {"ImgScoreDef",   K::Image,       "",          688, 536, 49,  25,  "", kHidden, kNo, kNo, 0, nullptr},
  {"ScrollBox1",    K::ScrollBox,   "",          0,   80,  109, 109, "", kNoFrame, kNo, kSilver, 0, &TForm1::ScrollBox1Click},
  {"Image1",        K::Image,       "ScrollBox1", 0,  0,   105, 105, "", kStretch, kNo, kNo, 0, nullptr},
  {"Image2",        K::Image,       "ScrollBox1", 0,  0,   15,  20,  "", kHidden | kStretch | kTransparent, kNo, kNo, 0, nullptr},
  {"Edit0",         K::EditBox,     "",          680, 520, 110, 12,  "", kNoFrame | kImeOff, kGray, kGray, 0, nullptr},
  {"Panel1",        K::Panel,       "",          680, 2,   110, 518, "", 0, kNo, kGray, 0, &TForm1::Panel1Click},
  {"Panel2",        K::Panel,       "",          0,   2,   676, 70,  "", 0, kNo, kWhite, 0, nullptr},
  // The tool panel. "Label6" is 26 high rather than 25 and "Label9" 42 rather than 41: their two
  // and three lines need that in the window face (they never show together, and the space below
  // each is free).
  {"Btn0",          K::Button,      "Panel1",    3,   4,   52,  20,  "閉じる", 0, kNo, kNo, 0, &TForm1::Btn0Click},
  {"Btn11",         K::Button,      "Panel1",    55,  4,   52,  20,  "印刷", 0, kNo, kNo, 0, &TForm1::Btn11Click},
  {"Btn1",          K::Button,      "Panel1",    3,   27,  52,  20,  "新規作成", 0, kNo, kNo, 0, &TForm1::Btn1Click},
  {"Btn2",          K::Button,      "Panel1",    55,  27,  52,  20,  "OpenFile", 0, kNo, kNo, 0, &TForm1::Btn2Click},
  {"Btn3",          K::Button,      "Panel1",    3,   50,  52,  20,  "保存", kWordWrap, kNo, kNo, 0, &TForm1::Btn3Click},
  {"Btn4",          K::Button,      "Panel1",    55,  50,  52,  20,  "上書保存", kDisabled, kNo, kNo, 0, &TForm1::Btn4Click},
  {"Btn7",          K::Button,      "Panel1",    20,  97,  35,  18,  "戻す", 0, kNo, kNo, 0, &TForm1::Btn7Click},
  {"Btn8",          K::Button,      "Panel1",    55,  97,  35,  18,  "進む", 0, kNo, kNo, 0, &TForm1::Btn8Click},
  {"Label2",        K::Label,       "Panel1",    32,  115, 48,  12,  "作業状態", kAlignRight, kWhite, kNo, 0, nullptr},
  {"Label3",        K::Label,       "Panel1",    18,  144, 24,  16,  "100", kAlignRight, kWhite, kBlack, 16, nullptr},
  {"Label4",        K::Label,       "Panel1",    42,  144, 8,   16,  "%", 0, kWhite, kBlack, 16, nullptr},
  {"Btn9",          K::Button,      "Panel1",    50,  144, 20,  16,  "↓", 0, kNo, kNo, 0, &TForm1::Btn9Or10Click},
  {"Btn10",         K::Button,      "Panel1",    70,  144, 20,  16,  "↑", 0, kNo, kNo, 0, &TForm1::Btn9Or10Click},
  {"Label5",        K::Label,       "Panel1",    22,  160, 65,  12,  "Zoom In/Out", 0, kWhite, kNo, 0, nullptr},
  {"ComboBox1",     K::ComboBox,    "Panel1",    2,   189, 106, 20,  "", kImeOff, kNo, kNo, 0, &TForm1::ComboBox1Change},
  {"Label7",        K::Label,       "Panel1",    30,  209, 48,  12,  "↑選択後", 0, kWhite, kNo, 0, nullptr},
  {"Label6",        K::Label,       "Panel1",    9,   221, 94,  26,  "行頭( { 印付近)をClick", kWordWrap, kWhite, kNo, 0, nullptr},
  {"Label9",        K::Label,       "Panel1",    3,   248, 105, 42,  "音符休符の選択を解除しないとこっちの機能は使えない", kWordWrap | kHidden, kWhite, kNo, 13, nullptr},
  {"Label1",        K::Label,       "Panel1",    8,   309, 14,  15,  "2", kAlignRight, kBlack, kWhite, 13, nullptr},
  {"Btn5",          K::Button,      "Panel1",    22,  309, 20,  16,  "↓", 0, kNo, kNo, 13, &TForm1::Btn5Or6Click},
  {"Btn6",          K::Button,      "Panel1",    42,  309, 20,  16,  "↑", 0, kNo, kNo, 13, &TForm1::Btn5Or6Click},
  {"Edit1",         K::EditBox,     "Panel1",    62,  309, 20,  16,  "", kImeOff | kReadOnly, kNo, kBlack, 0, &TForm1::ColEdtClick},
  {"Edit2",         K::EditBox,     "Panel1",    82,  309, 20,  16,  "", kNoFrame | kImeOff | kReadOnly, kNo, kWhite, 0, &TForm1::ColEdtClick},
  {"Label8",        K::Label,       "Panel1",    8,   325, 72,  12,  "Penの太さ、色", 0, kWhite, kNo, 0, nullptr},
  {"GroupBox1",     K::GroupBox,    "Panel1",    2,   337, 106, 114, "", 0, kNo, kGray, 0, nullptr},
  {"RBtnLM0",       K::RadioButton, "GroupBox1", 4,   8,   70,  17,  "FreeDraw", kChecked, kWhite, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM1",       K::RadioButton, "GroupBox1", 4,   25,  49,  17,  "直線", 0, kWhite, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM2",       K::RadioButton, "GroupBox1", 4,   42,  47,  17,  "TIE", 0, kWhite, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM3",       K::RadioButton, "GroupBox1", 4,   59,  97,  17,  "選択範囲削除", 0, kWhite, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM4",       K::RadioButton, "GroupBox1", 4,   76,  97,  17,  "選択範囲移動", 0, kWhite, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM5",       K::RadioButton, "GroupBox1", 4,   93,  97,  17,  "選択範囲Copy", 0, kWhite, kNo, 0, &TForm1::RBtnLMClick},
  {"GroupBox2",     K::GroupBox,    "Panel1",    2,   451, 106, 64,  "", kHidden, kNo, kGray, 0, nullptr},
  {"RBtnSB1",       K::RadioButton, "GroupBox2", 4,   8,   65,  17,  "縦一直線", 0, kWhite, kNo, 0, &TForm1::RBtnSBClick},
  {"RBtnSB2",       K::RadioButton, "GroupBox2", 4,   25,  70,  17,  "横一直線", 0, kWhite, kNo, 0, &TForm1::RBtnSBClick},
  {"RBtnSB0",       K::RadioButton, "GroupBox2", 4,   42,  75,  17,  "直線(Free)", kChecked, kWhite, kNo, 0, &TForm1::RBtnSBClick},
  // The palette strip: the built-in symbols, the custom slots, the selection.
  {"Img01",         K::Image,       "Panel2",    4,   4,   14,  10,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img02",         K::Image,       "Panel2",    33,  4,   14,  10,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img03",         K::Image,       "Panel2",    62,  4,   23,  11,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img04",         K::Image,       "Panel2",    91,  4,   23,  11,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img05",         K::Image,       "Panel2",    120, 4,   11,  25,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img06",         K::Image,       "Panel2",    149, 4,   11,  22,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img07",         K::Image,       "Panel2",    178, 4,   13,  18,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img08",         K::Image,       "Panel2",    207, 4,   12,  28,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img09",         K::Image,       "Panel2",    236, 4,   14,  6,   "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img10",         K::Image,       "Panel2",    265, 4,   11,  11,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img11",         K::Image,       "Panel2",    294, 4,   12,  30,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img12",         K::Image,       "Panel2",    323, 4,   11,  22,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img13",         K::Image,       "Panel2",    352, 4,   7,   29,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img14",         K::Image,       "Panel2",    381, 4,   20,  8,   "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img15",         K::Image,       "Panel2",    410, 4,   20,  11,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img16",         K::Image,       "Panel2",    439, 4,   21,  10,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img17",         K::Image,       "Panel2",    468, 4,   22,  19,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img18",         K::Image,       "Panel2",    497, 4,   11,  26,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img19",         K::Image,       "Panel2",    526, 4,   11,  26,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img20",         K::Image,       "Panel2",    555, 4,   10,  10,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img21",         K::Image,       "Panel2",    502, 40,  15,  5,   "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img22",         K::Image,       "Panel2",    532, 40,  15,  14,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"Img23",         K::Image,       "Panel2",    562, 40,  16,  27,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg01",       K::Image,       "Panel2",    52,  40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg02",       K::Image,       "Panel2",    82,  40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg03",       K::Image,       "Panel2",    112, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg04",       K::Image,       "Panel2",    142, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg05",       K::Image,       "Panel2",    172, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg06",       K::Image,       "Panel2",    202, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg07",       K::Image,       "Panel2",    232, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg08",       K::Image,       "Panel2",    262, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg09",       K::Image,       "Panel2",    292, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg10",       K::Image,       "Panel2",    322, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg11",       K::Image,       "Panel2",    352, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg12",       K::Image,       "Panel2",    382, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg13",       K::Image,       "Panel2",    412, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg14",       K::Image,       "Panel2",    442, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"OPImg15",       K::Image,       "Panel2",    472, 40,  20,  20,  "", kAutoSize, kNo, kNo, 0, &TForm1::ImgVClick},
  {"ImgXX",         K::Image,       "Panel2",    644, 4,   15,  15,  "", kAutoSize, kNo, kNo, 0, nullptr},
  {"BtnXX",         K::Button,      "Panel2",    610, 4,   32,  42,  "  →選択解除", kWordWrap | kHidden, kNo, kNo, 0, &TForm1::BtnXXClick},
  {"Btn12",         K::Button,      "Panel2",    2,   38,  37,  29,  "記号追加", kWordWrap, kNo, kNo, 0, &TForm1::Btn12Click},
  // Fitting symbols to the staves, right of the selection (which is at most 30 wide).
  {"CheckBox1",     K::CheckBox,    "Panel2",    680, 4,   110, 17,  "譜表に合わせる", 0, kBlack, kNo, 0, &TForm1::CheckBox1Click},
  {"Label10",       K::Label,       "Panel2",    698, 22,  92,  14,  "", 0, kBlack, kNo, 0, nullptr},
});
// clang-format on

// Labels whose text changes: the widest text each will ever show.
constexpr WidestText kWidestTexts[] = {
    {"Label1", "10"}, {"Label3", "800"}, {"Label10", "譜表なし"}};

// Tooltips and accessible names; the shortcut of a command is named beside it.
// clang-format off
constexpr ControlHelp kHelp[] = {
  {"Image1",    "楽譜 (ホイールでスクロール、Shift+ホイールで横、Ctrl+ホイールで拡大縮小、中ボタンのドラッグで移動)", "楽譜"},
  {"Btn0",      "閉じる (編集中なら保存するか聞く)", nullptr},
  {"Btn11",     "既定のプリンタで印刷 (Ctrl+P)", "印刷"},
  {"Btn1",      "白紙の五線譜から始める (Ctrl+N)", "新規作成"},
  {"Btn2",      "楽譜の画像を開く (Ctrl+O、ファイルをこの窓へドロップしても開く)", "開く"},
  {"Btn3",      "名前を付けて保存 (Ctrl+Shift+S)", "保存"},
  {"Btn4",      "開いたファイルに上書き保存 (Ctrl+S)", "上書き保存"},
  {"Btn7",      "元に戻す (Ctrl+Z)", "戻す"},
  {"Btn8",      "やり直す (Ctrl+Y、Ctrl+Shift+Z)", "進む"},
  {"Label3",    "表示倍率 (%)", nullptr},
  {"Btn9",      "縮小 (Ctrl+-、Ctrl+ホイール)", "縮小"},
  {"Btn10",     "拡大 (Ctrl++、Ctrl+ホイール)", "拡大"},
  {"ComboBox1", "調号: 選んでから段の頭 ({ 印の辺り) をクリック", "調号"},
  {"Label1",    "ペンの太さ", nullptr},
  {"Btn5",      "ペンを細く", nullptr},
  {"Btn6",      "ペンを太く", nullptr},
  {"Edit1",     "ペンの色: 黒", nullptr},
  {"Edit2",     "ペンの色: 白 (消しゴム、五線は元に戻る)", "ペンの色: 白"},
  {"RBtnLM0",   "自由線", nullptr},
  {"RBtnLM1",   "直線", nullptr},
  {"RBtnLM2",   "タイ (弧)", nullptr},
  {"RBtnLM3",   "選択範囲を削除 (五線は残る)", nullptr},
  {"RBtnLM4",   "選択範囲を移動 (自分で書いた黒だけ)", nullptr},
  {"RBtnLM5",   "選択範囲をコピー (自分で書いた黒だけ)", nullptr},
  {"RBtnSB1",   "縦にまっすぐな線", nullptr},
  {"RBtnSB2",   "横にまっすぐな線", nullptr},
  {"RBtnSB0",   "自由な向きの直線", nullptr},
  {"BtnXX",     "記号の選択を解除 (Esc)", "選択解除"},
  {"ImgXX",     "選択中の記号", nullptr},
  {"Btn12",     "自作の記号を描いてパレットに登録する", "記号追加"},
  {"CheckBox1", "記号を楽譜の五線の幅に合わせる", nullptr},
  // The palette's symbols by name.
  {"Img01", "四分音符・八分音符の符頭 (黒玉)", nullptr},
  {"Img02", "二分音符・全音符の符頭 (白玉)", nullptr},
  {"Img03", "加線付きの黒玉", nullptr},
  {"Img04", "加線付きの白玉", nullptr},
  {"Img05", "三十二分休符", nullptr},
  {"Img06", "十六分休符", nullptr},
  {"Img07", "八分休符", nullptr},
  {"Img08", "四分休符", nullptr},
  {"Img09", "全休符・二分休符", nullptr},
  {"Img10", "ダブルシャープ", nullptr},
  {"Img11", "♯ (シャープ)", nullptr},
  {"Img12", "♭ (フラット)", nullptr},
  {"Img13", "♮ (ナチュラル)", nullptr},
  {"Img14", "プラルトリラー", nullptr},
  {"Img15", "モルデント", nullptr},
  {"Img16", "ターン", nullptr},
  {"Img17", "トリル", nullptr},
  {"Img18", "旗 (符幹が上向きの音符)", nullptr},
  {"Img19", "旗 (符幹が下向きの音符)", nullptr},
  {"Img20", "付点", nullptr},
  {"Img21", "連桁 (1本)", nullptr},
  {"Img22", "連桁 (2本)", nullptr},
  {"Img23", "連桁 (2本、下に余白)", nullptr},
};
// clang-format on

// A custom slot names its number, and says when it is empty.
void ShowSymbolSlotHelp(ImageControl* slot, int n) {
  const QString tip = slot->HasPicture() ? QStringLiteral("自作記号 %1").arg(n)
                                         : QStringLiteral("自作記号 %1: 空き").arg(n);
  SetControlHelp(slot, tip);
}

}  // namespace

std::span<const ControlSpec> ScoreWindowControls() {
  return kControls;
}

void TForm1::BuildControls() {
  const QHash<QString, QWidget*> byName = BuildFormControls<TForm1>(this, kControls, kWidestTexts);
  // The embedded pictures: the staff template and the built-in palette symbols.
  static_cast<ImageControl*>(byName.value("ImgScoreDef"))->SetPicture(ScoreTemplateImage());
  for (int n = 1; n <= kPaletteSymbolCount; ++n) {
    const QString name = QString("Img%1").arg(n, 2, 10, QChar('0'));
    static_cast<ImageControl*>(byName.value(name))->SetPicture(PaletteSymbolImage(n));
  }
  ApplyFormHelp(this, ScoreWindowTitle(QString(), false), kHelp);
  // The custom slots follow what they hold: filled at start-up or by a registration.
  for (int n = 1; n <= kSymbolSlotCount; ++n) {
    auto* slot = static_cast<ImageControl*>(byName.value(SymbolSlotImageName(n)));
    ShowSymbolSlotHelp(slot, n);
    connect(slot, &ImageControl::PictureReplaced, slot, [slot, n] { ShowSymbolSlotHelp(slot, n); });
  }
}

}  // namespace scoreink
