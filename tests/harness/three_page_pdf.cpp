#include "harness/three_page_pdf.h"

#include <QPainter>
#include <QPdfWriter>

namespace scoreink::test {

void WriteThreePagePdf(const QString& path) {
  QPdfWriter pdf(path);
  pdf.setPageSize(QPageSize(QPageSize::A5));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(300);
  QPainter painter(&pdf);
  for (int page = 1; page <= 3; ++page) {
    if (page > 1) pdf.newPage();
    const int cm = 300 * 100 / 254;
    painter.fillRect(QRect(cm, page * cm, 5 * cm, cm / 4), Qt::black);
    painter.drawText(QPoint(cm, 8 * cm), QStringLiteral("Page %1").arg(page));
  }
}

}  // namespace scoreink::test
