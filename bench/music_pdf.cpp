#include "bench/music_pdf.h"

#include <QPainterPath>

namespace scoreink::bench {

PointPdf::PointPdf(const QString& path) : writer_(path) {
  writer_.setResolution(7200);
  writer_.setPageSize(QPageSize(QPageSize::A4));
  writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
  painter_.begin(&writer_);
}

QPainter& PointPdf::NextPage(bool first) {
  if (!first) writer_.newPage();
  painter_.resetTransform();
  painter_.scale(100, 100);
  return painter_;
}

void DrawMusicPage(QPainter& p, int page) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(18);
  p.setFont(font);
  p.drawText(QPointF(200, 50), QStringLiteral("ソナタ 第%1楽章").arg(page + 1));
  font.setPixelSize(8);
  p.setFont(font);
  p.setRenderHint(QPainter::Antialiasing);
  for (int system = 0; system < 8; ++system) {
    for (int staff = 0; staff < 2; ++staff) {
      const double top = 90 + system * 92 + staff * 40;
      p.setPen(QPen(Qt::black, 0.4));
      for (int line = 0; line < 5; ++line)
        p.drawLine(QPointF(40, top + line * 5), QPointF(555, top + line * 5));
      for (int bar = 0; bar <= 4; ++bar)
        p.drawLine(QPointF(40 + bar * 128.75, top), QPointF(40 + bar * 128.75, top + 20));
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      for (int note = 0; note < 32; ++note) {
        const double x = 55 + note * 15.6;
        const double y = top + ((note * 5 + system * 3 + staff) % 11) * 2.5 - 2.5;
        QPainterPath head;
        head.addEllipse(QPointF(0, 0), 3.3, 2.3);
        p.save();
        p.translate(x, y);
        p.rotate(-20);
        p.drawPath(head);
        p.restore();
        p.fillRect(QRectF(x + 2.9, y - 17, 0.6, 17), Qt::black);  // stem
        if (note % 2 == 0) {                                      // beam to the next note
          QPainterPath beam;
          beam.moveTo(x + 2.9, y - 17);
          beam.lineTo(x + 18.5, y - 18.5);
          beam.lineTo(x + 18.5, y - 16.3);
          beam.lineTo(x + 2.9, y - 14.8);
          p.drawPath(beam);
        }
      }
      p.setPen(QPen(Qt::black));
    }
    p.drawText(QPointF(55, 90 + system * 92 + 75), QStringLiteral("さくら さくら やよいの そらは"));
  }
}

void WriteMusicPdf(const QString& path, int pages) {
  PointPdf pdf(path);
  for (int page = 0; page < pages; ++page) DrawMusicPage(pdf.NextPage(page == 0), page);
}

}  // namespace scoreink::bench
