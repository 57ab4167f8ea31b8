#pragma once
// The small preview of a picture: each preview pixel the average of the picture pixels it
// covers, made straight from the picture's scan lines (no scaled or converted copy of the
// whole picture is ever made).
#include <QImage>
#include <QSize>

namespace scoreink {

// A 24-bit (Format_RGB888) picture of the given size. Preview pixel (i, j) averages the
// picture pixels x in [i W / w, (i + 1) W / w) and y in [j H / h, (j + 1) H / h) (at least one
// each way, so a small picture is enlarged by repeating its pixels), rounded to nearest. A
// null picture or a size that is not positive gives a null preview.
QImage AveragedPreview(const QImage& picture, QSize size);

}  // namespace scoreink
