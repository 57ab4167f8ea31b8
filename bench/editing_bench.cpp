// Editing the score must cost what the edit touches, not what the page holds: a symbol stamp
// and a repaint from the blank page on the blank page and on an A4 page at 600 dpi, side by
// side, and saving both pages as BMP and JPEG.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include "editing/blank_page.h"
#include "editing/surface_rules.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "resources/embedded_pictures.h"
#include "score_window/core/score_file.h"

namespace scoreink {
namespace {

const QSize kBlankPageSize{770, 1101};
const QSize kA4At600{4960, 7016};

BlankPage BlankOfSize(QSize size) {
  return {size, ScoreTemplateImage()};
}

// The score pages, 8-bit with the fixed palette, built once: staff systems down the page.
QImage& Page(int which) {
  static QImage pages[2];
  QImage& page = pages[which];
  if (page.isNull()) BuildBlankPage(page, BlankOfSize(which == 0 ? kBlankPageSize : kA4At600));
  return page;
}

// A filled note head (14 x 10) and a custom symbol of the largest size (30 x 30), 4-bit.
QImage Symbol(int side) {
  if (side == 14) return PaletteSymbolImage(1);
  QImage symbol = NewBitmap(30, 30, PixelFormat::Bits24);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      if ((x - 15) * (x - 15) + (y - 15) * (y - 15) < 150) symbol.setPixel(x, y, kBlack);
    }
  }
  return ConvertedTo(symbol, PixelFormat::Bits4);
}

const char* PageName(int which) {
  return which == 0 ? "blank page 770x1101" : "A4 600dpi 4960x7016";
}

// Args: symbol side (14 or 30), page (0 blank, 1 A4 at 600 dpi).
void BM_StampBlack(benchmark::State& state) {
  const QImage symbol = Symbol(int(state.range(0)));
  QImage& page = Page(int(state.range(1)));
  const QRect place(QPoint(400, 500), symbol.size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(StampBlack(symbol, page, symbol.rect(), place));
    benchmark::ClobberMemory();
  }
  state.SetLabel(PageName(int(state.range(1))));
}
BENCHMARK(BM_StampBlack)->ArgsProduct({{14, 30}, {0, 1}});

// Args: page (0 blank, 1 A4 at 600 dpi). A 100 x 100 eraser repaint in the second system.
void BM_PaintBlankPage(benchmark::State& state) {
  QImage& page = Page(int(state.range(0)));
  const BlankPage blank = BlankOfSize(page.size());
  const QRect rect(300, 300, 100, 100);
  for (auto _ : state) {
    benchmark::DoNotOptimize(PaintBlankPage(page, rect, blank));
    benchmark::ClobberMemory();
  }
  state.SetLabel(PageName(int(state.range(0))));
}
BENCHMARK(BM_PaintBlankPage)->Arg(0)->Arg(1);

// Args: page (0 blank, 1 A4 at 600 dpi), format (0 BMP, 1 JPEG).
void BM_SaveScoreFile(benchmark::State& state) {
  const QImage& page = Page(int(state.range(0)));
  QTemporaryDir dir;
  const QString path = dir.filePath(state.range(1) == 0 ? "score.bmp" : "score.jpg");
  for (auto _ : state) {
    const WriteResult result = SaveScoreFile(page, path);
    if (!result.ok()) state.SkipWithError(result.error.toStdString().c_str());
  }
  state.SetLabel(std::string(PageName(int(state.range(0)))) +
                 (state.range(1) == 0 ? " BMP" : " JPEG"));
}
// A fixed number of saves, some 300 MB of BMP files of each page.
BENCHMARK(BM_SaveScoreFile)
    ->ArgsProduct({{0}, {0, 1}})
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveScoreFile)
    ->ArgsProduct({{1}, {0, 1}})
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
