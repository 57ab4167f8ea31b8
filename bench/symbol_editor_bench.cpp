// Selecting a region of the symbol editor's import area, on a small import and on an A4 page
// at 600 dpi imported whole: press, 20 moves of the feedback rectangle, and a release that
// copies the region into the drawing (with its history step) or copies nothing. Beside them,
// one copy of the A4 import into existing memory: what putting the clean copy back over the
// whole import area after each selection would cost.
//
// Goals: the feedback of a selection on the A4 import costs at most twice the same on the
// small one (only the feedback's pixels are put back, never the whole picture), and a whole
// selection stays far below the whole-picture copy. A whole selection is mostly the recording
// of its history step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>

#include "bench/bench_support.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"
#include "symbol_editor/tform3.h"

namespace scoreink {
namespace {

enum Import { kSmall = 0, kA4 = 1 };

QSize ImportSize(int import) {
  return import == kSmall ? QSize(150, 150) : QSize(4960, 7016);
}

// Black and white as the import dialog delivers it: 24 bits, some black strokes on white.
QImage BlackAndWhite(QSize size) {
  QImage picture = NewBitmap(size.width(), size.height(), PixelFormat::Bits24);
  for (int y = 0; y < size.height(); y += 37)
    std::memset(picture.scanLine(y), 0, static_cast<size_t>(3 * size.width() / 2));
  return picture;
}

class EditorSession {
 public:
  explicit EditorSession(int import) {
    if (!window_.started()) return;
    window_->Btn12Click(nullptr);
    editor_ = Form3;
    if (!editor_) return;
    const QImage picture = BlackAndWhite(ImportSize(import));
    editor_->Control<ImageControl>("Img1")->SetPicture(picture);
    editor_->Control<ImageControl>("ImgBK")->SetPicture(picture);
    editor_->ApplyZoom(1);
  }
  ~EditorSession() {
    window_->FormClose(&*window_);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  bool Ok() const { return editor_ && window_.boxes() == 0; }

  // With copy false the release comes back to the press column: nothing is copied.
  void Select(bool copy = true) {
    editor_->Img1MouseDown(Qt::LeftButton, 10, 12);
    for (int i = 1; i <= 20; ++i) editor_->Img1MouseMove(10 + 2 * i, 12 + i);
    editor_->Img1MouseUp(Qt::LeftButton, copy ? 50 : 10, 32);
  }

 private:
  bench::BenchWindow window_;
  TForm3* editor_ = nullptr;
};

// Args: import size. The feedback of one selection, put back at a release that copies nothing.
void BM_EditorSelectionFeedback(benchmark::State& state) {
  EditorSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the editor did not open");
  session.Select();  // the first selection parts the import area from its clean copy
  for (auto _ : state) session.Select(false);
  if (!session.Ok()) state.SkipWithError("a message box came up");
  const QSize size = ImportSize(int(state.range(0)));
  state.SetLabel(QString("import %1x%2").arg(size.width()).arg(size.height()).toStdString());
}
BENCHMARK(BM_EditorSelectionFeedback)->Arg(kSmall)->Arg(kA4)->Unit(benchmark::kMicrosecond);

// Args: import size. One whole selection with its copy into the drawing and its history step.
void BM_EditorSelection(benchmark::State& state) {
  EditorSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the editor did not open");
  session.Select();  // the first selection parts the import area from its clean copy
  for (auto _ : state) session.Select();
  if (!session.Ok()) state.SkipWithError("a message box came up");
  const QSize size = ImportSize(int(state.range(0)));
  state.SetLabel(QString("import %1x%2").arg(size.width()).arg(size.height()).toStdString());
}
BENCHMARK(BM_EditorSelection)->Arg(kSmall)->Arg(kA4)->Unit(benchmark::kMicrosecond);

// One deep copy of the A4 import into the memory of another picture of its size, as the
// import area would be put back.
void BM_EditorWholeImportCopy(benchmark::State& state) {
  const QImage picture = BlackAndWhite(ImportSize(kA4));
  QImage area = picture.copy();
  for (auto _ : state) {
    std::memcpy(area.bits(), picture.constBits(), size_t(picture.sizeInBytes()));
    benchmark::DoNotOptimize(area.constBits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}
BENCHMARK(BM_EditorWholeImportCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scoreink
