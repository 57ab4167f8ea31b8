#pragma once
// The face every window of the program uses. The windows were designed for "ＭＳ Ｐゴシック";
// on Linux IPA P Gothic stands in for it, and that design name is registered as a substitute
// so that asking for it gives the same face.
#include <QFont>

namespace scoreink {

inline constexpr char kDesignFontFamily[] = "ＭＳ Ｐゴシック";
inline constexpr char kFontFamily[] = "IPAPGothic";

// The window face at the given pixel size (a design font height of -12 is pixel size 12).
QFont WindowFont(int pixelSize);

}  // namespace scoreink
