// Opening a scan through the score file dialog: a pick of a 4960 x 7016 JPEG (A4 at 600 dpi)
// shown as the preview in the score window, beside libjpeg's own djpeg decoding the same file
// as a program and the conversion of the decoded page to 8 bits timed alone. The pick does one
// decode and one conversion, so it should take little more than djpeg and the conversion
// together (goal: within 1.3 times their sum; compare cpu_ms when the machine is busy).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QPushButton>

#include "bench/bench_support.h"
#include "bench/dialog_pick.h"
#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "dialogs/tform2.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"

namespace scoreink {
namespace {

constexpr int kScanWidth = bench::ScanJpeg::kWidth;
constexpr int kScanHeight = bench::ScanJpeg::kHeight;

const bench::ScanJpeg& Scan() {
  return bench::A4ScanJpeg();
}

// Each iteration is one click on the scan in the dialog's list: read, check, convert, show.
void BM_DialogPickPreview(benchmark::State& state) {
  const bench::ScanJpeg& scan = Scan();
  bench::BenchWindow window;
  if (!window.started()) {
    state.SkipWithError("the score window did not start");
    return;
  }
  window->Btn2Click(window->Control<QPushButton>("Btn2"));
  TForm2* dialog = Form2;
  bench::TimePicks(state, dialog, scan.folder, window, [&window] {
    return window->Surface().size() == QSize(kScanWidth, kScanHeight);
  });
  if (!dialog) return;
  dialog->Button2Click(dialog->Control<QPushButton>("Button2"));
}

// djpeg decodes the same file and throws the pixels away.
void BM_DjpegSameScan(benchmark::State& state) {
  const std::string in = QFile::encodeName(Scan().path).toStdString();
  double cpu = 0;
  for (auto _ : state) {
    if (!bench::RunProgram({"djpeg", "-outfile", "/dev/null", in}, cpu))
      state.SkipWithError("djpeg did not run");
  }
  bench::ReportCpu(state, cpu);
}

// The decoded scan (24 bits) to 8 bits with the fixed palette, as the pick converts it.
void BM_ScanTo8Bits(benchmark::State& state) {
  const PictureResult decoded = LoadJpeg(Scan().path);
  if (!decoded.ok()) {
    state.SkipWithError("the scan does not load");
    return;
  }
  double cpu = 0;
  for (auto _ : state) {
    const double before = bench::ThreadCpuSeconds();
    QImage converted = ConvertedTo(decoded.image, PixelFormat::Bits8);
    benchmark::DoNotOptimize(converted.constBits());
    converted = QImage();
    cpu += bench::ThreadCpuSeconds() - before;
  }
  bench::ReportCpu(state, cpu);
}

BENCHMARK(BM_DialogPickPreview)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DjpegSameScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScanTo8Bits)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace scoreink
