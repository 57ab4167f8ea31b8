#pragma once
// What a pick in the image import dialog reads: the picture split into black and white at a
// threshold (grey_split.h), and for a newly picked file the small preview, both made from the
// same bands of rows while they are read.
#include <QImage>
#include <QSize>
#include <QString>

namespace scoreink {

class ReadWatch;

struct ImportPicture {
  QString error;   // the loader's message (ReasonCancelled() when the watch stopped it)
  QImage split;    // Format_Indexed8, white and black of the fixed palette; null on failure
  QImage preview;  // null when none was asked for or its memory could not be had
  bool ok() const { return error.isEmpty(); }
};

// previewBox: the box the preview is fitted into (FitSize); an empty box asks for none. On
// success split may still be null: its memory could not be had.
ImportPicture ReadImportPicture(const QString& path, QSize previewBox, int threshold,
                                ReadWatch* watch = nullptr);

}  // namespace scoreink
