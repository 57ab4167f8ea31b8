#pragma once
// A PDF of music pages as notation programs write them (grand staves of thin lines, note heads,
// stems and beams as small filled shapes, text), for the benchmarks that open and save PDFs.
#include <QPainter>
#include <QPdfWriter>
#include <QString>

namespace scoreink::bench {

// Pages in points (100 device units each) on A4.
class PointPdf {
 public:
  explicit PointPdf(const QString& path);
  QPainter& NextPage(bool first);

 private:
  QPdfWriter writer_;
  QPainter painter_;
};

// Page (0 = the first) of the music: its title names the movement.
void DrawMusicPage(QPainter& p, int page);

// A file of that many music pages.
void WriteMusicPdf(const QString& path, int pages);

}  // namespace scoreink::bench
