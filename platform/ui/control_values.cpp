#include "platform/ui/control_values.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>

namespace scoreink {

int LabelInteger(const QLabel* label) {
  bool ok = false;
  const int value = label ? label->text().trimmed().toInt(&ok, 10) : 0;
  return ok ? value : 0;
}

void SetLabelInteger(QLabel* label, int value) {
  if (label) label->setText(QString::number(value));
}

bool IsAllDigits(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  }
  return true;
}

QString StepNumberText(const QString& text, bool up, int step, int minimum, int maximum) {
  if (!IsAllDigits(text)) return QStringLiteral("0");
  // Labels hold small numbers, but a text too long for an integer must not wrap around:
  // it counts as larger than any maximum.
  bool ok = false;
  qint64 value = text.toLongLong(&ok);
  if (!ok) value = qint64(1) << 62;
  value += up ? qint64(step) : -qint64(step);
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
  return QString::number(value);
}

void UncheckButton(QAbstractButton* button) {
  if (!button || !button->isChecked()) return;
  QButtonGroup* group = button->group();
  const bool exclusive = group && group->exclusive();
  if (exclusive) group->setExclusive(false);
  const bool autoExclusive = button->autoExclusive();
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(autoExclusive);
  if (exclusive) group->setExclusive(true);
}

void UncheckAll(QButtonGroup* group) {
  if (!group) return;
  for (QAbstractButton* button : group->buttons()) UncheckButton(button);
}

}  // namespace scoreink
