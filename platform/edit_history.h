#pragma once
// The one edit history that the score window and the symbol editor share: numbered snapshot
// files in the work folder and the position under which the next one is written.
//
// Snapshot k holds the picture as it was just before the gesture that wrote it. The position
// is 1 after every successful reset; 2 or more means the score has unsaved changes.
#include <QImage>
#include <QString>

namespace scoreink {

class EditHistory {
 public:
  // The work folder (no trailing "/") and the lifted-block file that a reset deletes.
  void SetPlaces(const QString& workFolder, const QString& blockFile);
  QString WorkFolder() const { return workFolder_; }

  // The number under which the next snapshot will be written (0 before the first reset).
  int HistoryPos() const { return pos_; }
  void SetHistoryPos(int pos) { pos_ = pos; }
  bool HasUnsavedChanges() const { return pos_ >= 2; }

  // Empties the history: the work folder is deleted (and recreated when recreate); the
  // position becomes 1 only when that succeeded. The block file is deleted.
  void ResetHistory(bool recreate);

  // Writes picture as snapshot HistoryPos() and advances the position. After an undo the
  // snapshots numbered above the new position belong to an abandoned branch and are deleted,
  // so a redo can never jump to them. False (position unchanged) when it cannot be written.
  bool Record(const QImage& picture);

  enum class Step {
    Loaded,         // picture replaced, position moved
    NothingBefore,  // undo at position 1 or less: nothing changed
    Missing,        // undo: snapshot file missing or unreadable; position moved down anyway
    NothingAfter,   // redo: no snapshot with the next number; nothing changed
  };
  // Undo: moves the position down by one and loads that snapshot into picture.
  Step Undo(QImage& picture);
  // Redo: loads snapshot HistoryPos() + 1 into picture and moves the position up to it.
  Step Redo(QImage& picture);

  QString SnapshotFile(int n) const;

 private:
  QString workFolder_;
  QString blockFile_;
  int pos_ = 0;
  int highestWritten_ = 0;  // highest snapshot number written since the last reset
  // False while the work folder may hold snapshots this object did not write (before the
  // first reset, or after a reset that failed); the next Record then looks at the folder.
  bool knownClean_ = false;

  void DeleteSnapshotsAbove(int n);
};

// The program-wide history.
EditHistory& SharedHistory();

}  // namespace scoreink
