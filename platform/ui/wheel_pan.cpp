#include "platform/ui/wheel_pan.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace scoreink {

namespace {

constexpr int kNotch = 120;  // one notch of a wheel, in eighths of a degree

}  // namespace

WheelPan::WheelPan(QScrollArea* area, QWidget* picture, ZoomStep zoom)
    : QObject(picture), area_(area), picture_(picture), zoom_(std::move(zoom)) {
  picture->installEventFilter(this);
  if (!area) return;
  // The wheel reaches the viewport from whatever lies under the pointer; a middle press goes
  // to that control itself.
  area->viewport()->installEventFilter(this);
  if (QWidget* content = area->widget()) {
    content->installEventFilter(this);
    for (QWidget* child : content->findChildren<QWidget*>()) child->installEventFilter(this);
  }
}

bool WheelPan::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Wheel:
      return Wheel(static_cast<QWheelEvent*>(event));
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (area_ && mouse->button() == Qt::MiddleButton && !panning_) {
        panning_ = true;
        panFrom_ = mouse->globalPosition().toPoint();
        scrollFrom_ = {area_->horizontalScrollBar()->value(), area_->verticalScrollBar()->value()};
        QGuiApplication::setOverrideCursor(Qt::ClosedHandCursor);
      }
      break;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (panning_ && (mouse->buttons() & Qt::MiddleButton)) {
        const QPoint moved = mouse->globalPosition().toPoint() - panFrom_;
        area_->horizontalScrollBar()->setValue(scrollFrom_.x() - moved.x());
        area_->verticalScrollBar()->setValue(scrollFrom_.y() - moved.y());
      }
      break;
    }
    case QEvent::MouseButtonRelease:
      if (panning_ && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
        panning_ = false;
        QGuiApplication::restoreOverrideCursor();
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

bool WheelPan::Wheel(QWheelEvent* event) {
  // The picture sees the wheel first and the viewport after it: act once, where it arrives
  // first, and take it there.
  const QPoint angle = event->angleDelta();
  if (event->modifiers() & Qt::ControlModifier) {
    zoomDelta_ += angle.y() != 0 ? angle.y() : angle.x();
    const int steps = zoomDelta_ / kNotch;
    zoomDelta_ -= steps * kNotch;
    if (steps != 0) Zoom(steps, event->globalPosition().toPoint());
    return true;
  }
  if (!area_) return false;  // nothing to scroll: the window's own handling
  const QPoint pixels = event->pixelDelta();
  const int lines = QApplication::wheelScrollLines();
  auto toPixels = [lines](int angleDelta, const QScrollBar* bar) {
    return int(std::lround(double(angleDelta) / kNotch * lines * bar->singleStep()));
  };
  int dx = !pixels.isNull() ? pixels.x() : toPixels(angle.x(), area_->horizontalScrollBar());
  int dy = !pixels.isNull() ? pixels.y() : toPixels(angle.y(), area_->verticalScrollBar());
  // Shift turns the wheel sideways (where the system has not done so already).
  if ((event->modifiers() & Qt::ShiftModifier) && dx == 0) std::swap(dx, dy);
  ScrollBy(-dx, -dy);
  return true;
}

void WheelPan::Zoom(int steps, const QPoint& globalPos) {
  // Where the pointer is on the picture, as a fraction of it; the same fraction is brought back
  // under the pointer after each step.
  const QPointF before = picture_->mapFromGlobal(QPointF(globalPos));
  const double fx = picture_->width() > 0 ? before.x() / picture_->width() : 0.0;
  const double fy = picture_->height() > 0 ? before.y() / picture_->height() : 0.0;
  const bool zoomIn = steps > 0;
  for (int i = 0; i < std::abs(steps); ++i)
    if (!zoom_(zoomIn)) return;
  if (!area_) return;
  QWidget* viewport = area_->viewport();
  const QPoint pointer = viewport->mapFromGlobal(globalPos);
  // The picture's place in the scrolled content does not depend on the scroll position.
  const QPoint origin = picture_->mapTo(area_->widget(), QPoint(0, 0));
  area_->horizontalScrollBar()->setValue(int(std::lround(origin.x() + fx * picture_->width())) -
                                         pointer.x());
  area_->verticalScrollBar()->setValue(int(std::lround(origin.y() + fy * picture_->height())) -
                                       pointer.y());
}

void WheelPan::ScrollBy(int dx, int dy) {
  QScrollBar* h = area_->horizontalScrollBar();
  QScrollBar* v = area_->verticalScrollBar();
  h->setValue(h->value() + dx);
  v->setValue(v->value() + dy);
}

}  // namespace scoreink
