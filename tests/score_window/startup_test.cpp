// Start-up of the score window: placement and layout over the work area, the first blank
// score, the start state of the tool panel.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include "harness/score_window_harness.h"
#include "platform/history/edit_history.h"
#include "platform/raster/palette.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

TEST(ScoreWindowStartup, LaysOutOverA1280By1024WorkArea) {
  ScoreWindowHarness ui;
  ASSERT_TRUE(ui.Started());
  EXPECT_EQ(ui->geometry(), QRect(0, 0, 1280, 1024));
  EXPECT_EQ(ui->Control<QFrame>("Panel1")->geometry(), QRect(1165, 2, 110, 518));
  EXPECT_EQ(ui->Control<QLineEdit>("Edit0")->geometry(), QRect(1165, 520, 110, 12));
  EXPECT_EQ(ui->Control<QScrollArea>("ScrollBox1")->geometry(), QRect(0, 80, 1160, 934));
  EXPECT_EQ(ui->Control<QFrame>("Panel2")->geometry(), QRect(0, 2, 1159, 70));
  EXPECT_EQ(WorkAreaWidth, 1280);
  EXPECT_EQ(WorkAreaHeight, 1024);
  EXPECT_TRUE(ui->windowFlags() & Qt::FramelessWindowHint);
  // The title shows in the task switcher and the panel: the program and the score.
  EXPECT_EQ(ui->windowTitle(), "新しい楽譜 - ScoreInk");
}

TEST(ScoreWindowStartup, StaysAtTheScreenOriginWhateverTheWorkAreaOrigin) {
  // A task bar docked at the left or top moves the work area, not the window.
  struct Case {
    QRect workArea;
    int panelLeft;
  };
  for (const Case& c : {Case{QRect(60, 0, 1220, 1024), 1105}, Case{QRect(0, 40, 1280, 984), 1165},
                        Case{QRect(0, 0, 1024, 738), 909}}) {
    WindowOptions options;
    options.facts = WithWorkArea(DefaultDeviceFacts(), c.workArea);
    ScoreWindowHarness ui(options);
    SCOPED_TRACE(c.workArea.width());
    EXPECT_EQ(ui->geometry(), QRect(0, 0, c.workArea.width(), c.workArea.height()));
    EXPECT_EQ(ui->Control<QFrame>("Panel1")->x(), c.panelLeft);
    EXPECT_EQ(ui->Control<QLineEdit>("Edit0")->x(), c.panelLeft);
    EXPECT_EQ(ui->Control<QScrollArea>("ScrollBox1")->size(),
              QSize(c.workArea.width() - 120, c.workArea.height() - 90));
    EXPECT_EQ(ui->Control<QFrame>("Panel2")->width(), c.panelLeft - 6);
  }
}

TEST(ScoreWindowStartup, ShowsABlankPageAtOneHundredPercent) {
  ScoreWindowHarness ui;
  const QImage& score = ui.Score();
  ASSERT_EQ(score.size(), QSize(770, 1101));
  EXPECT_EQ(score.format(), QImage::Format_Indexed8);
  EXPECT_EQ(ui->Control<QLabel>("Label3")->text(), "100");
  EXPECT_EQ(ui.ScoreView()->geometry(), QRect(0, 0, 770, 1101));
  EXPECT_TRUE(ui.ScoreView()->Stretch());
  // Four systems of the template: the first treble staff line, the system line, white below.
  EXPECT_EQ(score.pixel(100, 57), kTemplateInk);
  EXPECT_EQ(score.pixel(25, 57 + 3 * 260), kTemplateInk);
  EXPECT_EQ(score.pixel(100, 4 * 260 + 10), kWhite);
  EXPECT_EQ(score.pixel(750, 57), kWhite);  // right of the template
}

