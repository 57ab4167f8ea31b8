#include "dialogs/core/threshold_knob.h"

namespace scoreink {

int KnobLeftFor(int value, const KnobTrack& track) {
  return value * (track.width - track.knobWidth) / 255 + track.left;
}

KnobPosition DragKnob(int knobLeft, int x, const KnobTrack& track) {
  int left = knobLeft + x - track.knobWidth / 2;
  if (left > track.MaxLeft()) left = track.MaxLeft();
  if (left < track.left) left = track.left;
  const int span = track.width - track.knobWidth;
  return {left, span > 0 ? (left - track.left) * 255 / span : 0};
}

}  // namespace scoreink
