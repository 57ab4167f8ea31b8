#pragma once
// A hostile JPEG that the tests and the benchmarks make themselves: white and grey, as
// jpegtran writes it with one DC scan and 63 scans of one AC coefficient each, with the last
// scan's bytes repeated before the end marker. A file of a few kilobytes that libjpeg would
// decode scan after scan over the whole picture.
#include <QByteArray>

namespace scoreink::test {

// side x side pixels; the frame claims claimedSide x claimedSide (a larger claim makes a small
// file that is refused in a moment); `repeats` more copies of the last scan.
QByteArray RepeatedScanJpeg(int side, int claimedSide, int repeats);

}  // namespace scoreink::test
