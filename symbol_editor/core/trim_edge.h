#pragma once
// Cutting rows or columns off one edge of the symbol drawing.
#include <QImage>

namespace scoreink {

// Removes count rows (vertical) or columns (not vertical) from the first edge (fromStart:
// top or left) or the last edge (bottom or right) of image, in place, keeping its pixel
// format and colour table.
//  - A cut dimension of kMinSymbolSide (5) or less is left alone.
//  - The result is never cut below kMinSymbolSide: the kept part then still ends at the far
//    edge from the one being cut.
//  - A null image stays null.
void TrimImageEdge(QImage& image, bool vertical, bool fromStart, quint8 count);

}  // namespace scoreink
