// Saving a score through the score window, and a symbol stamped through the window's commit,
// on the blank page and on an A4 scan at 600 dpi. The window must add next to nothing to
// the picture writers (compare BM_WindowSaveScore with BM_BmpSave and its plain write,
// BM_JpegSave and BM_CjpegProgram, run in the same program: --benchmark_filter='Save|Cjpeg'),
// and a stamp must cost the symbol, not the page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "bench/bench_support.h"
#include "platform/files/executable_folder.h"
#include "platform/history/edit_history.h"
#include "platform/raster/palette.h"
#include "platform/ui/device_facts_reader.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "resources/embedded_pictures.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {
namespace {

using bench::BenchWindow;

// Puts page 0 (the blank page the window starts with) or 1 (an A4 scan) into the score view.
void ShowPage(BenchWindow& window, int which) {
  if (which == 1) {
    static const QImage scan = bench::PaperPage8(4960, 7016, true);
    window->Control<ImageControl>("Image1")->SetPicture(scan);
  }
  window->ApplyScoreZoom();
}

const char* PageName(int which) {
  return which == 0 ? "blank_770x1101_8bit" : "a4_4960x7016_8bit";
}

// Args: page (0 blank, 1 A4 scan), format (0 BMP, 1 JPEG). The overwrite path: SaveScore
// with the score's own file, as the overwrite button and the close question run it.
void BM_WindowSaveScore(benchmark::State& state) {
  BenchWindow window;
  if (!window.started()) return state.SkipWithError("the window did not start");
  ShowPage(window, int(state.range(0)));
  CurrentScoreFile = window.File(state.range(1) == 0 ? "score.bmp" : "score.jpg");
  for (auto _ : state) {
    if (!window->SaveScore(false) || window.boxes() > 0) state.SkipWithError("save failed");
  }
  state.SetLabel(PageName(int(state.range(0))));
}
// A fixed number of saves, some 300 MB of BMP files of each page.
BENCHMARK(BM_WindowSaveScore)
    ->ArgsProduct({{0}, {0, 1}})
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_WindowSaveScore)
    ->ArgsProduct({{1}, {0, 1}})
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Args: page (0 blank, 1 A4 scan). What every save does besides writing the file: emptying
// the edit history, here of the one stroke drawn since the last save (not timed).
void BM_WindowEmptyHistory(benchmark::State& state) {
  BenchWindow window;
  if (!window.started()) return state.SkipWithError("the window did not start");
  ShowPage(window, int(state.range(0)));
  SharedHistory().ResetHistory(true);
  bench::OpMeter meter(state);
  for (auto _ : state) {
    window->Image1MouseDown(Qt::LeftButton, 300, 300);
    window->Image1MouseMove(340, 320);
    window->Image1MouseUp(Qt::LeftButton, 340, 320);
    if (HistoryPos() != 2) return state.SkipWithError("the stroke recorded no step");
    meter.Time([] { SharedHistory().ResetHistory(true); });
  }
  if (HistoryPos() != 1 || window.boxes() > 0) return state.SkipWithError("no empty history");
  meter.Report();
  state.SetLabel(PageName(int(state.range(0))));
}
// Each stroke may still write a whole page: a fixed number of them, fewer on the scan.
BENCHMARK(BM_WindowEmptyHistory)
    ->Arg(0)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowEmptyHistory)
    ->Arg(1)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Args: page (0 blank, 1 A4 scan). A floating note head stamped by the window's commit.
void BM_WindowDropSymbol(benchmark::State& state) {
  BenchWindow window;
  if (!window.started()) return state.SkipWithError("the window did not start");
  ShowPage(window, int(state.range(0)));
  const QImage symbol = PaletteSymbolImage(1);
  auto* overlay = window->Control<ImageControl>("Image2");
  for (auto _ : state) {
    overlay->setGeometry(QRect(QPoint(400, 500), symbol.size()));
    overlay->SetPicture(symbol);
    overlay->show();
    window->DropSymbol();
  }
  if (overlay->isVisible()) state.SkipWithError("the symbol was not stamped");
  state.SetLabel(PageName(int(state.range(0))));
}
BENCHMARK(BM_WindowDropSymbol)->Arg(0)->Arg(1);

}  // namespace
}  // namespace scoreink
