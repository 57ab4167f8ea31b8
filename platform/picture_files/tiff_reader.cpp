#include "platform/picture_files/tiff_reader.h"

#include "platform/picture_files/picture_messages.h"

namespace scoreink {

QString ReadTiffInto(QIODevice&, PictureSink&, ReadWatch*, int) {
  return ReasonNotTiff();
}

int CountTiffPages(QIODevice&, QString& reason) {
  reason = ReasonNotTiff();
  return 0;
}

}  // namespace scoreink
