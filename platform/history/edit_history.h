#pragma once
// The one edit history that the score window and the symbol editor share: numbered steps in
// the work folder and the position under which the next one is recorded.
//
// A gesture starts with Record (a press on the score, a change in the editor) and ends at the
// next Record or undo. Its step, file Tmp<n>.bmp of the work folder in the history's own
// format, keeps only the tiles of the picture that the gesture changed, before and after, so
// a stroke on a big scan costs what it crossed, not what the page weighs. Undo puts the step's
// tiles from before back; redo those from after.
//
// The history learns which tiles a gesture changed from the edits themselves: each edit of
// the picture is announced with WillChange and reported with Changed. It keeps its own copy of
// the picture as of the newest step to compare against, so an edit that was not reported is
// still found (by comparing the whole picture), only more slowly.
//
// The position is 1 after every successful reset; 2 or more means the score has unsaved
// changes.
#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/history/history_step.h"
#include "platform/history/recovery_log.h"
#include "platform/history/shown_score.h"

class QTimer;

namespace scoreink {

// A finished edit reaches the recovery copy this long after it was made.
inline constexpr int kRecoverySettleMs = 100;
// A recovery copy that no folder takes tries a new base again this often: space may be freed.
inline constexpr int kRecoveryRetryMs = 3000;

class EditHistory {
 public:
  EditHistory();
  ~EditHistory();
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;

  // The work folder (no trailing "/") and the lifted-block file that a reset deletes.
  void SetPlaces(const QString& workFolder, const QString& blockFile);
  QString WorkFolder() const { return workFolder_; }

  // The number under which the next step will be recorded (0 before the first reset).
  int HistoryPos() const { return pos_; }
  void SetHistoryPos(int pos);
  bool HasUnsavedChanges() const { return pos_ >= 2; }

  // Empties the history: the work folder is deleted (and recreated when recreate); the
  // position becomes 1 and every step is forgotten only when that succeeded. The block file
  // is deleted.
  void ResetHistory(bool recreate);

  // The picture has been replaced as a whole (a new score, an opened picture) right after a
  // reset: the history takes its copy now rather than at the first press, and the recovery
  // copy starts afresh from it. Nothing happens while a gesture is under way.
  void Adopt(const QImage& picture);

  // A gesture starts on picture: the gesture before it (with whatever it left floating and
  // was stamped since) becomes step HistoryPos() - 1, and the position advances. After an
  // undo, the steps an undo left behind are dropped, so a redo can never jump to them.
  // The gesture always goes on: a step that cannot be written is kept in memory (see
  // TakeTrouble). False, with nothing changed, only for a null picture.
  bool Record(const QImage& picture);

  // An edit of picture is about to start, and has changed `changed` (picture pixels; may be
  // empty). Edits that skip these calls are still recorded, by a slower comparison.
  void WillChange(const QImage& picture);
  void Changed(const QImage& picture, const QRect& changed);

  // Puts back into picture every pixel changed since the gesture started (a rubber band),
  // when a gesture is under way.
  void TakeBackGesture(QImage& picture);

  enum class Step {
    Loaded,         // picture replaced, position moved
    NothingBefore,  // undo at position 1 or less: nothing changed
    Missing,        // undo: step missing or unreadable; position moved down anyway
    NothingAfter,   // redo: no step to redo; nothing changed
  };
  // Undo: ends the gesture under way, moves the position down by one and puts the picture
  // back to how it was before that step.
  Step Undo(QImage& picture);
  // Redo: puts the result of the step that the last undo took back into picture and moves the
  // position up by one; nothing after a new gesture.
  Step Redo(QImage& picture);

  // The file of step n.
  QString SnapshotFile(int n) const;

