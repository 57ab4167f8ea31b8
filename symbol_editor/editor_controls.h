#pragma once
// The symbol editor's controls as data (platform/ui/form_builder.h). The window is built from
// these rows; FormCreate then moves the few controls that follow the work area.
#include <span>

#include "platform/ui/form_builder.h"

namespace scoreink {

class TForm3;

// The window's design client size.
inline constexpr int kEditorDesignWidth = 792;
inline constexpr int kEditorDesignHeight = 573;
// Font pixel size of every control that names none.
inline constexpr int kEditorFontPixels = 12;

using EditorControl = ControlRow<TForm3>;

// Every control of the symbol editor in creation order (a parent comes before its children).
std::span<const EditorControl> SymbolEditorControls();

}  // namespace scoreink
