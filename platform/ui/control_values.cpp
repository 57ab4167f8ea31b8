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
