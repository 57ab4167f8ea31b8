// The symbol editor window: its controls as the user sees them after "記号追加", the state it
// opens in, and how it is opened again, left and closed with the score window.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

#include "dialogs/tform2.h"
#include "harness/control_table_checks.h"
#include "harness/open_window.h"
#include "harness/symbol_editor_harness.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

const ExpectedControl kRows[] = {
    {"Img0", "scoreink::ImageControl", "Form3", {4, 34, 120, 120}, nullptr, kShown},
    {"Btn12", "QPushButton", "Form3", {4, 4, 35, 24}, "Clear", kShown},
    {"LBL6", "QLabel", "Form3", {44, 4, 33, 26}, "Zoom In/Out", kShown},
    {"LBL0", "QLabel", "Form3", {77, 4, 24, 12}, "400", kShown},
    {"LBL5", "QLabel", "Form3", {77, 16, 24, 12}, "%", kShown},
    {"BtnZoomUpDn00", "QPushButton", "Form3", {101, 4, 20, 24}, "↓", kShown},
    {"BtnZoomUpDn01", "QPushButton", "Form3", {121, 4, 20, 24}, "↑", kShown},
    {"LBL12", "QLabel", "Form3", {144, 4, 24, 26}, "作業状態", kShown},
    {"Btn14", "QPushButton", "Form3", {168, 4, 30, 24}, "戻す", kShown},
    {"Btn15", "QPushButton", "Form3", {198, 4, 30, 24}, "進む", kShown},
    {"Btn13", "QPushButton", "Form3", {252, 4, 55, 24}, "OK(登録)", kShown},
    {"Btn00", "QPushButton", "Form3", {252, 36, 55, 24}, "Cancel", kShown},
    {"LBL3", "QLabel", "Form3", {328, 4, 33, 26}, "Zoom In/Out", kHiddenState},
    {"LBL1", "QLabel", "Form3", {361, 4, 24, 12}, "100", kHiddenState},
    {"LBL2", "QLabel", "Form3", {361, 16, 24, 12}, "%", kHiddenState},
    {"BtnZoomUpDn10", "QPushButton", "Form3", {385, 4, 20, 24}, "↓", kHiddenState},
    {"BtnZoomUpDn11", "QPushButton", "Form3", {405, 4, 20, 24}, "↑", kHiddenState},
    {"LBL4",
     "QLabel",
     "Form3",
     {432, 4, 150, 26},
     "範囲を指定するとその部分が左側にコピーされる",
     kHiddenState},
    {"LBL7",
     "QLabel",
     "Form3",
     {965, 4, 248, 26},
     "自力でポチポチ描くのが面倒だったら右のボタンから適当な画像を読み込んで部分コピーしても～",
     kShown},
    {"Btn11", "QPushButton", "Form3", {1215, 4, 55, 24}, "OpenFile", kShown},
    {"ScrollBox1", "QScrollArea", "Form3", {320, 34, 950, 964}, nullptr, kShown},
    {"Img1", "scoreink::ImageControl", "ScrollBox1", {0, 0, 150, 150}, nullptr, kShown},
    {"GroupBox2", "QGroupBox", "Form3", {4, 278, 57, 50}, nullptr, kShown},
    {"RBtn5", "QRadioButton", "GroupBox2", {4, 10, 45, 17}, "Pen", kShown},
    {"RBtn4", "QRadioButton", "GroupBox2", {4, 28, 49, 17}, "Brush", kShown},
    {"GroupBox1", "QGroupBox", "Form3", {66, 278, 185, 32}, nullptr, kShown},
    {"RBtn1", "QRadioButton", "GroupBox1", {4, 10, 43, 17}, "直線", kShown},
    {"RBtn3", "QRadioButton", "GroupBox1", {50, 10, 35, 17}, "円", kShown},
    {"RBtn2", "QRadioButton", "GroupBox1", {88, 10, 43, 17}, "四角", kShown},
    {"RBtn0", "QRadioButton", "GroupBox1", {134, 10, 45, 17}, "Free", kShown},
    {"LBL8", "QLabel", "Form3", {67, 312, 13, 15}, "2", kShown},
    {"Btn09", "QPushButton", "Form3", {80, 312, 20, 16}, "↓", kShown},
    {"Btn10", "QPushButton", "Form3", {100, 312, 20, 16}, "↑", kShown},
    {"Edit1", "QLineEdit", "Form3", {120, 312, 20, 16}, "", kShown},
    {"Edit2", "QLineEdit", "Form3", {140, 312, 20, 16}, "", kShown},
    {"LBL9", "QLabel", "Form3", {160, 312, 90, 16}, "Penの太さ、色", kShown},
    {"Edit0", "QLineEdit", "Form3", {80, 340, 20, 18}, "", kShown},
    {"Btn01", "QPushButton", "Form3", {29, 344, 25, 25}, "↑", kShown},
    {"Btn03", "QPushButton", "Form3", {4, 369, 25, 25}, "←", kShown},
    {"LBL10", "QLabel", "Form3", {29, 369, 25, 25}, "移動", kShown},
    {"Btn04", "QPushButton", "Form3", {54, 369, 25, 25}, "→", kShown},
    {"Btn02", "QPushButton", "Form3", {29, 394, 25, 25}, "↓", kShown},
    {"Btn05", "QPushButton", "Form3", {134, 344, 25, 25}, "↓", kShown},
    {"Btn07", "QPushButton", "Form3", {109, 369, 25, 25}, "→", kShown},
    {"LBL11", "QLabel", "Form3", {134, 369, 25, 25}, "Trim", kShown},
    {"Btn08", "QPushButton", "Form3", {159, 369, 25, 25}, "←", kShown},
    {"Btn06", "QPushButton", "Form3", {134, 394, 25, 25}, "↑", kShown},
    {"ImgTMP", "scoreink::ImageControl", "Form3", {32, 456, 30, 30}, nullptr, kHiddenState},
    {"ImgBK", "scoreink::ImageControl", "Form3", {32, 496, 20, 20}, nullptr, kHiddenState},
};

