#include "score_window/core/print_messages.h"

namespace scoreink {

QString PrintFailureMessage(const QString& reason) {
  return QStringLiteral("印刷できない\n") + reason;
}

QString ReasonNoPrinter() {
  return QStringLiteral("既定のプリンタがない (プリンタを用意して既定にしてください)");
}

QString ReasonJobNotStarted() {
  return QStringLiteral("プリンタが印刷を始められない");
}

QString ReasonJobRefused(const QString& printerText) {
  const QString headline = QStringLiteral("プリンタが受け付けない");
  if (printerText.trimmed().isEmpty()) return headline;
  return headline + QStringLiteral(" (") + printerText.trimmed() + QLatin1Char(')');
}

QString ReasonPageNotDrawn() {
  return QStringLiteral("絵をページに描けない (メモリが足りない)");
}

}  // namespace scoreink
