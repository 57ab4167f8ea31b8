#pragma once
// What a pick in the image import dialog reads: the picture as its file holds it (to be split
// into black and white in place), and for a newly picked file the small preview, made from
// the same bands of rows while they are read.
#include <QImage>
#include <QSize>
#include <QString>

#include "platform/picture_io.h"

namespace scoreink {

struct ImportPicture {
  PictureResult picture;  // Format_RGB888 or Format_Indexed8, or the message
  QImage preview;         // null when none was asked for or its memory could not be had
};

// previewBox: the box the preview is fitted into (FitSize); an empty box asks for none.
ImportPicture ReadImportPicture(const QString& path, QSize previewBox);

}  // namespace scoreink
