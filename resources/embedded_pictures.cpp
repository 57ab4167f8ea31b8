#include "resources/embedded_pictures.h"

#include <QString>

#include "platform/raster/pixel_format.h"

namespace scoreink {

namespace {

// The pictures are compiled in with Qt's resource system (resources/CMakeLists.txt).
QImage LoadPicture(const QString& name, PixelFormat format) {
  QImage image(QStringLiteral(":/pictures/") + name + QStringLiteral(".bmp"));
  if (!image.isNull()) SetPixelFormat(image, format);
  return image;
}

}  // namespace

const QImage& ScoreTemplateImage() {
  // Read once: the blank page, the eraser and the key signature all copy from it.
  static const QImage kTemplate = LoadPicture(QStringLiteral("ImgScoreDef"), PixelFormat::Bits8);
  return kTemplate;
}

QImage PaletteSymbolImage(int number) {
  if (number < 1 || number > kPaletteSymbolCount) return {};
  const QString name = QStringLiteral("Img%1").arg(number, 2, 10, QChar('0'));
  return LoadPicture(name, number == 5 ? PixelFormat::Bits24 : PixelFormat::Bits4);
}

}  // namespace scoreink
