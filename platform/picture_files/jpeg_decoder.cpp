#include "platform/picture_files/jpeg_decoder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/picture_files/jpeg_scan_plan.h"
#include "platform/picture_files/jpeg_session.h"
#include "platform/picture_files/picture_limits.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

// Everything libjpeg touches, on the heap (the source buffer is 64 KB) and in one place, so
// that it outlives every step and is released by one destructor whatever happened.
struct DecodeSession {
  jpeg_decompress_struct cinfo = {};
  JpegErrors errors;
  JpegDeviceSource source;
  JpegMonitor monitor;
  bool created = false;
  BandRows band;  // where the rows of the band being decoded go
  int bandCount = 0;
  std::vector<JSAMPROW> rows;    // the band's row pointers
  std::vector<JSAMPLE> cmykRow;  // one row of four-component samples, for CMYK files
  bool invertedCmyk = false;

  j_common_ptr common() { return reinterpret_cast<j_common_ptr>(&cinfo); }
  ~DecodeSession() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

constexpr qint64 kSmallPicturePixels = qint64(1) << 20;
// A component sampled at a quarter of the picture in each direction has one 8 x 8 block per
// 1024 pixels, at one bit each at the very least.
constexpr qint64 kMostPixelsPerByte = 8 * 1024;
// Besides the whole-picture buffers: libjpeg's rows, tables and bookkeeping.
constexpr qint64 kJpegWorkingBytes = qint64(128) << 20;

DecodeSession& SessionOf(void* context) {
  return *static_cast<DecodeSession*>(context);
}

// The steps below run between setjmp and a possible longjmp: plain calls only.

void ReadHeaderStep(j_common_ptr, void* context) {
  DecodeSession& s = SessionOf(context);
  jpeg_read_header(&s.cinfo, TRUE);
  switch (s.cinfo.jpeg_color_space) {
    case JCS_CMYK:
    case JCS_YCCK:
      s.cinfo.out_color_space = JCS_CMYK;  // libjpeg turns YCCK into CMYK
      break;
    default:
      s.cinfo.out_color_space = JCS_RGB;  // grey is spread to three equal channels
      break;
  }
}

// CMYK to RGB. Adobe's applications store the four inks inverted (255 = no ink), and mark
// such files with their APP14 marker; plain CMYK stores the amount of ink.
void CmykRowToRgb(const JSAMPLE* cmyk, int width, bool inverted, uchar* rgb) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const int k = inverted ? cmyk[3] : 255 - cmyk[3];
    for (int i = 0; i < 3; ++i) {
      const int c = inverted ? cmyk[i] : 255 - cmyk[i];
      rgb[i] = uchar((c * k + 127) / 255);
    }
  }
}

void StartStep(j_common_ptr, void* context) {
  jpeg_start_decompress(&SessionOf(context).cinfo);
}

void DecodeBandStep(j_common_ptr, void* context) {
  DecodeSession& s = SessionOf(context);
  const bool cmyk = s.cinfo.out_color_space == JCS_CMYK;
  for (int r = 0; r < s.bandCount;) {
    JSAMPROW cmykTarget = s.cmykRow.data();
    JSAMPARRAY targets = cmyk ? &cmykTarget : &s.rows[size_t(r)];
    const int got =
        int(jpeg_read_scanlines(&s.cinfo, targets, cmyk ? 1 : JDIMENSION(s.bandCount - r)));
    if (got == 0) break;  // only a source that suspends gives nothing; ours fails instead
    if (cmyk)
      CmykRowToRgb(s.cmykRow.data(), int(s.cinfo.output_width), s.invertedCmyk, s.rows[size_t(r)]);
    r += got;
  }
}

QString ReasonFor(const DecodeSession& s, const QIODevice& in) {
  switch (s.errors.failure) {
    case JpegFailure::NotJpeg:
      return ReasonNotJpeg();
    case JpegFailure::EndOfData:
      return ReasonTruncated();
    case JpegFailure::TooManyScans:
      return ReasonBrokenJpeg(QStringLiteral("スキャンが %1 を超える").arg(kMaxJpegScans));
    case JpegFailure::TooMuchWork:
      return ReasonTooMuchWork();
    case JpegFailure::Cancelled:
      return ReasonCancelled();
    case JpegFailure::ReadFailed:
      return ReasonReadFailed(in);
    case JpegFailure::None:
    case JpegFailure::Libjpeg:
    case JpegFailure::WriteFailed:
      break;
  }
  return ReasonBrokenJpeg(QString::fromLocal8Bit(s.errors.message));
}

// What the scans in the file say against reading it; empty when nothing.
QString ReasonAgainstScans(const JpegScanPlan& plan) {
  if (plan.scans > kMaxJpegScans)
    return ReasonBrokenJpeg(QStringLiteral("スキャンが %1 を超える").arg(kMaxJpegScans));
  if (plan.work > kMaxJpegWork) return ReasonTooMuchWork();
  return QString();
}

