// The threshold slider of the image import dialog: the knob is dragged along its track, its
// place is the threshold shown beside it, and releasing it splits the picture again.
#include <QLabel>
#include <QPushButton>

#include "dialogs/core/threshold_knob.h"
#include "dialogs/tform4.h"
#include "platform/ui/control_values.h"

namespace scoreink {

namespace {

KnobTrack TrackOf(const QLabel* track, const QPushButton* knob) {
  return {track->x(), track->width(), knob->width()};
}

}  // namespace

void TForm4::PlaceKnob(int value) {
  TBB0->move(KnobLeftFor(value, TrackOf(TBL0, TBB0)), TBB0->y());
}

void TForm4::TBB0MouseDown(Qt::MouseButton button, int, int) {
  if (button == Qt::LeftButton) KnobDragging = true;
}

void TForm4::TBB0MouseMove(int x, int) {
  // Only the number changes while the knob moves; the split waits for the release.
  if (!KnobDragging) return;
  const KnobPosition moved = DragKnob(TBB0->x(), x, TrackOf(TBL0, TBB0));
  TBB0->move(moved.left, TBB0->y());
  SetLabelInteger(TBL1, moved.value);
}

void TForm4::TBB0MouseUp(Qt::MouseButton button, int, int) {
  if (button != Qt::LeftButton) return;
  ImportPicked(false);
  KnobDragging = false;
}

}  // namespace scoreink
