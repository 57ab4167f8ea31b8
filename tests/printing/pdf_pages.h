#pragma once
// Reading printed PDF pages back: the page count, and a page rendered to grey pixels by
// poppler's pdftoppm, as a printer's raster would see it.
#include <QImage>
#include <QRect>
#include <QString>

namespace scoreink::test {

// Pages in the file, -1 when pdfinfo cannot read it.
int PdfPageCount(const QString& pdf);

// The first page at dpi as 8-bit grey; null when pdftoppm fails (the reason in *error).
QImage RenderFirstPage(const QString& pdf, int dpi, QString* error = nullptr);

// The smallest rectangle holding every pixel darker than threshold; empty when none is.
QRect InkBounds(const QImage& grey, int threshold = 128);
// Pixels darker than threshold inside rect.
int DarkPixels(const QImage& grey, const QRect& rect, int threshold = 128);

// rect (printer pixels at printerDpi, relative to the printable area's top-left, which sits
// marginPixels in from the sheet's corner) in pixels of a page rendered at renderDpi.
QRect OnRenderedPage(const QRect& rect, int printerDpi, int marginPixels, int renderDpi);

}  // namespace scoreink::test
