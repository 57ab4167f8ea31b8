// Hostile and very large pictures opened through the file dialogs, the figures of one run:
//  - BM_HostileJpegRefused: a 16384 x 16384 grey progressive JPEG of one DC scan and 63 scans of
//    one AC coefficient each, whose last scan is repeated up to 500 scans (under a megabyte),
//    picked in the score file dialog: the time until it is refused (refused_ms).
//  - BM_FirstProgressOf1GBBmp: a 16384 x 16384 32-bit BMP (1 GiB of pixels) read into 8 bits
//    as the score file dialog reads it: the time to the reader's first progress report
//    (first_report_ms) and to the whole picture (read_ms); picked in the score file dialog,
//    the time until its progress bar shows (bar_ms, half a second by design).
//  - BM_Open16384: the 64-scan JPEG (legitimate, several seconds to decode) and the 1 GiB BMP
//    picked in the score file dialog and in the image import dialog: the pick's time, the peak
//    resident size during it (peak_MB) and the resident size once the picture is in place
//    (steady_MB), and peak_ratio = peak_MB / decoded_MB, where decoded_MB is the picture at 24
//    bits (768 MiB).
// Before each pick glibc's free memory is handed back and the kernel's high-water mark of the
// resident size is started afresh, as in banded_open_bench.cpp.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "bench/bench_support.h"
#include "bench/dialog_pick.h"
#include "dialogs/core/picked_picture.h"
#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "dialogs/tform2.h"
#include "dialogs/tform4.h"
#include "harness/open_window.h"
#include "harness/repeated_scan_jpeg.h"
#include "platform/picture_files/bmp_header.h"
#include "platform/picture_files/read_watch.h"
#include "platform/ui/image_control.h"
#include "platform/ui/read_progress.h"
#include "symbol_editor/tform3.h"

