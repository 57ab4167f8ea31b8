// Placing a symbol: the floating overlay centred on the release at every zoom, its drag and
// clamps, and the stamp at the surface pixel under it, clipped to the score.
#include <gtest/gtest.h>

#include <QPushButton>

#include "harness/case_names.h"
#include "palette_test_support.h"
#include "platform/history/edit_history.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

struct PlacementCase {
  int zoomSteps;  // clicks on zoom in from 100
  QPoint release;
  QRect overlay;  // relative to Image1
  QPoint stamped;
};
class SymbolPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(SymbolPlacement, FloatsCentredOnTheReleaseAndStampsUnderTheOverlay) {
  const PlacementCase& c = GetParam();
  ScoreWindowHarness ui;
  for (int i = 0; i < c.zoomSteps; ++i) ui.Click("Btn10");
  const QImage symbol = ui.Find<ImageControl>("Img01")->Picture();
  ASSERT_EQ(symbol.size(), QSize(14, 10));
  const QImage before = ui.Score().copy();

  PlaceSymbol(ui, "Img01", c.release);
  EXPECT_TRUE(ui.Overlay()->isVisible());
  EXPECT_EQ(ui.Overlay()->geometry().translated(-ui.ScoreView()->pos()), c.overlay);
  EXPECT_EQ(ui.Overlay()->Picture(), symbol);
  EXPECT_EQ(ui.Score(), before) << "nothing is stamped while it floats";
  EXPECT_EQ(HistoryPos(), 2) << "the press recorded the step that undo takes back";

  CommitByPanelClick(ui);
  EXPECT_TRUE(ui.Overlay()->isHidden());
  EXPECT_EQ(ui.Score(), Stamped(before, symbol, c.stamped));
  ui.Click("Btn7");
  EXPECT_EQ(ui.Score(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Zooms, SymbolPlacement,
    ::testing::Values(PlacementCase{0, {100, 50}, {93, 45, 14, 10}, {93, 45}},
                      PlacementCase{1, {100, 50}, {86, 40, 28, 20}, {43, 20}},
                      // The top is raised to the score's top, the left to the left limit.
                      PlacementCase{0, {30, 2}, {27, 0, 14, 10}, {27, 0}},
                      PlacementCase{2, {1000, 1000}, {979, 985, 42, 30}, {326, 328}}),
    [](const auto& tc) {
      return "Zoom" + std::to_string(100 * (tc.param.zoomSteps + 1)) + "_ReleasedAt" +
             std::to_string(tc.param.release.x()) + "x" + std::to_string(tc.param.release.y());
    });

TEST(SymbolPlacement, OverlayAtAnOddOffsetStampsAtTheSurfacePixelUnderIt) {
  ScoreWindowHarness ui;
  ui.Click("Btn10");  // 200 percent
  const QImage symbol = ui.Find<ImageControl>("Img20")->Picture();
  const QImage before = ui.Score().copy();
  PlaceSymbol(ui, "Img20", {100, 100});
  ui.Overlay()->move(ui.ScoreView()->pos() + QPoint(41, 21));
  CommitByPanelClick(ui);
  EXPECT_EQ(ui.Score(), Stamped(before, symbol, {20, 10}));
}

TEST(SymbolPlacement, SymbolStickingOutPastTheRightAndBottomIsStampedClipped) {
  for (int zoomSteps : {0, 1}) {
    SCOPED_TRACE(zoomSteps ? "200 percent" : "100 percent");
    ScoreWindowHarness ui;
    for (int i = 0; i < zoomSteps; ++i) ui.Click("Btn10");
    const QImage symbol = ui.Find<ImageControl>("Img08")->Picture();  // 12 x 28
    const QImage before = ui.Score().copy();
    const QSize view = ui.ScoreView()->size();
    PlaceSymbol(ui, "Img08", {view.width() - 2, view.height() - 2});
    const QRect overlay = ui.Overlay()->geometry();
    EXPECT_GT(overlay.right(), ui.ScoreView()->geometry().right()) << "not clamped while floating";
    CommitByPanelClick(ui);
    ASSERT_EQ(ui.Score().size(), before.size());
    const QPoint at(overlay.x() * before.width() / view.width(),
                    overlay.y() * before.height() / view.height());
    EXPECT_EQ(ui.Score(), Stamped(before, symbol, at));
  }
}

TEST(SymbolPlacement, ReleaseWhollyOutsideTheScoreStampsNothing) {
  ScoreWindowHarness ui;
  const QImage before = ui.Score().copy();
  const QSize view = ui.ScoreView()->size();
  PlaceSymbol(ui, "Img09", {view.width() + 60, view.height() + 60});
  CommitByPanelClick(ui);
  EXPECT_EQ(ui.Score(), before);
}

TEST(OverlayDrag, FollowsThePointerAndStopsTwentySixPixelsInAndAtTheEdges) {
  for (int zoomSteps : {0, 1}) {
    SCOPED_TRACE(zoomSteps ? "200 percent" : "100 percent");
    ScoreWindowHarness ui;
    for (int i = 0; i < zoomSteps; ++i) ui.Click("Btn10");
    PlaceSymbol(ui, "Img01", {300, 300});
    const QImage before = ui.Score().copy();
    const QRect view = ui.ScoreView()->geometry();
    const QSize size = ui.Overlay()->size();
    const QPoint centre(size.width() / 2, size.height() / 2);

    ui.Press("Image2", centre);
    EXPECT_TRUE(ui.Overlay()->isVisible()) << "pressing the overlay does not stamp it";
    EXPECT_EQ(ui.Score(), before);
    ui.Move("Image2", centre + QPoint(10, -7));
    EXPECT_EQ(ui.Overlay()->pos(), QPoint(300 - centre.x() + 10, 300 - centre.y() - 7));
    ui.Move("Image2", {-5000, centre.y()});
    EXPECT_EQ(ui.Overlay()->x(), view.x() + 26);
    ui.Move("Image2", {centre.x(), -5000});
    EXPECT_EQ(ui.Overlay()->y(), view.y());
    ui.Move("Image2", {5000, 5000});
    EXPECT_EQ(ui.Overlay()->pos(), QPoint(view.x() + view.width() - size.width(),
                                          view.y() + view.height() - size.height()));
    ui.Release("Image2", {0, 0});
    EXPECT_FALSE(ui->InGesture());
    const QPoint resting = ui.Overlay()->pos();
    ui.Move("Image2", {-5000, -5000});
    EXPECT_EQ(ui.Overlay()->pos(), resting) << "moves without the button do not drag";
  }
}

TEST(SymbolPlacement, StampRepaintsOnlyAroundTheSymbol) {
  ScoreWindowHarness ui;
  ui.Click("Btn10");
  PaintRecorder paints(ui.ScoreView());
  paints.Flush();  // the window's first paint and activation
  PlaceSymbol(ui, "Img01", {400, 400});
  const QRect overlay = ui.Overlay()->geometry();
  paints.Flush();
  paints.painted = QRegion();
  ASSERT_TRUE(ui.Overlay()->isVisible());
  CommitByPanelClick(ui);
  paints.Flush();
  EXPECT_FALSE(paints.painted.isEmpty());
  EXPECT_TRUE(QRegion(overlay.adjusted(-2, -2, 2, 2)).contains(paints.painted.boundingRect()));
}

}  // namespace
}  // namespace scoreink::test
