// Opening a 600-dpi A4 scan saved as a PNG (4960 x 7016, 8-bit grey, as scanners write it) the
// way a score is opened: read band by band straight into the 8-bit picture with the fixed
// palette (PictureAt8Bits). Beside it, in the same state of the page cache, the least any
// program does with that file: libpng decoding every row into one 8-bit buffer (plain_ms;
// x_plain is the open's time over the decode's, goal under 1.2).
//
// Memory as for the JPEG scans (banded_open_bench.cpp): glibc's free memory handed back and the
// peak resident size started afresh before each open; peak_MB is the high-water mark during the
// open, steady_MB the resident size once the picture is in place, peak_ratio the two's ratio
// (goal under 1.3); plain_peak_ratio the same for the decode.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <png.h>

#include <QTemporaryDir>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include "bench/bench_support.h"
#include "platform/picture_files/picture_at_8_bits.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {
namespace {

constexpr int kWidth = 4960, kHeight = 7016;

// The scan of PaperPage8's grain and staves as greys, written once for the whole run: 8-bit
// grey, not interlaced, zlib's default level.
const QString& ScanPng() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString made = dir.filePath(QStringLiteral("scan.png"));
    const QImage page = bench::PaperPage8(kWidth, kHeight, true);
    uchar grey[256];
    for (int i = 0; i < 256; ++i) grey[i] = uchar(qGray(page.color(i)));
    FILE* file = std::fopen(made.toLocal8Bit().constData(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uchar> row(kWidth);
    for (int y = 0; y < kHeight; ++y) {
      const uchar* indices = page.constScanLine(y);
      for (int x = 0; x < kWidth; ++x) row[size_t(x)] = grey[indices[x]];
      png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return made;
  }();
  return path;
}

// The anchor: one png_read_row loop into one buffer that the caller took for the picture.
// Only trivial locals here: libpng's errors jump out.
bool PlainDecode(FILE* file, uchar* pixels) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  const bool grey8 =
      png_get_image_width(png, info) == kWidth && png_get_image_height(png, info) == kHeight &&
      png_get_bit_depth(png, info) == 8 && png_get_color_type(png, info) == PNG_COLOR_TYPE_GRAY;
  if (grey8)
    for (int y = 0; y < kHeight; ++y) png_read_row(png, pixels + size_t(y) * kWidth, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return grey8;
}

qint64 TrimmedResident() {
  malloc_trim(0);
  return bench::StatusBytes("VmRSS:");
}

// Peak and steady resident size of the worst of the rounds.
struct Memory {
  qint64 peak = 0, steady = 0;
  // Starts a round; false where the peak cannot be started afresh.
  static bool Start() { return TrimmedResident() >= 0 && bench::ResetPeakResident(); }
  // Ends a round while what was read is still held.
  void End() {
    const qint64 high = bench::StatusBytes("VmHWM:"), after = TrimmedResident();
    if (high - after > peak - steady) peak = high, steady = after;
  }
  double Ratio() const { return steady > 0 ? double(peak) / double(steady) : 0; }
};

void BM_PngScanOpen(benchmark::State& state) {
  const QString& path = ScanPng();
  bench::OpMeter meter(state);
  bench::AnchorMeter anchors(state);
  Memory opened, decoded;
  for (auto _ : state) {
    if (!Memory::Start()) return state.SkipWithError("no peak resident size");
    QImage picture;
    QString error;
    meter.Time([&] {
      PictureAt8Bits sink;
      error = ReadPicture(path, sink);
      picture = sink.Take();
    });
    opened.End();
    if (!error.isEmpty() || picture.size() != QSize(kWidth, kHeight))
      return state.SkipWithError("the scan did not open");
    picture = QImage();

    if (!Memory::Start()) return state.SkipWithError("no peak resident size");
    std::unique_ptr<uchar[]> pixels;
    const bool done = anchors.Time([&] {
      FILE* file = std::fopen(path.toLocal8Bit().constData(), "rb");
      if (!file) return false;
      pixels.reset(new uchar[size_t(kWidth) * kHeight]);
      const bool read = PlainDecode(file, pixels.get());
      std::fclose(file);
      return read;
    });
    decoded.End();
    if (!done) return state.SkipWithError("libpng did not decode the scan");
  }
  meter.Report();
  anchors.Report(meter.Seconds());
  const double mb = 1024.0 * 1024.0;
  state.counters["peak_MB"] = double(opened.peak) / mb;
  state.counters["steady_MB"] = double(opened.steady) / mb;
  state.counters["peak_ratio"] = opened.Ratio();
  state.counters["plain_peak_ratio"] = decoded.Ratio();
  state.SetLabel("A4 600 dpi, 8-bit grey PNG");
}
BENCHMARK(BM_PngScanOpen)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
