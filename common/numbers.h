#pragma once
// Reading numbers out of the suite's text values: the leading number of a
// text (blanks skipped, "." as decimal point, no number gives 0), rounded
// to the nearest whole number with halves going to the even one.
#include <QString>
#include <cstdint>
#include <optional>

namespace tavo {

// The value of the text's leading number; 0 when it has none. Blanks and
// tabs are skipped wherever they stand; reading stops at the first
// character that cannot continue a number ("2048kb" gives 2048).
double leadingNumber(const QString& text);

// Nearest whole number, halves to even (12.5 -> 12, 13.5 -> 14).
double roundHalfEven(double value);

// Clamped into the holder's range, so an out-of-range value never wraps.
std::int16_t clampToInt16(double value);
std::int32_t clampToInt32(double value);

// The leading number rounded, held in 16 or 32 bits (clamped).
std::int16_t readInt16(const QString& text);
std::int32_t readInt32(const QString& text);

// The leading number rounded, or nothing when it does not fit in 32 bits.
std::optional<std::int32_t> readInt32Checked(const QString& text);

}  // namespace tavo
