#pragma once
// The score file dialog's controls as data (platform/ui/form_builder.h), in creation order.
#include <span>

#include "platform/ui/form_builder.h"

namespace scoreink {

class TForm2;

std::span<const ControlRow<TForm2>> ScoreFileDialogControls();

}  // namespace scoreink
