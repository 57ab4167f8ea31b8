#pragma once
// What the score file dialog asks of the score window that opens it, as named operations: the
// dialog sees the score window through these alone, never through its controls.
#include <QImage>
#include <QString>

#include "platform/picture_files/picture_io.h"

class QWidget;

namespace scoreink {

enum class Settled {
  Cancelled,      // the user kept the score being edited: nothing is opened
  Go,             // saved in place
  GoGivingUp,     // answered No, or nothing to save: the history was emptied
  GoAfterSaveAs,  // Yes for a score never saved: the save dialog was shown (whatever the user
                  // did there), "上書保存" is enabled, and the picture folder may have moved
};

class ScoreHost {
 public:
  // The score window itself: the dialog is one of its windows.
  virtual QWidget& HostWindow() = 0;

  // Whether the score has edits that were never saved (see TForm1::HasUnsavedEdits).
  virtual bool HasUnsavedEdits() const = 0;
  // Carries the score's unsaved edits over an emptying of the history (true), or forgets them.
  virtual void CarryUnsavedEdits(bool carried) = 0;

  // The question about the score being edited before another picture replaces it: Yes saves (in
  // place, or under a name asked for), No empties the history.
  virtual Settled SettleScoreBeforeOpening() = 0;
  // The picture in the score view at 100 percent, from its top left, with the pen-width label
  // at "2".
  virtual void ShowScorePicture(QImage picture) = 0;
  // The picture the score view shows becomes the score of path (page pick.page of its pages,
  // shown at pick.dpi): a fresh history, "上書保存" enabled, the pen back to its start width and
  // left limit, the staves looked for anew.
  virtual void AdoptOpenedScore(const QString& path, PagePick pick = {}, int pages = 1) = 0;

  // The score from before the dialog opened (which the score window keeps while the dialog is
  // open) back in the score view at 100 percent, with the pen at its start width; its unsaved
  // edits come back with it when carryEdits. The left limit stays as it was.
  virtual void RestoreKeptScore(bool carryEdits) = 0;
  // The kept score is not needed any more: the picture shown is the score now.
  virtual void ForgetKeptScore() = 0;

  // While the dialog is open the score takes no edits (a preview may stand in its place).
  virtual void LockForFileDialog(bool locked) = 0;

 protected:
  ~ScoreHost() = default;
};

}  // namespace scoreink
