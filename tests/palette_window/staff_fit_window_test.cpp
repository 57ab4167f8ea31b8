// The check box "譜表に合わせる": off for every new or opened score; on, a note head floats
// and stamps one staff space tall on the nearest line or space, on release and while dragged;
// off, the stamp is the palette symbol as it is.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <cmath>

#include "editing/staff/staff_detection.h"
#include "editing/staff/staff_fit.h"
#include "harness/score_file_dialog_driver.h"
#include "harness/staff_pictures.h"
#include "palette_test_support.h"
#include "resources/embedded_pictures.h"
#include "resources/symbol_outlines.h"

namespace scoreink::test {
namespace {

// The rectangle of pixels that differ between two pictures of the same size.
QRect ChangedRect(const QImage& before, const QImage& after) {
  QRect changed;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (PixelColor(before, x, y) != PixelColor(after, x, y)) changed |= QRect(x, y, 1, 1);
  return changed;
}

// How far a row lies from the nearest line or space of a drawn staff at column x.
double OffPlace(const DrawnStaff& staff, double x, double row) {
  double off = 1e9;
  for (int m = -2; m <= 10; ++m) {
    const double space = (staff.LineY(4, x) - staff.LineY(0, x)) / 4;
    off = std::min(off, std::abs(staff.LineY(0, x) + m * space / 2 - row));
  }
  return off;
}

// A page scanned at about 600 dpi (staff space 41) in grey ink, so that every stamped pixel
// shows, opened with the score file dialog.
class ScannedPage : public ::testing::Test {
 protected:
  void SetUp() override {
    page_ = DrawStaffPage({41, 4, 0.5, 240, 6, false, false, 40});
    WritePictureFile(folder_.filePath("scan.bmp"), page_.picture);
    ScoreFileDialogDriver dialog(ui_);
    dialog.ChooseFolder(folder_.path());
    ASSERT_TRUE(dialog.ClickFile("scan.bmp"));
    dialog.Click("Button1");
  }

  // Stamps what floats and checks the stamp: a staff space tall, its centre on a place.
  void ExpectHeadOnAPlace(const QImage& before, int staff) {
    CommitByPanelClick(ui_);
    const QRect head = ChangedRect(before, ui_.Score());
    ASSERT_FALSE(head.isEmpty());
    EXPECT_NEAR(head.height(), 41, 4.1);
    const double centre = head.y() + (head.height() - 1) / 2.0;
    EXPECT_LE(OffPlace(page_.staves[size_t(staff)], head.center().x(), centre), 2.0)
        << "head centre at row " << centre;
  }

  QTemporaryDir folder_;
  StaffPage page_;
  ScoreWindowHarness ui_;
};

TEST_F(ScannedPage, FittedHeadsFillAStaffSpaceOnALineOrSpace) {
  auto* box = ui_.Find<QCheckBox>("CheckBox1");
  EXPECT_FALSE(box->isChecked()) << "off for a newly opened score";
  EXPECT_EQ(ui_.Find<QLabel>("Label10")->text(), QStringLiteral("×3.3"));

  // Turning it on first stamps what floats, at its own size.
  const DrawnStaff& staff = page_.staves[1];
  PlaceSymbol(ui_, "Img01", {600, int(staff.LineY(0, 600)) - 300});
  ui_.Click("CheckBox1");
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(ui_->Control<ImageControl>("Image2")->isHidden());

  // Released a third of a space below the middle line.
  QImage before = ui_.Score().copy();
  PlaceSymbol(ui_, "Img01", {1200, int(staff.LineY(2, 1200) + 14)});
  EXPECT_NEAR(ui_->Control<ImageControl>("Image2")->height(), 41, 2);
  // Drawn at that size from the head's outline, not enlarged from its pixels.
  EXPECT_EQ(ui_.Overlay()->Picture(),
            FittedSymbol(PaletteSymbolImage(1), true, FindStaves(page_.picture),
                         PaletteSymbolOutline(1)));
  ExpectHeadOnAPlace(before, 1);

  // Dragged at 200 percent, an open head moves from place to place with the pointer.
  ui_.Click("Btn10");
  before = ui_.Score().copy();
  PlaceSymbol(ui_, "Img02", {3000, int(2 * staff.LineY(0, 1500))});
  ui_.Press("Image2", {40, 40});
  ui_.Move("Image2", {40, 70});
  ui_.Move("Image2", {40, 95});
  ui_.Release("Image2", {40, 95});
  ExpectHeadOnAPlace(before, 1);

  // A new score starts unfitted again, on the blank page's own spacing.
  ui_.Dialogs().AnswerBox(kIdNo, QStringLiteral("何か編集中のデータがあるみたいだけど"));
  ui_.Click("Btn1");
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(ui_.Find<QLabel>("Label10")->text(), QStringLiteral("×1.0"));
}

TEST(StaffFitBox, UncheckedStampIsThePaletteSymbolAsItIs) {
  ScoreWindowHarness ui;
  ASSERT_TRUE(ui.Find<QCheckBox>("CheckBox1")->isEnabled());
  EXPECT_FALSE(ui.Find<QCheckBox>("CheckBox1")->isChecked()) << "off at start";
  ui.Click("CheckBox1");
  ui.Click("CheckBox1");
  const QImage symbol = ui.Find<ImageControl>("Img01")->Picture();
  const QImage before = ui.Score().copy();
  PlaceSymbol(ui, "Img01", {100, 50});
  EXPECT_EQ(ui.Overlay()->Picture(), symbol);
  CommitByPanelClick(ui);
  EXPECT_EQ(ui.Score(), Stamped(before, symbol, {93, 45}));
}

TEST(StaffFitBox, LooksDisabledWhenThereIsNothingToFitTo) {
  ScoreWindowHarness ui;
  auto* box = ui.Find<QCheckBox>("CheckBox1");
  const QImage enabled = box->grab().toImage();
  box->setEnabled(false);
  EXPECT_NE(box->grab().toImage(), enabled);
}

TEST(StaffFitBox, SitsInFreeSpaceOfThePaletteStrip) {
  ScoreWindowHarness ui;
  // The selection grows with the largest custom symbol, 30 x 30.
  ui->Control<ImageControl>("ImgXX")->resize(30, 30);
  for (const char* name : {"CheckBox1", "Label10"}) {
    const QWidget* control = ui.Find(name);
    EXPECT_TRUE(ui->Control<QFrame>("Panel2")->rect().contains(control->geometry())) << name;
    for (const QObject* child : ui->Control<QFrame>("Panel2")->children()) {
      const auto* other = qobject_cast<const QWidget*>(child);
      if (!other || other->objectName() == "CheckBox1" || other->objectName() == "Label10")
        continue;
      EXPECT_FALSE(other->geometry().intersects(control->geometry()))
          << name << " overlaps " << other->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace scoreink::test
