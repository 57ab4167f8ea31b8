#include "editing/staff/symbol_fit_rules.h"

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

SymbolFit BuiltInSymbolFit(int number) {
  for (const BuiltInFit& entry : kBuiltInFits)
    if (entry.number == number) return entry.fit;
  return {};
}

SymbolFit CustomSymbolFit(const QImage& symbol) {
  if (IsNoteHeadShape(symbol)) return {true, LinesOrSpaces, 0.5};
  return {};
}

}  // namespace scoreink
