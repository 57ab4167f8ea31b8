#include "picture_test_support.h"

#include <QFile>

namespace scoreink::test {

QImage Rgb888Sample(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb((x * 7 + y) & 255, (y * 13 + x * 3) & 255, (x * y + 5) & 255));
  return image;
}

QImage IndexedSample(int width, int height, int colors) {
  QImage image(width, height, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < colors; ++i) table.append(qRgb(i * 3 & 255, 255 - i, (i * 41) & 255));
  image.setColorTable(table);
  for (int y = 0; y < height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < width; ++x) row[x] = uchar((x + y * 5) % colors);
  }
  return image;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

quint16 Le16At(const QByteArray& bytes, int offset) {
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + offset;
  return quint16(p[0] | p[1] << 8);
}

quint32 Le32At(const QByteArray& bytes, int offset) {
  return quint32(Le16At(bytes, offset)) | quint32(Le16At(bytes, offset + 2)) << 16;
}

BmpFields BmpFieldsOf(const QByteArray& bytes) {
  if (bytes.size() < 54) return BmpFields{};
  return BmpFields{Le32At(bytes, 2),          Le32At(bytes, 10),         Le32At(bytes, 14),
                   qint32(Le32At(bytes, 18)), qint32(Le32At(bytes, 22)), Le16At(bytes, 26),
                   Le16At(bytes, 28),         Le32At(bytes, 30),         Le32At(bytes, 46)};
}

bool SameColors(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
  return true;
}

}  // namespace scoreink::test
