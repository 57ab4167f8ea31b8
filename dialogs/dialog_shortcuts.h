#pragma once
// The keyboard shortcuts of the two file dialogs: Esc is Cancel and Enter is OK (while OK can
// be clicked). Delete in the score file dialog does nothing: a file is deleted only by a click
// in delete mode.
class QWidget;

namespace scoreink {

void AddScoreFileDialogShortcuts(QWidget* dialog);
void AddImportDialogShortcuts(QWidget* dialog);

}  // namespace scoreink
