// The template test when the score file dialog closes: a score made from the blank page keeps
// the tools that repaint from it and the key signature; any other picture hides them.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "dialog_test_support.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

// Whether each template-only control is shown.
std::vector<bool> TemplateToolsShown(ScoreWindowHarness& ui) {
  return {ui->Control<QRadioButton>("RBtnLM3")->isVisible(),
          ui->Control<QRadioButton>("RBtnLM4")->isVisible(),
          ui->Control<QComboBox>("ComboBox1")->isVisible(),
          ui->Control<QLabel>("Label6")->isVisible(), ui->Control<QLabel>("Label7")->isVisible()};
}

const std::vector<bool> kAllShown(5, true);
const std::vector<bool> kAllHidden(5, false);

TEST(TemplateTools, AScanHidesThemAndAScoreSavedFromTheBlankPageShowsThemAgain) {
  PictureFolderFixture scans;
  scans.Add("scan.jpg", 800, 1100);
  ScoreWindowHarness ui;
  WritePictureFile(scans.File("blank.bmp"), ui.Score());

  OpenWithOk(ui, scans.Path(), "scan.jpg");
  EXPECT_FALSE(TemplateScore);
  EXPECT_EQ(TemplateToolsShown(ui), kAllHidden);

  OpenWithOk(ui, scans.Path(), "blank.bmp");
  EXPECT_TRUE(TemplateScore);
  EXPECT_EQ(TemplateToolsShown(ui), kAllShown);
}

TEST(TemplateTools, OnePixelOfTheStripChangedIsNoTemplateScore) {
  PictureFolderFixture scans;
  ScoreWindowHarness ui;
  QImage almost = ui.Score();
  // The last row of the strip crosses the system line.
  ASSERT_EQ(PixelColor(almost, 24, 99), kTemplateInk);
  almost.scanLine(99)[24] = uchar(FixedPalette().indexOf(kWhite));
  WritePictureFile(scans.File("almost.bmp"), almost);
  OpenWithOk(ui, scans.Path(), "almost.bmp");
  EXPECT_FALSE(TemplateScore);
  EXPECT_EQ(TemplateToolsShown(ui), kAllHidden);
}

TEST(TemplateTools, CancelTestsTheScoreThatComesBack) {
  PictureFolderFixture scans;
  scans.Add("scan.jpg", 800, 1100);
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ASSERT_TRUE(dialog.ClickFile("scan.jpg"));
  dialog.Click("Button2");
  EXPECT_TRUE(TemplateScore);
  EXPECT_EQ(TemplateToolsShown(ui), kAllShown);
}

TEST(TemplateTools, ClosingEndsSymbolModeAndStillHidesTheKeySignatureForAScan) {
  PictureFolderFixture scans;
  scans.Add("scan.bmp", 800, 1100);
  ScoreWindowHarness ui;
  ui.Click("Img01");  // symbol mode: the tool group gives way to the symbol
  ASSERT_TRUE(ui->Control<QGroupBox>("GroupBox1")->isHidden());
  OpenWithOk(ui, scans.Path(), "scan.bmp");
  EXPECT_TRUE(ui->Control<QGroupBox>("GroupBox1")->isVisible());
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM0")->isChecked());
  EXPECT_EQ(TemplateToolsShown(ui), kAllHidden);
}

TEST(TemplateTools, AHiddenRegionToolDoesNotStayTheChosenTool) {
  PictureFolderFixture scans;
  scans.Add("scan.bmp", 800, 1100);
  ScoreWindowHarness ui;
  ui.Click("RBtnLM4");
  ASSERT_EQ(ui->CurrentTool(), ScoreTool::RegionMove);
  OpenWithOk(ui, scans.Path(), "scan.bmp");
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM0")->isChecked());
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::FreeDraw);
}

TEST(TemplateTools, ARegionToolThatStaysShownStaysChosen) {
  PictureFolderFixture scans;
  ScoreWindowHarness ui;
  WritePictureFile(scans.File("blank.bmp"), ui.Score());
  ui.Click("RBtnLM3");
  OpenWithOk(ui, scans.Path(), "blank.bmp");
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM3")->isChecked());
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::RegionDelete);
}

}  // namespace
}  // namespace scoreink::test
