// The controls of the score window: names, kinds, parents, places, captions and state, as a
// user sees them after start-up on a 1280 x 1024 work area.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

#include "harness/control_table_checks.h"
#include "harness/score_window_harness.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

const ExpectedControl kRows[] = {
    {"Img00", "scoreink::ImageControl", "Form1", {740, 542, 15, 15}, nullptr, kHiddenState},
    {"ImgScoreDef", "scoreink::ImageControl", "Form1", {688, 536, 49, 25}, nullptr, kHiddenState},
    {"ScrollBox1", "QScrollArea", "Form1", {0, 80, 1160, 934}, nullptr, kShown},
    {"Image1", "scoreink::ImageControl", "ScrollBox1", {0, 0, 770, 1101}, nullptr, kShown},
    {"Image2", "scoreink::ImageControl", "ScrollBox1", {0, 0, 15, 20}, nullptr, kHiddenState},
    {"Edit0", "QLineEdit", "Form1", {1165, 520, 110, 12}, "", kShown},
    {"Panel1", "QFrame", "Form1", {1165, 2, 110, 518}, nullptr, kShown},
    {"Panel2", "QFrame", "Form1", {0, 2, 1159, 70}, nullptr, kShown},
    {"Btn0", "QPushButton", "Panel1", {3, 4, 52, 20}, "閉じる", kShown},
    {"Btn11", "QPushButton", "Panel1", {55, 4, 52, 20}, "印刷", kShown},
    {"Btn1", "QPushButton", "Panel1", {3, 27, 52, 20}, "新規作成", kShown},
    {"Btn2", "QPushButton", "Panel1", {55, 27, 52, 20}, "OpenFile", kShown},
    {"Btn3", "QPushButton", "Panel1", {3, 50, 52, 20}, "保存", kShown},
    {"Btn4", "QPushButton", "Panel1", {55, 50, 52, 20}, "上書保存", kDisabledState},
    {"Btn7", "QPushButton", "Panel1", {20, 97, 35, 18}, "戻す", kShown},
    {"Btn8", "QPushButton", "Panel1", {55, 97, 35, 18}, "進む", kShown},
    {"Label2", "QLabel", "Panel1", {32, 115, 48, 12}, "作業状態", kShown},
    {"Label3", "QLabel", "Panel1", {18, 144, 24, 16}, "100", kShown},
    {"Label4", "QLabel", "Panel1", {42, 144, 8, 16}, "%", kShown},
    {"Btn9", "QPushButton", "Panel1", {50, 144, 20, 16}, "↓", kShown},
    {"Btn10", "QPushButton", "Panel1", {70, 144, 20, 16}, "↑", kShown},
    {"Label5", "QLabel", "Panel1", {22, 160, 65, 12}, "Zoom In/Out", kShown},
    {"ComboBox1", "QComboBox", "Panel1", {2, 189, 106, 20}, nullptr, kShown},
    {"Label7", "QLabel", "Panel1", {30, 209, 48, 12}, "↑選択後", kShown},
    {"Label6", "QLabel", "Panel1", {9, 221, 94, 26}, "行頭( { 印付近)をClick", kShown},
    {"Label9",
     "QLabel",
     "Panel1",
     {3, 248, 105, 42},
     "音符休符の選択を解除しないとこっちの機能は使えない",
     kHiddenState},
    {"Label1", "QLabel", "Panel1", {8, 309, 14, 15}, "2", kShown},
    {"Btn5", "QPushButton", "Panel1", {22, 309, 20, 16}, "↓", kShown},
    {"Btn6", "QPushButton", "Panel1", {42, 309, 20, 16}, "↑", kShown},
    {"Edit1", "QLineEdit", "Panel1", {62, 309, 20, 16}, "", kShown},
    {"Edit2", "QLineEdit", "Panel1", {82, 309, 20, 16}, "", kShown},
    {"Label8", "QLabel", "Panel1", {8, 325, 72, 12}, "Penの太さ、色", kShown},
    {"GroupBox1", "QGroupBox", "Panel1", {2, 337, 106, 114}, nullptr, kShown},
    {"RBtnLM0", "QRadioButton", "GroupBox1", {4, 8, 70, 17}, "FreeDraw", kShown},
    {"RBtnLM1", "QRadioButton", "GroupBox1", {4, 25, 49, 17}, "直線", kShown},
    {"RBtnLM2", "QRadioButton", "GroupBox1", {4, 42, 47, 17}, "TIE", kShown},
    {"RBtnLM3", "QRadioButton", "GroupBox1", {4, 59, 97, 17}, "選択範囲削除", kShown},
    {"RBtnLM4", "QRadioButton", "GroupBox1", {4, 76, 97, 17}, "選択範囲移動", kShown},
    {"RBtnLM5", "QRadioButton", "GroupBox1", {4, 93, 97, 17}, "選択範囲Copy", kShown},
    {"GroupBox2", "QGroupBox", "Panel1", {2, 451, 106, 64}, nullptr, kHiddenState},
    {"RBtnSB1", "QRadioButton", "GroupBox2", {4, 8, 65, 17}, "縦一直線", kShown},
    {"RBtnSB2", "QRadioButton", "GroupBox2", {4, 25, 70, 17}, "横一直線", kShown},
    {"RBtnSB0", "QRadioButton", "GroupBox2", {4, 42, 75, 17}, "直線(Free)", kShown},
    // The palette strip; the symbols take the size of their pictures.
    {"Img01", "scoreink::ImageControl", "Panel2", {4, 4, 14, 10}, nullptr, kShown},
    {"Img02", "scoreink::ImageControl", "Panel2", {33, 4, 14, 10}, nullptr, kShown},
    {"Img03", "scoreink::ImageControl", "Panel2", {62, 4, 23, 11}, nullptr, kShown},
    {"Img04", "scoreink::ImageControl", "Panel2", {91, 4, 23, 11}, nullptr, kShown},
    {"Img05", "scoreink::ImageControl", "Panel2", {120, 4, 11, 25}, nullptr, kShown},
    {"Img06", "scoreink::ImageControl", "Panel2", {149, 4, 11, 22}, nullptr, kShown},
    {"Img07", "scoreink::ImageControl", "Panel2", {178, 4, 13, 18}, nullptr, kShown},
    {"Img08", "scoreink::ImageControl", "Panel2", {207, 4, 12, 28}, nullptr, kShown},
    {"Img09", "scoreink::ImageControl", "Panel2", {236, 4, 14, 6}, nullptr, kShown},
    {"Img10", "scoreink::ImageControl", "Panel2", {265, 4, 11, 11}, nullptr, kShown},
    {"Img11", "scoreink::ImageControl", "Panel2", {294, 4, 12, 30}, nullptr, kShown},
    {"Img12", "scoreink::ImageControl", "Panel2", {323, 4, 11, 22}, nullptr, kShown},
    {"Img13", "scoreink::ImageControl", "Panel2", {352, 4, 7, 29}, nullptr, kShown},
    {"Img14", "scoreink::ImageControl", "Panel2", {381, 4, 20, 8}, nullptr, kShown},
    {"Img15", "scoreink::ImageControl", "Panel2", {410, 4, 20, 11}, nullptr, kShown},
    {"Img16", "scoreink::ImageControl", "Panel2", {439, 4, 21, 10}, nullptr, kShown},
    {"Img17", "scoreink::ImageControl", "Panel2", {468, 4, 22, 19}, nullptr, kShown},
    {"Img18", "scoreink::ImageControl", "Panel2", {497, 4, 11, 26}, nullptr, kShown},
    {"Img19", "scoreink::ImageControl", "Panel2", {526, 4, 11, 26}, nullptr, kShown},
    {"Img20", "scoreink::ImageControl", "Panel2", {555, 4, 10, 10}, nullptr, kShown},
    {"Img21", "scoreink::ImageControl", "Panel2", {502, 40, 15, 5}, nullptr, kShown},
    {"Img22", "scoreink::ImageControl", "Panel2", {532, 40, 15, 14}, nullptr, kShown},
    {"Img23", "scoreink::ImageControl", "Panel2", {562, 40, 16, 27}, nullptr, kShown},
    {"OPImg01", "scoreink::ImageControl", "Panel2", {52, 40, 20, 20}, nullptr, kShown},
    {"OPImg02", "scoreink::ImageControl", "Panel2", {82, 40, 20, 20}, nullptr, kShown},
    {"OPImg08", "scoreink::ImageControl", "Panel2", {262, 40, 20, 20}, nullptr, kShown},
    {"OPImg15", "scoreink::ImageControl", "Panel2", {472, 40, 20, 20}, nullptr, kShown},
    {"ImgXX", "scoreink::ImageControl", "Panel2", {644, 4, 15, 15}, nullptr, kShown},
    {"BtnXX", "QPushButton", "Panel2", {610, 4, 32, 42}, "  →選択解除", kHiddenState},
    {"Btn12", "QPushButton", "Panel2", {2, 38, 37, 29}, "記号追加", kShown},
    // Fitting symbols to the staves: off, with the blank page's own factor.
    {"CheckBox1", "QCheckBox", "Panel2", {680, 4, 110, 17}, "譜表に合わせる", kShown},
    {"Label10", "QLabel", "Panel2", {698, 22, 92, 14}, "×1.0", kShown},
};

