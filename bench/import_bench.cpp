// Bringing a scan into the symbol editor through the image import dialog: a pick of a
// 4960 x 7016 JPEG (A4 at 600 dpi), which decodes it, makes the preview and splits it into
// black and white, beside libjpeg's own djpeg decoding the same file as a program
// (BM_DjpegSameScan, with the score file dialog's benchmark) and the split of the decoded scan
// timed alone. The pick should take little more than djpeg and the
// split together (goal: within 1.5 times their sum; compare cpu_ms when the machine is busy).
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <chrono>
#include <cstring>

#include "bench/bench_support.h"
#include "bench/dialog_pick.h"
#include "dialogs/core/black_white.h"
#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "dialogs/tform4.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"
#include "platform/ui/image_control.h"
#include "symbol_editor/tform3.h"

namespace scoreink {
namespace {

constexpr int kScanWidth = bench::ScanJpeg::kWidth;
constexpr int kScanHeight = bench::ScanJpeg::kHeight;

// Each iteration is one click on the scan in the dialog's list: read, preview, split, show.
void BM_ImportPickScan(benchmark::State& state) {
  const bench::ScanJpeg& scan = bench::A4ScanJpeg();
  bench::BenchWindow window;
  if (!window.started()) {
    state.SkipWithError("the score window did not start");
    return;
  }
  window->Btn12Click(window->Control<QPushButton>("Btn12"));
  TForm3* editor = Form3;
  if (editor) editor->Btn11Click(editor->Control<QPushButton>("Btn11"));
  TForm4* dialog = Form4;
  bench::TimePicks(state, dialog, scan.folder, window, [editor] {
    return editor->Control<ImageControl>("Img1")->Picture().size() ==
           QSize(kScanWidth, kScanHeight);
  });
  if (!dialog) return;
  dialog->Button2Click(dialog->Control<QPushButton>("Button2"));
  editor->Btn00Click(editor);
}

// The split of the decoded scan, in place as the pick does it; each round starts from a fresh
// copy made outside the time measured.
void BM_SplitDecodedScan(benchmark::State& state) {
  const PictureResult decoded = LoadJpeg(bench::A4ScanJpeg().path);
  if (!decoded.ok()) {
    state.SkipWithError("the scan does not load");
    return;
  }
  QImage work = decoded.image.copy();
  double cpu = 0;
  for (auto _ : state) {
    std::memcpy(work.bits(), decoded.image.constBits(),
                static_cast<size_t>(decoded.image.sizeInBytes()));
    const auto start = std::chrono::steady_clock::now();
    const double before = bench::ThreadCpuSeconds();
    work = MakeBlackWhite(std::move(work), kWhite, kBlack, 60);
    benchmark::DoNotOptimize(work.constBits());
    cpu += bench::ThreadCpuSeconds() - before;
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  bench::ReportCpu(state, cpu);
}

BENCHMARK(BM_ImportPickScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SplitDecodedScan)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace scoreink
