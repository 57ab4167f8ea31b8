#include "score_window/controls_layout.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <algorithm>
#include <array>

#include "platform/ui/image_control.h"
#include "resources/embedded_pictures.h"
#include "score_window/tform1.h"
#include "score_window/window_font.h"
#include "score_window/wrap_button.h"

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
  {"Panel2",        K::Panel,       "",          0,   2,   676, 70,  "", 0, kNo, kWhiteColor, 0, nullptr},
  // The tool panel.
  {"Btn0",          K::Button,      "Panel1",    3,   4,   52,  20,  "閉じる", 0, kNo, kNo, 0, &TForm1::Btn0Click},
  {"Btn11",         K::Button,      "Panel1",    55,  4,   52,  20,  "印刷", 0, kNo, kNo, 0, &TForm1::Btn11Click},
  {"Btn1",          K::Button,      "Panel1",    3,   27,  52,  20,  "新規作成", 0, kNo, kNo, 0, &TForm1::Btn1Click},
  {"Btn2",          K::Button,      "Panel1",    55,  27,  52,  20,  "OpenFile", 0, kNo, kNo, 0, &TForm1::Btn2Click},
  {"Btn3",          K::Button,      "Panel1",    3,   50,  52,  20,  "保存", kWordWrap, kNo, kNo, 0, &TForm1::Btn3Click},
  {"Btn4",          K::Button,      "Panel1",    55,  50,  52,  20,  "上書保存", kDisabled, kNo, kNo, 0, &TForm1::Btn4Click},
  {"Btn7",          K::Button,      "Panel1",    20,  97,  35,  18,  "戻す", 0, kNo, kNo, 0, &TForm1::Btn7Click},
  {"Btn8",          K::Button,      "Panel1",    55,  97,  35,  18,  "進む", 0, kNo, kNo, 0, &TForm1::Btn8Click},
  {"Label2",        K::Label,       "Panel1",    32,  115, 48,  12,  "作業状態", kAlignRight, kWhiteColor, kNo, 0, nullptr},
  {"Label3",        K::Label,       "Panel1",    18,  144, 24,  16,  "100", kAlignRight, kWhiteColor, kBlackColor, 16, nullptr},
  {"Label4",        K::Label,       "Panel1",    42,  144, 8,   16,  "%", 0, kWhiteColor, kBlackColor, 16, nullptr},
  {"Btn9",          K::Button,      "Panel1",    50,  144, 20,  16,  "↓", 0, kNo, kNo, 0, &TForm1::Btn9Or10Click},
  {"Btn10",         K::Button,      "Panel1",    70,  144, 20,  16,  "↑", 0, kNo, kNo, 0, &TForm1::Btn9Or10Click},
  {"Label5",        K::Label,       "Panel1",    22,  160, 65,  12,  "Zoom In/Out", 0, kWhiteColor, kNo, 0, nullptr},
  {"ComboBox1",     K::ComboBox,    "Panel1",    2,   189, 106, 20,  "", kImeOff, kNo, kNo, 0, &TForm1::ComboBox1Change},
  {"Label7",        K::Label,       "Panel1",    30,  209, 48,  12,  "↑選択後", 0, kWhiteColor, kNo, 0, nullptr},
  {"Label6",        K::Label,       "Panel1",    9,   221, 94,  25,  "行頭( { 印付近)をClick", kWordWrap, kWhiteColor, kNo, 0, nullptr},
  {"Label9",        K::Label,       "Panel1",    3,   248, 105, 41,  "音符休符の選択を解除しないとこっちの機能は使えない", kWordWrap | kHidden, kWhiteColor, kNo, 13, nullptr},
  {"Label1",        K::Label,       "Panel1",    8,   309, 14,  15,  "2", kAlignRight, kBlackColor, kWhiteColor, 13, nullptr},
  {"Btn5",          K::Button,      "Panel1",    22,  309, 20,  16,  "↓", 0, kNo, kNo, 13, &TForm1::Btn5Or6Click},
  {"Btn6",          K::Button,      "Panel1",    42,  309, 20,  16,  "↑", 0, kNo, kNo, 13, &TForm1::Btn5Or6Click},
  {"Edit1",         K::EditBox,     "Panel1",    62,  309, 20,  16,  "", kImeOff | kReadOnly, kNo, kBlackColor, 0, &TForm1::ColEdtClick},
  {"Edit2",         K::EditBox,     "Panel1",    82,  309, 20,  16,  "", kNoFrame | kImeOff | kReadOnly, kNo, kWhiteColor, 0, &TForm1::ColEdtClick},
  {"Label8",        K::Label,       "Panel1",    8,   325, 72,  12,  "Penの太さ、色", 0, kWhiteColor, kNo, 0, nullptr},
  {"GroupBox1",     K::GroupBox,    "Panel1",    2,   337, 106, 114, "", 0, kNo, kGray, 0, nullptr},
  {"RBtnLM0",       K::RadioButton, "GroupBox1", 4,   8,   70,  17,  "FreeDraw", kChecked, kWhiteColor, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM1",       K::RadioButton, "GroupBox1", 4,   25,  49,  17,  "直線", 0, kWhiteColor, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM2",       K::RadioButton, "GroupBox1", 4,   42,  47,  17,  "TIE", 0, kWhiteColor, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM3",       K::RadioButton, "GroupBox1", 4,   59,  97,  17,  "選択範囲削除", 0, kWhiteColor, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM4",       K::RadioButton, "GroupBox1", 4,   76,  97,  17,  "選択範囲移動", 0, kWhiteColor, kNo, 0, &TForm1::RBtnLMClick},
  {"RBtnLM5",       K::RadioButton, "GroupBox1", 4,   93,  97,  17,  "選択範囲Copy", 0, kWhiteColor, kNo, 0, &TForm1::RBtnLMClick},
  {"GroupBox2",     K::GroupBox,    "Panel1",    2,   451, 106, 64,  "", kHidden, kNo, kGray, 0, nullptr},
  {"RBtnSB1",       K::RadioButton, "GroupBox2", 4,   8,   65,  17,  "縦一直線", 0, kWhiteColor, kNo, 0, &TForm1::RBtnSBClick},
  {"RBtnSB2",       K::RadioButton, "GroupBox2", 4,   25,  70,  17,  "横一直線", 0, kWhiteColor, kNo, 0, &TForm1::RBtnSBClick},
  {"RBtnSB0",       K::RadioButton, "GroupBox2", 4,   42,  75,  17,  "直線(Free)", kChecked, kWhiteColor, kNo, 0, &TForm1::RBtnSBClick},
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
});
// clang-format on

