#pragma once
// The user-facing texts of printing: a headline and the reason on the next line.
#include <QString>

namespace scoreink {

// "印刷できない" and the reason on the next line.
QString PrintFailureMessage(const QString& reason);

// Reasons.
QString ReasonNoPrinter();
QString ReasonJobNotStarted();
// The printer's own answer (CUPS's text) follows in brackets when there is one.
QString ReasonJobRefused(const QString& printerText);
QString ReasonPageNotDrawn();

}  // namespace scoreink
