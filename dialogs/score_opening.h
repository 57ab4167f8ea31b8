#pragma once
// Opening a picture as the score, the same whichever way it was chosen: picked in the score
// file dialog and kept with its OK, or dropped on the score window from a file manager.
//
//   std::optional<QImage> picture = CheckScorePicture(path);   // refused: the user was told
//   score.SettleScoreBeforeOpening();                           // the save question
//   score.ShowScorePicture(std::move(*picture));                // in the score view
//   score.AdoptOpenedScore(path);                               // the score of path now
//
// (score: the ScoreHost operations of the score window.) The dialog shows the picture at the
// pick and adopts it at OK; a drop does all at once. The score window tests the result for the
// template-only tools.
#include <QImage>
#include <QString>
#include <optional>

#include "platform/picture_files/picture_io.h"

class QProgressBar;
class QWidget;

namespace scoreink {

// The file at path (the page of pick) read as the score it would become (8 bits, the fixed
// palette). A file that cannot be read gets the error display, a picture too small for a score
// its message box; both give nothing, and nothing of the score being edited has been touched.
// A PDF page too large at the resolution of pick is offered at the largest that fits; taken,
// pick says so. The reading runs off the user-interface thread; a long one shows bar (if any)
// and stops on Esc or a click on cancelButton, giving nothing and saying nothing.
std::optional<QImage> CheckScorePicture(const QString& path, PagePick& pick,
                                        QProgressBar* bar = nullptr,
                                        QWidget* cancelButton = nullptr);

}  // namespace scoreink
