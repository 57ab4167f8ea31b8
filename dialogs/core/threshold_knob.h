#pragma once
// The threshold slider of the image import dialog: a knob (a button) that slides over a
// track (a label); its left edge runs from the track's left to the track's right minus the
// knob's width and stands for a threshold of 0 to 255.
namespace scoreink {

struct KnobTrack {
  int left;       // the track's left
  int width;      // the track's width
  int knobWidth;  // the knob's width
  int MaxLeft() const { return left + width - knobWidth; }
};

// Where the knob's left goes for a threshold of 0 to 255.
int KnobLeftFor(int value, const KnobTrack& track);

struct KnobPosition {
  int left;
  int value;
};
// The knob dragged with the mouse at x (relative to the knob whose left is knobLeft): its
// centre follows the mouse within the track, and the value is read back from the position.
KnobPosition DragKnob(int knobLeft, int x, const KnobTrack& track);

}  // namespace scoreink
