#include "numbers.h"

#include <cmath>
#include <limits>
#include <string>

namespace tavo {

namespace {
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

template <typename T>
T clampTo(double value) {
  if (std::isnan(value)) return 0;
  const double r = roundHalfEven(value);
  if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(r);
}
}  // namespace

double leadingNumber(const QString& text) {
  std::string s;  // the characters that make the number, blanks left out
  qsizetype i = 0;
  const qsizetype n = text.size();
  auto skip = [&] {
    while (i < n && isBlank(text.at(i))) ++i;
  };
  skip();
  if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
    s += static_cast<char>(text.at(i).unicode());
    ++i;
  }
  bool digits = false;
  bool point = false;
  for (skip(); i < n; skip()) {
    const QChar c = text.at(i);
    if (isDigit(c)) {
      s += static_cast<char>(c.unicode());
      digits = true;
    } else if (c == QLatin1Char('.') && !point) {
      s += '.';
      point = true;
    } else {
      break;
    }
    ++i;
  }
  if (!digits) return 0;
  // An exponent counts only when digits follow it.
  if (i < n) {
    const QChar e = text.at(i).toLower();
    if (e == QLatin1Char('e') || e == QLatin1Char('d')) {
      qsizetype j = i + 1;
      std::string exp = "e";
      while (j < n && isBlank(text.at(j))) ++j;
      if (j < n && (text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char('+'))) {
        exp += static_cast<char>(text.at(j).unicode());
        ++j;
      }
      bool expDigits = false;
      for (; j < n; ++j) {
        if (isBlank(text.at(j))) continue;
        if (!isDigit(text.at(j))) break;
        exp += static_cast<char>(text.at(j).unicode());
        expDigits = true;
      }
      if (expDigits) s += exp;
    }
  }
  return std::strtod(s.c_str(), nullptr);
}

double roundHalfEven(double value) {
  // Plain arithmetic rather than nearbyint under a set rounding mode: it
  // does not depend on the mode and costs no mode switches, which matter
  // when a large statistics file is read.
  if (!std::isfinite(value)) return value;
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::int16_t clampToInt16(double value) { return clampTo<std::int16_t>(value); }
std::int32_t clampToInt32(double value) { return clampTo<std::int32_t>(value); }

std::int16_t readInt16(const QString& text) { return clampToInt16(leadingNumber(text)); }
std::int32_t readInt32(const QString& text) { return clampToInt32(leadingNumber(text)); }

std::optional<std::int32_t> readInt32Checked(const QString& text) {
  const double r = roundHalfEven(leadingNumber(text));
  if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  return static_cast<std::int32_t>(r);
}

}  // namespace tavo