TEST(ScoreWindowControls, EveryControlHasItsNameKindPlaceCaptionAndState) {
  ScoreWindowHarness ui;
  ExpectControls(ui.Driver(), kRows);
}

TEST(ScoreWindowControls, PaletteHoldsTheBuiltInSymbolsAndEmptyCustomSlots) {
  ScoreWindowHarness ui;
  for (int n = 1; n <= 23; ++n) {
    auto* image = ui.Find<ImageControl>(QString("Img%1").arg(n, 2, 10, QChar('0')));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->HasPicture()) << n;
    EXPECT_TRUE(image->AutoSize()) << n;
    EXPECT_EQ(image->size(), image->Picture().size()) << n;
  }
  for (int n = 1; n <= 15; ++n) {
    auto* slot = ui.Find<ImageControl>(QString("OPImg%1").arg(n, 2, 10, QChar('0')));
    ASSERT_NE(slot, nullptr);
    EXPECT_FALSE(slot->HasPicture()) << n;
    EXPECT_TRUE(slot->AutoSize()) << n;
    EXPECT_EQ(slot->geometry(), QRect(52 + 30 * (n - 1), 40, 20, 20));
  }
  EXPECT_EQ(ui->Control<ImageControl>("ImgScoreDef")->Picture().size(), QSize(730, 260));
}

