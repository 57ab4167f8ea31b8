#include "platform/ui/window_font.h"

namespace scoreink {

QFont WindowFont(int pixelSize) {
  static const bool registered = [] {
    QFont::insertSubstitution(QString::fromUtf8(kDesignFontFamily), kFontFamily);
    return true;
  }();
  (void)registered;
  QFont font(kFontFamily);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace scoreink
