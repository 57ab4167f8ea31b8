#pragma once
// What the JPEG decoder and encoder share around libjpeg: an error manager that leaves
// with longjmp instead of ending the process, and source and destination managers over a
// QIODevice.
//
// libjpeg reports a fatal error by calling error_exit, which must not return. Ours jumps
// back to the setjmp of RunJpegStep. Everything between the two is C: a step function must
// hold no object with a destructor, because the jump skips destructors. The C++ objects
// (the picture, buffers, the device) live in the callers and outlive every step.
#include <QIODevice>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace scoreink {

class ReadWatch;

enum class JpegFailure {
  None,
  Libjpeg,       // libjpeg's own message
  NotJpeg,       // the data does not start like a JPEG file
  EndOfData,     // the file ends, or its data stops, before the picture does
  TooManyScans,  // a progressive file with more scans than any real encoder writes
  TooMuchWork,   // scans that together cover the picture more often than the work budget allows
  Cancelled,     // the user asked the reading to stop
  ReadFailed,    // the device would not give its bytes
  WriteFailed,   // the device would not take the bytes
};

struct JpegErrors {
  jpeg_error_mgr pub;  // first, so that libjpeg's pointer to it is a pointer to this
  std::jmp_buf jump;
  JpegFailure failure = JpegFailure::None;
  char message[JMSG_LENGTH_MAX] = {};
};

// Fills errors and returns its libjpeg part, for cinfo.err before jpeg_create_*.
jpeg_error_mgr* InstallJpegErrors(JpegErrors& errors);

// Runs step(cinfo, context) and returns true, or false when libjpeg failed inside it.
using JpegStep = void (*)(j_common_ptr cinfo, void* context);
bool RunJpegStep(j_common_ptr cinfo, JpegStep step, void* context);

// Progressive files decode each scan over the whole picture: a file made of thousands of
// tiny scans would take hours. Real encoders write a dozen or so.
inline constexpr int kMaxJpegScans = 500;

// libjpeg's progress monitor, which runs between rows of every scan: it stops the decoding
// when the scans grow past kMaxJpegScans or their work (the pixels of the components of each
// scan, added up) past kMaxJpegWork, or when the watch asks it to stop; while the scans of a
// file with several are read in, it reports how far they have come.
struct JpegMonitor {
  jpeg_progress_mgr pub = {};  // first: libjpeg's pointer to it is a pointer to this
  ReadWatch* watch = nullptr;
  // Reporting: the work of the scans (known beforehand), out of total; off when total is 0.
  qint64 plannedWork = 0;
  qint64 total = 0;
  bool readingScans = false;  // the scans are being read in, before the first row comes out
  // Counting, as the scans begin.
  int scansSeen = 0;
  qint64 workBefore = 0;  // of the scans before the current one
  qint64 scanWork = 0;    // of the current scan
};
void InstallJpegMonitor(j_decompress_ptr cinfo, JpegMonitor& monitor);

inline constexpr size_t kJpegIoBufferSize = 64 * 1024;

struct JpegDeviceSource {
  jpeg_source_mgr pub;
  QIODevice* device = nullptr;
  JOCTET buffer[kJpegIoBufferSize];
};
// The end of the data before the picture is complete is an error (EndOfData), never the
// fake end marker that libjpeg's own file source would insert.
void UseDeviceSource(j_decompress_ptr cinfo, JpegDeviceSource& source, QIODevice& device);

struct JpegDeviceDestination {
  jpeg_destination_mgr pub;
  QIODevice* device = nullptr;
  JOCTET buffer[kJpegIoBufferSize];
};
// Every write is checked; a device that takes fewer bytes fails the encoding (WriteFailed).
void UseDeviceDestination(j_compress_ptr cinfo, JpegDeviceDestination& destination,
                          QIODevice& device);

}  // namespace scoreink
