// The edit history as a user meets it, side by side on the blank page and on an A4 scan at
// 600 dpi opened as a score: a press, a one-second free-hand stroke, a stamp of a palette
// symbol, an undo, a redo and a region move (and copy), each through the score window's
// handlers. Beside the time, each reports the processor time and the bytes the program read
// and wrote for it (cpu_ms, read_kB, written_kB); the strokes also report how much the work
// folder grew per stroke and its size after all 50 of them (work_folder_MB).
//
// Goals: each operation on the scan within 1.5 times the same on the blank page; under 1 MB
// written per stroke across 1000 pixels; under 100 MB of work folder after 50 strokes on the
// scan.
//
// Only the window's handlers and the history's position are used, and the work folder is
// only weighed: the benchmarks hold whatever form the history keeps its steps in. Each
// operation adds to a history that has begun with one stroke; the counts of iterations are
// fixed, because each step may still cost a whole page of writing.
#include <benchmark/benchmark.h>

#include <QFrame>
#include <QRadioButton>

#include "bench/bench_support.h"
#include "bench/score_session.h"
#include "editing/tool_modes.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink {
namespace {

// The move and copy tools as benchmark arguments: the digits of their radio buttons.
constexpr int kMoveArg = static_cast<int>(ScoreTool::RegionMove);
constexpr int kCopyArg = static_cast<int>(ScoreTool::RegionCopy);

using bench::kBlankPage;
using bench::kScan;
using bench::OpMeter;
using bench::ScoreSession;

constexpr int kStrokeMoves = 120;    // what the mouse reports in one second of writing
constexpr int kStrokeLength = 1000;  // pixels between the ends of a stroke
constexpr int kStrokes = 50;
constexpr int kNoTool = -2;  // a benchmark without a tool argument

// Stroke n of a session: the strokes start side by side, so that they do not all cover the
// same pixels, and all fit on the blank page.
std::vector<QPoint> StrokeNumber(int n) {
  return bench::HandStroke(QPoint(100 + 10 * (n % 5), 120), kStrokeMoves, kStrokeLength);
}

void Label(benchmark::State& state, const std::string& what = {}) {
  state.SetLabel(std::string(bench::SceneName(int(state.range(0)))) + what);
}

// Begins the history of a new session with one stroke; false when the session is not fit
// to be measured.
bool Begin(ScoreSession& session) {
  if (!session.Ok() || HistoryPos() != 1) return false;
  session.Stroke(StrokeNumber(0));
  return session.Ok() && HistoryPos() == 2;
}

// Args: scene. A left press in free draw; the release after it is not timed.
void BM_HistoryPress(benchmark::State& state) {
  ScoreSession session(int(state.range(0)));
  if (!Begin(session)) return state.SkipWithError("the session did not start");
  const int first = HistoryPos();
  OpMeter meter(state);
  int n = 0;
  for (auto _ : state) {
    const QPoint at = StrokeNumber(++n).front();
    meter.Time([&] { session->Image1MouseDown(Qt::LeftButton, at.x(), at.y()); });
    session->Image1MouseUp(Qt::LeftButton, at.x(), at.y());
  }
  if (!session.Ok() || HistoryPos() != first + state.iterations())
    return state.SkipWithError("a press recorded no step");
  meter.Report();
  Label(state);
}

// Args: scene. Press, 120 moves along a wavy line whose ends lie 1000 pixels apart, release,
// all timed: 50 strokes from an empty history.
void BM_HistoryStroke(benchmark::State& state) {
  ScoreSession session(int(state.range(0)));
  if (!session.Ok() || HistoryPos() != 1) return state.SkipWithError("the session did not start");
  const qint64 folderBefore = bench::FolderBytes(WorkFolder);
  OpMeter meter(state);
  int n = 0;
  for (auto _ : state) {
    const std::vector<QPoint> stroke = StrokeNumber(n++);
    meter.Time([&] { session.Stroke(stroke); });
  }
  if (!session.Ok() || HistoryPos() != 1 + state.iterations())
    return state.SkipWithError("a stroke recorded no step");
  meter.Report();
  const qint64 folder = bench::FolderBytes(WorkFolder);
  state.counters["folder_growth_kB"] =
      benchmark::Counter(double(folder - folderBefore) / 1024, benchmark::Counter::kAvgIterations);
  state.counters["work_folder_MB"] = double(folder) / (1024 * 1024);
  Label(state, ", " + std::to_string(kStrokeMoves) + " moves");
}

// Args: scene. A palette click on the note head, a press and release on the score that float
// it there, and a click on the tool panel that stamps it, all timed.
void BM_HistoryStamp(benchmark::State& state) {
  ScoreSession session(int(state.range(0)));
  auto* noteHead = session->Control<ImageControl>("Img01");
  auto* panel = session->Control<QFrame>("Panel1");
  auto* overlay = session->Control<ImageControl>("Image2");
  if (!Begin(session) || !noteHead) return state.SkipWithError("the session did not start");
  const int first = HistoryPos();
  OpMeter meter(state);
  bool stamped = true;
  int n = 0;
  for (auto _ : state) {
    const QPoint at(300 + 20 * (n % 10), 300 + 20 * (n / 10 % 10));
    ++n;
    meter.Time([&] {
      session->ImgVClick(noteHead);
      session->Image1MouseDown(Qt::LeftButton, at.x(), at.y());
      session->Image1MouseUp(Qt::LeftButton, at.x(), at.y());
      session->Panel1Click(panel);
    });
    stamped = stamped && overlay->isHidden();
  }
  if (!session.Ok() || !stamped || HistoryPos() != first + state.iterations())
    return state.SkipWithError("a symbol was not stamped as one step");
  meter.Report();
  Label(state);
}

// Two more strokes, then one undo: the history stands between two strokes, where an undo
// and a redo can follow each other for ever, whether or not a redo can bring back the newest
// step.
bool BetweenTwoStrokes(ScoreSession& session) {
  session.Stroke(StrokeNumber(1));
  session.Stroke(StrokeNumber(2));
  return session.Undo();
}

// Args: scene; undo (true) or redo. The undo button takes back a stroke and the redo button
// brings it back, in turn; only the one named is timed.
void UndoOrRedo(benchmark::State& state, bool undo) {
  ScoreSession session(int(state.range(0)));
  if (!Begin(session) || !BetweenTwoStrokes(session))
    return state.SkipWithError("the session did not start");
  OpMeter meter(state);
  bool moved = true;
  const auto back = [&] { moved = session.Undo() && moved; };
  const auto forth = [&] { moved = session.Redo() && moved; };
  for (auto _ : state) {
    if (undo) {
      meter.Time(back);
      forth();
    } else {
      back();
      meter.Time(forth);
    }
  }
  if (!moved) return state.SkipWithError("an undo or redo did not move the history");
  meter.Report();
  Label(state);
}
void BM_HistoryUndo(benchmark::State& state) {
  UndoOrRedo(state, true);
}
void BM_HistoryRedo(benchmark::State& state) {
  UndoOrRedo(state, false);
}

// Args: scene, tool (4 move, 5 copy). The tool's radio button once; then, timed each time: a
// press and ten moves that select a 300 x 200 region, the release that lifts it, a drag of
// the floating block by (150, 100) in ten moves, and a click on the tool panel that drops
// it. The next time the block goes back. On the scan, which is no template score, the move
// tool is not offered to the user; its handler is called all the same, to compare the same
// steps of the history.
void BM_HistoryRegionMove(benchmark::State& state) {
  ScoreSession session(int(state.range(0)));
  if (!Begin(session)) return state.SkipWithError("the session did not start");
  const bool move = state.range(1) == kMoveArg;
  session->RBtnLMClick(session->Control<QRadioButton>(move ? "RBtnLM4" : "RBtnLM5"));
  auto* panel = session->Control<QFrame>("Panel1");
  auto* overlay = session->Control<ImageControl>("Image2");
  const QSize block(300, 200);
  const QPoint shift(150, 100);
  const int first = HistoryPos();
  OpMeter meter(state);
  bool dropped = true;
  int n = 0;
  for (auto _ : state) {
    const bool back = n++ % 2 == 1;
    const QPoint from = back ? QPoint(200, 200) + shift : QPoint(200, 200);
    const QPoint step = (back ? -shift : shift) / 10;
    meter.Time([&] {
      session->Image1MouseDown(Qt::LeftButton, from.x(), from.y());
      for (int i = 1; i <= 10; ++i)
        session->Image1MouseMove(from.x() + block.width() * i / 10,
                                 from.y() + block.height() * i / 10);
      session->Image1MouseUp(Qt::LeftButton, from.x() + block.width(), from.y() + block.height());
      const QPoint centre(block.width() / 2, block.height() / 2);
      session->Image2MouseDown(Qt::LeftButton, centre.x(), centre.y());
      for (int i = 1; i <= 10; ++i)
        session->Image2MouseMove(centre.x() + step.x(), centre.y() + step.y());
      session->Image2MouseUp(Qt::LeftButton, centre.x(), centre.y());
      session->Panel1Click(panel);
    });
    dropped = dropped && overlay->isHidden();
  }
  if (!session.Ok() || !dropped || HistoryPos() != first + state.iterations())
    return state.SkipWithError("a block was not moved as one step");
  meter.Report();
  Label(state, move ? ", move" : ", copy");
}

// Registers a benchmark on both scenes, one beside the other for each of the tools when it
// takes one: the blank page blankTimes times, the scan scanTimes times.
void SideBySide(const char* name, void (*function)(benchmark::State&), int blankTimes,
                int scanTimes, std::vector<int> tools = {kNoTool}) {
  for (int tool : tools) {
    for (const auto& [scene, times] : {std::pair{kBlankPage, blankTimes}, {kScan, scanTimes}}) {
      benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name, function);
      b->Iterations(times)->UseManualTime()->Unit(benchmark::kMillisecond);
      if (tool == kNoTool)
        b->Arg(scene);
      else
        b->Args({scene, tool});
    }
  }
}

// The blank page is measured more often than the scan, whose every step may still write a
// whole page.
const bool kRegistered = [] {
  constexpr int kBlankTimes = 100;
  constexpr int kScanTimes = 20;
  SideBySide("BM_HistoryPress", BM_HistoryPress, kBlankTimes, kScanTimes);
  SideBySide("BM_HistoryStroke", BM_HistoryStroke, kStrokes, kStrokes);
  SideBySide("BM_HistoryStamp", BM_HistoryStamp, kBlankTimes, kScanTimes);
  SideBySide("BM_HistoryUndo", BM_HistoryUndo, kBlankTimes, kScanTimes);
  SideBySide("BM_HistoryRedo", BM_HistoryRedo, kBlankTimes, kScanTimes);
  SideBySide("BM_HistoryRegionMove", BM_HistoryRegionMove, kBlankTimes, kScanTimes,
             {kMoveArg, kCopyArg});
  return true;
}();

}  // namespace
}  // namespace scoreink
