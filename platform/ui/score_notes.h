#pragma once
// The score window's short notes to the user: an OK box with the window's usual caption
// "どうでもいいけど" ("これより前はない", "何か事故" ...).

namespace scoreink {

// Shows text (UTF-8) in that box and returns when the user has answered it.
void TellScoreNote(const char* text);

// The note for an edit that went wrong and was left undone.
inline void TellAccident() {
  TellScoreNote("何か事故");
}

}  // namespace scoreink