  // The recovery copy of the score shown (see RecoveryLog), which this history keeps up to
  // date: every step it records, and shortly after each change what the user sees (the gesture
  // under way and whatever floats over the score).
  //
  // Starts it in the first of folders that takes it, from the picture the history knows (Adopt
  // first) and what shown shows (which must outlive the copy: StopRecovery). keepLeft: a copy
  // that a session ended without closing left in folders stays until the new one is whole (the
  // user took its score back); otherwise it goes now.
  void StartRecovery(const QStringList& folders, const ShownScore& shown, bool keepLeft);
  // Whose score is shown: its file (empty: none yet), whether it carries unsaved edits that this
  // history does not count (kept over an emptying that was no save, or on other pages), and
  // where in its document it is.
  void ShowsScore(const QString& scoreFile, bool carriedEdits, const DocumentPlace& place = {});
  // The record of page, a page not shown, is now in recordFile (gone: the page has none): the
  // recovery copy keeps it too.
  void PageRecordKept(int page, const QString& recordFile);
  // While the symbol editor draws into this history the copy keeps the score as it was; when
  // it resumes, it starts afresh from the score shown.
  void PauseRecovery(bool paused);
  // What the user sees changed without a reported edit of the picture (an item now floats, or
  // was moved): the copy follows shortly.
  void ShownScoreChanged();
  // Writes down what the user sees now, when it changed since the last time. Runs by itself
  // shortly after each change (SetRecoveryTimes); tests and benchmarks call it directly.
  void Checkpoint();
  // A normal close: the copy goes, nothing is left to recover.
  void StopRecovery();
  // The copy, while one is kept and not paused.
  RecoveryLog* Recovery() const;
  // The copy cannot be written in any of its folders: told once, until it can be written
  // again and fails anew.
  std::optional<RecoveryLog::Trouble> TakeRecoveryTrouble();
  // Milliseconds from a change to the copy's checkpoint (kRecoverySettleMs), and between two
  // tries of a new base while no folder takes the copy (kRecoveryRetryMs); benchmarks and
  // tests set others.
  void SetRecoveryTimes(int settleMs, int retryMs);

  // Documents of several pages. Of the page shown, the history keeps the pixels as the page was
  // read for every tile an edit reached since the page was entered (undo and redo included), so
  // that the page's edits can be told apart from the page itself without a second copy of it.
  //
  // The page's record: those tiles, as read (before) and as picture has them now (after); empty
  // when no edit reached any tile. Tiles an undo brought back are in it with equal pixels. The
  // gesture under way ends first, as at any other panel action.
  HistoryStep PageRecord(const QImage& picture);
  // Leaves the page shown: the gesture under way ends, and the page's undo chain is set aside
  // under page (its step files renamed in the work folder) until EnterPage(page). Returns the
  // page's record.
  HistoryStep LeavePage(int page, const QImage& picture);
  // Enters page, shown as picture (the page as read with record's after pixels put in):
  // its undo chain comes back if it was set aside (else the chain starts empty), and record's
  // before pixels are the page as read. The recovery copy starts afresh from picture.
  void EnterPage(int page, const QImage& picture, const HistoryStep& record);
  // Whether the undo chain set aside under page counts unsaved steps (position 2 or more).
  bool PageChainUnsaved(int page) const;
  // Whether any chain set aside counts unsaved steps.
  bool SetAsideChainsUnsaved() const;
  // A new document, or one just saved: no chain is set aside, and the picture shown is the page
  // as read.
  void ForgetPages(const QImage& picture);

  // Edge of the tiles of the steps recorded from now on (kHistoryTileSize unless a benchmark
  // compares others).
  void SetTileSize(int tileSize);

  // Why steps could not be written to the work folder, once per cause: a non-empty text the
  // first time writing failed for that cause (a full disk, a folder that cannot be made ...),
  // then empty for it until the history is emptied. Steps that could not be written are kept
  // in memory, so undo and redo go on working.
  QString TakeTrouble();
  // Start-up has already told the user that the work folder can take nothing (reason): the
  // first step that cannot be written is not told again.
  void TroubleAlreadyTold(const QString& reason);

  // Tiles compared with the history's copy since the start, for benchmarks and tests: a gesture
  // whose edits were all reported compares only the tiles they reached.
  qint64 TilesCompared() const { return tilesCompared_; }