// Labels whose text changes: the widest text each will ever show.
struct WidestText {
  const char* name;
  const char* text;
};
constexpr WidestText kWidestTexts[] = {{"Label1", "10"}, {"Label3", "800"}};

// The window face is wider than the face the window was designed for (its digits and "%"
// most of all): a one-line caption that would be cut off is drawn condensed instead, so that
// the control keeps its place and size and still shows all of its text.
void CondenseToFit(QWidget* control, const char* name) {
  QString text;
  int overhead = 0;  // what the control needs besides the text (a radio button's indicator)
  if (auto* label = qobject_cast<QLabel*>(control)) {
    if (label->wordWrap()) return;
    text = label->text();
  } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
    text = radio->text();
    overhead = radio->sizeHint().width() - radio->fontMetrics().horizontalAdvance(text);
  } else {
    return;
  }
  for (const WidestText& widest : kWidestTexts)
    if (qstrcmp(widest.name, name) == 0) text = QString::fromUtf8(widest.text);
  const int needed = control->fontMetrics().horizontalAdvance(text);
  const int available = control->width() - overhead;
  if (needed <= available || needed <= 0 || available <= 0) return;
  QFont font = control->font();
  font.setStretch(std::max(50, available * 100 / needed));
  control->setFont(font);
}

// Gives a control its own text and background colours where the row names them.
void ApplyColours(QWidget* widget, const ControlSpec& row) {
  QPalette palette = widget->palette();
  if (row.textColor != kParentColor) {
    // Only the caption's role: a radio button draws its indicator's dot in the Text colour.
    const QColor text = QColor::fromRgb(row.textColor);
    switch (row.kind) {
      case ControlKind::EditBox:
      case ControlKind::ComboBox:
        palette.setColor(QPalette::Text, text);
        break;
      case ControlKind::Button:
        palette.setColor(QPalette::ButtonText, text);
        break;
      default:
        palette.setColor(QPalette::WindowText, text);
        break;
    }
  }
  if (row.backColor != kParentColor) {
    const QColor back = QColor::fromRgb(row.backColor);
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Base, back);
    widget->setAutoFillBackground(true);
  }
  widget->setPalette(palette);
}

