#include "editing/staff/staff_fit.h"

#include "editing/staff/symbol_scaling.h"

namespace scoreink {

double StaffFactor(const StaffGeometry& staves) {
  return staves.Found() ? staves.staffSpace / kBlankPageStaffSpace : 0;
}

QString StaffFactorText(const StaffGeometry& staves) {
  if (!staves.Found()) return QStringLiteral("譜表なし");
  return QStringLiteral("×") + QString::number(StaffFactor(staves), 'f', 1);
}

bool IsNoteHeadShape(const QImage& symbol) {
  const QRect ink = BlackBounds(symbol);
  if (ink.isEmpty()) return false;
  const double tall = ink.height() / kBlankPageStaffSpace;
  return tall >= 0.6 && tall <= 1.3 && ink.width() <= 2.5 * ink.height();
}

QImage FittedSymbol(const QImage& symbol, bool noteHead, const StaffGeometry& staves,
                    const QPainterPath& outline) {
  if (!staves.Found() || symbol.isNull()) return symbol;
  const QRect ink = BlackBounds(symbol);
  const double factor =
      noteHead && !ink.isEmpty() ? staves.staffSpace / ink.height() : StaffFactor(staves);
  if (outline.isEmpty() || ScaledSymbolSize(symbol.size(), factor) == symbol.size())
    return ScaledBlackMask(symbol, factor);
  return OutlineBlackMask(outline, symbol.size(), factor);
}

}  // namespace scoreink
