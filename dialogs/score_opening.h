#pragma once
// Opening a picture as the score, the same whichever way it was chosen: picked in the score
// file dialog and kept with its OK, or dropped on the score window from a file manager.
//
//   std::optional<QImage> picture = CheckScorePicture(path);   // refused: the user was told
//   SettleScoreBeforeOpening(window);                           // the save question
//   ShowScorePicture(window, std::move(*picture));              // in the score view
//   AdoptOpenedScore(window, path);                             // the score of path now
//   ApplyTemplateTest(window);                                  // the template-only tools
//
// The dialog shows the picture at the pick and adopts it at OK; a drop does all at once.
#include <QImage>
#include <QString>
#include <optional>

class QProgressBar;
class QWidget;

namespace scoreink {

class TForm1;

// The file at path read as the score it would become (8 bits, the fixed palette). A file that
// cannot be read gets the error display, a picture too small for a score its message box;
// both give nothing, and nothing of the score being edited has been touched. The reading runs
// off the user-interface thread; a long one shows bar (if any) and stops on Esc or a click on
// cancelButton, giving nothing and saying nothing.
std::optional<QImage> CheckScorePicture(const QString& path, QProgressBar* bar = nullptr,
                                        QWidget* cancelButton = nullptr);

enum class Settled {
  Cancelled,      // the user kept the score being edited: nothing is opened
  Go,             // saved in place
  GoGivingUp,     // answered No, or nothing to save: the history was emptied
  GoAfterSaveAs,  // Yes for a score never saved: the save dialog was shown (whatever the user
                  // did there), "上書保存" is enabled, and the picture folder may have moved
};
// The question about the score being edited before another picture replaces it: Yes saves (in
// place, or under a name asked for), No empties the history.
Settled SettleScoreBeforeOpening(TForm1& window);

// The picture in the score view at 100 percent, from its top left, with the pen-width label at
// "2".
void ShowScorePicture(TForm1& window, QImage picture);

// The picture the score view shows becomes the score of path: a fresh history, "上書保存"
// enabled, the pen back to width 2 and the left limit to 27, the staves looked for anew.
void AdoptOpenedScore(TForm1& window, const QString& path);

// Ends symbol mode and shows the template-only tools (region delete and move, the key
// signature) exactly when the score shown was made from the blank page; a hidden tool does
// not stay chosen.
void ApplyTemplateTest(TForm1& window);

}  // namespace scoreink
