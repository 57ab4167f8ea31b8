// Every way the user changes the score tells the history what the change reached, so that a
// gesture costs the tiles it changed, not the page; and one undo takes each of them back.
#include <gtest/gtest.h>

#include <functional>

#include "harness/score_window_harness.h"
#include "platform/history/edit_history.h"
#include "region_test_support.h"
#include "score_window/shared_values.h"
#include "window_pictures.h"

namespace scoreink::test {
namespace {

struct UserPath {
  const char* name;
  std::function<void(ScoreWindowHarness&)> run;
};

TEST(HistoryReports, EachEditComparesOnlyTheTilesItReachedAndOneUndoTakesItBack) {
  const UserPath paths[] = {
      {"free-hand stroke",
       [](ScoreWindowHarness& ui) {
         ui.DragOnScore({100, 100}, {300, 180});
       }},
      {"straight line",
       [](ScoreWindowHarness& ui) {
         ui.Click("RBtnLM1");
         ui.DragOnScore({100, 500}, {400, 560});
       }},
      {"tie",
       [](ScoreWindowHarness& ui) {
         ui.Click("RBtnLM2");
         ui.DragOnScore({100, 300}, {200, 300});
       }},
      {"eraser",
       [](ScoreWindowHarness& ui) {
         ui.Click("Edit2");
         ui.DragOnScore({100, 100}, {160, 130});
       }},
      {"palette symbol",
       [](ScoreWindowHarness& ui) {
         ui.Click("Img01");
         ui.PressOnScore({300, 300});
         ui.ReleaseOnScore({300, 300});
         ui.Click("Btn10");  // a panel button stamps it
       }},
      {"key signature",
       [](ScoreWindowHarness& ui) {
         ui.ChooseIndex("ComboBox1", 3);
         ui.PressOnScore({10, 300});
         ui.ReleaseOnScore({10, 300});
       }},
      {"region delete",
       [](ScoreWindowHarness& ui) {
         ui.Click("RBtnLM3");
         ui.DragOnScore({100, 100}, {200, 200});
       }},
      {"region move",
       [](ScoreWindowHarness& ui) {
         ui.Click("RBtnLM4");
         ui.DragOnScore({100, 100}, {200, 200});
         DragBlockTo(ui, {400, 500});
         ui.Click("Btn10");
       }},
  };
  for (const UserPath& path : paths) {
    SCOPED_TRACE(path.name);
    ScoreWindowHarness ui;
    InkArea(ui.Score(), QRect(90, 90, 120, 120));
    SharedHistory().Adopt(ui.Score());
    const QImage before = ui.Score().copy();
    const qint64 compared = SharedHistory().TilesCompared();
    path.run(ui);
    ASSERT_FALSE(SamePicture(ui.Score(), before));
    ui.Click("Btn7");
    EXPECT_TRUE(SamePicture(ui.Score(), before));
    const int tiles = TileGrid(ui.Score().size(), 1).Count();
    EXPECT_LT(SharedHistory().TilesCompared() - compared, tiles / 4) << "of " << tiles;
  }
}

}  // namespace
}  // namespace scoreink::test
