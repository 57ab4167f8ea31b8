#include "platform/picture_files/png_writer.h"

#include "platform/picture_files/picture_messages.h"

namespace scoreink {

QString WritePngTo(const QImage&, QIODevice&) {
  return ReasonNothingToSave();
}

}  // namespace scoreink
