// The tile size of the edit history, chosen by measurement: a one-second free-hand stroke
// (120 mouse moves across 1000 pixels, pen 2) on an A4 page at 600 dpi, ended the way the
// next press ends it (compare the reported tiles, keep those that changed, write the step),
// then undone and redone; and a region of 1000 x 1000 pixels painted over; for square tiles of
// 16 to 256 pixels.
//
// Counters: step_kB, the bytes the stroke's step holds; compared, the tiles compared.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>

#include "bench/bench_support.h"
#include "platform/history/edit_history.h"
#include "platform/raster/canvas.h"
#include "platform/raster/palette.h"

namespace scoreink {
namespace {

class StrokeOnA4 {
 public:
  explicit StrokeOnA4(int tileSize) : page_(bench::PaperPage8(4960, 7016, true)) {
    history_.SetPlaces(dir_.filePath("TmpWork"), dir_.filePath("CCTmp.bmp"));
    history_.ResetHistory(true);
    history_.SetTileSize(tileSize);
    history_.Adopt(page_);
  }

  // One press, then the stroke's moves, each reported as the score window reports it.
  void Stroke(int n) {
    history_.Record(page_);
    Canvas pen(&page_);
    pen.SetPenWidth(2);
    pen.SetPenColor(n % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QPoint at(1000, 2000);
    pen.MoveTo(at.x(), at.y());
    for (int i = 1; i <= 120; ++i) {
      const QPoint next(1000 + i * 1000 / 120, 2000 + i * 700 / 120 + (i % 5) * 3);
      history_.WillChange(page_);
      pen.ResetDirty();
      pen.LineTo(next.x(), next.y());
      history_.Changed(page_, pen.Dirty());
      at = next;
    }
  }
  // A region of 1000 x 1000 pixels painted over in one edit, as a region delete does.
  void Block(int n) {
    history_.Record(page_);
    const QRect rect(1200, 3000, 1000, 1000);
    history_.WillChange(page_);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      std::memset(page_.scanLine(y) + rect.left(), n % 2 ? kBlackIndex : kWhiteIndex, 1000);
    history_.Changed(page_, rect);
  }
  // What the next press does first: end the stroke's step.
  void EndStroke() { history_.Record(page_); }
  EditHistory& History() { return history_; }
  QImage& Page() { return page_; }
  qint64 StepBytes(int n) const { return QFileInfo(history_.SnapshotFile(n)).size(); }

 private:
  QTemporaryDir dir_;
  QImage page_;
  EditHistory history_;
};

// Args: tile size. Time of ending the stroke's step (the press that follows it pays this).
void BM_HistoryEndStroke(benchmark::State& state) {
  StrokeOnA4 session(int(state.range(0)));
  int n = 0;
  qint64 bytes = 0;
  const qint64 comparedBefore = session.History().TilesCompared();
  for (auto _ : state) {
    state.PauseTiming();
    session.Stroke(++n);
    state.ResumeTiming();
    session.EndStroke();
    state.PauseTiming();
    bytes = session.StepBytes(session.History().HistoryPos() - 2);
    session.History().ResetHistory(true);
    state.ResumeTiming();
  }
  state.counters["step_kB"] = double(bytes) / 1024.0;
  state.counters["compared"] =
      double(session.History().TilesCompared() - comparedBefore) / double(n);
}

// Args: tile size. Time of ending the step of a 1000 x 1000 region painted over.
void BM_HistoryEndBlock(benchmark::State& state) {
  StrokeOnA4 session(int(state.range(0)));
  int n = 0;
  qint64 bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    session.Block(++n);
    state.ResumeTiming();
    session.EndStroke();
    state.PauseTiming();
    bytes = session.StepBytes(session.History().HistoryPos() - 2);
    session.History().ResetHistory(true);
    state.ResumeTiming();
  }
  state.counters["step_kB"] = double(bytes) / 1024.0;
}

// Args: tile size. An undo and a redo of the stroke.
void BM_HistoryUndoRedoStroke(benchmark::State& state) {
  StrokeOnA4 session(int(state.range(0)));
  session.Stroke(1);
  session.Stroke(2);  // a redo reaches a stroke that a later gesture was recorded after
  session.EndStroke();
  session.History().Undo(session.Page());
  session.History().Undo(session.Page());
  for (auto _ : state) {
    if (session.History().Undo(session.Page()) != EditHistory::Step::Loaded ||
        session.History().Redo(session.Page()) != EditHistory::Step::Loaded)
      return state.SkipWithError("the stroke did not come back");
  }
}

void TileSizes(benchmark::internal::Benchmark* b) {
  for (const int size : {16, 32, 64, 128, 256}) b->Arg(size);
  b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_HistoryEndStroke)->Apply(TileSizes);
BENCHMARK(BM_HistoryEndBlock)->Apply(TileSizes);
BENCHMARK(BM_HistoryUndoRedoStroke)->Apply(TileSizes);

}  // namespace
}  // namespace scoreink
