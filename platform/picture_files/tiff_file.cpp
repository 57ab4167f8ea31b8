#include "platform/picture_files/tiff_file.h"

#include <cstdio>
#include <memory>

#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/tiff_messages.h"

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

TiffFile::TiffFile(QIODevice& in) : in_(in), start_(in.pos()) {}

TiffFile::~TiffFile() {
  if (tiff_) TIFFClose(tiff_);
}

bool TiffFile::Open() {
  SilenceProcessWideHandlers();
  const std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
  if (!options) return false;
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), tmsize_t(kMaxTiffAllocation));
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), OnError, this);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), OnWarning, this);
  // "m": no memory mapping, every byte comes through the device.
  tiff_ = TIFFClientOpenExt("TIFF", "rm", this, Read, Write, Seek, Close, Size, NoMap, NoUnmap,
                            options.get());
  return tiff_ != nullptr;
}

QString TiffFile::Failure() const {
  if (pastEnd_) return ReasonTruncated();
  return ReasonBrokenTiff(QString::fromLocal8Bit(error_.c_str()));
}

tmsize_t TiffFile::Read(thandle_t self, void* data, tmsize_t size) {
  TiffFile& file = Self(self);
  const qint64 got = file.in_.read(static_cast<char*>(data), qint64(size));
  if (got < qint64(size) && file.in_.atEnd()) file.pastEnd_ = true;
  return tmsize_t(got);
}

tmsize_t TiffFile::Write(thandle_t, void*, tmsize_t) {
  return -1;
}

toff_t TiffFile::Seek(thandle_t self, toff_t offset, int whence) {
  TiffFile& file = Self(self);
  const qint64 size = file.in_.size() - file.start_;
  qint64 base = 0;
  if (whence == SEEK_CUR) base = file.in_.pos() - file.start_;
  if (whence == SEEK_END) base = size;
  // Offsets come from the file and may be anything: past the end is refused here (a
  // QBuffer would complain about it on the terminal).
  if (offset > toff_t(size) || qint64(offset) > size - base) {
    file.pastEnd_ = true;
    return toff_t(-1);
  }
  const qint64 to = base + qint64(offset);
  if (!file.in_.seek(file.start_ + to)) return toff_t(-1);
  return toff_t(to);
}

int TiffFile::Close(thandle_t) {
  return 0;
}

toff_t TiffFile::Size(thandle_t self) {
  TiffFile& file = Self(self);
  return toff_t(file.in_.size() - file.start_);
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
