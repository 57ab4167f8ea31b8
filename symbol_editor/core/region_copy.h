#pragma once
// Copying a selected region of the imported picture into the symbol drawing.
#include <QImage>
#include <QPoint>
#include <QRect>

namespace scoreink {

// The region that a selection from press to release copies: the rectangle spanned by the two
// points (smaller coordinates first, right and bottom exclusive), cut to at most
// kSymbolSide x kSymbolSide from its top-left corner. Empty when release shares its x or its
// y with press: such a selection copies nothing.
QRect SelectedRegion(QPoint press, QPoint release);

// A new white kSymbolSide x kSymbolSide drawing (24 bits) holding region of source, unscaled,
// with the region's top-left corner at (0, 0). Parts of the region outside source stay white,
// and so does everything when source is null.
QImage DrawingFromRegion(const QImage& source, const QRect& region);

}  // namespace scoreink
