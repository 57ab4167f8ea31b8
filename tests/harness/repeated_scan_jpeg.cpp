#include "harness/repeated_scan_jpeg.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace scoreink::test {

QByteArray RepeatedScanJpeg(int side, int claimedSide, int repeats) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = cinfo.image_height = JDIMENSION(side);
  cinfo.input_components = 1;
  cinfo.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  std::vector<jpeg_scan_info> scans(64);
  for (int k = 0; k < 64; ++k) scans[size_t(k)] = {1, {0, 0, 0, 0}, k, k, 0, 0};
  cinfo.scan_info = scans.data();
  cinfo.num_scans = 64;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> white(size_t(side), 255);
  for (int y = 0; y < side; ++y) {
    JSAMPROW row = white.data();
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray file(reinterpret_cast<const char*>(buffer), qsizetype(size));
  std::free(buffer);
  const qsizetype frame = file.indexOf("\xFF\xC2");
  file[frame + 5] = file[frame + 7] = char(claimedSide >> 8);
  file[frame + 6] = file[frame + 8] = char(claimedSide);
  const qsizetype lastScan = file.lastIndexOf("\xFF\xDA");
  const qsizetype end = file.lastIndexOf("\xFF\xD9");
  return file.left(end) + file.mid(lastScan, end - lastScan).repeated(repeats) + file.mid(end);
}

}  // namespace scoreink::test
