#pragma once
// The small preview of a picture: each preview pixel the average of the picture pixels it
// covers, made straight from the picture's scan lines (no scaled or converted copy of the
// whole picture is ever made).
#include <QImage>
#include <QList>
#include <QSize>
#include <array>
#include <vector>

namespace scoreink {

// A 24-bit (Format_RGB888) picture of the given size. Preview pixel (i, j) averages the
// picture pixels x in [i W / w, (i + 1) W / w) and y in [j H / h, (j + 1) H / h) (at least one
// each way, so a small picture is enlarged by repeating its pixels), rounded to nearest. A
// null picture or a size that is not positive gives a null preview.
QImage AveragedPreview(const QImage& picture, QSize size);

// The same preview made from the picture's rows as they come, in any order, each row once:
// a picture read a band of rows at a time gives its preview without being held whole.
class PreviewAverager {
 public:
  PreviewAverager(QSize picture, QSize preview);
  // Row y as width pixels of red, green, blue bytes.
  void AddRgbRow(int y, const uchar* rgb);
  // Row y as width indices into table (indices past its end are black).
  void SetTable(const QList<QRgb>& table);
  void AddIndexRow(int y, const uchar* indices);
  // The preview of the rows added; null for a size that is not positive or no memory.
  QImage Result() const;

 private:
  struct Span {
    int from, to;
  };
  QSize picture_;
  QSize preview_;
  std::vector<Span> columns_;
  std::vector<Span> rows_;
  std::vector<quint64> sums_;     // red, green, blue of each preview pixel, row by row
  std::vector<quint32> rowSums_;  // of the row being added, for each preview column
  std::array<QRgb, 256> table_{};
  std::vector<uchar> line_;  // an indexed row as 24-bit pixels
};

}  // namespace scoreink