TEST(SymbolEditorWindow, EveryControlHasItsNameKindPlaceCaptionAndState) {
  SymbolEditorHarness ed;
  ExpectControls(ed.Driver(), kRows);
}

TEST(SymbolEditorWindow, CoversTheWorkAreaWithoutAFrameInTheDesignColours) {
  SymbolEditorHarness ed;
  TForm3& editor = ed.Editor();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(editor.geometry(), QRect(0, 0, 1280, 1024));
  EXPECT_TRUE(editor.windowFlags() & Qt::FramelessWindowHint);
  auto background = [](const QWidget* w) { return w->palette().color(w->backgroundRole()); };
  EXPECT_EQ(background(&editor), QColor(128, 128, 128));
  EXPECT_EQ(background(editor.Control("LBL0")), QColor(0, 0, 0));
  EXPECT_EQ(editor.Control("LBL0")->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_EQ(background(editor.Control<QLabel>("LBL8")), QColor(255, 255, 255));
  EXPECT_TRUE(editor.Control<QLabel>("LBL8")->alignment() & Qt::AlignRight);
  EXPECT_EQ(editor.Control<QLabel>("LBL8")->font().pixelSize(), 13);
  EXPECT_EQ(editor.Control("Btn00")->font().pixelSize(), 13);
  EXPECT_EQ(editor.font().pixelSize(), 12);
  EXPECT_EQ(editor.Control<QLineEdit>("Edit1")->palette().color(QPalette::Base), QColor(0, 0, 0));
  EXPECT_EQ(editor.Control<QLineEdit>("Edit2")->palette().color(QPalette::Base),
            QColor(255, 255, 255));
  EXPECT_FALSE(editor.Control<QLineEdit>("Edit2")->hasFrame());
  // The focus sink looks empty and comes first in the tab order.
  EXPECT_FALSE(editor.Control<QLineEdit>("Edit0")->hasFrame());
  EXPECT_EQ(editor.Control<QLineEdit>("Edit0")->palette().color(QPalette::Base),
            QColor(128, 128, 128));
  EXPECT_EQ(editor.Control<QLineEdit>("Edit0")->palette().color(QPalette::Text),
            QColor(128, 128, 128));
  EXPECT_FALSE(editor.Control<QLineEdit>("Edit0")->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_EQ(editor.nextInFocusChain(), editor.Control<QLineEdit>("Edit0"));
  EXPECT_TRUE(editor.Control<ImageControl>("Img0")->Stretch());
  EXPECT_TRUE(editor.Control<ImageControl>("Img1")->Stretch());
  EXPECT_TRUE(editor.Control<ImageControl>("ImgTMP")->AutoSize());
}

TEST(SymbolEditorWindow, OpensOnABlank30By30DrawingAt400PercentWithFreePenInBlack) {
  SymbolEditorHarness ed;
  TForm3& editor = ed.Editor();
  EXPECT_EQ(ed.Drawing().size(), QSize(30, 30));
  EXPECT_TRUE(AllWhite(ed.Drawing()));
  EXPECT_EQ(editor.Control<ImageControl>("Img0")->size(), QSize(120, 120));
  EXPECT_EQ(editor.Control<QLabel>("LBL0")->text(), "400");
  EXPECT_EQ(editor.Control<QLabel>("LBL8")->text(), "2");
  EXPECT_TRUE(ed.Driver().Find<QRadioButton>("RBtn0")->isChecked());
  EXPECT_TRUE(ed.Driver().Find<QRadioButton>("RBtn5")->isChecked());
  EXPECT_EQ(editor.CurrentShape(), EditorShape::FreeLine);
  EXPECT_EQ(editor.CurrentPenWidth(), 2);
  EXPECT_TRUE(editor.PenChosen());
  EXPECT_FALSE(editor.InDrag());
  EXPECT_EQ(editor.CurrentDrawColor(), kBlack);
  EXPECT_FALSE(editor.ImportOpen());
  EXPECT_EQ(editor.Control<ImageControl>("ImgTMP")->Picture(), ed.Drawing());
  EXPECT_FALSE(editor.Control<ImageControl>("ImgBK")->HasPicture());
  EXPECT_FALSE(editor.Control<ImageControl>("Img1")->HasPicture());
  EXPECT_EQ(HistoryPos(), 1);
  ed.Undo("これより前はない");
}

bool EmptyFolder(const QString& path) {
  const QDir folder(path);
  return folder.exists() && folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST(SymbolEditorLifecycle, AVisitEmptiesTheScoreWindowsHistoryWhenOpenedAndWhenLeft) {
  ScoreWindowHarness ui;
  ui.DragOnScore({200, 200}, {260, 230});
  ASSERT_EQ(HistoryPos(), 2);

  ui.Click("Btn12");
  ASSERT_NE(Form3, nullptr);
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_TRUE(EmptyFolder(WorkFolder));

  FormDriver editor(Form3);
  editor.Drag("Img0", {10, 10}, {60, 60});
  EXPECT_EQ(HistoryPos(), 2);
  editor.Click("Btn00");
  EXPECT_EQ(Form3, nullptr);
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_TRUE(EmptyFolder(WorkFolder));

  ui.Dialogs().AnswerBox(kIdOk, QStringLiteral("どうでもいいけど"));
  ui.Click("Btn7");
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text, "これより前はない");
}

TEST(SymbolEditorLifecycle, ASecondClickOnTheButtonShowsTheOpenEditorAndKeepsItsDrawing) {
  SymbolEditorHarness ed;
  ed.DragOnDrawing({10, 10}, {60, 60});
  const QImage drawing = ed.Drawing();
  ASSERT_FALSE(AllWhite(drawing));
  ed.Score().Click("Btn12");
  EXPECT_EQ(Form3, ed.EditorObject());
  EXPECT_EQ(ed.Drawing(), drawing);
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_TRUE(ed->isVisible());
}

TEST(SymbolEditorLifecycle, CancelAndAWindowSystemCloseReleaseTheEditor) {
  for (const bool byWindowSystem : {false, true}) {
    SCOPED_TRACE(byWindowSystem ? "closed by the window system" : "Cancel");
    SymbolEditorHarness ed;
    ed.DragOnDrawing({10, 10}, {60, 60});
    if (byWindowSystem)
      ed->close();
    else
      ed.Click("Btn00");
    EXPECT_EQ(Form3, nullptr);
    EXPECT_EQ(HistoryPos(), 1);
    SymbolEditorHarness::FlushDeletes();
    EXPECT_EQ(ed.EditorObject(), nullptr);
    // A new opening starts afresh.
    ed.Score().Click("Btn12");
    ASSERT_NE(Form3, nullptr);
    EXPECT_TRUE(AllWhite(OpenWindow<TForm3>()->Drawing()));
  }
}

TEST(SymbolEditorLifecycle, ClosingTheScoreWindowClosesTheEditorAndLeavesNoWorkFolder) {
  SymbolEditorHarness ed;
  ed.Score().Close();
  EXPECT_EQ(Form3, nullptr);
  SymbolEditorHarness::FlushDeletes();
  EXPECT_EQ(ed.EditorObject(), nullptr);
  EXPECT_FALSE(QDir(WorkFolder).exists());
}

TEST(SymbolEditorLifecycle, WhileTheEditorIsOpenTheScoreTakesNoEditsUndoOrRedo) {
  SymbolEditorHarness ed;
  ScoreWindowHarness& ui = ed.Score();
  const QImage score = ui.Score();
  // The editor's own steps are in the shared history now: an undo in the score window would
  // put the 30 x 30 drawing in place of the score.
  ed.DragOnDrawing({10, 10}, {60, 60});
  ASSERT_EQ(HistoryPos(), 2);
  for (const char* name : {"Image1", "Btn7", "Btn8"})
    EXPECT_FALSE(ui.Find(name)->isEnabled()) << name;

  // The score file dialog opened and left meanwhile does not give the score back early.
  ui.Click("Btn2");
  ASSERT_NE(Form2, nullptr);
  FormDriver(Form2).Click("Button2");
  SymbolEditorHarness::FlushDeletes();
  EXPECT_FALSE(ui.Find("Image1")->isEnabled());
  EXPECT_EQ(ui.Score(), score);

  ed.Click("Btn00");
  for (const char* name : {"Image1", "Btn7", "Btn8"})
    EXPECT_TRUE(ui.Find(name)->isEnabled()) << name;
  EXPECT_EQ(ui.Score(), score);
}

}  // namespace
}  // namespace scoreink::test
