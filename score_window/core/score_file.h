#pragma once
// Writing a score to its file: an 8-bit copy of the surface (with the fixed palette) as an
// 8-bit BMP for a ".bmp" name (any case), an 8-bit palette PNG for a ".png" name, otherwise as
// a colour, baseline JPEG of quality 90. Files of several pages (TIFF, PDF) are not written
// over: the score of one of their pages is saved under a name of its own.
#include <QImage>
#include <QString>

#include "platform/picture_files/picture_io.h"

namespace scoreink {

inline constexpr int kScoreJpegQuality = 90;

// Saves surface to path (which uses "/"). The surface is not touched; an 8-bit surface with
// the fixed palette is written as it is, anything else from an 8-bit copy (a null surface or
// a failed conversion is an error). The file is written beside its target and replaces it
// only once complete (SaveBmp, SaveJpeg), so a failed save (full disk, write-protected
// folder) leaves the file it was to replace as it was. On failure returns a user-facing error
// text naming the file.
WriteResult SaveScoreFile(const QImage& surface, const QString& path);

// Whether a score can be written over the file at path: a picture file (SaveScoreFile) or a
// document of pages (written whole by the score window), by its name.
bool ScoreFileWritable(const QString& path);

}  // namespace scoreink
