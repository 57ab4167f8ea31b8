#pragma once
// Names for the cases of parameterised tests, so that a failing case says which input it was.
// gtest accepts only letters, digits and "_" in them.
//
//   INSTANTIATE_TEST_SUITE_P(Names, SaveNameRules, ::testing::Values(...),
//                            [](const auto& info) { return CaseName(info.param.typed); });
#include <string>
#include <string_view>

#include "platform/raster/pixel_format.h"

namespace scoreink::test {

// Any text (UTF-8) as a case name: every run of ASCII letters and digits starts with a capital
// and the runs are joined; "/" becomes "_", other ASCII characters are dropped and any other
// character becomes "U" and its code point in hex. "my.score.JPG" -> "MyScoreJPG",
// "/no/such.dir/x" -> "No_SuchDir_X", "楽譜.bmp" -> "U697DU8B5CBmp", "" -> "Empty".
std::string CaseName(std::string_view text);

// "Bits4", "Bits8", "Bits24" or "OtherFormat".
std::string PixelFormatName(PixelFormat format);

}  // namespace scoreink::test