// Bytes of the coefficient buffers that libjpeg keeps for the whole picture when the file has
// several scans (0 when it has one).
qint64 WholePictureBufferBytes(j_decompress_ptr cinfo) {
  if (!jpeg_has_multiple_scans(cinfo)) return 0;
  qint64 bytes = 0;
  for (int c = 0; c < cinfo->num_components; ++c) {
    const jpeg_component_info& comp = cinfo->comp_info[c];
    const qint64 across = (qint64(comp.width_in_blocks) + comp.h_samp_factor - 1) /
                          comp.h_samp_factor * comp.h_samp_factor;
    const qint64 down = (qint64(comp.height_in_blocks) + comp.v_samp_factor - 1) /
                        comp.v_samp_factor * comp.v_samp_factor;
    bytes += across * down * DCTSIZE2 * qint64(sizeof(JCOEF));
  }
  return bytes;
}

}  // namespace

QString ReadJpegInto(QIODevice& in, PictureSink& sink, ReadWatch* watch) {
  if (in.peek(1).isEmpty()) return in.atEnd() ? ReasonEmptyFile() : ReasonReadFailed(in);
  const qint64 begin = in.pos();
  const qint64 available = in.isSequential() ? -1 : in.size() - in.pos();
  auto session = std::make_unique<DecodeSession>();
  DecodeSession& s = *session;
  s.cinfo.err = InstallJpegErrors(s.errors);
  jpeg_create_decompress(&s.cinfo);
  s.created = true;
  // Until the file says what its buffers need: enough for every header.
  s.cinfo.mem->max_memory_to_use = long(kJpegWorkingBytes);
  UseDeviceSource(&s.cinfo, s.source, in);
  s.monitor.watch = watch;
  InstallJpegMonitor(&s.cinfo, s.monitor);

  if (!RunJpegStep(s.common(), ReadHeaderStep, &s)) return ReasonFor(s, in);
  const qint64 width = s.cinfo.image_width;
  const qint64 height = s.cinfo.image_height;
  if (!PictureSizeAllowed(width, height)) return ReasonTooLarge(width, height);
  // Every 8 x 8 block of at least one component costs a bit or more, so a file far smaller
  // than its picture cannot be whole: refuse it before taking the picture's memory.
  if (available >= 0 && width * height > kSmallPicturePixels &&
      width * height / kMostPixelsPerByte > available)
    return ReasonTruncated();
  // The scans are looked over before any pixel memory is taken: a file that would keep the
  // decoder busy for long is refused at once.
  JpegScanPlan plan;
  if (!in.isSequential()) {
    // From the start: libjpeg has read ahead into its own buffer.
    const qint64 readingAt = in.pos();
    if (in.seek(begin)) plan = PlanJpegScans(in);
    if (!in.seek(readingAt)) return ReasonReadFailed(in);
    if (const QString reason = ReasonAgainstScans(plan); !reason.isEmpty()) return reason;
  }
  // libjpeg's whole-picture buffers in memory (it has no other place for them), within bounds.
  const qint64 buffers = WholePictureBufferBytes(&s.cinfo);
  if (buffers > kMaxJpegBufferBytes)
    return ReasonTooLarge(width, height) + QStringLiteral(" (メモリが足りない)");
  s.cinfo.mem->max_memory_to_use = long(buffers + kJpegWorkingBytes);
  PictureShape shape;
  shape.size = QSize(int(width), int(height));
  if (!sink.Begin(shape))
    return ReasonTooLarge(width, height) + QStringLiteral(" (メモリが足りない)");
  // Progress: the scans read in first (when the file has several), then the rows.
  const qint64 scansWork = buffers > 0 ? plan.work : 0;
  const qint64 total = scansWork + width * height;
  s.monitor.plannedWork = scansWork;
  s.monitor.total = total;
  s.monitor.readingScans = true;
  if (s.cinfo.out_color_space == JCS_CMYK) {
    s.cmykRow.resize(size_t(width) * 4);
    s.invertedCmyk = s.cinfo.saw_Adobe_marker;
  }
  if (!RunJpegStep(s.common(), StartStep, &s)) return ReasonFor(s, in);
  s.monitor.readingScans = false;
  const int rowsPerBand = RowsPerBand(3 * width);
  for (int top = 0; top < int(height); top += s.bandCount) {
    if (CancelledBy(watch)) return ReasonCancelled();
    ReportTo(watch, scansWork + top * width, total);
    s.bandCount = std::min(rowsPerBand, int(height) - top);
    s.band = sink.Room(top, s.bandCount);
    s.rows.resize(size_t(s.bandCount));
    for (int r = 0; r < s.bandCount; ++r) s.rows[size_t(r)] = s.band.first + r * s.band.stride;
    if (!RunJpegStep(s.common(), DecodeBandStep, &s)) return ReasonFor(s, in);
    sink.Filled(top, s.bandCount);
  }
  ReportTo(watch, total, total);
  return QString();
}

}  // namespace scoreink
