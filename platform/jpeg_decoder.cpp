#include "platform/jpeg_decoder.h"

#include "platform/picture_messages.h"

namespace scoreink {

PictureResult ReadJpegFrom(QIODevice&) {
  return PictureResult{QImage(), ReasonNotJpeg()};
}

}  // namespace scoreink