QWidget* MakeControl(const ControlSpec& row) {
  const QString caption = QString::fromUtf8(row.caption);
  switch (row.kind) {
    case ControlKind::Button: {
      QPushButton* button = (row.flags & kWordWrap) ? new WrapButton : new QPushButton;
      button->setText(caption);
      return button;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(caption);
      label->setAlignment(((row.flags & kAlignRight) ? Qt::AlignRight : Qt::AlignLeft) |
                          Qt::AlignTop);
      label->setWordWrap(row.flags & kWordWrap);
      return label;
    }
    case ControlKind::EditBox: {
      auto* edit = new QLineEdit(caption);
      edit->setFrame(!(row.flags & kNoFrame));
      edit->setReadOnly(row.flags & kReadOnly);
      return edit;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox;
      combo->setEditable(false);
      return combo;
    }
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(caption);
      radio->setChecked(row.flags & kChecked);
      return radio;
    }
    case ControlKind::GroupBox:
      return new QGroupBox(caption);
    case ControlKind::Panel: {
      auto* panel = new QFrame;
      panel->setFrameShape(QFrame::NoFrame);
      return panel;
    }
    case ControlKind::ScrollBox: {
      auto* box = new QScrollArea;
      box->setFrameShape(QFrame::NoFrame);
      box->setWidgetResizable(false);
      auto* content = new QWidget;
      content->setObjectName(QString::fromUtf8(row.name) + "Content");
      box->setWidget(content);
      return box;
    }
    case ControlKind::Image: {
      auto* image = new ImageControl;
      image->SetStretch(row.flags & kStretch);
      image->SetTransparent(row.flags & kTransparent);
      image->SetAutoSize(row.flags & kAutoSize);
      return image;
    }
  }
  return nullptr;
}

// Children of a scroll box live in its scrolled content.
QWidget* ContainerOf(QWidget* parent) {
  if (auto* box = qobject_cast<QScrollArea*>(parent)) return box->widget();
  return parent;
}

// The button group of a radio button: one per name prefix ("RBtnLM" -> "RBtnLMGroup"),
// owned by the group box.
QButtonGroup* GroupFor(QWidget* groupBox, const QString& radioName) {
  QString prefix = radioName;
  while (!prefix.isEmpty() && prefix.back().isDigit()) prefix.chop(1);
  const QString groupName = prefix + "Group";
  auto* group = groupBox->findChild<QButtonGroup*>(groupName, Qt::FindDirectChildrenOnly);
  if (!group) {
    group = new QButtonGroup(groupBox);
    group->setObjectName(groupName);
    group->setExclusive(true);
  }
  return group;
}

}  // namespace

std::span<const ControlSpec> ScoreWindowControls() {
  return kControls;
}

void TForm1::BuildControls() {
  QHash<QString, QWidget*> byName;
  for (const ControlSpec& row : kControls) {
    QWidget* parent = *row.parent ? byName.value(QString::fromUtf8(row.parent)) : this;
    Q_ASSERT(parent);
    QWidget* control = MakeControl(row);
    control->setObjectName(QString::fromUtf8(row.name));
    control->setParent(ContainerOf(parent));
    control->setGeometry(row.left, row.top, row.width, row.height);
    if (row.fontPixels != 0) control->setFont(WindowFont(row.fontPixels));
    ApplyColours(control, row);
    CondenseToFit(control, row.name);
    if (row.kind == ControlKind::ScrollBox) {
      auto* box = static_cast<QScrollArea*>(control);
      ApplyColours(box->viewport(), row);
      ApplyColours(box->widget(), row);
    }
    if (row.kind == ControlKind::RadioButton)
      GroupFor(parent, control->objectName())->addButton(static_cast<QRadioButton*>(control));
    if (row.flags & kImeOff) control->setAttribute(Qt::WA_InputMethodEnabled, false);
    if (row.flags & kDisabled) control->setEnabled(false);
    if (row.flags & kHidden) control->setHidden(true);
    byName.insert(control->objectName(), control);
  }
  // The embedded pictures: the staff template and the built-in palette symbols.
  static_cast<ImageControl*>(byName.value("ImgScoreDef"))->SetPicture(ScoreTemplateImage());
  for (int n = 1; n <= kPaletteSymbolCount; ++n) {
    const QString name = QString("Img%1").arg(n, 2, 10, QChar('0'));
    static_cast<ImageControl*>(byName.value(name))->SetPicture(PaletteSymbolImage(n));
  }
}

}  // namespace scoreink
