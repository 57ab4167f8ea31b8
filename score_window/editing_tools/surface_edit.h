#pragma once
// Repaints the score view after an edit of the surface, and tells the edit history what the edit
// reached: only the rectangle that changed, or the whole view when the edit had to convert the
// page (a surface not yet stored at 8 bits
// with the fixed palette is converted by the stamp and repaint rules, which changes colours
// everywhere).
#include <QImage>
#include <QList>
#include <QRect>

namespace scoreink {

class ImageControl;

class SurfaceEdit {
 public:
  // Remembers how the view's picture is stored before the edit; the edit starts.
  explicit SurfaceEdit(ImageControl& view);
  // Repaints `changed` (picture pixels, may be empty) once the edit is done: it reached no
  // pixel outside it.
  void Show(const QRect& changed) const;

 private:
  ImageControl& view_;
  QImage::Format format_;
  QList<QRgb> table_;
};

}  // namespace scoreink
