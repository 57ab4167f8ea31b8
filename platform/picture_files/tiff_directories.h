#pragma once
// The pages of a TIFF file, found by following its chain of directories from the header: of
// each directory only its entry count and its link to the next are read, nothing is decoded.
#include <QIODevice>
#include <QString>

namespace scoreink {

struct TiffPages {
  int count = 0;
  QString reason;  // empty when count pages were found
};

// Walks the chain from the device's current position (the file's first byte) and goes back
// there. Refuses (count 0, reason set) an empty file, a file that is no TIFF, one whose first
// directory lies past its end, one without pages, more than most pages, and a chain that leads
// back to a directory already seen. A later link that points past the end of the file (a cut
// file, a careless writer) ends the chain: the pages before it are still there.
TiffPages FindTiffPages(QIODevice& in, int most);

}  // namespace scoreink
