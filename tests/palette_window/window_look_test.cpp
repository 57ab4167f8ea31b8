// The window as the user sees it after placing symbols and a key signature. Set
// SCOREINK_GRAB_DIR to keep the picture for a look.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QScrollArea>

#include "palette_test_support.h"

namespace scoreink::test {
namespace {

TEST(WindowLook, StampedSymbolsAndKeySignatureShowInTheScoreView) {
  ScoreWindowHarness ui;
  ui.ChooseIndex("ComboBox1", 3);  // three sharps
  ui.PressOnScore({10, 100});
  ui.ReleaseOnScore({10, 100});
  PlaceSymbol(ui, "Img01", {200, 82});
  PlaceSymbol(ui, "Img02", {240, 95});
  PlaceSymbol(ui, "Img12", {290, 80});
  PlaceSymbol(ui, "Img08", {350, 82});
  PlaceSymbol(ui, "Img20", {400, 88});  // stays floating in the grab

  const QImage grab = ui->grab().toImage();
  ASSERT_FALSE(grab.isNull());
  // Image1 shows the score at 100 percent from the scroll box's top-left.
  const QPoint view = ui->Control<QScrollArea>("ScrollBox1")->mapTo(&ui.Window(), QPoint(0, 0));
  const QImage score = ui.Score();
  for (const QPoint p : {QPoint(200, 82), QPoint(84, 65)})  // a note head, the first sharp
    EXPECT_EQ(grab.pixel(view + p) & 0xFFFFFFu, score.pixel(p) & 0xFFFFFFu)
        << p.x() << "," << p.y();
  EXPECT_EQ(grab.pixel(view + QPoint(200, 82)) & 0xFFFFFFu, 0u);
  const QString folder = qEnvironmentVariable("SCOREINK_GRAB_DIR");
  if (!folder.isEmpty()) grab.save(QDir(folder).filePath("score_window_look.png"));
}

}  // namespace
}  // namespace scoreink::test
