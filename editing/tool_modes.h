#pragma once
// The score window's tools (ToolMode) and the variants of its line and tie tools (LineKind),
// numbered as the tool panel's radio buttons end: "RBtnLM0".."RBtnLM5" and "RBtnSB0".."RBtnSB2".
// What each tool draws lies in pen_rules.h (PrepareGesturePen, DrawToolShape); what it is and
// what its gesture leaves behind is said here, in one table.

#include <cstddef>
#include <iterator>

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

// What each tool is, one row per tool in the order of its value: what it draws lies in
// DrawToolShape (pen_rules.h), what its gesture leaves behind is said here.
struct ToolTraits {
  bool pen;         // draws with the pen's width and colour, onto the score at its release
  bool region;      // works on a rectangle dragged with a one-pixel black rubber band
  bool lifts;       // the region lifted floats until the next press stamps it
  bool rubberBand;  // its drag shows a preview that the next step takes back
};
inline constexpr ToolTraits kToolTraits[] = {
    //  pen    region lifts  rubberBand
    {false, false, false, false},  // Symbol: a press places the symbol, no drag
    {true, false, false, false},   // FreeDraw: every move draws at once
    {true, false, false, true},    // Line
    {true, false, false, true},    // Tie
    {false, true, false, true},    // RegionDelete
    {false, true, true, true},     // RegionMove
    {false, true, true, true},     // RegionCopy
};

constexpr const ToolTraits& TraitsOf(ScoreTool tool) {
  return kToolTraits[static_cast<int>(tool) - static_cast<int>(ScoreTool::Symbol)];
}
constexpr bool IsPenTool(ScoreTool tool) {
  return TraitsOf(tool).pen;
}
constexpr bool IsRegionTool(ScoreTool tool) {
  return TraitsOf(tool).region;
}
constexpr bool LiftsRegion(ScoreTool tool) {
  return TraitsOf(tool).lifts;
}
constexpr bool DrawsRubberBand(ScoreTool tool) {
  return TraitsOf(tool).rubberBand;
}
static_assert(std::size(kToolTraits) == static_cast<size_t>(ScoreTool::RegionCopy) -
                                            static_cast<size_t>(ScoreTool::Symbol) + 1);

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
