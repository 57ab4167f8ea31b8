#pragma once
// An image control: holds one picture and shows it, stretched to the control's size or at its
// own size. Paints only the exposed part (no scaled copy is ever made, so 800 percent of a
// 600-dpi A4 scan costs no memory). Reports mouse press, move and release in its own control
// coordinates, and a click.
//
// The picture is edited in place through Picture(); afterwards call PictureChanged() or, when
// only a part changed, PictureRectChanged() with that part in picture pixels.
#include <QImage>
#include <QWidget>

namespace scoreink {

class ImageControl : public QWidget {
  Q_OBJECT

 public:
  explicit ImageControl(QWidget* parent = nullptr);

  QImage& Picture() { return picture_; }
  const QImage& Picture() const { return picture_; }
  bool HasPicture() const { return !picture_.isNull(); }
  // Stores the picture (the control keeps its own copy); with AutoSize the control takes its
  // size.
  void SetPicture(const QImage& picture);
  void ClearPicture();

  // Stretch: the picture fills the control. Otherwise it is drawn at its own size at (0, 0).
  void SetStretch(bool on);
  bool Stretch() const { return stretch_; }
  // Transparent: white picture pixels are not drawn, so what lies below shows through.
  void SetTransparent(bool on);
  bool Transparent() const { return transparent_; }
  void SetAutoSize(bool on);
  bool AutoSize() const { return autoSize_; }

  // Repaints after an edit of the picture in place: all of it, or one rectangle of it.
  void PictureChanged();
  void PictureRectChanged(const QRect& pictureRect);

  // The control rectangle that shows the given picture rectangle (rounded outward).
  QRect ControlRectOf(const QRect& pictureRect) const;

 signals:
  void MouseDown(Qt::MouseButton button, int x, int y);
  void MouseMove(int x, int y);
  void MouseUp(Qt::MouseButton button, int x, int y);
  void Clicked();
  // SetPicture or ClearPicture has given the control another picture (or none).
  void PictureReplaced();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  bool stretch_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
  bool pressInside_ = false;
};

}  // namespace scoreink
