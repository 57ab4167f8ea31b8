// The recovery copy of the score on an A4 scan at 600 dpi: a press that ends a one-second
// stroke with the copy kept and without it (the copy's writes go to a thread of their own,
// so the press should not notice them), the UI thread's part of the checkpoint of a gesture
// under way, and the time the writer takes for the whole picture (the base) once.
//
// Goal: the press with the copy within 1.1 times the press without it.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench/bench_support.h"
#include "bench/score_session.h"
#include "platform/edit_history.h"
#include "platform/recovery_log.h"
#include "score_window/tform1.h"

namespace scoreink {
namespace {

using bench::kScan;
using bench::ScoreSession;

std::vector<QPoint> Stroke(int n) {
  return bench::HandStroke(QPoint(100 + 10 * (n % 5), 120 + 40 * (n % 7)), 120, 1000);
}

// Args: 1 with the recovery copy, 0 without. The press that follows a stroke (it ends the
// stroke's step); the stroke itself and the copy's writer finish before it, untimed.
void BM_RecoveryPressAfterStroke(benchmark::State& state) {
  ScoreSession session(kScan);
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  RecoveryLog* log = SharedHistory().Recovery();
  if (state.range(0) == 0) SharedHistory().SetRecoveryLog(nullptr);
  int n = 0;
  std::vector<QPoint> points = Stroke(n);
  session->Image1MouseDown(Qt::LeftButton, points.front().x(), points.front().y());
  for (auto _ : state) {
    state.PauseTiming();
    for (size_t i = 1; i < points.size(); ++i)
      session->Image1MouseMove(points[i].x(), points[i].y());
    session->Image1MouseUp(Qt::LeftButton, points.back().x(), points.back().y());
    if (log) log->Flush();
    points = Stroke(++n);
    state.ResumeTiming();
    session->Image1MouseDown(Qt::LeftButton, points.front().x(), points.front().y());
  }
  session->Image1MouseUp(Qt::LeftButton, points.front().x(), points.front().y());
  if (state.range(0) == 0) SharedHistory().SetRecoveryLog(log);
  if (log) log->Flush();
  state.SetLabel(state.range(0) ? "with the recovery copy" : "without it");
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
    SharedHistory().Checkpoint(session->Surface());
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
  RecoveryLog log(dir.filePath("Recovery"));
  for (auto _ : state) {
    log.Rebase(page);
    log.WaitForBase();
  }
}

BENCHMARK(BM_RecoveryPressAfterStroke)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryCheckpoint)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryBaseWrite)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink
