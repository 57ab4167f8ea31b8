#include "platform/ui/wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace scoreink {

void WrapButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  // Leading spaces are part of the caption ("  →選択解除") and are drawn as such.
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere, caption);
}

}  // namespace scoreink
