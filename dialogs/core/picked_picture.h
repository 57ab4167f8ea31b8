#pragma once
// What a pick in the score file dialog reads: the picked file as the score it would become,
// checked before anything of the score being edited is touched.
#include <QImage>
#include <QSize>
#include <QString>

#include "platform/picture_files/picture_io.h"

namespace scoreink {

class ReadWatch;

// A picture with a side of this many pixels or fewer is taken for no score.
inline constexpr int kSmallestScoreSide = 100;
inline constexpr char kTooSmallCaption[] = "どうでもいいけど";

struct PickedPicture {
  enum class Verdict {
    Accepted,    // picture holds the file at 8 bits with the fixed palette
    Unreadable,  // error holds the loader's message
    TooSmall,    // size holds the picture's size
    Cancelled,   // the watch asked the reading to stop
  };
  Verdict verdict = Verdict::Unreadable;
  QImage picture;
  QSize size;
  QString error;
};

// Reads path (any kind the picture files read, by its extension; of a TIFF or PDF the page
// pick names, a PDF page at its resolution) straight into 8 bits with the fixed palette, a
// band of rows at a time, so that the file's picture is never held whole at 24 bits (a file
// already at 8 bits with the fixed palette, as the program saves scores, is read as it is).
// The whole file is read before its size is judged. Never throws; a broken, cut-off or
// hostile file, or a picture too large for the memory, is Unreadable. With a watch the reading
// reports its progress and can be stopped (Cancelled).
PickedPicture ReadPickedPicture(const QString& path, ReadWatch* watch = nullptr,
                                PagePick pick = {});

// The text of the box that refuses a picture too small for a score: the file name, then
// "(<w>Pixel X <h>Pixel) ← こんな小さな画像が楽譜になるとは思えない".
QString TooSmallMessage(const QString& path, QSize size);

}  // namespace scoreink
