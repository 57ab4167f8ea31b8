#pragma once
// Glyph outlines of a music font (Noto Music), in font units: y grows downward and the
// origin is on the baseline, as QRawFont gives them.
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <string>

namespace scoreink::tools {

class MusicFont {
 public:
  // Throws std::runtime_error when the file is not a usable font.
  explicit MusicFont(const QString& file);

  // Outline of one character; throws when the font has no glyph for it.
  QPainterPath Glyph(char32_t character) const;
  // Outlines of several characters set one after the other by their advances.
  QPainterPath Run(const std::u32string& characters) const;

 private:
  quint32 GlyphIndex(char32_t character) const;

  QRawFont font_;
};

// Characters of the Unicode musical symbols that the pictures are drawn from.
namespace glyphs {
inline constexpr char32_t kBrace = 0x1D114;
inline constexpr char32_t kOneLineStaff = 0x1D116;
inline constexpr char32_t kFiveLineStaff = 0x1D11A;
inline constexpr char32_t kGClef = 0x1D11E;
inline constexpr char32_t kFClef = 0x1D122;
inline constexpr char32_t kDoubleSharp = 0x1D12A;
inline constexpr char32_t kQuarterRest = 0x1D13D;
inline constexpr char32_t kEighthRest = 0x1D13E;
inline constexpr char32_t kSixteenthRest = 0x1D13F;
inline constexpr char32_t kThirtySecondRest = 0x1D140;
inline constexpr char32_t kVoidNoteHead = 0x1D157;
inline constexpr char32_t kBlackNoteHead = 0x1D158;
inline constexpr char32_t kFlag1 = 0x1D16E;
inline constexpr char32_t kTrill = 0x1D196;
inline constexpr char32_t kTurn = 0x1D197;
inline constexpr char32_t kWaveStroke = 0x1D19C;
inline constexpr char32_t kVerticalStroke = 0x1D1A0;
inline constexpr char32_t kFlat = 0x266D;
inline constexpr char32_t kNatural = 0x266E;
inline constexpr char32_t kSharp = 0x266F;
}  // namespace glyphs

}  // namespace scoreink::tools
