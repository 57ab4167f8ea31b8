// The key signature through the window: a click at the head of a staff system redraws that
// system's clef strip with the chosen sharps or flats in both staves, as one undo step.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QWheelEvent>

#include "editing/key_signature.h"
#include "palette_test_support.h"
#include "resources/embedded_pictures.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

constexpr int kSystemHeight = 260;

// The score with the strip of choice `index` in system `system`, every other pixel as before.
QImage WithKeySignature(QImage score, int system, int index) {
  const QImage strip = KeySignatureStrip(ScoreTemplateImage(), index, KeySignatureInk(score),
                                         PaletteSymbolImage(11), PaletteSymbolImage(12));
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 0; x < strip.width(); ++x)
      score.setPixel(x, system * kSystemHeight + y, strip.pixelIndex(x, y));
  return score;
}

TEST(KeySignatureClick, EveryChoiceRedrawsTheClickedSystemAndOneUndoTakesItBack) {
  ScoreWindowHarness ui;
  for (int index = 0; index < 13; ++index) {
    SCOPED_TRACE(index);
    const QImage before = ui.Score().copy();
    const int position = HistoryPos();
    ui.ChooseIndex("ComboBox1", index);
    ui.PressOnScore({10, 300});  // the head of the second system
    ui.ReleaseOnScore({10, 300});
    EXPECT_EQ(ui.Score(), WithKeySignature(before, 1, index));
    EXPECT_EQ(HistoryPos(), position + 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is put back";
    ui.Click("Btn7");
    EXPECT_EQ(ui.Score(), before);
  }
}

TEST(KeySignatureClick, AccidentalsLandInBothStavesInTheStaffLinesColour) {
  ScoreWindowHarness ui;
  ui.ChooseIndex("ComboBox1", 2);  // two sharps: F and C
  ui.PressOnScore({10, 300});
  ui.ReleaseOnScore({10, 300});
  const QImage sharp = PaletteSymbolImage(11);
  const QRgb ink = PixelColor(ui.Score(), 24, 57);
  ASSERT_EQ(ink, kTemplateInk);
  for (const AccidentalPlace place : {kSharpPlaces[0], kSharpPlaces[1]}) {
    for (int i = 0; i < sharp.height(); ++i) {
      for (int j = 0; j < sharp.width(); ++j) {
        if (!IsBlack(sharp, j, i)) continue;
        const int x = place.x + j;
        const int treble = kSystemHeight + place.y0 + i;
        EXPECT_EQ(PixelColor(ui.Score(), x, treble), ink) << x << "," << treble;
        EXPECT_EQ(PixelColor(ui.Score(), x, treble + 139), ink) << x << "," << treble + 139;
      }
    }
  }
  // The third sharp's place stays empty, and the other systems have none.
  EXPECT_EQ(PixelColor(ui.Score(), 103, kSystemHeight + 50), kWhite);
  EXPECT_EQ(PixelColor(ui.Score(), 92, 2 * kSystemHeight + 64), kWhite);

  ui.ChooseIndex("ComboBox1", 0);
  ui.PressOnScore({10, 300});
  ui.ReleaseOnScore({10, 300});
  QImage blank;
  BuildBlankPage(blank, ui->ScoreBlankPage());
  EXPECT_EQ(ui.Score(), blank) << "no key signature clears it";
}

TEST(KeySignatureClick, ZoomedClickFindsTheSystemUnderTheSurfaceRow) {
  ScoreWindowHarness ui;
  ui.Click("Btn10");  // 200 percent: control row 1100 is surface row 550, the third system
  const QImage before = ui.Score().copy();
  ui.ChooseIndex("ComboBox1", 9);
  ui.PressOnScore({20, 1100});
  ui.ReleaseOnScore({20, 1100});
  EXPECT_EQ(ui.Score(), WithKeySignature(before, 2, 9));
}

TEST(KeySignatureClick, RepaintsOnlyTheStrip) {
  ScoreWindowHarness ui;
  PaintRecorder paints(ui.ScoreView());
  paints.Flush();
  paints.painted = QRegion();
  ui.ChooseIndex("ComboBox1", 12);
  ui.PressOnScore({10, 10});
  ui.ReleaseOnScore({10, 10});
  paints.Flush();
  EXPECT_FALSE(paints.painted.isEmpty());
  EXPECT_TRUE(QRegion(0, 0, 143, kSystemHeight).contains(paints.painted.boundingRect()));
}

TEST(KeySignatureClick, NeitherTheBottomMarginNorAWheelOverTheClosedListChangesAnything) {
  ScoreWindowHarness ui;
  ui.ChooseIndex("ComboBox1", 3);
  auto* list = ui->findChild<QComboBox*>("ComboBox1");
  const QPoint middle = list->rect().center();
  QWheelEvent wheel(middle, list->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &wheel);
  EXPECT_EQ(list->currentIndex(), 3) << "the wheel passing over the closed list";

  const QImage before = ui.Score().copy();
  ASSERT_GT(before.height(), 4 * kSystemHeight);
  ui.PressOnScore({10, 4 * kSystemHeight + 20});  // white margin below the fourth system
  ui.ReleaseOnScore({10, 4 * kSystemHeight + 20});
  EXPECT_EQ(ui.Score(), before) << "no cut-off head in the margin";
}

}  // namespace
}  // namespace scoreink::test
