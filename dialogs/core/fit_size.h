#pragma once
// The size of the import preview: a picture's size fitted into a box in steps of one percent,
// keeping its proportions and filling the box in at least one direction.
#include <QSize>

namespace scoreink {

// Integer arithmetic, divisions truncating:
//  - the same proportions as the box (h * maxW == w * maxH): the box itself;
//  - larger than the box in either direction: the first of 100 %, 99 %, 98 % ... that fits
//    (a side that would shrink to nothing keeps one pixel);
//  - otherwise grown by 1 % steps until one side reaches the box, each side then lowered to
//    the box.
// A size that is not positive gives the box.
QSize FitSize(int w, int h, int maxW, int maxH);

}  // namespace scoreink
