#include "platform/ui/click_filter.h"

#include <QMouseEvent>
#include <QWidget>

namespace scoreink {

ClickFilter::ClickFilter(QWidget* watched, Area area, std::function<void()> onClick,
                         std::function<void()> onDoubleClick)
    : QObject(watched),
      widget_(watched),
      area_(area),
      onClick_(std::move(onClick)),
      onDoubleClick_(std::move(onDoubleClick)) {
  watched->installEventFilter(this);
}

bool ClickFilter::Counts(const QPoint& pos) const {
  if (!widget_->rect().contains(pos)) return false;
  return area_ == Area::Anywhere || widget_->childAt(pos) == nullptr;
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease)
    return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const bool counts = Counts(mouse->position().toPoint());
  if (mouse->button() == Qt::LeftButton) {
    if (type == QEvent::MouseButtonPress) {
      pressed_ = counts;
    } else if (type == QEvent::MouseButtonDblClick) {
      pressed_ = false;
      if (counts && onDoubleClick_) onDoubleClick_();
    } else {
      const bool click = pressed_ && counts;
      pressed_ = false;
      if (click && onClick_) onClick_();
    }
  }
  // A bare background has nothing more to do with the event; a control (a colour box) still
  // gets its own handling.
  if (area_ == Area::BackgroundOnly && counts) {
    event->accept();
    return true;
  }
  return false;
}

}  // namespace scoreink
