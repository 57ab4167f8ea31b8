#include "platform/ui/press_button.h"

#include <QAbstractButton>

namespace scoreink {

bool PressButton(QAbstractButton* button) {
  if (!button || !button->isEnabled() || !button->isVisibleTo(button->window())) return false;
  button->click();
  return true;
}

}  // namespace scoreink
