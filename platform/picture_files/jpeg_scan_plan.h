#pragma once
// What the markers of a JPEG file say about the work of decoding it, read before libjpeg
// starts: how many scans the file has and how many component pixels they cover together. A
// progressive file decodes every scan over the whole picture, so a small file made of many
// scans (or of one scan repeated) can keep the decoder busy for minutes; the plan lets the
// reader refuse it at once, and lets the progress bar count the scans still to come.
#include <QIODevice>

namespace scoreink {

struct JpegScanPlan {
  bool found = false;  // the file starts like a JPEG and has a frame header before its scans
  int scans = 0;
  // Sum over the scans of the pixels of every component in the scan.
  qint64 work = 0;
};

// Follows the markers from the device's current position to the end of the image (or of the
// data) and seeks back to where it started. The device must allow seeking.
JpegScanPlan PlanJpegScans(QIODevice& in);

// The most work the program takes on for one file: a hundred passes over the pixels of the
// largest picture it opens, several seconds for the decoder.
inline constexpr qint64 kMaxJpegWork = qint64(100) << 28;

}  // namespace scoreink
