// Opening PDF pages. A music page as notation programs write it (grand staves of thin lines,
// note heads, stems and beams as small filled shapes, text) and a scanned page (a 600-dpi scan
// of A4 as one picture, as libraries hand out old editions), page 2 of a 3-page file each:
//
// - PdfPageToScore/<page>: the page rendered at 300 dpi into the score's 8-bit picture, as the
//   score file dialog reads it; beside it PdftoppmProgram/<page>, poppler-utils' own
//   "pdftoppm -r 300 -gray -f 2 -l 2" on the same file, the whole command (goal: within 1.2x).
// - PdfPasses/<page>/<passes>: the page at 600 dpi rendered in one pass or in 8 bands of rows,
//   with peak_MB, how far the resident size rose during the read: why a page is rendered whole.
// - PdfPageCount: the pages of a 500-page PDF counted (goal: under 0.3 s).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "bench/bench_support.h"
#include "bench/music_pdf.h"
#include "platform/picture_files/pdf_reader.h"
#include "platform/picture_files/picture_at_8_bits.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {
namespace {

using bench::PointPdf;

enum PdfPage { kMusic = 0, kScan = 1 };
constexpr int kMeasuredPage = 1;  // page 2

// The files of the run, made once: music.pdf and scan.pdf (3 pages each) and pages500.pdf.
struct Files {
  QTemporaryDir dir;
  QString Path(PdfPage page) const {
    return dir.filePath(page == kMusic ? QStringLiteral("music.pdf") : QStringLiteral("scan.pdf"));
  }
  QString pages500;
};

const Files& Shared() {
  static Files files;
  static const bool made = [] {
    bench::EnsureApplication();
    { bench::WriteMusicPdf(files.Path(kMusic), 3); }
    {
      const QImage scan = bench::PaperPage8(4960, 7016, true);
      PointPdf scanned(files.Path(kScan));
      for (int page = 0; page < 3; ++page)
        scanned.NextPage(page == 0).drawImage(QRectF(0, 0, 595, 842), scan);
    }
    files.pages500 = files.dir.filePath(QStringLiteral("pages500.pdf"));
    bench::WriteMusicPdf(files.pages500, 500);
    return true;
  }();
  (void)made;
  return files;
}

void BM_PdfPageToScore(benchmark::State& state) {
  const QString path = Shared().Path(PdfPage(state.range(0)));
  double cpu = 0;
  for (auto _ : state) {
    const double before = bench::ThreadCpuSeconds();
    PictureAt8Bits at8Bits;
    if (!ReadPicture(path, at8Bits, nullptr, PagePick{kMeasuredPage, 300}).isEmpty())
      state.SkipWithError("the page did not open");
    QImage score = at8Bits.Take();
    benchmark::DoNotOptimize(score.constBits());
    score = QImage();  // freeing belongs to the opening
    cpu += bench::ThreadCpuSeconds() - before;
  }
  bench::ReportCpu(state, cpu);
}

void BM_PdftoppmProgram(benchmark::State& state) {
  const std::string in = Shared().Path(PdfPage(state.range(0))).toStdString();
  const std::string out = Shared().dir.filePath(QStringLiteral("pdftoppm")).toStdString();
  double cpu = 0;
  for (auto _ : state) {
    if (!bench::RunProgram({"pdftoppm", "-r", "300", "-gray", "-f", "2", "-l", "2", in, out}, cpu))
      state.SkipWithError("pdftoppm did not run");
  }
  bench::ReportCpu(state, cpu);
}

void BM_PdfPasses(benchmark::State& state) {
  const QString path = Shared().Path(PdfPage(state.range(0)));
  const int passes = int(state.range(1));
  const qint64 passBytes = qint64(4958) * 4 * ((7017 + passes - 1) / passes);
  double cpu = 0;
  qint64 peak = 0;
  for (auto _ : state) {
    malloc_trim(0);
    const qint64 before = bench::StatusBytes("VmRSS:");
    bench::ResetPeakResident();
    const double cpuBefore = bench::ThreadCpuSeconds();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    PictureAt8Bits at8Bits;
    if (!ReadPdfInto(file, at8Bits, nullptr, kMeasuredPage, 600, passBytes).isEmpty())
      state.SkipWithError("the page did not open");
    benchmark::DoNotOptimize(at8Bits.Take().constBits());
    cpu += bench::ThreadCpuSeconds() - cpuBefore;
    peak = std::max(peak, bench::StatusBytes("VmHWM:") - before);
  }
  bench::ReportCpu(state, cpu);
  state.counters["peak_MB"] = double(peak) / (1 << 20);
}

void BM_PdfPageCount(benchmark::State& state) {
  const QString path = Shared().pages500;
  for (auto _ : state) {
    const PageCount count = CountPages(path);
    if (count.pages != 500) state.SkipWithError("the pages were not counted");
  }
}

BENCHMARK(BM_PdfPageToScore)->Arg(kMusic)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PdftoppmProgram)->Arg(kMusic)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PdfPageToScore)->Arg(kScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PdftoppmProgram)->Arg(kScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PdfPasses)
    ->Args({kMusic, 1})
    ->Args({kMusic, 8})
    ->Args({kScan, 1})
    ->Args({kScan, 8})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PdfPageCount)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace scoreink
