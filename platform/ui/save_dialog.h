#pragma once
// The save-file dialog: Qt's file dialog in save mode, stays on top, no overwrite prompt of
// its own. Behind a replaceable handler so that tests pick a file name.
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace scoreink {

// filter in the program's own form, e.g. "Graphic Files|*.bmp;*.jpg;*.jpeg". The dialog opens
// in startFolder (the remembered picture folder), or in the folder of initialName when that
// names one, and never shows hiddenFolder (the work folder, which takes no scores). Returns
// the chosen full path, or nullopt when the user cancels.
std::optional<QString> RunSaveDialog(QWidget* parent, const QString& initialName,
                                     const QString& filter, const QString& startFolder = {},
                                     const QString& hiddenFolder = {});

// "Graphic Files|*.bmp;*.jpg;*.jpeg" -> "Graphic Files (*.bmp *.jpg *.jpeg)".
QString ToQtFileFilter(const QString& filter);

using SaveDialogHandler =
    std::function<std::optional<QString>(const QString& initialName, const QString& filter)>;
SaveDialogHandler SetSaveDialogHandler(SaveDialogHandler handler);

}  // namespace scoreink
