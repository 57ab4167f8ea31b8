// Entering and leaving symbol mode: what the palette click hides and shows, the empty custom
// slots, and the deselect button putting the pen panel back.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "palette_test_support.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

const char* const kPenAndKeyControls[] = {"Label1",    "Label6",    "Label7",   "Label8",
                                          "Btn5",      "Btn6",      "Edit1",    "Edit2",
                                          "GroupBox1", "GroupBox2", "ComboBox1"};

TEST(PaletteMode, ASymbolClickLeavesNoToolCheckedAndHidesThePenAndKeyControls) {
  ScoreWindowHarness ui;
  ui.Click("Btn6");   // pen width 3
  ui.Click("Edit2");  // white pen
  const int leftLimit = LeftLimit;

  ui.Click("Img07");

  EXPECT_EQ(ui->CurrentTool(), ScoreTool::Symbol);
  EXPECT_EQ(ui->Control<QButtonGroup>("RBtnLMGroup")->checkedButton(), nullptr);
  EXPECT_TRUE(ui->Control<QButtonGroup>("RBtnLMGroup")->exclusive())
      << "one tool at a time once a tool is chosen again";
  EXPECT_EQ(ui->Control<ImageControl>("ImgXX")->Picture(),
            ui.Find<ImageControl>("Img07")->Picture());
  EXPECT_TRUE(ui->Control<QPushButton>("BtnXX")->isVisible());
  EXPECT_TRUE(ui->Control<QLabel>("Label9")->isVisible());
  for (const char* name : kPenAndKeyControls) EXPECT_TRUE(ui.Find(name)->isHidden()) << name;
  EXPECT_EQ(PenWidth, 3);
  EXPECT_EQ(LeftLimit, leftLimit);
  EXPECT_EQ(ui->CurrentPenColor(), kWhite);

  ui.Click("Img11");  // another symbol simply replaces the selection
  EXPECT_EQ(ui->Control<ImageControl>("ImgXX")->Picture(),
            ui.Find<ImageControl>("Img11")->Picture());
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::Symbol);
}

TEST(PaletteMode, EmptyCustomSlotsIgnoreTheClickAfterStampingWhatFloats) {
  ScoreWindowHarness ui;
  const QImage blank = ui.Score().copy();
  ui.Click("OPImg01");
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::FreeDraw);
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM0")->isChecked());
  EXPECT_TRUE(ui->Control<QPushButton>("BtnXX")->isHidden());

  PlaceSymbol(ui, "Img01", {200, 200});
  ASSERT_TRUE(ui.Overlay()->isVisible());
  ui.Click("OPImg15");
  EXPECT_TRUE(ui.Overlay()->isHidden()) << "the floating symbol is stamped first";
  EXPECT_NE(ui.Score(), blank);
  EXPECT_EQ(ui->Control<ImageControl>("ImgXX")->Picture(),
            ui.Find<ImageControl>("Img01")->Picture());
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::Symbol);
}

TEST(PaletteMode, AFilledCustomSlotIsPlacedAndOnlyItsPureBlackIsStamped) {
  ScoreWindowHarness ui;
  QImage custom = NewBitmap(20, 20, PixelFormat::Bits24);
  for (int i = 0; i < 20; ++i) {
    custom.setPixel(i, i, kBlack);
    custom.setPixel(19 - i, i, qRgb(0, 0, 1));  // nearly black is not ink
  }
  ui.Find<ImageControl>("OPImg04")->SetPicture(custom);
  const QImage before = ui.Score().copy();

  PlaceSymbol(ui, "OPImg04", {300, 300});
  EXPECT_EQ(ui.Overlay()->geometry(), QRect(290, 290, 20, 20));
  CommitByPanelClick(ui);

  EXPECT_EQ(ui.Score(), Stamped(before, custom, {290, 290}));
}

TEST(PaletteMode, DeselectStampsPutsThePenPanelBackAndTheWidthToTwo) {
  ScoreWindowHarness ui;
  for (int i = 0; i < 3; ++i) ui.Click("Btn6");
  ASSERT_EQ(ui->Control<QLabel>("Label1")->text(), "5");
  PlaceSymbol(ui, "Img02", {200, 200});

  ui.Click("BtnXX");

  EXPECT_TRUE(ui.Overlay()->isHidden()) << "stamped";
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "2");
  EXPECT_EQ(PenWidth, 2);
  EXPECT_EQ(LeftLimit, 27);
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::FreeDraw);
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM0")->isChecked());
  EXPECT_FALSE(ui->Control<ImageControl>("ImgXX")->HasPicture());
  EXPECT_TRUE(ui->Control<QPushButton>("BtnXX")->isHidden());
  EXPECT_TRUE(ui->Control<QLabel>("Label9")->isHidden());
  for (const char* name : {"GroupBox1", "Label1", "Label8", "Btn5", "Btn6", "Edit1", "Edit2",
                           "Label6", "Label7", "ComboBox1"})
    EXPECT_TRUE(ui.Find(name)->isVisible()) << name;
  EXPECT_TRUE(ui->Control<QGroupBox>("GroupBox2")->isHidden());
}

TEST(PaletteMode, LeavingKeepsTheKeySignatureControlsHiddenOnAScoreNotFromTheTemplate) {
  ScoreWindowHarness ui;
  ui.Click("Img01");
  TemplateScore = false;
  ui.Click("BtnXX");
  EXPECT_TRUE(ui->Control<QGroupBox>("GroupBox1")->isVisible());
  for (const char* name : {"Label6", "Label7", "ComboBox1"})
    EXPECT_TRUE(ui.Find(name)->isHidden()) << name;
}

}  // namespace
}  // namespace scoreink::test