namespace scoreink {
namespace {

constexpr int kSide = 16384;

struct PictureFile {
  QString folder;
  QString path;
};

// A file alone in a folder of its own, made once for the run.
PictureFile MadeOnce(const QString& name, const std::function<void(const QString&)>& make) {
  auto* dir = new QTemporaryDir;  // lives to the end of the run
  PictureFile file{dir->path(), dir->filePath(name)};
  make(file.path);
  return file;
}

// The 64-scan file at the bench's side, its last scan repeated until it has `scans` scans.
QByteArray SixtyFourScanJpeg(int scans) {
  return test::RepeatedScanJpeg(kSide, kSide, scans - 64);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

const PictureFile& Legit64Scans() {
  static const PictureFile file =
      MadeOnce("scans64.jpg", [](const QString& path) { WriteBytes(path, SixtyFourScanJpeg(64)); });
  return file;
}

const PictureFile& Hostile500Scans() {
  static const PictureFile file = MadeOnce(
      "scans500.jpg", [](const QString& path) { WriteBytes(path, SixtyFourScanJpeg(500)); });
  return file;
}

// 32 bits a pixel, top-down rows of a grey ramp with some ink: 1 GiB of pixels on the disk.
const PictureFile& Bmp1GB() {
  static const PictureFile file = MadeOnce("big.bmp", [](const QString& path) {
    uchar header[kBmpFileHeaderSize + kBmpInfoHeaderSize] = {};
    const qint64 stride = qint64(kSide) * 4;
    header[0] = 'B';
    header[1] = 'M';
    WriteLe32(header + 2, quint32(sizeof header + stride * kSide));
    WriteLe32(header + 10, sizeof header);
    WriteLe32(header + 14, kBmpInfoHeaderSize);
    WriteLe32(header + 18, kSide);
    WriteLe32(header + 22, quint32(-kSide));
    WriteLe16(header + 26, 1);
    WriteLe16(header + 28, 32);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return;
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    QByteArray row(stride, '\0');
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const char grey = char((x * 7 + y * 3) % 251 < 8 ? 20 : 200 + (x + y) % 40);
        row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = grey;
      }
      out.write(row);
    }
  });
  return file;
}

qint64 TrimmedResident() {
  malloc_trim(0);
  return bench::StatusBytes("VmRSS:");
}

void FinishDeferredDeletes() {
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_HostileJpegRefused(benchmark::State& state) {
  const PictureFile& file = Hostile500Scans();
  bench::BenchWindow window;
  if (!window.started()) return state.SkipWithError("the score window did not start");
  window->Btn2Click(window->Control<QPushButton>("Btn2"));
  auto* dialog = test::OpenWindow<TForm2>();
  FileListBox* files = bench::SelectOnlyPicture(dialog, file.folder);
  if (!files) return state.SkipWithError("the file is not listed");
  double longest = 0;
  int boxes = window.boxes();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    dialog->FileListBox1Click(files);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    longest = std::max(longest, seconds);
    if (window.boxes() != ++boxes) return state.SkipWithError("the file was not refused");
  }
  state.counters["refused_ms"] = longest * 1000;
  state.counters["file_KB"] = double(QFile(file.path).size()) / 1024;
  dialog->Button2Click(dialog->Control<QPushButton>("Button2"));
  FinishDeferredDeletes();
}
BENCHMARK(BM_HostileJpegRefused)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FirstProgressOf1GBBmp(benchmark::State& state) {
  const PictureFile& file = Bmp1GB();
  double first = 0, whole = 0, bar = 0;
  for (auto _ : state) {
    // The reader on a thread of its own, as the dialogs run it; its first report is watched.
    ReadWatch watch;
    const auto start = std::chrono::steady_clock::now();
    PickedPicture picked;
    std::atomic<bool> finished{false};
    std::thread reader([&] {
      picked = ReadPickedPicture(file.path, &watch);
      finished = true;
    });
    while (watch.Reports() == 0 && !finished) std::this_thread::yield();
    const auto reported = std::chrono::steady_clock::now();
    reader.join();
    const auto done = std::chrono::steady_clock::now();
    if (picked.verdict != PickedPicture::Verdict::Accepted)
      return state.SkipWithError("the picture was not read");
    state.SetIterationTime(std::chrono::duration<double>(reported - start).count());
    first = std::max(first, std::chrono::duration<double>(reported - start).count());
    whole = std::max(whole, std::chrono::duration<double>(done - start).count());
  }
  {
    // The same file picked in the score file dialog: when its bar shows.
    bench::BenchWindow window;
    window->Btn2Click(window->Control<QPushButton>("Btn2"));
    auto* dialog = test::OpenWindow<TForm2>();
    FileListBox* files = bench::SelectOnlyPicture(dialog, file.folder);
    if (!files) return state.SkipWithError("the file is not listed");
    QElapsedTimer clock;
    QTimer look;
    look.setInterval(1);
    QObject::connect(&look, &QTimer::timeout, [&] {
      auto* shown = dialog->findChild<QProgressBar*>(QString::fromLatin1(kReadProgressName));
      if (bar == 0 && shown && !shown->isHidden()) bar = double(clock.elapsed());
    });
    clock.start();
    look.start();
    dialog->FileListBox1Click(files);
    look.stop();
    dialog->Button2Click(dialog->Control<QPushButton>("Button2"));
    FinishDeferredDeletes();
  }
  state.counters["first_report_ms"] = first * 1000;
  state.counters["read_ms"] = whole * 1000;
  state.counters["bar_ms"] = bar;
}
BENCHMARK(BM_FirstProgressOf1GBBmp)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

enum Big { kJpeg64Scans = 0, kBmp1GB = 1 };
enum Dialog { kScoreFileDialog = 0, kImportDialog = 1 };

void BM_Open16384(benchmark::State& state) {
  const PictureFile& file = state.range(0) == kJpeg64Scans ? Legit64Scans() : Bmp1GB();
  const bool import = state.range(1) == kImportDialog;
  bench::BenchWindow window;
  if (!window.started()) return state.SkipWithError("the score window did not start");
  TForm3* editor = nullptr;
  if (import) {
    window->Btn12Click(window->Control<QPushButton>("Btn12"));
    editor = test::OpenWindow<TForm3>();
  }
  qint64 peak = 0, steady = 0;
  double cpu = 0;
  for (auto _ : state) {
    TForm4* importDialog = nullptr;
    TForm2* fileDialog = nullptr;
    FileListBox* files = nullptr;
    if (import) {
      editor->Btn11Click(editor->Control<QPushButton>("Btn11"));
      importDialog = test::OpenWindow<TForm4>();
      files = bench::SelectOnlyPicture(importDialog, file.folder);
    } else {
      window->Btn2Click(window->Control<QPushButton>("Btn2"));
      fileDialog = test::OpenWindow<TForm2>();
      files = bench::SelectOnlyPicture(fileDialog, file.folder);
    }
    if (!files) return state.SkipWithError("not listed");
    TrimmedResident();
    if (!bench::ResetPeakResident()) return state.SkipWithError("no peak resident size");
    const auto start = std::chrono::steady_clock::now();
    const double cpuBefore = bench::ThreadCpuSeconds();
    if (import)
      importDialog->FileListBox1Click(files);
    else
      fileDialog->FileListBox1Click(files);
    cpu += bench::ThreadCpuSeconds() - cpuBefore;
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    peak = std::max(peak, bench::StatusBytes("VmHWM:"));
    steady = std::max(steady, TrimmedResident());
    const QSize shown =
        import ? editor->Control<ImageControl>("Img1")->Picture().size() : window->Surface().size();
    if (shown != QSize(kSide, kSide) || window.boxes() > 0)
      return state.SkipWithError("the pick did not bring the picture in");
    // Cancel: the score or the import area goes back, the picture is freed.
    if (import)
      importDialog->Button2Click(importDialog->Control<QPushButton>("Button2"));
    else
      fileDialog->Button2Click(fileDialog->Control<QPushButton>("Button2"));
    FinishDeferredDeletes();
  }
  if (editor) editor->Btn00Click(editor);
  FinishDeferredDeletes();
  const double mb = 1024.0 * 1024.0;
  const double decoded = double(kSide) * kSide * 3;
  state.counters["peak_MB"] = double(peak) / mb;
  state.counters["steady_MB"] = double(steady) / mb;
  state.counters["decoded_MB"] = decoded / mb;
  state.counters["peak_ratio"] = double(peak) / decoded;
  static const char* const kLabels[2][2] = {
      {"JPEG 64 scans 16384^2, score file dialog", "JPEG 64 scans 16384^2, import dialog"},
      {"BMP 32-bit 16384^2 (1 GiB), score file dialog",
       "BMP 32-bit 16384^2 (1 GiB), import dialog"}};
  state.SetLabel(kLabels[state.range(0)][state.range(1)]);
}
BENCHMARK(BM_Open16384)
    ->ArgsProduct({{kJpeg64Scans, kBmp1GB}, {kScoreFileDialog, kImportDialog}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
