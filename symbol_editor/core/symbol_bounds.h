#pragma once
// The size limits of a custom symbol: drawn, copied and registered at most 30 x 30 pixels,
// and never trimmed below 5 in either direction.
namespace scoreink {

inline constexpr int kSymbolSide = 30;
inline constexpr int kMinSymbolSide = 5;

}  // namespace scoreink
