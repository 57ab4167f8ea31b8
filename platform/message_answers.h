#pragma once
// The button sets of the program's message boxes and the answers they give, as the program has
// always numbered them. Rules that ask the user a question take an asking function with these,
// without depending on the box itself.

namespace scoreink {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

}  // namespace scoreink
