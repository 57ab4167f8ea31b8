#pragma once
// Encodes a picture through libjpeg: three colour components, baseline, the given quality
// and libjpeg's other defaults.
#include <QIODevice>
#include <QImage>
#include <QString>

namespace scoreink {

// Returns an empty string on success, else the reason.
QString WriteJpegTo(const QImage& image, QIODevice& out, int quality);

}  // namespace scoreink
