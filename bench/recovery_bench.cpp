// The recovery copy of the score on an A4 scan at 600 dpi: a press that ends a one-second
// stroke without the copy, with the copy written a second after each change (the pace of
// earlier versions) and with the copy written a tenth of a second after (the pace now: a
// finished edit is in the copy within 0.2 s); the UI thread's part of the checkpoint of a
// gesture under way; and the time the writer takes for the whole picture (the base) once.
//
// Goal: the press with the copy at either pace within 1.1 times the press without it.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "bench/bench_support.h"
#include "bench/score_session.h"
#include "platform/history/edit_history.h"
#include "platform/history/recovery_log.h"
#include "score_window/tform1.h"

namespace scoreink {
namespace {

using bench::kScan;
using bench::ScoreSession;

std::vector<QPoint> Stroke(int n) {
  return bench::HandStroke(QPoint(100 + 10 * (n % 5), 120 + 40 * (n % 7)), 120, 1000);
}

// Lets the program's timers run for ms, as they do while the user moves on.
void RunEvents(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Args: 0 without the copy; with it, written 1000 or 100 ms after a change. The press that
// follows a stroke (it ends the stroke's step); the stroke and the 150 ms after its release, in
// which the copy's checkpoint runs at the new pace, are untimed. The writer is not waited for:
// it may still be writing when the press comes, as it may for the user.
void BM_RecoveryPressAfterStroke(benchmark::State& state) {
  ScoreSession session(kScan);
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const int pace = int(state.range(0));
  if (pace == 0)
    SharedHistory().PauseRecovery(true);
  else
    SharedHistory().SetRecoveryTimes(pace, kRecoveryRetryMs);
  int n = 0;
  std::vector<QPoint> points = Stroke(n);
  session->Image1MouseDown(Qt::LeftButton, points.front().x(), points.front().y());
  for (auto _ : state) {
    state.PauseTiming();
    for (size_t i = 1; i < points.size(); ++i)
      session->Image1MouseMove(points[i].x(), points[i].y());
    session->Image1MouseUp(Qt::LeftButton, points.back().x(), points.back().y());
    RunEvents(150);
    points = Stroke(++n);
    state.ResumeTiming();
    session->Image1MouseDown(Qt::LeftButton, points.front().x(), points.front().y());
  }
  session->Image1MouseUp(Qt::LeftButton, points.front().x(), points.front().y());
  SharedHistory().SetRecoveryTimes(kRecoverySettleMs, kRecoveryRetryMs);
  SharedHistory().PauseRecovery(false);
  if (RecoveryLog* log = SharedHistory().Recovery()) log->Flush();
  state.SetLabel(pace == 0
                     ? "without the recovery copy"
                     : QStringLiteral("copy written %1 ms after a change").arg(pace).toStdString());
}

// The checkpoint of a stroke under way, as the window's timer makes it (the writing is the
// writer thread's).
void BM_RecoveryCheckpoint(benchmark::State& state) {
  ScoreSession session(kScan);
  RecoveryLog* log = SharedHistory().Recovery();
  if (!session.Ok() || !log) return state.SkipWithError("the session did not start");
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::vector<QPoint> points = Stroke(++n);
    session->Image1MouseDown(Qt::LeftButton, points.front().x(), points.front().y());
    for (size_t i = 1; i < points.size(); ++i)
      session->Image1MouseMove(points[i].x(), points[i].y());
    log->Flush();
    state.ResumeTiming();
    SharedHistory().Checkpoint();
    state.PauseTiming();
    session->Image1MouseUp(Qt::LeftButton, points.back().x(), points.back().y());
    state.ResumeTiming();
  }
  log->Flush();
}

// The writer's time for the whole picture once (compressed): after an open, a new score or a
// visit to the symbol editor. The press never waits for it.
void BM_RecoveryBaseWrite(benchmark::State& state) {
  const QImage page = bench::PaperPage8(4960, 7016, true);
  QTemporaryDir dir;
  RecoveryLog log({dir.filePath("Recovery")});
  for (auto _ : state) {
    log.Rebase(page);
    log.WaitForBase();
  }
}

BENCHMARK(BM_RecoveryPressAfterStroke)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(kRecoverySettleMs)
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryCheckpoint)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryBaseWrite)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
