#pragma once
// The wheel and the middle button over a picture area, as in every picture program: the wheel
// scrolls, Shift+wheel scrolls sideways, Ctrl+wheel zooms by the area's own zoom steps and
// keeps the picture point under the pointer where it is, and a middle-button drag pans.
//
//   new WheelPan(ScrollBox1, Image1, [this](bool in) { return PressButton(in ? Btn10 : Btn9); });
//
// Presses are only watched, never taken: whatever a press does on the picture (stamping what
// floats) it still does.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QScrollArea;
class QWidget;
class QWheelEvent;

namespace scoreink {

class WheelPan : public QObject {
  Q_OBJECT

 public:
  // One zoom step of the area, in or out, through its zoom button; false when the button
  // cannot be clicked now.
  using ZoomStep = std::function<bool(bool zoomIn)>;

  // area: the scroll box showing picture, or null for a picture that is never scrolled (it is
  // then only zoomed). Owned by picture.
  WheelPan(QScrollArea* area, QWidget* picture, ZoomStep zoom);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Wheel(QWheelEvent* event);
  void Zoom(int steps, const QPoint& globalPos);
  void ScrollBy(int dx, int dy);

  QPointer<QScrollArea> area_;
  QWidget* picture_;
  ZoomStep zoom_;
  int zoomDelta_ = 0;  // wheel turn toward the next zoom step (a notch is 120)
  bool panning_ = false;
  QPoint panFrom_;     // global pointer position where the pan started
  QPoint scrollFrom_;  // scroll position then
};

}  // namespace scoreink
