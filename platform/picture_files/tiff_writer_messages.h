#pragma once
// The reasons that only the writing of TIFF files gives.
#include <QString>

namespace scoreink {

// libtiff refused to write; detail is libtiff's own words, when it said any.
QString ReasonTiffNotWritten(const QString& detail);
// The writer was handed a device it cannot read back, which libtiff needs.
QString ReasonTiffDeviceNotReadable();

}  // namespace scoreink
