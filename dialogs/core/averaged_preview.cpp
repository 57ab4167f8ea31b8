#include "dialogs/core/averaged_preview.h"

#include <algorithm>
#include <vector>

namespace scoreink {

namespace {

// The picture pixels under preview index i of n, for a picture extent of total.
struct Span {
  int from, to;
};

Span SpanOf(int i, int n, int total) {
  const int from = int(qint64(i) * total / n);
  const int to = std::max(from + 1, int(qint64(i + 1) * total / n));
  return {from, std::min(to, total)};
}

// One scan line of the picture as 24-bit pixels, red first: the line itself when the picture
// is 24-bit, otherwise converted into buffer.
const uchar* RgbLine(const QImage& picture, int y, std::vector<uchar>& buffer) {
  const int w = picture.width();
  switch (picture.format()) {
    case QImage::Format_RGB888:
      return picture.constScanLine(y);
    case QImage::Format_Indexed8: {
      const QList<QRgb> table = picture.colorTable();
      const uchar* from = picture.constScanLine(y);
      for (int x = 0; x < w; ++x) {
        const QRgb c = from[x] < table.size() ? table[from[x]] : qRgb(0, 0, 0);
        buffer[size_t(3 * x)] = uchar(qRed(c));
        buffer[size_t(3 * x + 1)] = uchar(qGreen(c));
        buffer[size_t(3 * x + 2)] = uchar(qBlue(c));
      }
      return buffer.data();
    }
    default: {
      const QImage line = picture.copy(0, y, w, 1).convertToFormat(QImage::Format_RGB888);
      std::copy_n(line.constScanLine(0), 3 * w, buffer.begin());
      return buffer.data();
    }
  }
}

}  // namespace

QImage AveragedPreview(const QImage& picture, QSize size) {
  const int pw = size.width(), ph = size.height();
  if (picture.isNull() || pw <= 0 || ph <= 0) return QImage();
  QImage preview(pw, ph, QImage::Format_RGB888);
  if (preview.isNull()) return preview;
  const int W = picture.width(), H = picture.height();
  std::vector<Span> columns(static_cast<size_t>(pw));
  for (int i = 0; i < pw; ++i) columns[size_t(i)] = SpanOf(i, pw, W);
  std::vector<uchar> line(static_cast<size_t>(3 * W));
  std::vector<quint64> sums(static_cast<size_t>(3 * pw));
  for (int j = 0; j < ph; ++j) {
    const Span rows = SpanOf(j, ph, H);
    std::fill(sums.begin(), sums.end(), 0);
    for (int y = rows.from; y < rows.to; ++y) {
      const uchar* p = RgbLine(picture, y, line);
      for (int i = 0; i < pw; ++i) {
        quint32 r = 0, g = 0, b = 0;  // one line of one span: far below overflow
        for (int x = columns[size_t(i)].from; x < columns[size_t(i)].to; ++x) {
          r += p[3 * x];
          g += p[3 * x + 1];
          b += p[3 * x + 2];
        }
        sums[size_t(3 * i)] += r;
        sums[size_t(3 * i + 1)] += g;
        sums[size_t(3 * i + 2)] += b;
      }
    }
    uchar* out = preview.scanLine(j);
    const quint64 rowCount = quint64(rows.to - rows.from);
    for (int i = 0; i < pw; ++i) {
      const quint64 count = rowCount * quint64(columns[size_t(i)].to - columns[size_t(i)].from);
      for (int c = 0; c < 3; ++c)
        out[3 * i + c] = uchar((sums[size_t(3 * i + c)] + count / 2) / count);
    }
  }
  return preview;
}

}  // namespace scoreink
