#include "platform/ui/sender_digits.h"

#include <QObject>

namespace scoreink {

int TrailingNumber(const QString& name) {
  qsizetype start = name.size();
  while (start > 0 && name[start - 1] >= u'0' && name[start - 1] <= u'9') --start;
  if (start == name.size()) return -1;
  bool ok = false;
  const int value = name.mid(start).toInt(&ok);
  return ok ? value : -1;
}

int TrailingNumber(const QObject* sender) {
  return sender ? TrailingNumber(sender->objectName()) : -1;
}

int LastDigit(const QObject* sender) {
  if (!sender || sender->objectName().isEmpty()) return -1;
  const QChar last = sender->objectName().back();
  return (last >= u'0' && last <= u'9') ? last.unicode() - u'0' : -1;
}

}  // namespace scoreink
