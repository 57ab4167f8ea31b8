// A file of several pages in the score file dialog: its page count at once, the page chosen
// and, for a PDF, the resolution chosen, shown as the preview and kept by OK; a long render
// stopped with Esc changes nothing.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/core/pdf_resolution.h"
#include "harness/long_reads.h"
#include "harness/score_file_dialog_driver.h"
#include "harness/three_page_pdf.h"
#include "platform/history/edit_history.h"
#include "platform/raster/palette.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

// The row, from the top, of the first black pixel in the middle of the bar's columns.
int BarRow(const QImage& score) {
  const int x = score.width() / 5;
  for (int y = 0; y < score.height(); ++y)
    if (score.pixelIndex(x, y) == kBlackIndex) return y;
  return -1;
}

TEST(ScorePages, APageAndAResolutionChosenArePreviewedAndKept) {
  QTemporaryDir dir;
  WriteThreePagePdf(dir.filePath("part.pdf"));
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(dir.path());
  ASSERT_TRUE(dialog.ClickFile("part.pdf"));
  TForm2* form = dialog.Dialog();
  auto* pageBox = form->Control<QSpinBox>("PageBox");
  auto* dpiBox = form->Control<QComboBox>("DpiBox");
  ASSERT_TRUE(pageBox && dpiBox);
  EXPECT_TRUE(pageBox->isVisible());
  EXPECT_EQ(form->Control<QLabel>("PageCountLabel")->text(), "/3");
  EXPECT_EQ(form->Control<QLabel>("PageLabel")->text(), "ページ");
  EXPECT_EQ(dpiBox->currentData().toInt(), kDefaultPdfDpi);
  EXPECT_EQ(ui.Score().width(), 1750) << "A5 (420 points) at 300 dpi";
  EXPECT_NEAR(BarRow(ui.Score()), 118, 1) << "page 1";

  pageBox->setValue(2);
  EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(BarRow(ui.Score()) - 236) <= 1; }))
      << "page 2 at 300 dpi";
  dpiBox->setCurrentIndex(dpiBox->findData(150));
  EXPECT_TRUE(QTest::qWaitFor([&] { return ui.Score().width() == 875; }));
  EXPECT_NEAR(BarRow(ui.Score()), 118, 1) << "page 2 at 150 dpi";
  EXPECT_EQ(RememberedPdfDpi(), 150);

  dialog.Click("Button1");
  EXPECT_EQ(CurrentScoreFile, dir.filePath("part.pdf"));
  EXPECT_EQ(ui.Score().width(), 875);
  EXPECT_NEAR(BarRow(ui.Score()), 118, 1);
  EXPECT_TRUE(ui->Control<QPushButton>("Btn4")->isEnabled()) << "a PDF is written back whole";
  EXPECT_TRUE(RememberPdfDpi(kDefaultPdfDpi));
}

TEST(ScorePages, EscDuringALongRenderChangesNothing) {
  QTemporaryDir dir;
  WriteThreePagePdf(dir.filePath("part.pdf"));
  ASSERT_TRUE(RememberPdfDpi(600));
  ScoreWindowHarness ui;
  const QImage before = ui.Score().copy();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(dir.path());
  {
    StopWhenProgressShows stop(dialog.Dialog(), ui.ScoreView());
    ASSERT_TRUE(dialog.ClickFile("part.pdf"));
    EXPECT_TRUE(stop.SawProgress());
  }
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_EQ(ui.Score(), before);
  EXPECT_TRUE(dialog.Dialog()->PickedFile().isEmpty());
  EXPECT_FALSE(dialog.Dialog()->Control<QSpinBox>("PageBox")->isVisible());
  EXPECT_TRUE(RememberPdfDpi(kDefaultPdfDpi));
}

}  // namespace
}  // namespace scoreink::test
