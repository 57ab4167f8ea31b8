#include "platform/picture_files/jpeg_session.h"

#include <jerror.h>

#include <algorithm>

#include "platform/files/device_write.h"
#include "platform/picture_files/jpeg_scan_plan.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

namespace {

JpegErrors& ErrorsOf(j_common_ptr cinfo) {
  return *reinterpret_cast<JpegErrors*>(cinfo->err);
}

[[noreturn]] void ExitOnError(j_common_ptr cinfo) {
  JpegErrors& errors = ErrorsOf(cinfo);
  if (errors.failure == JpegFailure::None)
    errors.failure =
        cinfo->err->msg_code == JERR_NO_SOI ? JpegFailure::NotJpeg : JpegFailure::Libjpeg;
  (*cinfo->err->format_message)(cinfo, errors.message);
  std::longjmp(errors.jump, 1);
}

[[noreturn]] void Fail(j_common_ptr cinfo, JpegFailure failure, int code) {
  ErrorsOf(cinfo).failure = failure;
  cinfo->err->msg_code = code;
  ExitOnError(cinfo);
}

// Warnings are kept quiet, except those saying the data stopped early: the rest of the
// picture would be grey, and the user would take it for the whole.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  const int code = cinfo->err->msg_code;
  if (code == JWRN_JPEG_EOF) Fail(cinfo, JpegFailure::EndOfData, code);
  if (code == JWRN_HIT_MARKER) Fail(cinfo, JpegFailure::Libjpeg, code);  // data cut inside
  cinfo->err->num_warnings++;
}

qint64 ScanWork(j_decompress_ptr cinfo) {
  qint64 work = 0;
  for (int i = 0; i < cinfo->comps_in_scan; ++i)
    work += qint64(cinfo->cur_comp_info[i]->downsampled_width) *
            cinfo->cur_comp_info[i]->downsampled_height;
  return work;
}

void WatchDecoding(j_common_ptr common) {
  if (!common->is_decompressor) return;
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  JpegMonitor& m = *reinterpret_cast<JpegMonitor*>(cinfo->progress);
  if (CancelledBy(m.watch)) Fail(common, JpegFailure::Cancelled, common->err->msg_code);
  if (cinfo->input_scan_number > m.scansSeen) {
    m.scansSeen = cinfo->input_scan_number;
    if (m.scansSeen > kMaxJpegScans) Fail(common, JpegFailure::TooManyScans, common->err->msg_code);
    m.workBefore += m.scanWork;
    m.scanWork = ScanWork(cinfo);
    if (m.workBefore + m.scanWork > kMaxJpegWork)
      Fail(common, JpegFailure::TooMuchWork, common->err->msg_code);
  }
  if (m.readingScans && m.total > 0 && cinfo->total_iMCU_rows > 0)
    ReportTo(m.watch,
             std::min(m.plannedWork,
                      m.workBefore + m.scanWork * cinfo->input_iMCU_row / cinfo->total_iMCU_rows),
             m.total);
}

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
  auto* source = reinterpret_cast<JpegDeviceSource*>(cinfo->src);
  const qint64 got =
      source->device->read(reinterpret_cast<char*>(source->buffer), kJpegIoBufferSize);
  if (got < 0) Fail(reinterpret_cast<j_common_ptr>(cinfo), JpegFailure::ReadFailed, JERR_FILE_READ);
  if (got == 0) Fail(reinterpret_cast<j_common_ptr>(cinfo), JpegFailure::EndOfData, JERR_INPUT_EOF);
  source->pub.next_input_byte = source->buffer;
  source->pub.bytes_in_buffer = size_t(got);
  return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
  jpeg_source_mgr* source = cinfo->src;
  if (count <= 0) return;
  while (size_t(count) > source->bytes_in_buffer) {
    count -= long(source->bytes_in_buffer);
    FillInputBuffer(cinfo);
  }
  source->next_input_byte += count;
  source->bytes_in_buffer -= size_t(count);
}

void TermSource(j_decompress_ptr) {}

void InitDestination(j_compress_ptr cinfo) {
  auto* destination = reinterpret_cast<JpegDeviceDestination*>(cinfo->dest);
  destination->pub.next_output_byte = destination->buffer;
  destination->pub.free_in_buffer = kJpegIoBufferSize;
}

void WriteOut(j_compress_ptr cinfo, size_t count) {
  auto* destination = reinterpret_cast<JpegDeviceDestination*>(cinfo->dest);
  const char* bytes = reinterpret_cast<const char*>(destination->buffer);
  if (!WriteFully(*destination->device, bytes, qint64(count)))
    Fail(reinterpret_cast<j_common_ptr>(cinfo), JpegFailure::WriteFailed, JERR_FILE_WRITE);
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  WriteOut(cinfo, kJpegIoBufferSize);
  InitDestination(cinfo);
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  WriteOut(cinfo, kJpegIoBufferSize - cinfo->dest->free_in_buffer);
}

}  // namespace

jpeg_error_mgr* InstallJpegErrors(JpegErrors& errors) {
  jpeg_std_error(&errors.pub);
  errors.pub.error_exit = ExitOnError;
  errors.pub.emit_message = EmitMessage;
  return &errors.pub;
}

bool RunJpegStep(j_common_ptr cinfo, JpegStep step, void* context) {
  if (setjmp(ErrorsOf(cinfo).jump)) return false;
  step(cinfo, context);
  return true;
}

void InstallJpegMonitor(j_decompress_ptr cinfo, JpegMonitor& monitor) {
  monitor.pub.progress_monitor = WatchDecoding;
  cinfo->progress = &monitor.pub;
}

void UseDeviceSource(j_decompress_ptr cinfo, JpegDeviceSource& source, QIODevice& device) {
  source.device = &device;
  source.pub.init_source = InitSource;
  source.pub.fill_input_buffer = FillInputBuffer;
  source.pub.skip_input_data = SkipInputData;
  source.pub.resync_to_restart = jpeg_resync_to_restart;
  source.pub.term_source = TermSource;
  source.pub.next_input_byte = nullptr;
  source.pub.bytes_in_buffer = 0;
  cinfo->src = &source.pub;
}

void UseDeviceDestination(j_compress_ptr cinfo, JpegDeviceDestination& destination,
                          QIODevice& device) {
  destination.device = &device;
  destination.pub.init_destination = InitDestination;
  destination.pub.empty_output_buffer = EmptyOutputBuffer;
  destination.pub.term_destination = TermDestination;
  cinfo->dest = &destination.pub;
}

}  // namespace scoreink
