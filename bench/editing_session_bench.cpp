// Editing through the score window on the blank page and on an A4 scan at 600 dpi opened as
// a score: a whole press (commit, history step, first segment), a free-draw drag and an undo.
// After each press and each undo the least the machine does to write (or read) as many bytes
// as it wrote (or read) is timed as well, in the same state of the page cache: a plain write
// into a new file beside the work folder (a plain read into new picture memory). The times of
// these anchors are the counters plain_ms, and x_plain is the operation's time over theirs.
//
// Goals: a press costs at most 1.5 times the plain write of what it writes; a drag segment on
// the scan at most 1.5 times the same segment on the blank page; drawing on the scan needs
// no more memory than the page plus one history step's buffers (BM_SessionPeakMemory,
// measured in a child process: the growth of the peak resident size from the opened scan
// through press, drag, release and undo).
//
// Every press and undo goes through the window's handlers, and what they cost in bytes is
// read from the process's own counters: nothing here depends on how the history keeps its
// steps.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>

#include "bench/bench_support.h"
#include "bench/score_session.h"
#include "score_window/shared_values.h"

namespace scoreink {
namespace {

using bench::kBlankPage;
using bench::kScan;
using bench::OpMeter;
using bench::ScoreSession;

// One left press, the first segment of a free-draw stroke, as the mouse gives them.
void Press(ScoreSession& session) {
  session->Image1MouseDown(Qt::LeftButton, 400, 400);
  session->Image1MouseMove(403, 402);
}
void Release(ScoreSession& session) {
  session->Image1MouseUp(Qt::LeftButton, 403, 402);
}

// 100 segments of free drawing, forth along a zigzag to the right of the press or back.
void Drag(ScoreSession& session, bool back) {
  for (int step = 1; step <= 100; ++step) {
    const int i = back ? 100 - step : step;
    session->Image1MouseMove(403 + 3 * i, 402 + (i % 7) * 4);
  }
}

void Label(benchmark::State& state) {
  state.SetLabel(bench::SceneName(int(state.range(0))));
}

// Args: scene. Commit, history step and first segment, as one press on the score costs, in
// a history that grows by one step each time; then (not in the time) the release, and a
// plain write of as many bytes as the press wrote.
void BM_SessionPress(benchmark::State& state) {
  ScoreSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  OpMeter meter(state);
  bench::AnchorMeter anchors(state);
  int file = 0;
  for (auto _ : state) {
    meter.Time([&] { Press(session); });
    const qint64 bytes = meter.Last().written;
    Release(session);
    const QString path = session.File(QString("plain%1.bin").arg(++file));
    if (!anchors.Time([&] { return bench::PlainWrite(path, bytes); }))
      return state.SkipWithError("cannot write the plain file");
  }
  if (!session.Ok() || HistoryPos() != 1 + state.iterations())
    return state.SkipWithError("a press recorded no step");
  meter.Report();
  anchors.Report(meter.Seconds());
  Label(state);
}
BENCHMARK(BM_SessionPress)
    ->Arg(kBlankPage)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionPress)
    ->Arg(kScan)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Args: scene. A free-draw drag of 100 segments, going on within one gesture; "segment" is
// the time of one.
void BM_SessionDrag100(benchmark::State& state) {
  ScoreSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  Press(session);
  bool back = false;
  for (auto _ : state) {
    Drag(session, back);
    back = !back;
  }
  Release(session);
  if (!session.Ok()) state.SkipWithError("a message box came up");
  state.counters["segment"] = benchmark::Counter(
      double(state.iterations()) * 100, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  Label(state);
}
BENCHMARK(BM_SessionDrag100)->Arg(kBlankPage)->Arg(kScan)->Unit(benchmark::kMicrosecond);

// Two strokes, then one undo: the history stands between its last two steps, where an undo
// and a redo can follow each other for ever.
bool BetweenTwoSteps(ScoreSession& session) {
  Press(session);
  Release(session);
  Press(session);
  Release(session);
  return session.Undo();
}

// Args: scene. The undo button after a stroke; then (not in the time) a plain read of as many
// bytes as the undo read, and a redo that goes forward again.
void BM_SessionUndo(benchmark::State& state) {
  ScoreSession session(int(state.range(0)));
  if (!session.Ok() || !BetweenTwoSteps(session))
    return state.SkipWithError("the session did not start");
  const QString path = session.File("plain.bin");
  OpMeter meter(state);
  bench::AnchorMeter anchors(state);
  bool moved = true;
  for (auto _ : state) {
    meter.Time([&] { moved = session.Undo() && moved; });
    const qint64 bytes = meter.Last().read;
    if (QFileInfo(path).size() != bytes && !bench::PlainWrite(path, bytes))
      return state.SkipWithError("cannot write the plain file");
    if (!anchors.Time([&] { return bench::PlainRead(path, bytes); }))
      return state.SkipWithError("cannot read the plain file");
    moved = session.Redo() && moved;
  }
  if (!moved) return state.SkipWithError("an undo or redo did not move the history");
  meter.Report();
  anchors.Report(meter.Seconds());
  Label(state);
}
BENCHMARK(BM_SessionUndo)
    ->Arg(kBlankPage)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionUndo)
    ->Arg(kScan)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// How far the peak resident size grew, how much of the resident size at the end is program
// code and library pages (the child maps those afresh when it first runs them: they belong
// to the files, not to the edit), and how many bytes the press wrote.
struct Growth {
  qint64 peak = -1;
  qint64 codePages = 0;
  qint64 pressWritten = 0;
};

// The scan opened as a score; in a child process the peak resident size is started afresh,
// then press, a 100-segment drag, release and undo run. Reports how far the peak grew over
// the resident size with the scan open, beside the size of the page.
void BM_SessionPeakMemory(benchmark::State& state) {
  ScoreSession session(kScan);
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const qint64 surface = session->Surface().sizeInBytes();
  Growth growth;
  for (auto _ : state) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return state.SkipWithError("no pipe");
    const pid_t child = fork();
    if (child == 0) {
      close(pipeEnds[0]);
      Growth result;
      if (bench::ResetPeakResident()) {
        const qint64 before = bench::StatusBytes("VmRSS:");
        const qint64 codeBefore = bench::StatusBytes("RssFile:");
        const bench::IoBytes ioBefore = bench::ProcessIo();
        Press(session);
        const qint64 pressWritten = bench::ProcessIo().written - ioBefore.written;
        Drag(session, false);
        Release(session);
        const bool undone = session.Undo();
        const qint64 peak = bench::StatusBytes("VmHWM:");
        const qint64 codeAfter = bench::StatusBytes("RssFile:");
        if (before >= 0 && peak >= 0 && codeBefore >= 0 && codeAfter >= 0 && undone)
          result = {peak - before, codeAfter - codeBefore, pressWritten};
      }
      const ssize_t written = write(pipeEnds[1], &result, sizeof result);
      _exit(written == sizeof result ? 0 : 1);
    }
    close(pipeEnds[1]);
    if (child < 0 || read(pipeEnds[0], &growth, sizeof growth) != sizeof growth) growth = {};
    close(pipeEnds[0]);
    if (child > 0) waitpid(child, nullptr, 0);
  }
  if (growth.peak < 0) return state.SkipWithError("the child could not measure its peak");
  const double mb = 1024.0 * 1024.0;
  state.counters["peak_growth_MB"] = double(growth.peak) / mb;
  state.counters["code_pages_MB"] = double(growth.codePages) / mb;
  state.counters["data_growth_MB"] = double(growth.peak - growth.codePages) / mb;
  state.counters["surface_MB"] = double(surface) / mb;
  state.counters["press_written_MB"] = double(growth.pressWritten) / mb;
  state.SetLabel(bench::SceneName(kScan));
}
BENCHMARK(BM_SessionPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
