#pragma once
// The score window's tools (ToolMode) and the variants of its line and tie tools (LineKind),
// numbered as the tool panel's radio buttons end: "RBtnLM0".."RBtnLM5" and "RBtnSB0".."RBtnSB2".
// What each tool draws lies in pen_rules.h (PrepareGesturePen, DrawToolShape); what its
// gesture leaves behind is said here.

namespace scoreink {

enum class ScoreTool {
  Symbol = -1,  // a palette symbol is selected: a press places it
  FreeDraw = 0,
  Line = 1,
  Tie = 2,
  RegionDelete = 3,  // the blank staff painted over the rectangle dragged
  RegionMove = 4,    // the black ink of the rectangle lifted, to be dropped elsewhere
  RegionCopy = 5,    // the same, the ink also staying where it was
};

// The tool of a radio button "RBtnLM" + digit.
constexpr ScoreTool ScoreToolOfButton(int digit) {
  return static_cast<ScoreTool>(digit);
}

// The pen tools draw with the pen's width and colour, onto the score at their release.
constexpr bool IsPenTool(ScoreTool tool) {
  return tool == ScoreTool::FreeDraw || tool == ScoreTool::Line || tool == ScoreTool::Tie;
}
// The region tools work on a rectangle dragged with a one-pixel black rubber band.
constexpr bool IsRegionTool(ScoreTool tool) {
  return tool == ScoreTool::RegionDelete || tool == ScoreTool::RegionMove ||
         tool == ScoreTool::RegionCopy;
}
// A move or a copy: the region lifted floats until the next press stamps it.
constexpr bool LiftsRegion(ScoreTool tool) {
  return tool == ScoreTool::RegionMove || tool == ScoreTool::RegionCopy;
}
// The tools whose drag shows a preview that the next step takes back (all but free draw).
constexpr bool DrawsRubberBand(ScoreTool tool) {
  return tool == ScoreTool::Line || tool == ScoreTool::Tie || IsRegionTool(tool);
}

// LineKind: with the line tool Free, Vertical or Horizontal; with the tie tool the arc below
// ("下弦") or above ("上弦") the ends.
enum class LineVariant {
  Free = 0,
  Vertical = 1,
  Horizontal = 2,
  LowerArc = 1,
  UpperArc = 2,
};

// The variant of a radio button "RBtnSB" + digit.
constexpr LineVariant LineVariantOfButton(int digit) {
  return static_cast<LineVariant>(digit);
}

}  // namespace scoreink
