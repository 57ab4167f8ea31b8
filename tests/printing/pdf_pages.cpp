#include "pdf_pages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <optional>

namespace scoreink::test {

namespace {

constexpr int kToolTimeoutMs = 60000;

// Runs a poppler tool; its standard output, or null with the reason.
std::optional<QByteArray> RunTool(const QString& program, const QStringList& arguments,
                                  QString* error) {
  QProcess tool;
  tool.start(program, arguments);
  if (!tool.waitForFinished(kToolTimeoutMs) || tool.exitStatus() != QProcess::NormalExit ||
      tool.exitCode() != 0) {
    if (error) {
      *error = program + ": " + tool.errorString() + " " +
               QString::fromLocal8Bit(tool.readAllStandardError());
    }
    tool.kill();
    tool.waitForFinished(1000);
    return std::nullopt;
  }
  return tool.readAllStandardOutput();
}

}  // namespace

int PdfPageCount(const QString& pdf) {
  const std::optional<QByteArray> info = RunTool("pdfinfo", {pdf}, nullptr);
  if (!info) return -1;
  const QRegularExpressionMatch pages =
      QRegularExpression(R"(^Pages:\s+(\d+))", QRegularExpression::MultilineOption)
          .match(QString::fromUtf8(*info));
  return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QImage RenderFirstPage(const QString& pdf, int dpi, QString* error) {
  QTemporaryDir dir;
  const QString prefix = dir.filePath("page");
  if (!RunTool(
          "pdftoppm",
          {"-r", QString::number(dpi), "-gray", "-singlefile", "-f", "1", "-l", "1", pdf, prefix},
          error)) {
    return {};
  }
  QImage page(prefix + ".pgm");
  if (page.isNull() && error) *error = "pdftoppm wrote no readable page";
  return page.convertToFormat(QImage::Format_Grayscale8);
}

QRect InkBounds(const QImage& grey, int threshold) {
  QRect bounds;
  for (int y = 0; y < grey.height(); ++y) {
    const uchar* row = grey.constScanLine(y);
    int first = -1;
    int last = -1;
    for (int x = 0; x < grey.width(); ++x) {
      if (row[x] >= threshold) continue;
      if (first < 0) first = x;
      last = x;
    }
    if (first >= 0) bounds |= QRect(first, y, last - first + 1, 1);
  }
  return bounds;
}

int DarkPixels(const QImage& grey, const QRect& rect, int threshold) {
  const QRect inside = rect & grey.rect();
  int dark = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    const uchar* row = grey.constScanLine(y);
    for (int x = inside.left(); x <= inside.right(); ++x) dark += row[x] < threshold;
  }
  return dark;
}

QRect OnRenderedPage(const QRect& rect, int printerDpi, int marginPixels, int renderDpi) {
  const auto at = [&](int printerPixels) {
    return int(std::lround(double(printerPixels + marginPixels) * renderDpi / printerDpi));
  };
  return QRect(QPoint(at(rect.left()), at(rect.top())),
               QPoint(at(rect.right() + 1) - 1, at(rect.bottom() + 1) - 1));
}

}  // namespace scoreink::test
