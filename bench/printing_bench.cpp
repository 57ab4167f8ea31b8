// Printing must not cost a copy of the whole page: a 600-dpi A4 scan printed into a PDF
// (the form in which Qt hands every page to CUPS) beside the blank page, and beside the scan
// drawn whole as it is, the way Qt's print engine would take it without bands.
//
// Peak memory: glibc's free memory is handed back (malloc_trim), the kernel's high-water mark
// of the resident size is reset (/proc/self/clear_refs, "5"), and after the print the growth
// of that mark over the resident size before it is reported (peak_growth_MB).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/bench_support.h"
#include "editing/blank_page.h"
#include "resources/embedded_pictures.h"
#include "score_window/core/print_stretched.h"

namespace scoreink {
namespace {

enum Case { kBlankPage, kScan, kScanWhole, kScanLossless };

const char* CaseName(int which) {
  switch (which) {
    case kBlankPage:
      return "blank page 762x1091, bands";
    case kScan:
      return "scan 4960x7016, bands";
    case kScanWhole:
      return "scan 4960x7016, drawn whole as Indexed8";
    default:
      return "scan 4960x7016, bands, lossless";
  }
}

const QImage& Picture(int which) {
  static QImage blank;
  static QImage scan;
  if (which == kBlankPage) {
    if (blank.isNull()) BuildBlankPage(blank, {QSize(762, 1091), ScoreTemplateImage()});
    return blank;
  }
  if (scan.isNull()) scan = bench::PaperPage8(4960, 7016, /*grain=*/true);
  return scan;
}

// One page into a PDF file: A4 at 600 dpi with margins of 100 printer pixels.
bool PrintInto(const QString& pdf, const QImage& picture, int which) {
  QPdfWriter writer(pdf);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(12, 12, 12, 12), QPageLayout::Point));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const QRect page(0, 0, writer.width(), writer.height());
  bool drawn = true;
  if (which == kScanWhole) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(page, picture);
  } else if (which == kScanLossless) {
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // PrintStretched keeps the hint it is given off for scans; draw the bands here with it on.
    const int band = PrintBandRows(picture.width());
    for (int first = 0; first < picture.height(); first += band) {
      const int count = std::min(band + 1, picture.height() - first);
      const double rowHeight = double(page.height()) / picture.height();
      painter.drawImage(
          QRectF(0, first * rowHeight, page.width(), count * rowHeight),
          picture.copy(0, first, picture.width(), count).convertToFormat(QImage::Format_RGB32));
    }
  } else {
    drawn = PrintStretched(painter, page, picture, false);
  }
  return painter.end() && drawn;
}

void BM_PrintIntoPdf(benchmark::State& state) {
  const int which = int(state.range(0));
  const QImage& picture = Picture(which);
  QTemporaryDir dir;
  const QString pdf = dir.filePath("page.pdf");
  qint64 peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    malloc_trim(0);
    const bool reset = bench::ResetPeakResident();
    const qint64 before = bench::StatusBytes("VmRSS:");
    state.ResumeTiming();
    if (!PrintInto(pdf, picture, which)) return state.SkipWithError("the page was not printed");
    state.PauseTiming();
    const qint64 after = bench::StatusBytes("VmHWM:");
    if (!reset || before < 0 || after < 0) return state.SkipWithError("no peak resident size");
    peak = std::max(peak, after - before);
    state.ResumeTiming();
  }
  const double mb = 1024.0 * 1024.0;
  state.counters["peak_growth_MB"] = double(peak) / mb;
  state.counters["picture_MB"] = double(picture.sizeInBytes()) / mb;
  state.counters["pdf_MB"] = double(QFileInfo(pdf).size()) / mb;
  state.SetLabel(CaseName(which));
}
BENCHMARK(BM_PrintIntoPdf)
    ->Arg(kBlankPage)
    ->Arg(kScan)
    ->Arg(kScanWhole)
    ->Arg(kScanLossless)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
