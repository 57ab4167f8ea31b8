// The pen part of the tool panel: which controls each tool shows, the line and tie variants,
// the pen width stepper with its left limit, and the two colour boxes.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "editing/tool_modes.h"
#include "harness/score_window_harness.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

struct PanelLook {
  const char* tool;
  ScoreTool toolMode;
  bool penControls;  // Label1, Label8, Btn5, Btn6
  bool blackBox;     // Edit1
  bool whiteBox;     // Edit2
  bool variants;     // GroupBox2
  int leftLimit;     // with the pen width at 2
};

TEST(PenPanel, EachToolShowsItsOwnControls) {
  const PanelLook looks[] = {
      {"RBtnLM1", ScoreTool::Line, true, true, false, true, 27},
      {"RBtnLM3", ScoreTool::RegionDelete, false, false, false, false, 26},
      {"RBtnLM0", ScoreTool::FreeDraw, true, true, true, false, 27},
      {"RBtnLM2", ScoreTool::Tie, true, true, false, true, 27},
      {"RBtnLM4", ScoreTool::RegionMove, false, false, false, false, 26},
      {"RBtnLM5", ScoreTool::RegionCopy, false, false, false, false, 26},
      {"RBtnLM0", ScoreTool::FreeDraw, true, true, true, false, 27},
  };
  ScoreWindowHarness ui;
  for (const PanelLook& look : looks) {
    SCOPED_TRACE(look.tool);
    ui.Click(look.tool);
    EXPECT_EQ(ui->CurrentTool(), look.toolMode);
    for (const char* name : {"Label1", "Label8", "Btn5", "Btn6"})
      EXPECT_EQ(ui.Find(name)->isVisible(), look.penControls) << name;
    EXPECT_EQ(ui->Control<QLineEdit>("Edit1")->isVisible(), look.blackBox);
    EXPECT_EQ(ui->Control<QLineEdit>("Edit2")->isVisible(), look.whiteBox);
    EXPECT_EQ(ui->Control<QGroupBox>("GroupBox2")->isVisible(), look.variants);
    EXPECT_EQ(LeftLimit, look.leftLimit);
  }
}

TEST(PenPanel, LineAndTieVariantsFollowTheToolWithTheirCaptions) {
  ScoreWindowHarness ui;
  ui.Click("RBtnLM1");
  EXPECT_EQ(ui->Control<QRadioButton>("RBtnSB1")->text(), "縦一直線");
  EXPECT_EQ(ui->Control<QRadioButton>("RBtnSB2")->text(), "横一直線");
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnSB0")->isVisible());
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnSB0")->isChecked());
  EXPECT_EQ(ui->CurrentLine(), LineVariant::Free);

  ui.Click("RBtnSB1");
  EXPECT_EQ(ui->CurrentLine(), LineVariant::Vertical);
  ui.Click("RBtnSB2");
  EXPECT_EQ(ui->CurrentLine(), LineVariant::Horizontal);

  // The tie keeps the chosen variant when it is not the free line...
  ui.Click("RBtnLM2");
  EXPECT_EQ(ui->Control<QRadioButton>("RBtnSB1")->text(), "下弦");
  EXPECT_EQ(ui->Control<QRadioButton>("RBtnSB2")->text(), "上弦");
  EXPECT_FALSE(ui->Control<QRadioButton>("RBtnSB0")->isVisible());
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnSB2")->isChecked());
  EXPECT_EQ(ui->CurrentLine(), LineVariant::UpperArc);

  // ... and the line tool starts again as a free line, whatever was chosen before.
  ui.Click("RBtnLM1");
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnSB0")->isChecked());
  EXPECT_FALSE(ui->Control<QRadioButton>("RBtnSB2")->isChecked());
  EXPECT_EQ(ui->CurrentLine(), LineVariant::Free);
  EXPECT_EQ(ui->Control<QRadioButton>("RBtnSB1")->text(), "縦一直線");

  // With the free line checked, the tie starts as the lower arc.
  ui.Click("RBtnLM2");
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnSB1")->isChecked());
  EXPECT_FALSE(ui->Control<QRadioButton>("RBtnSB0")->isChecked());
  EXPECT_EQ(ui->CurrentLine(), LineVariant::LowerArc);

  ui.Click("RBtnLM1");
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnSB0")->isChecked());
  EXPECT_EQ(ui->CurrentLine(), LineVariant::Free);
}

TEST(PenPanel, WidthStepsFromOneToTenAndMovesTheLeftLimit) {
  ScoreWindowHarness ui;
  ui.Click("Btn5");
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "1");
  ui.Click("Btn5");  // stays at the smallest width
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "1");
  const int limits[] = {26, 27, 27, 28, 28, 29, 29, 30, 30, 31};
  for (int width = 1; width <= 10; ++width) {
    SCOPED_TRACE(width);
    EXPECT_EQ(PenWidth, width);
    EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), QString::number(width));
    EXPECT_EQ(LeftLimit, limits[width - 1]);
    ui.Click("Btn6");
  }
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "10");  // stays at the largest width
  EXPECT_EQ(PenWidth, 10);

  // The region tools have their own limit; coming back takes the width's limit again.
  ui.Click("RBtnLM3");
  EXPECT_EQ(LeftLimit, 26);
  ui.Click("RBtnLM2");
  EXPECT_EQ(LeftLimit, 31);
  EXPECT_EQ(PenWidth, 10);
}

TEST(PenPanel, ColourBoxesChooseThePenColourAndOnlyFreeDrawKeepsWhite) {
  ScoreWindowHarness ui;
  ui.Click("Edit2");
  EXPECT_EQ(ui->CurrentPenColor(), kWhite);
  ui.Click("RBtnLM1");
  EXPECT_EQ(ui->CurrentPenColor(), kBlack);  // lines and ties draw in black
  ui.Click("RBtnLM0");
  EXPECT_EQ(ui->CurrentPenColor(), kBlack);
  ui.Click("Edit2");
  ui.Click("RBtnLM4");
  EXPECT_EQ(ui->CurrentPenColor(), kBlack);
  ui.Click("RBtnLM0");
  ui.Click("Edit2");
  EXPECT_EQ(ui->CurrentPenColor(), kWhite);
  ui.Click("Edit1");
  EXPECT_EQ(ui->CurrentPenColor(), kBlack);
}

}  // namespace
}  // namespace scoreink::test
