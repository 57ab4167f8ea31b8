// The region tools must cost what the region touches, apart from the one whole-page step the
// lift takes on purpose (reloading the snapshot of its press): lifting and dropping a
// 1000 x 1000 block on an A4 scan at 600 dpi beside the same on a blank page, and that
// snapshot reload by itself on both; and region delete on the scan for squares of growing
// size, whose cost follows the square, not the page.
//
// Goal: lift and drop on the scan minus the scan's snapshot reload within 1.5 times lift and
// drop on the blank page.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QRadioButton>

#include "bench/bench_support.h"
#include "editing/tool_modes.h"
#include "platform/edit_history.h"
#include "platform/picture_io.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink {
namespace {

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
    if (scene == kScan) window_->Image1->SetPicture(bench::PaperPage8(4960, 7016, true));
    SetLabelInteger(window_->Label3, 100);
    window_->ApplyScoreZoom();
    SharedHistory().ResetHistory(true);
  }

  bool Ok() const { return ok_ && window_.boxes() == 0; }
  TForm1& Window() { return *window_; }

  void ChooseTool(int tool) {
    window_->RBtnLMClick(tool == kToolRegionMove ? window_->RBtnLM4 : window_->RBtnLM5);
  }
  // Press and drag of a selection from (100, 100) to (100 + side, 100 + side).
  void Select(int side) {
    window_->Image1MouseDown(Qt::LeftButton, 100, 100);
    window_->Image1MouseMove(100 + side / 2, 100 + side / 2);
    window_->Image1MouseMove(100 + side, 100 + side);
  }
  void Release(int side) { window_->Image1MouseUp(Qt::LeftButton, 100 + side, 100 + side); }
  // The press writes snapshot 1 again next time, as after a reset.
  void ForgetSnapshot() { SharedHistory().SetHistoryPos(1); }

 private:
  bench::BenchWindow window_;
  bool ok_ = false;
};

// Args: scene, tool (4 move, 5 copy). Timed: the release that lifts a 1000 x 1000 block
// (snapshot reload, ink lifted, block file written, source blanked for a move, frame) and the
// commit that drops it where it was lifted.
void BM_RegionLiftAndDrop(benchmark::State& state) {
  RegionSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const int side = 1000;
  session.ChooseTool(int(state.range(1)));
  for (auto _ : state) {
    state.PauseTiming();
    session.ForgetSnapshot();
    session.Select(side);
    state.ResumeTiming();
    session.Release(side);
    benchmark::DoNotOptimize(session.Window().CommitPending());
  }
  if (!session.Ok()) state.SkipWithError("a message box came up");
  state.SetLabel(std::string(SceneName(int(state.range(0)))) +
                 (state.range(1) == kToolRegionMove ? ", move" : ", copy"));
}
BENCHMARK(BM_RegionLiftAndDrop)
    ->ArgsProduct({{kBlankPage, kScan}, {kToolRegionMove, kToolRegionCopy}})
    ->Unit(benchmark::kMillisecond);

// Args: scene. The lift's whole-page step by itself, in the same flow: the press of a
// selection writes its snapshot (not timed), which is then read back into the score.
void BM_RegionSnapshotReload(benchmark::State& state) {
  RegionSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  session.ChooseTool(kToolRegionCopy);
  const QString file = SharedHistory().SnapshotFile(1);
  for (auto _ : state) {
    state.PauseTiming();
    session.ForgetSnapshot();
    session.Select(1000);
    state.ResumeTiming();
    PictureResult loaded = LoadBmp(file);
    if (!loaded.ok()) return state.SkipWithError("the snapshot cannot be read");
    session.Window().Surface() = std::move(loaded.image);
    benchmark::ClobberMemory();
    state.PauseTiming();
    session.Window().Dragging = false;  // the gesture ends without a lift
    state.ResumeTiming();
  }
  if (!session.Ok()) state.SkipWithError("a message box came up");
  state.SetBytesProcessed(state.iterations() * QFile(file).size());
  state.SetLabel(SceneName(int(state.range(0))));
}
BENCHMARK(BM_RegionSnapshotReload)->Arg(kBlankPage)->Arg(kScan)->Unit(benchmark::kMillisecond);

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
