// Memory and time of opening a scan: the A4 page at 600 dpi (4960 x 7016) as a JPEG and as a
// 24-bit BMP, picked in a freshly opened score file dialog (the score becomes the picture at
// 8 bits) and in a freshly opened image import dialog (preview and black-and-white split).
// Beside the score file dialog's pick, the same opening done the former way in the same
// state: the whole picture read at 24 bits first, then converted to 8 bits.
//
// Before each pick glibc's free memory is handed back (malloc_trim) and the kernel's
// high-water mark of the resident size is started afresh (/proc/self/clear_refs, "5"). After
// it: peak_MB, the high-water mark during the pick; steady_MB, the resident size once the
// picture is in place (free memory handed back again); peak_ratio = peak_MB / steady_MB (goal
// for the JPEG through the score file dialog: under 1.3); growth_MB, how far the peak rose
// over the resident size before the pick; picture_MB, the bytes of the picture kept. The time
// is the pick's alone (manual time), with its processor time as cpu_ms.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>

#include "bench/bench_support.h"
#include "bench/dialog_pick.h"
#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "dialogs/tform2.h"
#include "dialogs/tform4.h"
#include "harness/open_window.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"
#include "symbol_editor/tform3.h"

namespace scoreink {
namespace {

enum Scan { kJpeg = 0, kBmp24 = 1 };
enum Opening { kScoreFileDialog = 0, kFormerWholePage = 1, kImportDialog = 2 };

const QSize kScanSize(bench::ScanJpeg::kWidth, bench::ScanJpeg::kHeight);

// The scan as a 24-bit BMP (as a scanner writes it), alone in a folder of its own.
const bench::ScanJpeg& ScanBmp24() {
  static QTemporaryDir dir;
  static const bench::ScanJpeg bmp = [] {
    bench::ScanJpeg made{dir.path(), dir.filePath(QStringLiteral("scan.bmp"))};
    SaveBmp(LoadJpeg(bench::A4ScanJpeg().path).image, made.path);
    return made;
  }();
  return bmp;
}

const bench::ScanJpeg& ScanFile(int scan) {
  return scan == kJpeg ? bench::A4ScanJpeg() : ScanBmp24();
}

// Resident size in bytes after glibc handed its free memory back.
qint64 TrimmedResident() {
  malloc_trim(0);
  return bench::StatusBytes("VmRSS:");
}

void FinishDeferredDeletes() {
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the dialog afresh over a blank score (or an empty import area), ready for a pick;
// Pick() then opens the scan the way measured and Shown() says whether it arrived.
class ScanOpener {
 public:
  ScanOpener(bench::BenchWindow& window, Opening opening, const QString& folder)
      : window_(window), opening_(opening), folder_(folder) {
    if (opening_ == kImportDialog) {
      window_->Btn12Click(window_->Control<QPushButton>("Btn12"));
      editor_ = test::OpenWindow<TForm3>();
    }
  }
  ~ScanOpener() {
    Close();
    if (editor_) editor_->Btn00Click(editor_);
    FinishDeferredDeletes();
  }

  bool Prepare() {
    Close();
    if (opening_ == kImportDialog) {
      if (!editor_) return false;
      editor_->Btn11Click(editor_->Control<QPushButton>("Btn11"));
      importDialog_ = test::OpenWindow<TForm4>();
      files_ = bench::SelectOnlyPicture(importDialog_.data(), folder_);
    } else {
      window_->Btn2Click(window_->Control<QPushButton>("Btn2"));
      fileDialog_ = test::OpenWindow<TForm2>();
      files_ = bench::SelectOnlyPicture(fileDialog_.data(), folder_);
    }
    return files_ != nullptr;
  }

  void Pick() {
    switch (opening_) {
      case kScoreFileDialog:
        fileDialog_->FileListBox1Click(files_);
        break;
      case kFormerWholePage: {
        // Read whole, then converted: the steps of the pick before pictures were read in bands.
        PictureResult loaded = LoadPicture(files_->SelectedFilePath());
        QImage picture = ConvertedTo(loaded.image, PixelFormat::Bits8);
        loaded.image = QImage();
        window_->Control<ImageControl>("Image1")->SetPicture(picture);
        break;
      }
      case kImportDialog:
        importDialog_->FileListBox1Click(files_);
        break;
    }
  }

  bool Shown() const {
    if (opening_ == kImportDialog)
      return editor_->Control<ImageControl>("Img1")->Picture().size() == kScanSize;
    return window_->Surface().size() == kScanSize && window_.boxes() == 0;
  }

  qint64 PictureBytes() const {
    if (opening_ == kImportDialog)
      return editor_->Control<ImageControl>("Img1")->Picture().sizeInBytes();
    return window_->Surface().sizeInBytes();
  }

 private:
  // Cancel: the score (or the import area) goes back to what it was, the picture is freed.
  void Close() {
    if (fileDialog_) fileDialog_->Button2Click(fileDialog_->Control<QPushButton>("Button2"));
    if (importDialog_) importDialog_->Button2Click(importDialog_->Control<QPushButton>("Button2"));
    FinishDeferredDeletes();
    files_ = nullptr;
  }

  bench::BenchWindow& window_;
  Opening opening_;
  QString folder_;
  TForm3* editor_ = nullptr;
  // The dialog of the current pick and its list.
  QPointer<TForm2> fileDialog_;
  QPointer<TForm4> importDialog_;
  FileListBox* files_ = nullptr;
};

const char* Label(int scan, int opening) {
  static const char* const kLabels[2][3] = {
      {"JPEG, score file dialog", "JPEG, whole page first (former way)", "JPEG, import dialog"},
      {"BMP 24-bit, score file dialog", "BMP 24-bit, whole page first (former way)",
       "BMP 24-bit, import dialog"}};
  return kLabels[scan][opening];
}

void BM_OpenScanMemory(benchmark::State& state) {
  const int scan = int(state.range(0));
  const auto opening = Opening(state.range(1));
  const QString folder = ScanFile(scan).folder;
  bench::BenchWindow window;
  if (!window.started()) return state.SkipWithError("the score window did not start");
  ScanOpener opener(window, opening, folder);
  qint64 peak = 0, steady = 0, growth = 0;
  double cpu = 0;
  for (auto _ : state) {
    if (!opener.Prepare()) return state.SkipWithError("the dialog does not list the scan");
    const qint64 before = TrimmedResident();
    if (before < 0 || !bench::ResetPeakResident())
      return state.SkipWithError("no peak resident size");
    const auto start = std::chrono::steady_clock::now();
    const double cpuBefore = bench::ThreadCpuSeconds();
    opener.Pick();
    cpu += bench::ThreadCpuSeconds() - cpuBefore;
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    const qint64 high = bench::StatusBytes("VmHWM:");
    const qint64 after = TrimmedResident();
    if (!opener.Shown()) return state.SkipWithError("the pick did not bring the scan in");
    // The worst of the rounds: the goal is about every opening.
    if (high - after > peak - steady) peak = high, steady = after;
    growth = std::max(growth, high - before);
  }
  const double mb = 1024.0 * 1024.0;
  state.counters["peak_MB"] = double(peak) / mb;
  state.counters["steady_MB"] = double(steady) / mb;
  state.counters["peak_ratio"] = double(peak) / double(steady);
  state.counters["growth_MB"] = double(growth) / mb;
  state.counters["picture_MB"] = double(opener.PictureBytes()) / mb;
  bench::ReportCpu(state, cpu);
  state.SetLabel(Label(scan, opening));
}
BENCHMARK(BM_OpenScanMemory)
    ->ArgsProduct({{kJpeg, kBmp24}, {kScoreFileDialog, kFormerWholePage, kImportDialog}})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
