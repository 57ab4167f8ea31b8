#pragma once
// The key-signature choices of "ComboBox1", in the order of their index: none, one to six
// sharps (full-width number signs), one to six flats.
#include <array>

namespace scoreink {

inline constexpr int kKeySignatureCount = 13;

inline constexpr std::array<const char*, kKeySignatureCount> KeySignatureNames = {
    "調号なし", "＃", "＃＃", "＃＃＃", "＃＃＃＃", "＃＃＃＃＃", "＃＃＃＃＃＃",
    "♭",        "♭♭", "♭♭♭",  "♭♭♭♭",   "♭♭♭♭♭",    "♭♭♭♭♭♭"};

}  // namespace scoreink
