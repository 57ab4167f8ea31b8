// Picture files against what the machine does anyway. BMP writing and reading of the blank
// page and of an A4 page at 600 dpi (8 and 24 bits), each save and load followed by a plain
// write or read of the same number of bytes into the same kind of file and memory: the write
// from one reused megabyte into a new file that replaces the old one, as the writer does; the
// read into new picture memory, as the reader does (plain_ms; x_plain is the save's or load's
// time over the plain one's; cpu_ms holds the system time of the copies too). JPEG encoding
// and decoding of the A4 page beside libjpeg's own cjpeg and djpeg run as programs on the same
// picture.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <map>

#include "bench/bench_support.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"

namespace scoreink {
namespace {

enum Page { kBlank8 = 0, kA4Page8 = 1, kA4Page24 = 2 };
const char* const kPageNames[] = {"blank_770x1101_8bit", "a4_4960x7016_8bit", "a4_4960x7016_24bit"};

// The measured pages: 8 bits with the fixed palette, or the palette's colours at 24 bits.
QImage MakePage(Page page) {
  const bool a4 = page != kBlank8;
  const QImage indexed = bench::PaperPage8(a4 ? 4960 : 770, a4 ? 7016 : 1101, a4);
  return page == kA4Page24 ? indexed.convertToFormat(QImage::Format_RGB888) : indexed;
}

// Pages, their files and the temporary folder, made once for the whole run.
struct Fixtures {
  QTemporaryDir dir;
  std::map<Page, QImage> pages;
  QString File(const QString& name) const { return dir.filePath(name); }
  const QImage& PageOf(Page page) {
    auto found = pages.find(page);
    if (found == pages.end()) found = pages.emplace(page, MakePage(page)).first;
    return found->second;
  }
  QString BmpOf(Page page) {
    const QString path = File(QString::fromLatin1(kPageNames[page]) + ".bmp");
    if (!QFileInfo::exists(path)) SaveBmp(PageOf(page), path);
    return path;
  }
  QString JpegOfA4() {
    const QString path = File(QStringLiteral("a4.jpg"));
    if (!QFileInfo::exists(path)) SaveJpeg(PageOf(kA4Page8), path);
    return path;
  }
};

Fixtures& Shared() {
  static Fixtures fixtures;
  return fixtures;
}

// Each save is followed by its anchor: a plain write of as many bytes into another file.
void BM_BmpSave(benchmark::State& state) {
  const Page page = Page(state.range(0));
  const QImage& image = Shared().PageOf(page);
  const QString path = Shared().File(QStringLiteral("saved.bmp"));
  const QString plain = Shared().File(QStringLiteral("plain.bin"));
  bench::OpMeter meter(state);
  bench::AnchorMeter anchors(state);
  for (auto _ : state) {
    bool saved = false;
    meter.Time([&] { saved = SaveBmp(image, path).ok(); });
    if (!saved || !anchors.Time([&] { return bench::PlainWrite(plain, meter.Last().written); }))
      return state.SkipWithError("save failed");
  }
  meter.Report();
  anchors.Report(meter.Seconds());
  state.SetLabel(kPageNames[page]);
  state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

// Each load is followed by its anchor: a plain read of the same file.
void BM_BmpLoad(benchmark::State& state) {
  const Page page = Page(state.range(0));
  const QString path = Shared().BmpOf(page);
  const qint64 size = QFileInfo(path).size();
  bench::OpMeter meter(state);
  bench::AnchorMeter anchors(state);
  for (auto _ : state) {
    PictureResult result;
    meter.Time([&] {
      result = LoadBmp(path);
      benchmark::DoNotOptimize(result.image.constBits());
      result.image = QImage();  // freeing belongs to the load, as the anchor frees its memory
    });
    if (!result.error.isEmpty() || !anchors.Time([&] { return bench::PlainRead(path, size); }))
      return state.SkipWithError("load failed");
  }
  meter.Report();
  anchors.Report(meter.Seconds());
  state.SetLabel(kPageNames[page]);
  state.SetBytesProcessed(state.iterations() * size);
}

std::string Local(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// The save path of a score: the 8-bit page to a JPEG file.
void BM_JpegSave(benchmark::State& state) {
  const QImage& page = Shared().PageOf(kA4Page8);
  const QString path = Shared().File(QStringLiteral("saved.jpg"));
  double cpu = 0;
  for (auto _ : state) {
    const double before = bench::ThreadCpuSeconds();
    if (!SaveJpeg(page, path).ok()) state.SkipWithError("save failed");
    cpu += bench::ThreadCpuSeconds() - before;
  }
  bench::ReportCpu(state, cpu);
}

// cjpeg reads the same 8-bit page from its BMP file and writes the JPEG file.
void BM_CjpegProgram(benchmark::State& state) {
  const std::string in = Local(Shared().BmpOf(kA4Page8));
  const std::string out = Local(Shared().File(QStringLiteral("cjpeg.jpg")));
  double cpu = 0;
  for (auto _ : state) {
    if (!bench::RunProgram({"cjpeg", "-quality", "90", "-outfile", out, in}, cpu))
      state.SkipWithError("cjpeg did not run");
  }
  bench::ReportCpu(state, cpu);
}

void BM_JpegLoad(benchmark::State& state) {
  const QString path = Shared().JpegOfA4();
  double cpu = 0;
  for (auto _ : state) {
    const double before = bench::ThreadCpuSeconds();
    PictureResult result = LoadJpeg(path);
    if (!result.ok()) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(result.image.constBits());
    result.image = QImage();  // freeing belongs to the load, as for the program
    cpu += bench::ThreadCpuSeconds() - before;
  }
  bench::ReportCpu(state, cpu);
}

// djpeg decodes the same file and throws the pixels away.
void BM_DjpegProgram(benchmark::State& state) {
  const std::string in = Local(Shared().JpegOfA4());
  double cpu = 0;
  for (auto _ : state) {
    if (!bench::RunProgram({"djpeg", "-outfile", "/dev/null", in}, cpu))
      state.SkipWithError("djpeg did not run");
  }
  bench::ReportCpu(state, cpu);
}

// Each iteration of the save writes two whole files: a fixed number of them, some 300 MB of
// each page for each of the two, keeps what the run writes bounded however fast the disk is.
BENCHMARK(BM_BmpSave)
    ->Arg(kBlank8)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BmpSave)
    ->Arg(kA4Page8)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BmpSave)
    ->Arg(kA4Page24)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BmpLoad)
    ->Arg(kBlank8)
    ->Arg(kA4Page8)
    ->Arg(kA4Page24)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegSave)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CjpegProgram)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DjpegProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace scoreink
