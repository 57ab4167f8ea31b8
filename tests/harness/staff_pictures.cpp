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

// Every column moved down by its sag, between rows in proportion, as a bent page shows it.
void Sag(QImage& page, double depth, int paper) {
  if (depth == 0) return;
  const QImage flat = page.copy();
  std::vector<int> whole(size_t(page.width()));
  std::vector<double> part(size_t(page.width()));
  for (int x = 0; x < page.width(); ++x) {
    const double shift = PageSag(depth, page.width(), x);
    whole[size_t(x)] = int(std::floor(shift));
    part[size_t(x)] = shift - whole[size_t(x)];
  }
  auto at = [&](int x, int y) {
    return y < 0 || y >= flat.height()
               ? paper
               : qRed(reinterpret_cast<const QRgb*>(flat.constScanLine(y))[x]);
  };
  for (int y = 0; y < page.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      const int from = y - whole[size_t(x)];
      const double p = part[size_t(x)];
      const int v = int(std::lround((1 - p) * at(x, from) + p * at(x, from - 1)));
      row[x] = qRgb(v, v, v);
    }
  }
}

// A box blur of the given radius, across and then down.
void Blur(QImage& page, double radius) {
  const int r = int(std::lround(radius));
  if (r <= 0) return;
  const int w = page.width();
  const int h = page.height();
  std::vector<int> grey(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < w; ++x) grey[size_t(y) * size_t(w) + size_t(x)] = qRed(row[x]);
  }
  std::vector<int> across(grey.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sum = 0;
      for (int d = -r; d <= r; ++d)
        sum += grey[size_t(y) * size_t(w) + size_t(std::clamp(x + d, 0, w - 1))];
      across[size_t(y) * size_t(w) + size_t(x)] = sum;
    }
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
    for (int x = 0; x < w; ++x) {
      int sum = 0;
      for (int d = -r; d <= r; ++d)
        sum += across[size_t(std::clamp(y + d, 0, h - 1)) * size_t(w) + size_t(x)];
      const int v = sum / ((2 * r + 1) * (2 * r + 1));
      row[x] = qRgb(v, v, v);
    }
  }
}