TEST(ScoreWindowControls, ColoursAndFramesMatchTheDesign) {
  ScoreWindowHarness ui;
  auto background = [](const QWidget* w) { return w->palette().color(w->backgroundRole()); };
  EXPECT_EQ(background(&ui.Window()), QColor(192, 192, 192));
  EXPECT_EQ(background(ui->Control<QFrame>("Panel1")), QColor(128, 128, 128));
  EXPECT_EQ(background(ui->Control<QFrame>("Panel2")), QColor(255, 255, 255));
  EXPECT_EQ(background(ui->Control<QScrollArea>("ScrollBox1")->viewport()), QColor(192, 192, 192));
  EXPECT_EQ(ui->Control<QScrollArea>("ScrollBox1")->frameShape(), QFrame::NoFrame);
  // The focus sink is grey on grey without a frame: it looks empty.
  EXPECT_EQ(ui->Control<QLineEdit>("Edit0")->palette().color(QPalette::Base),
            QColor(128, 128, 128));
  EXPECT_EQ(ui->Control<QLineEdit>("Edit0")->palette().color(QPalette::Text),
            QColor(128, 128, 128));
  EXPECT_FALSE(ui->Control<QLineEdit>("Edit0")->hasFrame());
  EXPECT_EQ(ui->Control<QLineEdit>("Edit1")->palette().color(QPalette::Base), QColor(0, 0, 0));
  EXPECT_TRUE(ui->Control<QLineEdit>("Edit1")->hasFrame());
  EXPECT_EQ(ui->Control<QLineEdit>("Edit2")->palette().color(QPalette::Base),
            QColor(255, 255, 255));
  EXPECT_FALSE(ui->Control<QLineEdit>("Edit2")->hasFrame());
  EXPECT_EQ(ui->Control<QLabel>("Label3")->palette().color(QPalette::WindowText),
            QColor(255, 255, 255));
  EXPECT_EQ(background(ui->Control<QLabel>("Label3")), QColor(0, 0, 0));
  EXPECT_EQ(ui->Control<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  EXPECT_EQ(background(ui->Control<QLabel>("Label1")), QColor(255, 255, 255));
  EXPECT_TRUE(ui->Control<QLabel>("Label1")->alignment() & Qt::AlignRight);
  EXPECT_TRUE(ui->Control<QLabel>("Label6")->wordWrap());
  EXPECT_EQ(ui->Control<QRadioButton>("RBtnLM2")->palette().color(QPalette::WindowText),
            QColor(255, 255, 255));
  EXPECT_FALSE(ui->Control<QLineEdit>("Edit0")->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_FALSE(ui->Control<QComboBox>("ComboBox1")->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_TRUE(ui.Overlay()->Transparent());
  EXPECT_TRUE(ui.Overlay()->Stretch());
}

TEST(ScoreWindowControls, OneLineCaptionsFitTheirControls) {
  // The face differs from the one the window was designed for; no caption may be cut off,
  // including the widest numbers the zoom and pen-width labels show.
  ScoreWindowHarness ui;
  for (QLabel* label : ui->findChildren<QLabel*>()) {
    if (label->wordWrap() || label->objectName().isEmpty()) continue;
    QStringList texts{label->text()};
    if (label == ui->Control<QLabel>("Label3"))
      texts << "800"
            << "100";
    if (label == ui->Control<QLabel>("Label1")) texts << "10";
    for (const QString& text : texts)
      EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->width())
          << label->objectName().toStdString() << " " << text.toStdString();
  }
  for (QRadioButton* radio : ui->findChildren<QRadioButton*>())
    EXPECT_LE(radio->sizeHint().width(), radio->width() + 1) << radio->objectName().toStdString();
}

TEST(ScoreWindowControls, RadioButtonsSitInOneGroupPerGroupBox) {
  ScoreWindowHarness ui;
  ASSERT_EQ(ui->Control<QButtonGroup>("RBtnLMGroup")->buttons().size(), 6);
  ASSERT_EQ(ui->Control<QButtonGroup>("RBtnSBGroup")->buttons().size(), 3);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(ui.Find<QRadioButton>(QString("RBtnLM%1").arg(i))->group(),
              ui->Control<QButtonGroup>("RBtnLMGroup"));
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(ui.Find<QRadioButton>(QString("RBtnSB%1").arg(i))->group(),
              ui->Control<QButtonGroup>("RBtnSBGroup"));
}

}  // namespace
}  // namespace scoreink::test
