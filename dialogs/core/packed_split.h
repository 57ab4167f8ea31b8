#pragma once
// A black-and-white split kept at one bit a pixel while it is not shown: the import dialog sets
// the split it shows aside this way before it reads the next picture, so that the two are
// never both held at full size, and brings it back when the next one does not come.
#include <QImage>
#include <optional>

namespace scoreink {

// The split (Format_Indexed8 holding only the fixed palette's black and white) at one bit a
// pixel (Format_Mono); nullopt for any other picture or when the memory cannot be had.
std::optional<QImage> PackSplit(const QImage& split);
// The packed split as it was; null when the memory cannot be had.
QImage UnpackSplit(const QImage& packed);

}  // namespace scoreink