TEST(ScoreWindowStartup, StartsInFreeDrawWithTheDesignStateOfThePanel) {
  ScoreWindowHarness ui;
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->count(), 13);
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->currentIndex(), 0);
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->currentText(), "調号なし");
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->itemText(6), "＃＃＃＃＃＃");
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->itemText(7), "♭");
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->itemText(12), "♭♭♭♭♭♭");
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "2");
  EXPECT_FALSE(ui->Control<QPushButton>("Btn4")->isEnabled());
  EXPECT_TRUE(ui->Control<QGroupBox>("GroupBox1")->isVisible());
  EXPECT_FALSE(ui->Control<QGroupBox>("GroupBox2")->isVisible());
  EXPECT_FALSE(ui->Control<QLabel>("Label9")->isVisible());
  EXPECT_FALSE(ui->Control<QPushButton>("BtnXX")->isVisible());
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM0")->isChecked());
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnSB0")->isChecked());
  EXPECT_FALSE(ui.Overlay()->isVisible());
  EXPECT_FALSE(ui.Overlay()->HasPicture());
  EXPECT_FALSE(ui->Control<ImageControl>("ImgXX")->HasPicture());

  EXPECT_EQ(ui->CurrentTool(), ScoreTool::FreeDraw);
  EXPECT_EQ(ui->CurrentLine(), LineVariant::Free);
  EXPECT_FALSE(ui->InGesture());
  EXPECT_EQ(ui->CurrentPenColor(), kBlack);
  EXPECT_EQ(PenWidth, 2);
  EXPECT_EQ(LeftLimit, 27);
  EXPECT_TRUE(TemplateScore);
  EXPECT_TRUE(CurrentScoreFile.isEmpty());
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_EQ(Form1, &ui.Window());
  EXPECT_EQ(ui->SurfaceCanvas().Target(), &ui.Score());
}

TEST(ScoreWindowStartup, SizesTheBlankPageFromThePrinter) {
  // A 600-dpi printer with margins of 100 printer pixels: A4 at 96 dpi less 2 x 16 pixels.
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  EXPECT_EQ(ui.Score().size(), QSize(762, 1091));
  EXPECT_EQ(ui.ScoreView()->size(), QSize(762, 1091));
  EXPECT_EQ(ui->ScoreBlankPage().size, QSize(762, 1091));
  EXPECT_EQ(ui->ScoreBlankPage().SystemCount(), 4);
}

TEST(ScoreWindowStartup, ReadsTheDeviceFactsOnceAndAgainOnlyWhenAsked) {
  ScoreWindowHarness ui;
  EXPECT_EQ(ui.Devices().ReadCount(), 1);
  ui.Devices().Set(WithPrinter(DefaultDeviceFacts()));
  ui->RefreshBlankPage();
  EXPECT_EQ(ui.Devices().ReadCount(), 2);
  EXPECT_EQ(ui->ScoreBlankPage().size, QSize(762, 1091));
  EXPECT_EQ(ui.Score().size(), QSize(770, 1101));  // the score shown is left alone
}

TEST(ScoreWindowStartup, UsesTheWindowFaceAtTheDesignedSizes) {
  ScoreWindowHarness ui;
  EXPECT_EQ(QFontInfo(ui->font()).family(), "IPAPGothic");
  EXPECT_EQ(ui->font().pixelSize(), 12);
  EXPECT_EQ(QFontInfo(QFont("ＭＳ Ｐゴシック")).family(), "IPAPGothic");
  struct Case {
    const char* name;
    int pixels;
  };
  for (const Case& c : {Case{"Btn0", 12}, Case{"Label3", 16}, Case{"Label4", 16},
                        Case{"Label1", 13}, Case{"Label9", 13}, Case{"Btn5", 13}, Case{"Btn6", 13},
                        Case{"RBtnLM3", 12}, Case{"BtnXX", 12}}) {
    SCOPED_TRACE(c.name);
    QWidget* control = ui.Find(c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->font().pixelSize(), c.pixels);
    EXPECT_EQ(QFontInfo(control->font()).family(), "IPAPGothic");
  }
}

}  // namespace
}  // namespace scoreink::test
