#include "platform/picture_files/tiff_file.h"

#include <cstdio>
#include <memory>

#include "platform/files/device_write.h"
#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/tiff_messages.h"
#include "platform/picture_files/tiff_writer_messages.h"

namespace scoreink {

namespace {

// A few of libtiff's messages go to its process-wide handlers only, which print to the
// terminal: they are silenced once, before the first file is opened. libtiff serves nothing
// else in this program.
void SilenceProcessWideHandlers() {
  static const bool silenced = [] {
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    return true;
  }();
  (void)silenced;
}

TiffFile& Self(thandle_t handle) {
  return *static_cast<TiffFile*>(handle);
}

struct OptionsFree {
  void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

}  // namespace

TiffFile::TiffFile(QIODevice& device) : device_(device), start_(device.pos()) {}

TiffFile::~TiffFile() {
  if (tiff_) TIFFClose(tiff_);
}

bool TiffFile::Open() {
  return OpenAs("rm");
}

bool TiffFile::Create() {
  writing_ = true;
  return OpenAs("wm");
}

bool TiffFile::OpenAs(const char* mode) {
  SilenceProcessWideHandlers();
  const std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
  if (!options) return false;
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), tmsize_t(kMaxTiffAllocation));
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), OnError, this);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), OnWarning, this);
  // "m": no memory mapping, every byte comes through the device.
  tiff_ = TIFFClientOpenExt("TIFF", mode, this, Read, Write, Seek, Close, Size, NoMap, NoUnmap,
                            options.get());
  return tiff_ != nullptr;
}

QString TiffFile::Failure() const {
  if (pastEnd_) return ReasonTruncated();
  return ReasonBrokenTiff(QString::fromLocal8Bit(error_.c_str()));
}

QString TiffFile::WriteFailure() const {
  if (deviceFailed_) return ReasonWriteFailed(device_);
  return ReasonTiffNotWritten(QString::fromLocal8Bit(error_.c_str()));
}

tmsize_t TiffFile::Read(thandle_t self, void* data, tmsize_t size) {
  TiffFile& file = Self(self);
  const qint64 got = file.device_.read(static_cast<char*>(data), qint64(size));
  if (got < qint64(size) && file.device_.atEnd()) file.pastEnd_ = true;
  return tmsize_t(got);
}

tmsize_t TiffFile::Write(thandle_t self, void* data, tmsize_t size) {
  TiffFile& file = Self(self);
  if (!file.writing_) return -1;
  if (WriteFully(file.device_, static_cast<const char*>(data), qint64(size))) return size;
  file.deviceFailed_ = true;
  return -1;
}

toff_t TiffFile::Seek(thandle_t self, toff_t offset, int whence) {
  TiffFile& file = Self(self);
  const qint64 size = file.device_.size() - file.start_;
  qint64 base = 0;
  if (whence == SEEK_CUR) base = file.device_.pos() - file.start_;
  if (whence == SEEK_END) base = size;
  // Offsets read from a file may be anything: past the end is refused here (a QBuffer would
  // complain about it on the terminal). A writer goes a byte past the end to start its
  // directories on an even offset.
  if (!file.writing_ && (offset > toff_t(size) || qint64(offset) > size - base)) {
    file.pastEnd_ = true;
    return toff_t(-1);
  }
  const qint64 to = base + qint64(offset);
  if (!file.device_.seek(file.start_ + to)) {
    file.deviceFailed_ = file.writing_;  // a seek flushes what waits to be written
    return toff_t(-1);
  }
  return toff_t(to);
}

int TiffFile::Close(thandle_t) {
  return 0;
}

toff_t TiffFile::Size(thandle_t self) {
  TiffFile& file = Self(self);
  return toff_t(file.device_.size() - file.start_);
}

int TiffFile::NoMap(thandle_t, void**, toff_t*) {
  return 0;
}

void TiffFile::NoUnmap(thandle_t, void*, toff_t) {}

int TiffFile::OnError(TIFF*, void* self, const char*, const char* format, va_list args) {
  TiffFile& file = *static_cast<TiffFile*>(self);
  if (file.error_.empty()) {
    char text[256];
    std::vsnprintf(text, sizeof text, format, args);
    file.error_ = text;
  }
  return 1;  // handled: libtiff's process-wide handler is not called
}

int TiffFile::OnWarning(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

}  // namespace scoreink
