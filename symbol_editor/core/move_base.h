#pragma once
// Moving the symbol drawing pixel by pixel against its move base: the drawing as it was after
// the last completed change. The offsets add up over consecutive moves, so pixels pushed out
// of the frame come back when the drawing is moved back.
#include <QImage>
#include <QPoint>

namespace scoreink {

// offset moved by one step (up: y - 1, down: y + 1, right: x + 1, left: x - 1) and clamped to
// [-width, width] x [-height, height] of size: beyond that the drawing is blank anyway.
QPoint SteppedMoveOffset(QPoint offset, bool vertical, bool forward, QSize size);

// A white picture of base's size and format with every pixel (x, y) of base at
// (x + offset.x, y + offset.y) where that lies inside the frame; the strip the move uncovers
// stays white. Pictures in a format the canvas cannot draw into come back as 24 bits.
QImage ShiftedFromBase(const QImage& base, QPoint offset);

}  // namespace scoreink
