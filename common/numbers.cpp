#include "common/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

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
// The value of the collected characters ([-+]digits[.digits][e[-+]digits]),
// read the same under any regional settings: strtod would follow the
// process's LC_NUMERIC, and a French one stops "13.5" at its point.
double parseCollected(const std::string& s) {
  std::size_t start = 0;
  bool negative = false;
  if (start < s.size() && (s[start] == '+' || s[start] == '-')) {
    negative = s[start] == '-';
    ++start;
  }
  double value = 0;
  const char* first = s.data() + start;
  const char* last = s.data() + s.size();
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Beyond a double: as strtod does, infinity for too large, 0 for too small.
    // The magnitude's power of ten decides: digits before the point that are
    // not leading zeros, or else the zeros after it, plus the exponent.
    long long power = 0;
    std::size_t i = 0;
    const std::string_view body(first, static_cast<std::size_t>(last - first));
    while (i < body.size() && body[i] == '0') ++i;
    if (i < body.size() && body[i] >= '1' && body[i] <= '9') {
      while (i < body.size() && body[i] >= '0' && body[i] <= '9') {
        ++power;
        ++i;
      }
    } else if (i < body.size() && body[i] == '.') {
      ++i;
      while (i < body.size() && body[i] == '0') {
        --power;
        ++i;
      }
    }
    const std::size_t e = body.find('e');
    if (e != std::string_view::npos) {
      long long exponent = 0;
      const char* expFirst = body.data() + e + 1;
      bool expNegative = false;
      if (expFirst < last && (*expFirst == '+' || *expFirst == '-')) {
        expNegative = *expFirst == '-';
        ++expFirst;
      }
      for (const char* p = expFirst; p < last && exponent < 100000; ++p) exponent = exponent * 10 + (*p - '0');
      power += expNegative ? -exponent : exponent;
    }
    value = power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    return 0;
  }
  (void)ptr;
  return negative ? -value : value;
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
  return parseCollected(s);
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
