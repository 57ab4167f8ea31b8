#pragma once
// The recovery copy of the score: what the next start offers back when the program ended
// without closing (a crash, a kill, a power cut) while the score had unsaved edits.
//
// It is a log in a folder of its own: the whole picture once (the base, compressed), then
// every change the edit history saw, in order, as the tiles after it (patches), and the
// tiles of the gesture under way (the open changes, refreshed every second or so). Base +
// patches + open changes give the picture as it was moments before the end. Everything is
// written by a thread of its own or taken from the history's own step files, so no press
// waits for it.
#include <QImage>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "platform/history_step.h"

namespace scoreink {

class RecoveryLog {
 public:
  // The log lives in folder (created when first written).
  explicit RecoveryLog(const QString& folder);
  // Finishes every write that was asked for.
  ~RecoveryLog();
  RecoveryLog(const RecoveryLog&) = delete;
  RecoveryLog& operator=(const RecoveryLog&) = delete;

  const QString& Folder() const { return folder_; }

  // Starts the log afresh with picture as its base, which the writer reads while the caller
  // goes on (implicit sharing keeps its pixels as they are).
  void Rebase(const QImage& picture);
  void WaitForBase();
  // A change after the base and the patches so far: the step's tiles after it.
  void AddPatch(const HistoryStep& step);
  // The same for a step the history has written to stepFile: its tiles after it (redo, a
  // gesture's end) or before it (undo). The writer takes the file under a second name.
  void AddStepFile(const QString& stepFile, bool after);
  // Waits until the writer has taken stepFile, if it is still to: the history calls it
  // before it removes or replaces the file (rare, and then only a moment).
  void SettleStepFile(const QString& stepFile);
  // The tiles the gesture under way has changed so far (an empty step: none).
  void SetOpenChanges(const HistoryStep& step);
  // Whose score it is and whether it has edits that were never saved; written when changed.
  void SetSession(const QString& scoreFile, bool unsaved);
  // Waits for the writes asked for so far (tests, the benchmark).
  void Flush();
  // Lets the writer take what the presses left it (the window's checkpoint timer, each second).
  void Wake();
  // Removes the log: the score was closed, or the user gave the old one up.
  void Clear();

  // What a log left in folder holds: the newest picture and its file name. Nothing when
  // there is no log, when it says everything was saved, or when its base is unreadable.
  struct Found {
    QImage picture;
    QString scoreFile;
  };
  static std::optional<Found> Read(const QString& folder);

 private:
  QString folder_;
  int patches_ = 0;  // patches written since the base
  QString sessionFile_;
  int sessionUnsaved_ = -1;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> jobs_;
  std::multiset<QString> stepFilesDue_;  // step files the writer is still to take
  bool baseDue_ = false;                 // a base write is waiting or running
  bool busy_ = false;
  bool stopping_ = false;
  std::thread writer_;

  void Post(std::function<void()> job, bool wake = true);
  void Run();
};

}  // namespace scoreink
