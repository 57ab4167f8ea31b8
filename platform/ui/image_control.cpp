#include "platform/ui/image_control.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace scoreink {

namespace {

// floor(value * num / den) and ceil(value * num / den) for non-negative den, in 64 bits so
// that 800 percent of a large scan cannot overflow.
qint64 FloorScale(qint64 value, qint64 num, qint64 den) {
  const qint64 p = value * num;
  return p >= 0 ? p / den : -((-p + den - 1) / den);
}

qint64 CeilScale(qint64 value, qint64 num, qint64 den) {
  return -FloorScale(-value, num, den);
}

// Colour of every pixel of one row of the picture as opaque RGB, written to out; the common
// formats are read straight from the scan line, anything else through QImage::pixel.
void ReadRow(const QImage& picture, int y, int x0, int count, QRgb* out) {
  const uchar* line = picture.constScanLine(y);
  switch (picture.format()) {
    case QImage::Format_Indexed8: {
      const QList<QRgb> table = picture.colorTable();
      for (int i = 0; i < count; ++i) {
        const uchar index = line[x0 + i];
        out[i] = index < table.size() ? (table[index] | 0xFF000000u) : 0xFF000000u;
      }
      break;
    }
    case QImage::Format_RGB888:
      for (int i = 0; i < count; ++i) {
        const uchar* p = line + 3 * (x0 + i);
        out[i] = qRgb(p[0], p[1], p[2]);
      }
      break;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
      for (int i = 0; i < count; ++i)
        out[i] = reinterpret_cast<const QRgb*>(line)[x0 + i] | 0xFF000000u;
      break;
    default:
      for (int i = 0; i < count; ++i) out[i] = picture.pixel(x0 + i, y) | 0xFF000000u;
      break;
  }
}

// The part source of the picture with its white pixels made fully transparent: only the part
// that is about to be drawn is converted, never the whole picture.
QImage WhiteSkippedPiece(const QImage& picture, const QRect& source) {
  QImage piece(source.size(), QImage::Format_ARGB32_Premultiplied);
  if (piece.isNull()) return piece;
  for (int r = 0; r < source.height(); ++r) {
    QRgb* row = reinterpret_cast<QRgb*>(piece.scanLine(r));
    ReadRow(picture, source.top() + r, source.left(), source.width(), row);
    for (int c = 0; c < source.width(); ++c)
      if ((row[c] & 0x00FFFFFFu) == 0x00FFFFFFu) row[c] = 0;
  }
  return piece;
}

}  // namespace

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
  // Moves are reported whether or not a button is held, as the score tools expect.
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::SetPicture(const QImage& picture) {
  picture_ = picture;
  if (autoSize_ && !picture_.isNull()) resize(picture_.size());
  update();
  emit PictureReplaced();
}

void ImageControl::ClearPicture() {
  picture_ = QImage();
  update();
  emit PictureReplaced();
}

void ImageControl::SetStretch(bool on) {
  if (stretch_ == on) return;
  stretch_ = on;
  update();
}

void ImageControl::SetTransparent(bool on) {
  if (transparent_ == on) return;
  transparent_ = on;
  update();
}

void ImageControl::SetAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

void ImageControl::PictureChanged() {
  if (autoSize_ && !picture_.isNull() && size() != picture_.size()) resize(picture_.size());
  update();
}

void ImageControl::PictureRectChanged(const QRect& pictureRect) {
  const QRect target = ControlRectOf(pictureRect);
  if (!target.isEmpty()) update(target);
}

QRect ImageControl::ControlRectOf(const QRect& pictureRect) const {
  if (picture_.isNull()) return {};
  const QRect inside = pictureRect.normalized() & picture_.rect();
  if (inside.isEmpty()) return {};
  if (!stretch_) return inside & rect();
  const qint64 w = picture_.width(), h = picture_.height();
  const qint64 left = FloorScale(inside.left(), width(), w);
  const qint64 top = FloorScale(inside.top(), height(), h);
  const qint64 right = CeilScale(qint64(inside.right()) + 1, width(), w);
  const qint64 bottom = CeilScale(qint64(inside.bottom()) + 1, height(), h);
  return QRect(int(left), int(top), int(right - left), int(bottom - top)) & rect();
}

void ImageControl::paintEvent(QPaintEvent* event) {
  if (picture_.isNull() || width() <= 0 || height() <= 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const qint64 w = picture_.width(), h = picture_.height();
  for (const QRect& exposed : event->region()) {
    QRect source;
    QRectF target;
    if (stretch_) {
      // The picture pixels under the exposed rectangle, rounded outward, and the control
      // rectangle they cover exactly: drawn straight from the picture, no scaled copy.
      const qint64 x0 = std::clamp<qint64>(FloorScale(exposed.left(), w, width()), 0, w);
      const qint64 y0 = std::clamp<qint64>(FloorScale(exposed.top(), h, height()), 0, h);
      const qint64 x1 =
          std::clamp<qint64>(CeilScale(qint64(exposed.right()) + 1, w, width()), 0, w);
      const qint64 y1 =
          std::clamp<qint64>(CeilScale(qint64(exposed.bottom()) + 1, h, height()), 0, h);
      if (x1 <= x0 || y1 <= y0) continue;
      source = QRect(int(x0), int(y0), int(x1 - x0), int(y1 - y0));
      const double sx = double(width()) / double(w), sy = double(height()) / double(h);
      target = QRectF(x0 * sx, y0 * sy, (x1 - x0) * sx, (y1 - y0) * sy);
    } else {
      source = exposed & picture_.rect();
      if (source.isEmpty()) continue;
      target = QRectF(source);
    }
    if (transparent_)
      painter.drawImage(target, WhiteSkippedPiece(picture_, source));
    else
      painter.drawImage(target, picture_, QRectF(source));
  }
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) pressInside_ = true;
  emit MouseDown(event->button(), p.x(), p.y());
  event->accept();
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit MouseMove(p.x(), p.y());
  event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const bool click = event->button() == Qt::LeftButton && pressInside_ && rect().contains(p);
  if (event->button() == Qt::LeftButton) pressInside_ = false;
  emit MouseUp(event->button(), p.x(), p.y());
  // The click comes after the release, so that a click's handler finds the release handled.
  if (click) emit Clicked();
  event->accept();
}

}  // namespace scoreink
