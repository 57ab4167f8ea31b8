#pragma once
// The application's message box: caption as window title, no icon, one of four button sets.
// It goes through a replaceable handler so that tests answer it and see what was asked.
#include <QString>
#include <functional>

#include "platform/message_answers.h"

namespace scoreink {

// Shows the box (or asks the installed handler) and returns kIdOk, kIdCancel, kIdYes or kIdNo.
// Closing the box without a button gives kIdCancel where Cancel is offered, else kIdNo for
// Yes/No and kIdOk for OK.
int AppMessageBox(const QString& text, const QString& caption, MsgButtons buttons);

// The error display for pictures that cannot be read or written and print jobs that fail.
void ShowErrorMessage(const QString& text);

using MessageBoxHandler =
    std::function<int(const QString& text, const QString& caption, MsgButtons buttons)>;
// Installs a handler in place of the real box; an empty handler restores the real box.
// Returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace scoreink