void Binarise(QImage& page) {
  for (int y = 0; y < page.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
    for (int x = 0; x < page.width(); ++x)
      row[x] = qRed(row[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
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
  const QColor paper(recipe.paper, recipe.paper, recipe.paper);
  painter.setBrush(ink);
  const double sag = recipe.bend * s;
  // Where a point drawn before the turn ends up, in pixel-index coordinates after the sag.
  const QTransform turn = painter.transform();
  auto truthOf = [&](QPointF drawn) {
    const QPointF p = turn.map(drawn) - QPointF(0.5, 0.5);
    return QPointF(p.x(), p.y() + PageSag(sag, width, p.x()));
  };

  StaffPage result;
  const double pageLeft = 3 * s;
  const double pageRight = width - 3 * s;
  const double t = recipe.thickness;
  std::mt19937 random(unsigned(s * 10 + recipe.thickness));
  double top = recipe.text ? 8 * s : 5 * s;
  if (recipe.text)
    DrawText(painter, QRectF(pageLeft, 2 * s, pageRight - pageLeft, 5 * s), 2.5 * s, "Sonatina",
             ink);
  const int count = int((height - 9 * s - top) / ((recipe.text ? 12 : 10) * s)) + 1;
  for (int n = 0; n < count; ++n, top += (recipe.text ? 12 : 10) * s) {
    double left = pageLeft;
    double right = pageRight;
    if (recipe.unevenSystems && n == 0) {
      left += 8 * s;
      DrawText(painter, QRectF(pageLeft, top + 1.2 * s, 6 * s, 2 * s), 1.6 * s, "Piano", ink);
    }
    if (recipe.unevenSystems && n + 1 == count && n > 0) right = left + 0.4 * (right - left);
    if (recipe.tablature && n % 2 == 1) {
      for (int k = 0; k < 6; ++k)
        painter.drawRect(QRectF(left, top + k * s - t / 2, right - left, t));
      for (double x = left + 12 * s; x < right; x += 12 * s)
        painter.drawRect(QRectF(x, top, std::max(1.0, t), 5 * s));
      for (int i = 0; i < 20; ++i)
        DrawText(painter,
                 QRectF(left + (3 + 2.5 * i) * s, top + ((i * 3) % 6 - 0.6) * s, s, 1.2 * s),
                 1.1 * s, QString::number(i % 10), ink);
      continue;
    }
    const int staffIndex = int(result.staves.size());
    DrawnStaff truth;
    for (int k = 0; k < 5; ++k) {
      const double y = top + k * s;  // centre of the line before the turn
      if (recipe.lineGrey >= 0)
        painter.setBrush(QColor(recipe.lineGrey, recipe.lineGrey, recipe.lineGrey));
      painter.drawRect(QRectF(left, y - t / 2, right - left, t));
      painter.setBrush(ink);
      // The turn about the centre moves the line's centre at column x to this row; rows are
      // counted by pixel index, half a pixel above the painter's coordinates.
      truth.lineY[size_t(k)] =
          centre.y() + (y - centre.y()) / std::cos(angle) - centre.x() * std::tan(angle) - 0.5;
      if (recipe.oneBit) {
        // Binarisation breaks thin lines: gaps of a few pixels here and there.
        std::uniform_int_distribution<int> apart(int(2 * s), int(6 * s));
        std::uniform_int_distribution<int> gap(2, 4);
        painter.setBrush(paper);
        for (double x = left + apart(random); x < right - 2 * s; x += apart(random))
          painter.drawRect(QRectF(x, y - t / 2 - 0.5, gap(random), t + 1));
        painter.setBrush(ink);
      }
    }
    truth.slope = std::tan(angle);
    truth.left = int(std::lround(truthOf(QPointF(left, top + 2 * s)).x() + 0.5));
    truth.right = int(std::lround(truthOf(QPointF(right, top + 2 * s)).x() - 0.5));
    truth.sag = sag;
    truth.width = width;
    result.staves.push_back(truth);

    // A head at place (half spaces below the top line), with the ledger lines it needs.
    auto head = [&](double x, int place) {
      const double y = top + place * s / 2;
      painter.drawEllipse(QPointF(x, y), 0.65 * s, 0.5 * s);
      for (int p = -2; p >= place; p -= 2)
        painter.drawRect(QRectF(x - s, top + p * s / 2 - t / 2, 2 * s, t));
      for (int p = 10; p <= place; p += 2)
        painter.drawRect(QRectF(x - s, top + p * s / 2 - t / 2, 2 * s, t));
      const QPointF c = truthOf(QPointF(x, y));
      result.heads.push_back({staffIndex, c.x(), c.y(), place});
    };

    // A clef-like blot, heads in spaces and on lines with stems, a beam, a ledger line, a slur.
    painter.drawRect(QRectF(left + s, top - s, 1.2 * s, 6 * s));
    for (int i = 0; i < 12 && left + (6 + 4 * i) * s < right; ++i) {
      const double x = left + (5 + 4 * i) * s;
      const int place = (i * 5) % 11 - 2;
      head(x, place);
      painter.drawRect(
          QRectF(x + 0.5 * s, top + place * s / 2 - 3.5 * s, std::max(1.0, t), 3.5 * s));
    }
    QPolygonF beam;
    beam << QPointF(left + 5.5 * s, top - 3 * s) << QPointF(left + 9.5 * s, top - 3.5 * s)
         << QPointF(left + 9.5 * s, top - 3 * s) << QPointF(left + 5.5 * s, top - 2.5 * s);
    painter.drawPolygon(beam);
    if (right - left > 46 * s) {
      QPainterPath slur;
      slur.moveTo(left + 30 * s, top + 5 * s);
      slur.cubicTo(left + 34 * s, top + 6.5 * s, left + 42 * s, top + 6.5 * s, left + 46 * s,
                   top + 5 * s);
      painter.strokePath(slur, QPen(ink, std::max(1.0, t)));
    }
    if (recipe.ledgerHeads) {
      // Between the heads above: far above and below the staff; in the last bar, a chord.
      const int places[] = {12, 14, 15, 16, -8, -7, -5, -3};
      for (int i = 0; i < 8 && left + (9 + 4 * i) * s < right - 4 * s; ++i)
        head(left + (7 + 4 * (i + 1)) * s, places[i]);
      painter.drawRect(QRectF(right - 5 * s, top, std::max(1.0, t), 4 * s));  // bar line
      head(right - 3 * s, 3);
      head(right - 3 * s, 7);
      head(right - 1.5 * s, 10);
    }
    if (recipe.crossings) {
      // Near the start: a slur rising through the lines and a marking on them; near the end:
      // a hairpin, a beam and a word across them.
      QPainterPath slur;
      slur.moveTo(left + 2 * s, top + 4.5 * s);
      slur.cubicTo(left + 5 * s, top + 2 * s, left + 9 * s, top - 0.5 * s, left + 12 * s,
                   top - 0.5 * s);
      painter.strokePath(slur, QPen(ink, std::max(1.0, t)));
      DrawText(painter, QRectF(left + 2.5 * s, top + 1.6 * s, 8 * s, 2 * s), 1.8 * s, "cresc.",
               ink);
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(ink, std::max(1.0, t)));
      painter.drawPolyline(
          QPolygonF{{right - 12 * s, top + 2 * s}, {right - 2 * s, top + 0.6 * s}});
      painter.drawPolyline(
          QPolygonF{{right - 12 * s, top + 2 * s}, {right - 2 * s, top + 3.4 * s}});
      painter.setPen(Qt::NoPen);
      painter.setBrush(ink);
      painter.drawPolygon(QPolygonF{{right - 7 * s, top + 0.5 * s},
                                    {right - 4 * s, top + 3 * s},
                                    {right - 4 * s, top + 3.5 * s},
                                    {right - 7 * s, top + s}});
      DrawText(painter, QRectF(right - 5 * s, top - 0.8 * s, 5 * s, 2 * s), 1.6 * s, "rit.", ink);
    }
    if (recipe.text)
      DrawText(painter, QRectF(left, top + 6 * s, right - left, 3 * s), 1.4 * s, kLyrics, ink);
  }
  painter.end();
  Sag(page, sag, recipe.paper);
  Blur(page, recipe.blur);
  AddGrain(page, recipe.noise, unsigned(s * 10 + recipe.thickness));
  if (recipe.oneBit) Binarise(page);
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
    case StafflessPage::RuledPaper: {
      painter.setPen(QPen(QColor(90, 110, 160), 2));
      for (int y = 160; y < 1700; y += 32) painter.drawLine(60, y, 1180, y);
      painter.setPen(QPen(QColor(200, 40, 40), 2));
      painter.drawLine(150, 0, 150, 1754);
      for (int i = 0; i < 12; ++i)
        DrawText(painter, QRectF(170, 137 + 32 * 3 * i, 980, 30), 22, kLyrics.left(70));
      break;
    }
    case StafflessPage::Table: {
      painter.setPen(QPen(Qt::black, 2));
      for (int y = 120; y <= 1640; y += 40) painter.drawLine(80, y, 1160, y);
      for (const int x : {80, 300, 520, 840, 1160}) painter.drawLine(x, 120, x, 1640);
      for (int row = 0; row < 38; ++row)
        for (const int x : {90, 310, 530, 850})
          DrawText(painter, QRectF(x, 128 + 40 * row, 200, 30), 20, kLyrics.mid(row + x / 10, 14));
      break;
    }
    case StafflessPage::ShortTables: {
      // Tables of four rows ruled above and below each, words in the rows and no column rules:
      // five lines in step with nothing across them.
      painter.setPen(QPen(Qt::black, 2));
      for (int top = 120; top + 4 * 24 < 1700; top += 4 * 24 + 110) {
        for (int k = 0; k < 5; ++k) painter.drawLine(80, top + 24 * k, 1160, top + 24 * k);
        for (int row = 0; row < 4; ++row)
          for (const int x : {90, 400, 760})
            DrawText(painter, QRectF(x, top + 24 * row + 5, 300, 18), 14,
                     kLyrics.mid(row * 7 + x / 20, 24));
      }
      break;
    }
    case StafflessPage::Grid: {
      painter.setPen(QPen(QColor(120, 150, 120), 1));
      for (int y = 40; y < 1754; y += 24) painter.drawLine(0, y, 1240, y);
      for (int x = 40; x < 1240; x += 24) painter.drawLine(x, 0, x, 1754);
      break;
    }
    case StafflessPage::SingleLineStaff:
    case StafflessPage::TablatureStaff: {
      // Lines 16 pixels apart, with notes or fret numbers on them and bar lines across.
      const int lines = kind == StafflessPage::SingleLineStaff ? 1 : 6;
      painter.setPen(Qt::NoPen);
      painter.setBrush(Qt::black);
      for (int top = 150; top + 16 * lines < 1650; top += 16 * lines + 90) {
        for (int k = 0; k < lines; ++k) painter.drawRect(QRectF(80, top + 16 * k - 1, 1080, 2));
        const double bottom = top + 16 * (lines - 1);
        for (int i = 0; i < 40; ++i) {
          const double x = 120 + 26 * i;
          if (i % 8 == 0) {
            painter.drawRect(QRectF(x - 10, top - (lines == 1 ? 16 : 0), 2,
                                    bottom - top + (lines == 1 ? 32 : 0)));
            continue;
          }
          const int line = (i * 7) % lines;
          if (lines == 1) {
            painter.drawEllipse(QPointF(x, top + (i % 3 - 1) * 8), 10, 8);
            painter.drawRect(QRectF(x + 8, top - 50 + (i % 3 - 1) * 8, 2, 50));
          } else {
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(x - 6, top + 16 * line - 8, 12, 16));
            painter.setBrush(Qt::black);
            DrawText(painter, QRectF(x - 5, top + 16 * line - 9, 20, 18), 15,
                     QString::number((i * 3) % 13));
          }
        }
      }
      break;
    }
  }
  painter.end();
  AddGrain(page, kind == StafflessPage::Blank ? 0 : 12, 7);
  return Finish(page, kind == StafflessPage::Photo);
}

}  // namespace scoreink::test
