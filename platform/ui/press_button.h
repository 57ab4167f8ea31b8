#pragma once
// Every other way into a command (a shortcut, the wheel) presses the command's button: the
// same handler runs, and only when the user could click the button now.
class QAbstractButton;

namespace scoreink {

// Clicks button when it is shown in its window and enabled, as a click of the user's would;
// true when it did. A hidden or disabled button's other ways in do nothing.
bool PressButton(QAbstractButton* button);

}  // namespace scoreink
