// Saving a score through the score window, and a symbol stamped through the window's commit,
// on the blank page and on an A4 scan at 600 dpi. The window must add next to nothing to
// the picture writers (compare BM_WindowSaveScore with BM_BmpSave, BM_PlainWrite, BM_JpegSave
// and BM_CjpegProgram, run in the same program: --benchmark_filter='Save|Write|Cjpeg'), and a
// stamp must cost the symbol, not the page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "platform/edit_history.h"
#include "platform/executable_folder.h"
#include "platform/palette.h"
#include "platform/ui/device_facts_reader.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "resources/embedded_pictures.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {
namespace {

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "document_save_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
}

// The page of the picture-file benchmarks: paper with grey grain, staff lines in groups of
// five and a scattering of ink, 8 bits with the fixed palette (a scan once opened).
QImage ScanPage() {
  const int w = 4960, h = 7016;
  QImage indexed(w, h, QImage::Format_Indexed8);
  indexed.setColorTable(FixedPalette());
  quint32 seed = 99;
  for (int y = 0; y < h; ++y) {
    uchar* row = indexed.scanLine(y);
    const bool staff = y % 20 == 0 && (y / 20) % 9 < 5;
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      uchar index = kWhiteIndex;
      if (staff)
        index = uchar(TemplateInkIndex());
      else if ((seed >> 24) < 24)
        index = PaletteIndexFor(int(seed >> 8 & 31) + 215, 230, 228);
      else if ((seed >> 20) == 7)
        index = kBlackIndex;
      row[x] = index;
    }
  }
  return indexed;
}

// A started score window in a temporary executable folder, with a 96-dpi screen and no
// printer; a failed save ends the benchmark instead of waiting for a box.
class BenchWindow {
 public:
  BenchWindow() {
    EnsureApplication();
    SetExecutableFolderOverride(dir_.path() + "/");
    previousFacts_ = SetDeviceFactsProvider([] {
      DeviceFacts facts;
      facts.screen.workArea = QRect(0, 0, 1280, 1024);
      facts.screen.dpiX = facts.screen.dpiY = 96;
      return facts;
    });
    previousBox_ = SetMessageBoxHandler([this](const QString&, const QString&, MsgButtons) {
      ++boxes_;
      return kIdOk;
    });
    window_ = std::make_unique<TForm1>();
    started_ = window_->FormCreate();
  }
  ~BenchWindow() {
    window_.reset();
    SetMessageBoxHandler(previousBox_);
    SetDeviceFactsProvider(previousFacts_);
    SetExecutableFolderOverride(QString());
  }
  TForm1& operator*() { return *window_; }
  TForm1* operator->() { return window_.get(); }
  bool started() const { return started_; }
  int boxes() const { return boxes_; }
  QString File(const QString& name) const { return dir_.filePath(name); }

  // Puts page 0 (the blank page the window starts with) or 1 (the scan) into the score view.
  void ShowPage(int which) {
    if (which == 1) {
      static const QImage scan = ScanPage();
      window_->Image1->SetPicture(scan);
    }
    window_->ApplyScoreZoom();
  }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<TForm1> window_;
  bool started_ = false;
  int boxes_ = 0;
  MessageBoxHandler previousBox_;
  DeviceFactsProvider previousFacts_;
};

const char* PageName(int which) {
  return which == 0 ? "blank_770x1101_8bit" : "a4_4960x7016_8bit";
}

// Args: page (0 blank, 1 A4 scan), format (0 BMP, 1 JPEG). The overwrite path: SaveScore
// with the score's own file, as the overwrite button and the close question run it.
void BM_WindowSaveScore(benchmark::State& state) {
  BenchWindow window;
  if (!window.started()) return state.SkipWithError("the window did not start");
  window.ShowPage(int(state.range(0)));
  CurrentScoreFile = window.File(state.range(1) == 0 ? "score.bmp" : "score.jpg");
  for (auto _ : state) {
    if (!window->SaveScore(false) || window.boxes() > 0) state.SkipWithError("save failed");
  }
  state.SetLabel(PageName(int(state.range(0))));
}
BENCHMARK(BM_WindowSaveScore)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What every save does besides writing the file: emptying the edit history, which removes
// and recreates the work folder. Its cost is the file system's, the same for every page.
void BM_WindowEmptyHistory(benchmark::State& state) {
  BenchWindow window;
  if (!window.started()) return state.SkipWithError("the window did not start");
  for (auto _ : state) SharedHistory().ResetHistory(true);
}
BENCHMARK(BM_WindowEmptyHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

// Args: page (0 blank, 1 A4 scan). A floating note head stamped by the window's commit.
void BM_WindowDropSymbol(benchmark::State& state) {
  BenchWindow window;
  if (!window.started()) return state.SkipWithError("the window did not start");
  window.ShowPage(int(state.range(0)));
  const QImage symbol = PaletteSymbolImage(1);
  for (auto _ : state) {
    window->Image2->setGeometry(QRect(QPoint(400, 500), symbol.size()));
    window->Image2->SetPicture(symbol);
    window->Image2->show();
    window->DropSymbol();
  }
  if (window->Image2->isVisible()) state.SkipWithError("the symbol was not stamped");
  state.SetLabel(PageName(int(state.range(0))));
}
BENCHMARK(BM_WindowDropSymbol)->Arg(0)->Arg(1);

}  // namespace
}  // namespace scoreink
