#include "dialogs/core/pdf_resolution.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <iterator>

#include "platform/files/work_files.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {

namespace {

QString ResolutionFile() {
  return UserDataFolder() + QStringLiteral("PdfResolution.txt");
}

bool IsPdfResolution(int dpi) {
  return std::find(std::begin(kPdfResolutions), std::end(kPdfResolutions), dpi) !=
         std::end(kPdfResolutions);
}

}  // namespace

int RememberedPdfDpi() {
  QFile file(ResolutionFile());
  if (!file.open(QIODevice::ReadOnly)) return kDefaultPdfDpi;
  bool ok = false;
  const int dpi = file.read(16).trimmed().toInt(&ok);
  return ok && IsPdfResolution(dpi) ? dpi : kDefaultPdfDpi;
}

bool RememberPdfDpi(int dpi) {
  if (!IsPdfResolution(dpi)) return false;
  QSaveFile file(ResolutionFile());
  const QByteArray line = QByteArray::number(dpi);
  return file.open(QIODevice::WriteOnly) && file.write(line) == line.size() && file.commit();
}

}  // namespace scoreink
