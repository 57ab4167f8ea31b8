#include "picture_files.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <stdexcept>

#include "platform/raster/palette.h"

namespace scoreink::tools {

namespace {

QImage IndexedImage(const InkMask& mask, const QList<QRgb>& table, int ink, int background) {
  QImage image(mask.width(), mask.height(), QImage::Format_Indexed8);
  image.setColorTable(table);
  for (int y = 0; y < mask.height(); ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < mask.width(); ++x) {
      row[x] = static_cast<uchar>(mask.At(x, y) ? ink : background);
    }
  }
  return image;
}

QImage RgbImage(const InkMask& mask, QRgb ink) {
  QImage image(mask.width(), mask.height(), QImage::Format_RGB888);
  image.fill(Qt::white);
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (mask.At(x, y)) image.setPixel(x, y, ink);
    }
  }
  return image;
}

void Save(const QImage& image, const QString& path, const char* format) {
  QImageWriter writer(path, format);
  if (!writer.write(image)) {
    throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                             writer.errorString().toStdString());
  }
}

QImage SymbolImage(const PaletteSymbol& symbol) {
  switch (symbol.format) {
    case SymbolFileFormat::FourBit:
      return IndexedImage(symbol.mask, FourBitPalette(), kBlackIndex,
                          static_cast<int>(FourBitPalette().size()) - 1);
    case SymbolFileFormat::FourBitBlackOnly:
      return IndexedImage(symbol.mask, QList<QRgb>{kBlack}, 0, 0);
    case SymbolFileFormat::TwentyFourBit:
      return RgbImage(symbol.mask, kBlack);
  }
  return {};
}

}  // namespace

void WriteTemplateFile(const InkMask& page, const QString& path) {
  Save(IndexedImage(page, FixedPalette(), TemplateInkIndex(), kWhiteIndex), path, "bmp");
}

void WriteSymbolFile(const PaletteSymbol& symbol, const QString& path) {
  Save(SymbolImage(symbol), path, "bmp");
}

void WritePreview(const InkMask& page, const std::vector<PaletteSymbol>& symbols,
                  const QString& path) {
  constexpr int kZoom = 4;
  constexpr int kGap = 8;
  int strip_width = kGap;
  int strip_height = 0;
  for (const PaletteSymbol& symbol : symbols) {
    strip_width += symbol.mask.width() * kZoom + kGap;
    strip_height = std::max(strip_height, symbol.mask.height() * kZoom);
  }
  const QImage page_image = RgbImage(page, kTemplateInk);
  QImage preview(std::max(strip_width, page_image.width() + 2 * kGap),
                 strip_height + page_image.height() + 3 * kGap, QImage::Format_RGB32);
  preview.fill(QColor(200, 200, 200));
  QPainter painter(&preview);
  int x = kGap;
  for (const PaletteSymbol& symbol : symbols) {
    const QImage image = SymbolImage(symbol).convertToFormat(QImage::Format_RGB32);
    painter.drawImage(QRect(x, kGap, image.width() * kZoom, image.height() * kZoom), image);
    x += image.width() * kZoom + kGap;
  }
  painter.drawImage(kGap, strip_height + 2 * kGap, page_image);
  painter.end();
  Save(preview, path, "png");
}

}  // namespace scoreink::tools
