// Fitting symbols to the staves of the score: the check box "譜表に合わせる", the symbol that
// floats while it is on, and the snap of heads, accidentals and dots to lines and spaces.
#include <QCheckBox>
#include <QLabel>

#include "editing/staff/staff_fit.h"
#include "editing/staff/staff_snap.h"
#include "editing/tool_modes.h"
#include "platform/ui/image_control.h"
#include "resources/symbol_outlines.h"
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::ResetStaffFit() {
  CheckBox1->setChecked(false);
  RefreshStaves();
}

void TForm1::RefreshStaves() {
  staves_ = FindStaves(Surface());
  // Without staves there is nothing to fit to.
  if (!staves_.Found()) CheckBox1->setChecked(false);
  CheckBox1->setEnabled(staves_.Found());
  Label10->setText(StaffFactorText(staves_));
}

// "譜表に合わせる": symbols are fitted to the staves of the score, or shown as drawn.
void TForm1::CheckBox1Click(QObject*) {
  // What floats was placed under the old setting and is stamped as it is; the next placement
  // takes the new one.
  FocusSink();
}

QImage TForm1::FloatingSymbol() const {
  if (!CheckBox1->isChecked()) return ImgXX->Picture();
  // A built-in symbol is drawn afresh from its outline at the staves' size.
  return FittedSymbol(ImgXX->Picture(), selectedFit_.noteHead, staves_,
                      selectedNumber_ > 0 ? PaletteSymbolOutline(selectedNumber_) : QPainterPath());
}

int TForm1::SnappedTop(QPoint overlayTopLeft) const {
  if (!floatingAnchor_ || ToolMode != ScoreTool::Symbol) return overlayTopLeft.y();
  return SnappedOverlayTop(staves_, overlayTopLeft, *floatingAnchor_, selectedFit_.places,
                           Image1->geometry(), Image1->Picture().size());
}

}  // namespace scoreink
