#pragma once
// The rules a score's file name must pass before it is saved: a plain name (ASCII letters,
// digits, "_" and "-"), one of the extensions ".bmp", ".jpg", ".jpeg", ".png", ".pdf", ".tif"
// and ".tiff" (written in lower case; ".bmp" when none is given), never inside the work folder, and
// a question before an existing file is replaced. The dialog and the message boxes are passed in,
// so this runs headless; it shows its messages only through them.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/message_answers.h"

namespace scoreink {

// The save dialog's filter, in the program's own notation.
inline constexpr char kScoreFileFilter[] =
    "Graphic Files|*.bmp;*.jpg;*.jpeg;*.png;*.pdf;*.tif;*.tiff";

// True when every character of stem is one of "0".."9", "A".."Z", "a".."z", "_" and "-".
// (An empty stem gives true; callers test for it first.)
bool IsPlainFileStem(const QString& stem);

// The folder part of a path written with "/", without the trailing "/".
QString FolderOf(const QString& path);

// Runs the save dialog with an initial file name; the chosen full path, or nullopt on Cancel.
using SaveNameDialog = std::function<std::optional<QString>(const QString& initialName)>;
// Shows a message box; returns kIdOk, kIdCancel, kIdYes or kIdNo (AppMessageBox fits).
using SaveNameMessage =
    std::function<int(const QString& text, const QString& caption, MsgButtons buttons)>;

// Asks for the name to save a score under, starting from `initial`. Paths use "/".
//  - A pick whose folder is workFolder (as text, with case) is refused with a message, and
//    from then on Cancel does not end the dialog until a pick outside the work folder.
//  - Cancel otherwise returns "".
//  - An extension other than .jpg, .jpeg, .bmp, .png, .pdf, .tif, .tiff (any case), an empty stem,
//  or a stem that is
//    not plain is refused with its message and returns "".
//  - The stem is the file name without its extension (every occurrence, case-sensitive) and
//    without any "."; the result is folder + "/" + stem + the extension in lower case, or
//    + ".bmp" when the pick had none.
//  - A result that is one of ownPaths, or lies inside one of them (the program's own files
//    and folders: the lifted-block file, the custom symbols, the recovery copy), is refused
//    with a message and returns "": saving there would destroy the save or the program's data.
//  - When that file exists the user is asked; No returns "".
QString ChooseSaveName(const QString& initial, const QString& workFolder,
                       const SaveNameDialog& dialog, const SaveNameMessage& message,
                       const QStringList& ownPaths = {});

}  // namespace scoreink
