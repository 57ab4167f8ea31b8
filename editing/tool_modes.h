#pragma once
// The score window's tool numbers (ToolMode) and line variants (LineKind), as the tool panel's
// radio buttons name them by their last digit.

namespace scoreink {

inline constexpr int kToolSymbol = -1;  // a palette symbol is selected
inline constexpr int kToolFreeDraw = 0;
inline constexpr int kToolLine = 1;
inline constexpr int kToolTie = 2;
inline constexpr int kToolRegionDelete = 3;
inline constexpr int kToolRegionMove = 4;
inline constexpr int kToolRegionCopy = 5;

// LineKind with the line tool.
inline constexpr int kLineFree = 0;
inline constexpr int kLineVertical = 1;
inline constexpr int kLineHorizontal = 2;
// LineKind with the tie tool ("下弦" and "上弦").
inline constexpr int kTieLower = 1;
inline constexpr int kTieUpper = 2;

}  // namespace scoreink
