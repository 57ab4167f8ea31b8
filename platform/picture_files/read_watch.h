#pragma once
// How far the reading of a picture file has come, and the user's wish to stop it: shared
// between the thread that reads and the window that shows a progress bar. The reader reports
// its work done out of its whole work (in units of its own choosing) and looks at the wish
// between bands of rows; a reader that sees it stops with ReasonCancelled().
#include <QtGlobal>
#include <atomic>

namespace scoreink {

class ReadWatch {
 public:
  // From any thread.
  void RequestCancel() { cancel_.store(true, std::memory_order_relaxed); }
  bool CancelRequested() const { return cancel_.load(std::memory_order_relaxed); }

  // By the reader: done out of total units of work (total > 0).
  void Report(qint64 done, qint64 total);
  // Thousandths of the work done so far: 0 until the first report.
  int Permille() const { return permille_.load(std::memory_order_relaxed); }
  // Reports made so far.
  int Reports() const { return reports_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> cancel_{false};
  std::atomic<int> permille_{0};
  std::atomic<int> reports_{0};
};

// Report through a watch that may be absent.
inline void ReportTo(ReadWatch* watch, qint64 done, qint64 total) {
  if (watch) watch->Report(done, total);
}
inline bool CancelledBy(const ReadWatch* watch) {
  return watch && watch->CancelRequested();
}

}  // namespace scoreink
