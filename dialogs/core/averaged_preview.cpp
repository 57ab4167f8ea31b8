#include "dialogs/core/averaged_preview.h"

#include <algorithm>

namespace scoreink {

namespace {

// One scan line of a picture that is neither 24-bit nor indexed, as 24-bit pixels.
const uchar* ConvertedLine(const QImage& picture, int y, std::vector<uchar>& buffer) {
  const QImage line = picture.copy(0, y, picture.width(), 1).convertToFormat(QImage::Format_RGB888);
  std::copy_n(line.constScanLine(0), 3 * picture.width(), buffer.begin());
  return buffer.data();
}

}  // namespace

PreviewAverager::PreviewAverager(QSize picture, QSize preview)
    : picture_(picture), preview_(preview) {
  if (picture.isEmpty() || preview.isEmpty()) {
    preview_ = QSize();
    return;
  }
  // The picture pixels under preview index i of n, for a picture extent of total.
  auto spans = [](int n, int total) {
    std::vector<Span> result(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      const int from = int(qint64(i) * total / n);
      const int to = std::max(from + 1, int(qint64(i + 1) * total / n));
      result[size_t(i)] = {from, std::min(to, total)};
    }
    return result;
  };
  columns_ = spans(preview.width(), picture.width());
  rows_ = spans(preview.height(), picture.height());
  sums_.assign(size_t(3) * size_t(preview.width()) * size_t(preview.height()), 0);
  rowSums_.assign(size_t(3) * size_t(preview.width()), 0);
}

void PreviewAverager::AddRgbRow(int y, const uchar* rgb) {
  if (preview_.isEmpty()) return;
  const int pw = preview_.width();
  for (int i = 0; i < pw; ++i) {
    quint32 r = 0, g = 0, b = 0;  // one line of one span: far below overflow
    for (int x = columns_[size_t(i)].from; x < columns_[size_t(i)].to; ++x) {
      r += rgb[3 * x];
      g += rgb[3 * x + 1];
      b += rgb[3 * x + 2];
    }
    rowSums_[size_t(3 * i)] = r;
    rowSums_[size_t(3 * i + 1)] = g;
    rowSums_[size_t(3 * i + 2)] = b;
  }
  // The preview rows whose span holds y: several when the picture is enlarged.
  auto j = std::upper_bound(rows_.begin(), rows_.end(), y,
                            [](int row, const Span& span) { return row < span.to; });
  for (; j != rows_.end() && j->from <= y; ++j) {
    quint64* sums = sums_.data() + size_t(3) * size_t(pw) * size_t(j - rows_.begin());
    for (size_t k = 0; k < rowSums_.size(); ++k) sums[k] += rowSums_[k];
  }
}

void PreviewAverager::SetTable(const QList<QRgb>& table) {
  for (int i = 0; i < 256; ++i) table_[size_t(i)] = i < table.size() ? table[i] : qRgb(0, 0, 0);
  line_.resize(size_t(3) * size_t(picture_.width()));
}

void PreviewAverager::AddIndexRow(int y, const uchar* indices) {
  if (preview_.isEmpty()) return;
  for (int x = 0; x < picture_.width(); ++x) {
    const QRgb c = table_[indices[x]];
    line_[size_t(3 * x)] = uchar(qRed(c));
    line_[size_t(3 * x + 1)] = uchar(qGreen(c));
    line_[size_t(3 * x + 2)] = uchar(qBlue(c));
  }
  AddRgbRow(y, line_.data());
}

QImage PreviewAverager::Result() const {
  if (preview_.isEmpty()) return QImage();
  QImage preview(preview_, QImage::Format_RGB888);
  if (preview.isNull()) return preview;
  const int pw = preview_.width();
  for (int j = 0; j < preview_.height(); ++j) {
    const quint64* sums = sums_.data() + size_t(3) * size_t(pw) * size_t(j);
    const quint64 rowCount = quint64(rows_[size_t(j)].to - rows_[size_t(j)].from);
    uchar* out = preview.scanLine(j);
    for (int i = 0; i < pw; ++i) {
      const quint64 count = rowCount * quint64(columns_[size_t(i)].to - columns_[size_t(i)].from);
      for (int c = 0; c < 3; ++c) out[3 * i + c] = uchar((sums[3 * i + c] + count / 2) / count);
    }
  }
  return preview;
}

QImage AveragedPreview(const QImage& picture, QSize size) {
  if (picture.isNull() || size.isEmpty()) return QImage();
  PreviewAverager averager(picture.size(), size);
  const bool indexed = picture.format() == QImage::Format_Indexed8;
  if (indexed) averager.SetTable(picture.colorTable());
  std::vector<uchar> line;
  if (!indexed && picture.format() != QImage::Format_RGB888)
    line.resize(size_t(3) * size_t(picture.width()));
  for (int y = 0; y < picture.height(); ++y) {
    if (indexed)
      averager.AddIndexRow(y, picture.constScanLine(y));
    else if (line.empty())
      averager.AddRgbRow(y, picture.constScanLine(y));
    else
      averager.AddRgbRow(y, ConvertedLine(picture, y, line));
  }
  return averager.Result();
}

}  // namespace scoreink
