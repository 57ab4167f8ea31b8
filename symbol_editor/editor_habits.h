#pragma once
// The ways into the symbol editor's commands that every desktop program has, beside its own
// buttons: keyboard shortcuts (Escape takes back a selection or figure being dragged), and the
// wheel and middle button over its two areas. Each runs the handler of the button it stands
// for, and nothing while that button is hidden or disabled.
namespace scoreink {

class TForm3;

// Installs them; the window's handlers are wired already.
void AddEditorHabits(TForm3& editor);

}  // namespace scoreink
