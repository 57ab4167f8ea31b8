#pragma once
// Settings that live in the caption of the label that shows them (the zoom percent in
// "Label3", the pen width in "Label1") and the radio-button groups that code checks and
// unchecks.
#include <QString>

class QLabel;
class QButtonGroup;
class QAbstractButton;

namespace scoreink {

// The label's text read as a decimal integer; 0 when it is not one.
int LabelInteger(const QLabel* label);
void SetLabelInteger(QLabel* label, int value);

// False for ""; true exactly when every character is "0".."9".
bool IsAllDigits(const QString& text);
// The number a label shows stepped by its buttons: "0" unless IsAllDigits(text); else the
// value stepped up or down by step, raised to minimum, then lowered to maximum, as decimal text.
QString StepNumberText(const QString& text, bool up, int step, int minimum, int maximum);

// Unchecks button even when it is the checked button of an exclusive group (the group stays
// exclusive afterwards). Unchecking runs no click handler.
void UncheckButton(QAbstractButton* button);
// Leaves every button of the group unchecked (symbol mode has no tool selected).
void UncheckAll(QButtonGroup* group);

}  // namespace scoreink
