#pragma once
// Handlers shared by a group of controls tell the controls apart by the digits at the end of
// the sender's object name ("Btn10" -> 10, "RBtnLM3" -> 3, "OPImg07" -> 7).
#include <QString>

class QObject;

namespace scoreink {

// The number formed by the trailing digits of name; -1 when name ends in no digit.
int TrailingNumber(const QString& name);
int TrailingNumber(const QObject* sender);

// The last character of the sender's name read as a digit; -1 when it is not a digit.
int LastDigit(const QObject* sender);

}  // namespace scoreink
