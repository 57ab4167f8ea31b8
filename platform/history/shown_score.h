#pragma once
// What the user sees of the score, which its recovery copy keeps: the picture being edited and
// whatever floats over it (a palette symbol being placed, a lifted block being moved). The
// window that shows the score answers; the edit history asks whenever it writes the copy.
#include <QImage>
#include <QPoint>
#include <QRect>

namespace scoreink {

class ShownScore {
 public:
  virtual ~ShownScore() = default;
  // The picture the user edits; null while another picture stands in its place (a preview).
  virtual const QImage* EditedPicture() const = 0;
  // The picture pixels that what floats covers, as the commit would stamp it now; empty when
  // nothing floats.
  virtual QRect FloatingRect() const = 0;
  // Stamps what floats into part, a copy of the picture's pixels whose top-left is at origin,
  // exactly as the commit will stamp it into the picture.
  virtual void StampFloating(QImage& part, QPoint origin) const = 0;
};

}  // namespace scoreink
