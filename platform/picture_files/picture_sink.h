#pragma once
// Where the pixels of a picture file go while the file is read: a band of rows at a time. A
// caller that keeps the picture in another form (8 bits, black and white, a small preview)
// then never holds the whole picture in the file's own form; one that keeps it as the file
// holds it gets the rows read straight into its picture.
#include <QImage>
#include <QList>
#include <QSize>
#include <vector>

namespace scoreink {

// How a file's rows reach a sink: 24-bit pixels (red, green, blue bytes) or table indices.
enum class RowKind { Rgb888, Indexed };

struct PictureShape {
  QSize size;
  RowKind kind = RowKind::Rgb888;
  QList<QRgb> table;  // Indexed: the file's colour table; indices past its end are black
  // The file's resolution, 0 where it gives none.
  int dotsPerMeterX = 0;
  int dotsPerMeterY = 0;
};

// Room for the rows of one band, top row first: row r at first + r * stride, each row
// width * 3 bytes (Rgb888) or width bytes (Indexed).
struct BandRows {
  uchar* first = nullptr;
  qsizetype stride = 0;
};

// Rows of rowBytes each that one band holds: a band stays within the second-level cache.
int RowsPerBand(qint64 rowBytes);

// The 24-bit rows of one band, kept by a sink that converts them in Filled; reused band after
// band.
class RgbBand {
 public:
  // Room for count rows of width pixels.
  BandRows Room(int width, int count);
  // Row r of the band (0 = the band's top row), which the sink may convert in place.
  uchar* Row(int r, int width) { return bytes_.data() + size_t(r) * 3 * size_t(width); }

 private:
  std::vector<uchar> bytes_;
};

class PictureSink {
 public:
  virtual ~PictureSink() = default;
  // Once, after the file passed every check that needs no pixel and before any row. False
  // when the memory for what the sink keeps cannot be had; the read then fails.
  virtual bool Begin(const PictureShape& shape) = 0;
  // Room for rows top .. top + count - 1, count at most RowsPerBand of a row's bytes. Bands
  // come in the file's order (bottom-up files: the bottom band first), each band whole.
  virtual BandRows Room(int top, int count) = 0;
  // The rows of the last Room hold their pixels.
  virtual void Filled(int top, int count) = 0;
  // Instead of Begin and the bands: a picture that only a reader of the whole file reads
  // (Format_RGB888, or Format_Indexed8 with the file's table).
  virtual void TakeWhole(QImage picture) = 0;
};

}  // namespace scoreink
