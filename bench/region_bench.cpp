// The region tools must cost what the region touches: lifting and dropping a 1000 x 1000
// block on an A4 scan at 600 dpi beside the same on a blank page, and a 1 x 1 block copied on
// both, whose lift and drop is little more than what the tools spend on the page as a whole;
// and region delete on the scan for squares of growing size, whose cost follows the square,
// not the page.
//
// Goal: lift and drop on the scan within 1.5 times lift and drop on the blank page, for both
// block sizes.
#include <benchmark/benchmark.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "bench/bench_support.h"
#include "editing/tool_modes.h"
#include "platform/history/edit_history.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink {
namespace {

// The move and copy tools as benchmark arguments: the digits of their radio buttons.
constexpr int kMoveArg = static_cast<int>(ScoreTool::RegionMove);
constexpr int kCopyArg = static_cast<int>(ScoreTool::RegionCopy);

enum Scene { kBlankPage = 0, kScan = 1 };

// A 150-dpi screen and a borderless 600-dpi printer: the blank page is A4 at 150 dpi,
// 1240 x 1754, so that a 1000 x 1000 block fits on it.
DeviceFacts Facts() {
  DeviceFacts facts;
  facts.screen.dpiX = facts.screen.dpiY = 150;
  facts.printer.present = true;
  facts.printer.dpiX = facts.printer.dpiY = 600;
  return facts;
}

const char* SceneName(int scene) {
  return scene == kBlankPage ? "blank page 1240x1754" : "scan 4960x7016";
}

// A started window showing the scene at 100 percent with an empty history.
class RegionSession {
 public:
  explicit RegionSession(int scene) : window_(Facts()) {
    ok_ = window_.started();
    if (!ok_) return;
    if (scene == kScan)
      window_->Control<ImageControl>("Image1")->SetPicture(bench::PaperPage8(4960, 7016, true));
    SetLabelInteger(window_->Control<QLabel>("Label3"), 100);
    window_->ApplyScoreZoom();
    SharedHistory().ResetHistory(true);
    undo_ = window_->Control<QPushButton>("Btn7");
  }

  bool Ok() const { return ok_ && window_.boxes() == 0; }
  TForm1& Window() { return *window_; }

  void ChooseTool(int tool) {
    window_->RBtnLMClick(window_->Control<QRadioButton>(tool == kMoveArg ? "RBtnLM4" : "RBtnLM5"));
  }
  // Press and drag of a selection from (100, 100) to (100 + side, 100 + side).
  void Select(int side) {
    window_->Image1MouseDown(Qt::LeftButton, 100, 100);
    window_->Image1MouseMove(100 + side / 2, 100 + side / 2);
    window_->Image1MouseMove(100 + side, 100 + side);
  }
  void Release(int side) { window_->Image1MouseUp(Qt::LeftButton, 100 + side, 100 + side); }
  // The undo button: the picture and the history as they were before the selection.
  bool Undo() {
    const int before = HistoryPos();
    window_->Btn7Click(undo_);
    return HistoryPos() == before - 1;
  }

 private:
  bench::BenchWindow window_;
  QPushButton* undo_ = nullptr;
  bool ok_ = false;
};

// Args: scene, tool (4 move, 5 copy), side of the block. Timed: the release that lifts the
// block (ink lifted, block file written, source blanked for a move, frame) and the commit that
// drops it where it was lifted. The press and band before it and an undo after it are not.
void BM_RegionLiftAndDrop(benchmark::State& state) {
  RegionSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const int side = int(state.range(2));
  session.ChooseTool(int(state.range(1)));
  bench::OpMeter meter(state);
  bool dropped = true;
  bool undone = true;
  for (auto _ : state) {
    session.Select(side);
    meter.Time([&] {
      session.Release(side);
      dropped = session.Window().CommitPending() && dropped;
    });
    undone = session.Undo() && undone;
  }
  if (!dropped || !undone || !session.Ok())
    return state.SkipWithError("a block was not dropped or not undone");
  meter.Report();
  state.SetLabel(std::string(SceneName(int(state.range(0)))) +
                 (state.range(1) == kMoveArg ? ", move " : ", copy ") + std::to_string(side) +
                 " square");
}
// Each lift adds a step to the history: a fixed number of them, fewer on the scan.
BENCHMARK(BM_RegionLiftAndDrop)
    ->ArgsProduct({{kBlankPage}, {kMoveArg, kCopyArg}, {1000}})
    ->Args({kBlankPage, kCopyArg, 1})
    ->Iterations(50)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegionLiftAndDrop)
    ->ArgsProduct({{kScan}, {kMoveArg, kCopyArg}, {1000}})
    ->Args({kScan, kCopyArg, 1})
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Args: side of the square. Region delete on the scan: the square repainted from the blank
// page, as the release of the delete tool does it.
void BM_RegionDeleteOnScan(benchmark::State& state) {
  RegionSession session(kScan);
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const int side = int(state.range(0));
  for (auto _ : state) session.Window().RestoreFromTemplate(100, 100, 100 + side, 100 + side);
  if (!session.Ok()) state.SkipWithError("a message box came up");
  state.SetItemsProcessed(state.iterations() * side * side);
  state.SetLabel("scan 4960x7016, " + std::to_string(side) + " square");
}
BENCHMARK(BM_RegionDeleteOnScan)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scoreink
