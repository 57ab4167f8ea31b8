// The score's controls while another window works beside the score window.
#include <QPushButton>

#include "platform/ui/image_control.h"
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::LockScore(ScoreLock by, bool locked) {
  const auto bit = static_cast<unsigned>(by);
  scoreLocks_ = locked ? (scoreLocks_ | bit) : (scoreLocks_ & ~bit);
  Image1->setEnabled(scoreLocks_ == 0);
  const bool historyFree = !(scoreLocks_ & static_cast<unsigned>(ScoreLock::SymbolEditor));
  Btn7->setEnabled(historyFree);
  Btn8->setEnabled(historyFree);
}

}  // namespace scoreink
