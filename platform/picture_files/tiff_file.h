#pragma once
// A TIFF file opened through libtiff over a Qt device, to be read or written. libtiff's errors
// and warnings go to this file's own handlers (never to the terminal, and safe on any thread);
// the first error is kept for the user's message. No single allocation of libtiff's may exceed
// kMaxTiffAllocation.
#include <tiffio.h>

#include <QIODevice>
#include <QString>
#include <string>

namespace scoreink {

// Far above what a strip or tile of a page within the picture limit needs.
inline constexpr qint64 kMaxTiffAllocation = qint64(256) << 20;

class TiffFile {
 public:
  // The file starts at the device's current position.
  explicit TiffFile(QIODevice& device);
  ~TiffFile();
  TiffFile(const TiffFile&) = delete;
  TiffFile& operator=(const TiffFile&) = delete;

  // Opens the file and reads its first directory; false when libtiff refused it.
  bool Open();
  // Starts a new file for writing. The device must be readable too: libtiff reads back the
  // link of the last page when it adds another.
  bool Create();
  TIFF* tiff() const { return tiff_; }
  // Why the last libtiff call failed: the file ended before what it promised, or libtiff's
  // first error in its own words.
  QString Failure() const;
  // Why writing failed: the device refused bytes (a full disk), or libtiff's first error.
  QString WriteFailure() const;

 private:
  static tmsize_t Read(thandle_t self, void* data, tmsize_t size);
  static tmsize_t Write(thandle_t self, void* data, tmsize_t size);
  static toff_t Seek(thandle_t self, toff_t offset, int whence);
  static int Close(thandle_t);
  static toff_t Size(thandle_t self);
  static int NoMap(thandle_t, void**, toff_t*);
  static void NoUnmap(thandle_t, void*, toff_t);
  static int OnError(TIFF*, void* self, const char* module, const char* format, va_list args);
  static int OnWarning(TIFF*, void*, const char*, const char*, va_list);
  bool OpenAs(const char* mode);

  QIODevice& device_;
  qint64 start_;
  TIFF* tiff_ = nullptr;
  std::string error_;
  bool pastEnd_ = false;  // libtiff asked for bytes past the end of the file
  bool writing_ = false;
  bool deviceFailed_ = false;  // the device refused a write or a seek while writing
};

}  // namespace scoreink
