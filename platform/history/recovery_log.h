#pragma once
// The recovery copy of the score: what the next start offers back when the program ended
// without closing (a crash, a kill, a power cut) while the score had unsaved edits.
//
// It is a log in a folder of its own: the whole picture once (the base, compressed), then
// every change the edit history saw, in order, as the tiles after it (patches), and what the
// user sees beyond them (the open changes: the gesture under way and whatever floats over the
// score). Base + patches + open changes give the picture as it was moments before the end.
// Everything is written by a thread of its own or taken from the history's own step files,
// so no press waits for it.
//
// A new base starts a new generation of the log beside the old one. The session file, replaced
// in one rename, names the generation that counts, and only then does the old one go: a kill at
// any moment leaves one whole copy, the newer one once it is complete.
//
// A file of the log that cannot be written stops the log (patches after a gap would build on
// nothing) and is reported (CurrentTrouble). The next base tries every folder the log was given,
// in order, and the copy goes on in the first that takes it.
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "platform/history/history_step.h"

namespace scoreink {

// Where in a document the score shown is: its page (0 = the first), the document's pages and the
// resolution its PDF pages are shown at.
struct DocumentPlace {
  int page = 0;
  int pages = 1;
  int dpi = 0;
};

class RecoveryLog {
 public:
  // The log may live in any of folders (created when first written), the first preferred.
  // A log already there stays until this one's first base is whole.
  explicit RecoveryLog(const QStringList& folders);
  // Finishes every write that was asked for.
  ~RecoveryLog();
  RecoveryLog(const RecoveryLog&) = delete;
  RecoveryLog& operator=(const RecoveryLog&) = delete;

  // The folder the log is written in now.
  QString Folder() const;

  // Starts a new generation with picture as its base, which the writer reads while the caller
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
  // The same for every step file it was given (before the history's folder is emptied).
  void SettleStepFiles();
  // What the user sees beyond the patches so far (an empty step: nothing). Only the newest
  // of these waiting to be written is written.
  void SetOpenChanges(const HistoryStep& step);
  // Whose score it is and whether it has edits that were never saved; written when changed.
  void SetSession(const QString& scoreFile, bool unsaved, const DocumentPlace& place = {});
  // The record of a page not shown of a document of several pages (a copy of recordFile; none
  // when recordFile does not exist), kept beside every generation until ForgetPageRecords.
  void KeepPageRecord(int page, const QString& recordFile);
  void ForgetPageRecords();
  // Waits for the writes asked for so far (tests, the benchmark).
  void Flush();
  // Lets the writer take the step files the presses left it.
  void Wake();
  // Removes the log from every folder: the score was closed, or the user gave the old one up.
  void Clear();

  // Why the copy is not current, while it is not.
  struct Trouble {
    QString reason;           // why the last write failed
    QDateTime goodUntil;      // the copy holds the user's work up to then (invalid: nothing yet)
    bool baseFailed = false;  // a new base has failed in every folder since
  };
  std::optional<Trouble> CurrentTrouble() const;

  // What a log left in folder holds: the newest picture, its file name and when the log was
  // last switched or told of the session. Nothing when there is no log, when it says
  // everything was saved, or when its base is unreadable.
  struct Found {
    QImage picture;  // the page shown
    QString scoreFile;
    DocumentPlace place;
    std::map<int, HistoryStep> pageRecords;  // of the other pages of a document
    QDateTime writtenAt;
  };
  static std::optional<Found> Read(const QString& folder);
  // The newest of the logs left in folders.
  static std::optional<Found> ReadNewest(const QStringList& folders);

 private:
  struct OpenDue;

  const QStringList folders_;
  // The interface thread's numbering: the generation new patches belong to, and their count.
  int gen_ = 0;
  std::atomic<int> newestBase_ = 0;  // the generation of the newest base asked for
  int patches_ = 0;
  QString sessionFile_;
  int sessionUnsaved_ = -1;
  QByteArray sessionText_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> jobs_;
  std::multiset<QString> stepFilesDue_;  // step files the writer is still to take
  std::shared_ptr<OpenDue> lastOpen_;    // the open changes of the last job, while it waits
  int basesDue_ = 0;                     // base writes waiting or running
  bool busy_ = false;
  bool stopping_ = false;
  // The writer's state (read by the interface thread under the mutex).
  int current_ = 0;     // index of the folder written in
  int writerGen_ = 0;   // the generation the session file names; 0 while there is none
  QByteArray session_;  // the session's lines, without the generation
  std::optional<Trouble> trouble_;
  QDateTime goodUntil_;
  std::thread writer_;

  void Post(std::function<void()> job, bool wake = true);
  void Run();
  // Writer thread. A new base in the first folder that takes it, then the switch to it.
  bool WriteBase(int gen, const HistoryStep& base);
  // The session file naming generation gen; the reason when it could not be written.
  QString WriteSessionFile(const QString& folder, int gen);
  // Whether jobs of generation gen are still to be written: it counts and nothing failed.
  bool Writable(int gen) const;
  QString CurrentFolder() const;
  // A write went through (the copy is current up to now), or failed (the copy stops here).
  void Succeeded();
  void Failed(const QString& reason);
};

}  // namespace scoreink
