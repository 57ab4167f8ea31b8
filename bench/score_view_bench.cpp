// Painting the score view: the exposed viewport of Image1 over an A4 scan at 600 dpi
// (4960 x 7016, 8 bits per pixel as the score is kept) at 100 and 800 percent. The paint must
// cost the viewport, not the page: peak memory does not grow at 800 percent.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <memory>

#include "bench/bench_support.h"
#include "platform/ui/image_control.h"

namespace {

using scoreink::bench::EnsureApplication;

// Peak resident memory of the process in kilobytes (VmHWM).
long PeakKilobytes() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return 0;
}

// A grey scan with staff-like lines, Indexed8 with a grey table.
QImage ScanPicture() {
  QImage scan(4960, 7016, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table << qRgb(i, i, i);
  scan.setColorTable(table);
  for (int y = 0; y < scan.height(); ++y) {
    uchar* row = scan.scanLine(y);
    const bool line = y % 100 < 3;
    for (int x = 0; x < scan.width(); ++x) row[x] = line ? 32 : uchar(240 + (x + y) % 16);
  }
  return scan;
}

void BM_PaintScoreViewport(benchmark::State& state) {
  EnsureApplication();
  const int zoom = int(state.range(0));
  static const QImage scan = ScanPicture();
  QScrollArea box;
  box.resize(1160, 934);
  auto* image = new scoreink::ImageControl;
  image->SetStretch(true);
  image->SetPicture(scan);
  image->resize(int(qint64(scan.width()) * zoom / 100), int(qint64(scan.height()) * zoom / 100));
  box.setWidget(image);
  box.horizontalScrollBar()->setValue(box.horizontalScrollBar()->maximum() / 2);
  box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum() / 2);
  QImage screen(box.viewport()->size(), QImage::Format_RGB32);

  // The peak is taken before the first paint, so that even a one-time scaled copy shows.
  const long peakBefore = PeakKilobytes();
  screen.fill(qRgb(255, 0, 255));
  box.viewport()->render(&screen);
  if (screen.pixel(screen.width() / 2, screen.height() / 2) == qRgb(255, 0, 255)) {
    state.SkipWithError("the viewport shows nothing of the picture");
    return;
  }
  for (auto _ : state) {
    box.viewport()->render(&screen);
    benchmark::DoNotOptimize(screen.constBits());
  }
  state.counters["peak_growth_kB"] = double(PeakKilobytes() - peakBefore);
  state.counters["control_w"] = image->width();
}
// Wall time: the scaling may be shared out to Qt's worker threads.
BENCHMARK(BM_PaintScoreViewport)
    ->Arg(10)
    ->Arg(100)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
