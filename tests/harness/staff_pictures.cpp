#include "harness/staff_pictures.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"

namespace scoreink::test {
namespace {

void AddGrain(QImage& page, double deviation, unsigned seed) {
  if (deviation <= 0) return;
  std::mt19937 random(seed);
  std::normal_distribution<float> grain(0.0f, float(deviation));
  for (int y = 0; y < page.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      const int v = std::clamp(qRed(row[x]) + int(std::lround(grain(random))), 0, 255);
      row[x] = qRgb(v, v, v);
    }
  }
}

QImage Finish(QImage page, bool jpeg) {
  if (jpeg) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteJpeg(page, buffer, 75);
    page = DecodeJpeg(buffer.data()).image;
  }
  SetPixelFormat(page, PixelFormat::Bits8);
  return page;
}

void DrawText(QPainter& painter, const QRectF& box, double height, const QString& text,
              const QColor& ink = Qt::black) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(std::max(6, int(height)));
  painter.save();
  painter.setFont(font);
  painter.setPen(ink);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
  painter.restore();
}

const QString kLyrics = QStringLiteral(
    "Lo, how a rose e'er blooming from tender stem hath sprung, of Jesse's lineage coming as "
    "men of old have sung. It came, a flower bright, amid the cold of winter.");

}  // namespace

StaffPage DrawStaffPage(const StaffPageRecipe& recipe) {
  const double s = recipe.space;
  const int width = int(60 * s);
  const int height = int(std::min(90 * s, 3000.0));
  QImage page(width, height, QImage::Format_RGB32);
  page.fill(qRgb(recipe.paper, recipe.paper, recipe.paper));

  const double angle = recipe.skewDegrees * std::numbers::pi / 180;
  const QPointF centre(width / 2.0, height / 2.0);
  QPainter painter(&page);
  painter.setRenderHint(QPainter::Antialiasing, recipe.skewDegrees != 0);
  painter.translate(centre);
  painter.rotate(recipe.skewDegrees);
  painter.translate(-centre);
  painter.setPen(Qt::NoPen);
  const QColor ink(recipe.ink, recipe.ink, recipe.ink);
  painter.setBrush(ink);

  StaffPage result;
  const double left = 3 * s;
  const double right = width - 3 * s;
  const double t = recipe.thickness;
  double top = recipe.text ? 8 * s : 5 * s;
  if (recipe.text)
    DrawText(painter, QRectF(left, 2 * s, right - left, 5 * s), 2.5 * s, "Sonatina", ink);
  for (int n = 0; top + 4 * s + 5 * s < height; ++n, top += (recipe.text ? 12 : 10) * s) {
    DrawnStaff truth;
    for (int k = 0; k < 5; ++k) {
      const double y = top + k * s;  // centre of the line before the turn
      painter.drawRect(QRectF(left, y - t / 2, right - left, t));
      // The turn about the centre moves the line's centre at column x to this row; rows are
      // counted by pixel index, half a pixel above the painter's coordinates.
      truth.lineY[size_t(k)] =
          centre.y() + (y - centre.y()) / std::cos(angle) - centre.x() * std::tan(angle) - 0.5;
    }
    truth.slope = std::tan(angle);
    truth.left = int(left + 4 * s);
    truth.right = int(right - 4 * s);
    result.staves.push_back(truth);

    // A clef-like blot, heads in spaces and on lines with stems, a beam, a ledger line, a slur.
    painter.drawRect(QRectF(left + s, top - s, 1.2 * s, 6 * s));
    for (int i = 0; i < 12; ++i) {
      const double x = left + (5 + 4 * i) * s;
      const double y = top + ((i * 5) % 11 - 2) * s / 2;
      painter.drawEllipse(QPointF(x, y), 0.65 * s, 0.5 * s);
      painter.drawRect(QRectF(x + 0.5 * s, y - 3.5 * s, std::max(1.0, t), 3.5 * s));
      if (y < top - 0.2 * s) painter.drawRect(QRectF(x - s, top - s - t / 2, 2 * s, t));
    }
    QPolygonF beam;
    beam << QPointF(left + 5.5 * s, top - 3 * s) << QPointF(left + 9.5 * s, top - 3.5 * s)
         << QPointF(left + 9.5 * s, top - 3 * s) << QPointF(left + 5.5 * s, top - 2.5 * s);
    painter.drawPolygon(beam);
    QPainterPath slur;
    slur.moveTo(left + 30 * s, top + 5 * s);
    slur.cubicTo(left + 34 * s, top + 6.5 * s, left + 42 * s, top + 6.5 * s, left + 46 * s,
                 top + 5 * s);
    painter.strokePath(slur, QPen(ink, std::max(1.0, t)));
    if (recipe.text)
      DrawText(painter, QRectF(left, top + 6 * s, right - left, 3 * s), 1.4 * s, kLyrics, ink);
  }
  painter.end();
  AddGrain(page, recipe.noise, unsigned(s * 10 + recipe.thickness));
  result.picture = Finish(page, recipe.jpeg);
  return result;
}

QImage DrawStafflessPage(StafflessPage kind) {
  QImage page(1240, 1754, QImage::Format_RGB32);
  page.fill(kind == StafflessPage::GreyNoise ? qRgb(200, 200, 200) : qRgb(255, 255, 255));
  QPainter painter(&page);
  painter.setRenderHint(QPainter::Antialiasing);
  switch (kind) {
    case StafflessPage::Blank:
    case StafflessPage::GreyNoise:
      break;
    case StafflessPage::Text: {
      QString paragraph;
      for (int i = 0; i < 6; ++i) paragraph += kLyrics + QLatin1Char(' ');
      DrawText(painter, QRectF(100, 60, 1040, 80), 48, "Chapter One");
      for (int i = 0; i < 4; ++i)
        DrawText(painter, QRectF(100, 180 + 380 * i, 1040, 360), 22 + 4 * i, paragraph);
      break;
    }
    case StafflessPage::Photo: {
      QRadialGradient sky(QPointF(600, 500), 900);
      sky.setColorAt(0, QColor(250, 240, 200));
      sky.setColorAt(1, QColor(20, 30, 90));
      painter.fillRect(page.rect(), sky);
      painter.setPen(Qt::NoPen);
      for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv((i * 47) % 360, 180, 60 + (i * 37) % 190));
        painter.drawEllipse(QPointF((i * 211) % 1240, (i * 379) % 1754), 30 + i * 3, 20 + i * 2);
      }
      break;
    }
  }
  painter.end();
  AddGrain(page, kind == StafflessPage::Blank ? 0 : 12, 7);
  return Finish(page, kind == StafflessPage::Photo);
}

}  // namespace scoreink::test
