// Documents of several pages, music PDFs rendered at 300 dpi (A4: 2480 x 3508):
//
// - PageSwitch: Page Down and Page Up between pages 10 and 11 of a 20-page PDF in the score
//   window, each page with a stroke on it, so every switch sets a page aside with its record and
//   brings the other back with its own; beside it PageRenderAlone, the page rendered into the
//   score's 8-bit picture as the switch reads it (goal: the switch under 0.3 s, within 1.3x).
// - SaveEditedPdf: a 100-page PDF with strokes on 3 pages written back with the strokes laid
//   over those pages; beside it QpdfCopy, the same file copied by qpdf alone, page for page
//   (goal: within 2x plus the overlays' compression; overlay_kB is what the strokes added).
// - PagesMemory: the window moving through all 100 pages with a stroke on every tenth; peak_MB
//   is how far the resident size rose over the session, one_page_MB how far opening the first
//   page raised it (goal: within 1.3x).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFileInfo>
#include <QTemporaryDir>
#include <map>

#include "bench/bench_support.h"
#include "bench/music_pdf.h"
#include "bench/score_session.h"
#include "dialogs/core/picked_picture.h"
#include "platform/picture_files/picture_io.h"
#include "score_window/core/score_document.h"

namespace scoreink {
namespace {

constexpr int kDpi = 300;

struct Files {
  QTemporaryDir dir;
  QString pages20, pages100;
};

const Files& Shared() {
  static Files files;
  static const bool made = [] {
    bench::EnsureApplication();
    files.pages20 = files.dir.filePath(QStringLiteral("pages20.pdf"));
    files.pages100 = files.dir.filePath(QStringLiteral("pages100.pdf"));
    bench::WriteMusicPdf(files.pages20, 20);
    bench::WriteMusicPdf(files.pages100, 100);
    return true;
  }();
  (void)made;
  return files;
}

QImage PageOf(const QString& path, int page) {
  return ReadPickedPicture(path, nullptr, PagePick{page, kDpi}).picture;
}

// The document opened in the window as the score file dialog's OK opens it.
bool Open(bench::BenchWindow& window, const QString& path, int page, int pages) {
  QImage picture = PageOf(path, page);
  if (picture.isNull()) return false;
  window->ShowScorePicture(std::move(picture));
  window->AdoptOpenedScore(path, PagePick{page, kDpi}, pages);
  return window->Document().Pages() == pages;
}

void Stroke(bench::BenchWindow& window, int seed) {
  const std::vector<QPoint> points = bench::HandStroke(QPoint(300 + seed % 7 * 40, 200), 60, 400);
  window->Image1MouseDown(Qt::LeftButton, points.front().x(), points.front().y());
  for (size_t i = 1; i < points.size(); ++i) window->Image1MouseMove(points[i].x(), points[i].y());
  window->Image1MouseUp(Qt::LeftButton, points.back().x(), points.back().y());
}

void BM_PageSwitch(benchmark::State& state) {
  bench::BenchWindow window;
  if (!window.started() || !Open(window, Shared().pages20, 9, 20)) {
    state.SkipWithError("the document did not open");
    return;
  }
  Stroke(window, 1);
  window->GoToPage(10);
  Stroke(window, 2);
  int to = 9;
  for (auto _ : state) {
    if (!window->GoToPage(to)) state.SkipWithError("the page did not change");
    to = to == 9 ? 10 : 9;
  }
  if (window.boxes()) state.SkipWithError("a message box came up");
}

void BM_PageRenderAlone(benchmark::State& state) {
  int page = 9;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PageOf(Shared().pages20, page));
    page = page == 9 ? 10 : 9;
  }
}

// A stroke on a page as read: the page's overlays, made as the window makes them on saving.
PageOverlays StrokeOverlays(const QImage& asRead, int seed) {
  QImage edited = asRead.copy();
  for (int y = 200 + 100 * seed; y < 260 + 100 * seed; ++y)
    for (int x = 400; x < 1800; ++x)
      if ((x + 3 * y) % 11 < 4) edited.setPixel(x, y, 0);
  return OverlaysOf(RecordBetween(asRead, edited));
}

void BM_SaveEditedPdf(benchmark::State& state) {
  const QString source = Shared().pages100;
  std::map<int, PageOverlays> overlays;
  for (const int page : {4, 50, 97})
    overlays[page] = StrokeOverlays(PageOf(source, page), page % 5);
  const QString target = Shared().dir.filePath(QStringLiteral("saved.pdf"));
  for (auto _ : state)
    if (!SavePdfWithOverlays(source, overlays, kDpi, target).ok())
      state.SkipWithError("the save failed");
  state.counters["file_kB"] = double(QFileInfo(target).size()) / 1024;
  state.counters["overlay_kB"] = double(QFileInfo(target).size() - QFileInfo(source).size()) / 1024;
}

void BM_QpdfCopy(benchmark::State& state) {
  const std::string source = Shared().pages100.toStdString();
  const std::string target = Shared().dir.filePath(QStringLiteral("copy.pdf")).toStdString();
  for (auto _ : state) {
    QPDF pdf;
    pdf.processFile(source.c_str());
    QPDFWriter(pdf, target.c_str()).write();
  }
}

void BM_PagesMemory(benchmark::State& state) {
  for (auto _ : state) {
    bench::BenchWindow window;
    malloc_trim(0);
    const qint64 before = bench::StatusBytes("VmRSS:");
    bench::ResetPeakResident();
    if (!window.started() || !Open(window, Shared().pages100, 0, 100)) {
      state.SkipWithError("the document did not open");
      return;
    }
    const qint64 onePage = bench::StatusBytes("VmHWM:") - before;
    for (int page = 1; page < 100; ++page) {
      if (page % 10 == 1) Stroke(window, page);
      window->GoToPage(page);
    }
    const qint64 through = bench::StatusBytes("VmHWM:") - before;
    state.counters["one_page_MB"] = double(onePage) / (1 << 20);
    state.counters["peak_MB"] = double(through) / (1 << 20);
    state.counters["x_one_page"] = double(through) / double(onePage);
    if (window.boxes()) state.SkipWithError("a message box came up");
  }
}

BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_PageRenderAlone)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_SaveEditedPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_QpdfCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_PagesMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace scoreink
