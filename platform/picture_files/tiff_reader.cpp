#include "platform/picture_files/tiff_reader.h"

#include <QTransform>
#include <algorithm>
#include <vector>

#include "platform/picture_files/picture_limits.h"
#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/tiff_directories.h"
#include "platform/picture_files/tiff_file.h"
#include "platform/picture_files/tiff_file_rows.h"
#include "platform/picture_files/tiff_messages.h"
#include "platform/picture_files/tiff_row_plan.h"
#include "platform/picture_files/whole_picture.h"

namespace scoreink {

namespace {

QString ReasonNoMemory(QSize size) {
  return ReasonTooLarge(size.width(), size.height()) + QStringLiteral(" (メモリが足りない)");
}

// The band of the seen page that holds the file's rows first .. first + count - 1.
int BandTop(const TiffRowPlan& plan, int first, int count) {
  return plan.flipRows ? plan.shape.size.height() - first - count : first;
}

QString ReadConverted(TiffFile& file, const TiffRowPlan& plan, PictureSink& sink,
                      ReadWatch* watch) {
  const int width = plan.shape.size.width(), height = plan.shape.size.height();
  TiffFileRows rows(file.tiff());
  if (const QString reason = rows.Start(width, height); !reason.isEmpty()) return reason;
  const int rowsPerBand =
      RowsPerBand(qint64(width) * (plan.shape.kind == RowKind::Indexed ? 1 : 3));
  for (int first = 0; first < height;) {
    if (CancelledBy(watch)) return ReasonCancelled();
    const int count = std::min(rowsPerBand, height - first);
    const int top = BandTop(plan, first, count);
    const BandRows room = sink.Room(top, count);
    for (int i = 0; i < count; ++i) {
      const uchar* row = rows.Row(first + i);
      if (!row) return file.Failure();
      ConvertTiffRow(plan, row, room.first + room.stride * (plan.flipRows ? count - 1 - i : i),
                     width);
    }
    sink.Filled(top, count);
    first += count;
    ReportTo(watch, first, height);
  }
  return QString();
}

struct RgbaImage {
  TIFFRGBAImage image = {};
  bool begun = false;
  ~RgbaImage() {
    if (begun) TIFFRGBAImageEnd(&image);
  }
};

// The pages that only libtiff's RGBA reader knows, band by band. It flips the rows of a band
// itself when asked for the page's top row first.
QString ReadThroughRgba(TiffFile& file, const TiffRowPlan& plan, PictureSink& sink,
                        ReadWatch* watch) {
  const int width = plan.shape.size.width(), height = plan.shape.size.height();
  char message[1024] = "";
  RgbaImage rgba;
  if (!TIFFRGBAImageOK(file.tiff(), message) ||
      !TIFFRGBAImageBegin(&rgba.image, file.tiff(), 0, message))
    return ReasonUnreadableTiff(QString::fromLocal8Bit(message));
  rgba.begun = true;
  // A page stored on its side is read as stored and turned afterwards.
  rgba.image.req_orientation =
      uint16_t(plan.turn == TiffTurn::None ? ORIENTATION_TOPLEFT : plan.orientation);
  const int rowsPerBand = RowsPerBand(qint64(width) * 4);
  std::vector<uint32_t> band(size_t(width) * size_t(std::min(rowsPerBand, height)));
  for (int first = 0; first < height;) {
    if (CancelledBy(watch)) return ReasonCancelled();
    const int count = std::min(rowsPerBand, height - first);
    rgba.image.row_offset = first;
    rgba.image.col_offset = 0;
    if (!TIFFRGBAImageGet(&rgba.image, band.data(), uint32_t(width), uint32_t(count)))
      return file.Failure();
    const int top = BandTop(plan, first, count);
    const BandRows room = sink.Room(top, count);
    for (int i = 0; i < count; ++i)
      RgbaRowOnWhite(band.data() + size_t(i) * size_t(width), room.first + room.stride * i, width);
    sink.Filled(top, count);
    first += count;
    ReportTo(watch, first, height);
  }
  return QString();
}

QString ReadRows(TiffFile& file, const TiffRowPlan& plan, PictureSink& sink, ReadWatch* watch) {
  if (plan.samples == TiffSamples::ThroughRgba) return ReadThroughRgba(file, plan, sink, watch);
  return ReadConverted(file, plan, sink, watch);
}

QImage Turned(const QImage& stored, TiffTurn turn) {
  const QTransform clockwise = QTransform().rotate(90);
  switch (turn) {
    case TiffTurn::Transpose:
      return stored.transformed(clockwise).mirrored(true, false);
    case TiffTurn::Clockwise:
      return stored.transformed(clockwise);
    case TiffTurn::Transverse:
      return stored.transformed(clockwise).mirrored(false, true);
    case TiffTurn::Anticlockwise:
      return stored.transformed(QTransform().rotate(270));
    case TiffTurn::None:
      break;
  }
  return stored;
}

// A page stored on its side can be turned only once it is whole: it is read as stored, turned,
// and handed over whole.
QString ReadTurned(TiffFile& file, const TiffRowPlan& plan, PictureSink& sink, ReadWatch* watch) {
  WholePicture stored;
  if (!stored.Begin(plan.shape)) return ReasonNoMemory(plan.shape.size);
  if (const QString reason = ReadRows(file, plan, stored, watch); !reason.isEmpty()) return reason;
  QImage seen = Turned(stored.Take(), plan.turn);
  if (seen.isNull()) return ReasonNoMemory(plan.shape.size);
  seen.setDotsPerMeterX(plan.shape.dotsPerMeterY);
  seen.setDotsPerMeterY(plan.shape.dotsPerMeterX);
  sink.TakeWhole(std::move(seen));
  return QString();
}

}  // namespace

QString ReadTiffInto(QIODevice& in, PictureSink& sink, ReadWatch* watch, int page) {
  const TiffPages pages = FindTiffPages(in, kMaxTiffPages);
  if (!pages.reason.isEmpty()) return pages.reason;
  if (page < 0 || page >= pages.count) return ReasonNoSuchTiffPage(page, pages.count);
  TiffFile file(in);
  if (!file.Open()) return file.Failure();
  if (page > 0 && !TIFFSetDirectory(file.tiff(), tdir_t(page))) return file.Failure();
  const TiffRowPlan plan = PlanTiffRows(file.tiff());
  const QSize size = plan.shape.size;
  if (size.isEmpty()) return ReasonBadSize(size.width(), size.height());
  if (!PictureSizeAllowed(size.width(), size.height()))
    return ReasonTooLarge(size.width(), size.height());
  if (CancelledBy(watch)) return ReasonCancelled();
  if (plan.turn != TiffTurn::None) return ReadTurned(file, plan, sink, watch);
  if (!sink.Begin(plan.shape)) return ReasonNoMemory(size);
  return ReadRows(file, plan, sink, watch);
}

int CountTiffPages(QIODevice& in, QString& reason) {
  const TiffPages pages = FindTiffPages(in, kMaxTiffPages);
  reason = pages.reason;
  return pages.count;
}

}  // namespace scoreink
