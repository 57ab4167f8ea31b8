#include "score_window/editing_tools/surface_edit.h"

#include "platform/history/edit_history.h"
#include "platform/ui/image_control.h"

namespace scoreink {

SurfaceEdit::SurfaceEdit(ImageControl& view)
    : view_(view), format_(view.Picture().format()), table_(view.Picture().colorTable()) {
  SharedHistory().WillChange(view.Picture());
}

void SurfaceEdit::Show(const QRect& changed) const {
  const QImage& picture = view_.Picture();
  // The history keeps only the tiles an edit reached.
  SharedHistory().Changed(picture, changed);
  // The colour tables are shared, not copied, so this compares pointers unless they differ.
  if (picture.format() != format_ || picture.colorTable() != table_) {
    view_.PictureChanged();
    return;
  }
  if (!changed.isEmpty()) view_.PictureRectChanged(changed);
}

}  // namespace scoreink
