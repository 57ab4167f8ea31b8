#include "dialogs/dialog_shortcuts.h"

#include "platform/ui/window_shortcuts.h"

namespace scoreink {

namespace {

constexpr ShortcutRow kOkCancel[] = {
    {"Esc", "Button2", nullptr},     // Cancel
    {"Return", "Button1", nullptr},  // OK
    {"Enter", "Button1", nullptr},   // OK, on the number pad
};

// Taken, so that no control of the dialog makes anything of it.
constexpr ShortcutRow kNoDelete[] = {{"Del", nullptr, nullptr}};

}  // namespace

void AddScoreFileDialogShortcuts(QWidget* dialog) {
  auto* keys = new WindowShortcuts(dialog);
  keys->AddRows(kOkCancel);
  keys->AddRows(kNoDelete);
}

void AddImportDialogShortcuts(QWidget* dialog) {
  (new WindowShortcuts(dialog))->AddRows(kOkCancel);
}

}  // namespace scoreink
