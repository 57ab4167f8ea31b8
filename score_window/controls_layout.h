#pragma once
// The score window's controls as data (platform/ui/form_builder.h). The window is built from
// these rows; the start-up layout step then moves the few controls that follow the work area.
#include <span>

#include "platform/ui/form_builder.h"

namespace scoreink {

class TForm1;

// The window's design client size.
inline constexpr int kDesignWidth = 792;
inline constexpr int kDesignHeight = 571;
// Font pixel size of every control that names none.
inline constexpr int kWindowFontPixels = 12;

using ClickHandler = void (TForm1::*)(QObject* sender);
using ControlSpec = ControlRow<TForm1>;

// Every control of the score window in creation order (a parent comes before its children).
std::span<const ControlSpec> ScoreWindowControls();

}  // namespace scoreink
