#include "editing/staff/symbol_fit_rules.h"

#include <QRegularExpression>
#include <array>

#include "editing/staff/staff_fit.h"

namespace scoreink {
namespace {

using enum StaffPlaces;

// Built-in symbols by number; those not listed are scaled and placed where dropped.
struct BuiltInFit {
  int number;
  SymbolFit fit;
};
constexpr std::array<BuiltInFit, 9> kBuiltInFits{{
    {1, {true, LinesOrSpaces, 0.5}},    // filled head
    {2, {true, LinesOrSpaces, 0.5}},    // open head
    {3, {true, Lines, 0.5}},            // filled head on its ledger line
    {4, {true, Lines, 0.5}},            // open head on its ledger line
    {10, {false, LinesOrSpaces, 0.5}},  // double sharp
    {11, {false, LinesOrSpaces, 0.5}},  // sharp: between its two cross strokes
    {12, {false, LinesOrSpaces, 0.7}},  // flat: the middle of its bowl
    {13, {false, LinesOrSpaces, 0.5}},  // natural
    {20, {false, Spaces, 0.5}},         // augmentation dot
}};

}  // namespace

int BuiltInSymbolNumber(const QString& imageName) {
  static const QRegularExpression builtIn(QStringLiteral("^Img([0-9]{2})$"));
  const QRegularExpressionMatch match = builtIn.match(imageName);
  if (!match.hasMatch()) return 0;
  const int number = match.captured(1).toInt();
  return number >= 1 && number <= 23 ? number : 0;
}

SymbolFit PaletteSymbolFit(const QString& imageName, const QImage& symbol) {
  if (const int number = BuiltInSymbolNumber(imageName)) {
    for (const BuiltInFit& entry : kBuiltInFits)
      if (entry.number == number) return entry.fit;
    return {};
  }
  if (imageName.startsWith(QLatin1String("OPImg")) && IsNoteHeadShape(symbol))
    return {true, LinesOrSpaces, 0.5};
  return {};
}

}  // namespace scoreink