 private:
  QString workFolder_;
  QString blockFile_;
  int pos_ = 0;
  bool gestureOpen_ = false;  // the gesture of step pos_ - 1 is under way
  int unloadedStep_ = -1;     // the step an undo found missing, while nothing else moved
  int tileSize_ = kHistoryTileSize;

  // The picture as of the newest step, or as the next gesture will start from it.
  QImage known_;
  // The live picture's cache key when every change since known_ was last brought up to date
  // had been reported; any other key means an edit went unreported.
  qint64 reportedKey_ = 0;
  bool reportsComplete_ = false;
  std::vector<bool> touched_;  // tiles reported changed since known_ was brought up to date

  // The steps that exist, by number; a step whose file could not be written is kept here.
  std::map<int, std::optional<HistoryStep>> steps_;
  // False while the work folder may hold steps this object did not write (before the first
  // reset, or after a reset that failed); the next Record then looks at the folder.
  bool knownClean_ = false;
  QString trouble_;
  bool troubleTold_ = false;
  qint64 tilesCompared_ = 0;
  QStringList toldCauses_;  // the causes of step trouble told since the history was emptied

  // The page shown: its tiles as read, for every tile an edit reached (tiles of
  // originalsTileSize_), and the undo chains of the other pages, set aside.
  struct ParkedChain {
    int pos = 1;
    std::map<int, std::optional<HistoryStep>> steps;
  };
  std::map<int, QByteArray> originals_;
  int originalsTileSize_ = kHistoryTileSize;
  std::map<int, ParkedChain> parked_;
  // Keeps the pixels known_ has now for the tiles not kept yet (an edit is about to change them).
  void KeepOriginals(const std::vector<int>& tiles);
  // Takes packed (the tiles' pixels one after another) as the originals of the tiles not kept yet.
  void AddOriginals(const TileGrid& grid, const std::vector<int>& tiles, const QByteArray& packed);
  QString ParkedFile(int page, int n) const;
  HistoryStep scratch_;  // the last written step, whose buffers the next step takes over

  // The recovery copy.
  std::unique_ptr<RecoveryLog> recovery_;
  const ShownScore* shown_ = nullptr;
  bool recoveryPaused_ = false;
  QString scoreFile_;
  bool carriedEdits_ = false;
  DocumentPlace place_;
  std::unique_ptr<QTimer> checkpointTimer_;
  int settleMs_ = kRecoverySettleMs;
  int retryMs_ = kRecoveryRetryMs;
  qint64 checkpointKey_ = 0;  // the picture's cache key at the last checkpoint (0: none)
  QRect checkpointFloating_;  // and where something floated then
  QElapsedTimer baseRetry_;   // since the copy last asked for a new base after trouble
  bool recoveryTroubleTold_ = false;
  std::optional<RecoveryLog::Trouble> recoveryTrouble_;

  void ScheduleCheckpoint();
  // A new base for the copy from the picture the history knows.
  void RebaseRecovery();
  // Looks at the copy's trouble: asks for a new base, and notes what to tell.
  void WatchRecoveryTrouble(RecoveryLog& log);

  // Brings known_ up to date with picture; with a step, what changed goes into it.
  void NoteTrouble(const QString& reason);
  QString CannotMakeWorkFolder() const;
  void Catch(const QImage& picture, HistoryStep* step);
  void CloseGesture(const QImage& picture);
  // PutStep, and the recovery log hears of it.
  bool PutStepLogged(int n, const HistoryStep& step, bool after, QImage& picture);
  bool WriteStep(int n, const HistoryStep& step);
  void WritePendingSteps();
  std::optional<HistoryStep> LoadStep(int n) const;
  bool StepExists(int n) const;
  void DropStepsFrom(int n);
  void DeleteFilesFrom(int n);
  void ForgetReports(const QImage& picture);
};

// The program-wide history.
EditHistory& SharedHistory();

}  // namespace scoreink
