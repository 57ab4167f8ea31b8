#pragma once
// The rows of one page as a TIFF file of its kind holds them, made a scan line at a time from
// the page itself (no copy of the page): 1-bit rows with black as 1, 8-bit grey levels, or the
// page's own rows (table indices, 24-bit colour).
#include <QImage>
#include <array>
#include <vector>

#include "platform/picture_files/tiff_page_kind.h"

namespace scoreink {

class TiffPageRows {
 public:
  // page is Format_Indexed8 or Format_RGB888, of the kind KindOfTiffPage gives it; it must
  // outlive this object.
  TiffPageRows(const QImage& page, TiffPageKind kind);
  int BytesPerRow() const;
  // Row y of the file; valid until the next call.
  const uchar* Row(int y);

 private:
  const QImage& page_;
  TiffPageKind kind_;
  bool indexed_;
  std::array<uchar, 256> levels_{};  // the grey level of each table entry
  std::vector<uchar> levelRow_;      // one row of grey levels
  std::vector<uchar> bitRow_;        // one row of 1-bit pixels
};

}  // namespace scoreink
