#include "Stats/core/calendar.h"

#include "common/numbers.h"

#include <QStringList>
#include <cmath>

namespace tavo::stats {

std::int64_t MaxLong(std::int64_t a, std::int64_t b) { return b < a ? a : b; }

QString FormatDuration(std::int64_t minutes) {
  const auto hours = static_cast<std::int64_t>(std::floor(static_cast<double>(minutes) / 60.0));
  const std::int64_t rest = minutes - 60 * hours;
  if (hours >= 1000) return QString::number(hours) + QStringLiteral(" h");
  return QString::number(hours) + (rest < 10 ? QStringLiteral(" h 0") : QStringLiteral(" h ")) + QString::number(rest);
}

QString PadColumn(const QString& text) {
  if (text.size() >= 12) return text;
  return QString(12 - text.size(), QLatin1Char(' ')) + text;
}

std::int64_t floorQuotient(std::int64_t value, std::int64_t divisor) {
  if (divisor == 0) return 0;
  return static_cast<std::int64_t>(std::floor(static_cast<double>(value) / static_cast<double>(divisor)));
}

QDate FirstDayOfMonth(const QDate& d) { return QDate(d.year(), d.month(), 1); }
QDate LastDayOfMonth(const QDate& d) { return QDate(d.year(), d.month(), d.daysInMonth()); }
QDate FirstDayOfYear(const QDate& d) { return QDate(d.year(), 1, 1); }
QDate LastDayOfYear(const QDate& d) { return QDate(d.year(), 12, 31); }

int CountMonths(const QDate& later, const QDate& earlier) {
  return (later.year() * 12 + later.month()) - (earlier.year() * 12 + earlier.month()) + 1;
}

int CountYears(const QDate& later, const QDate& earlier) { return later.year() - earlier.year() + 1; }

QDate NextDay(const QDate& d) { return d.addDays(1); }

QDate NextMonth(const QDate& d) {
  int year = d.year();
  int month = d.month() + 1;
  if (month > 12) {
    month = 1;
    ++year;
  }
  return QDate(year, month, 1).addDays(d.day() - 1);
}

QDate dayFromLabel(const QString& label, const QString& dateSeparator) {
  if (dateSeparator.isEmpty()) return {};
  const QStringList parts = label.split(dateSeparator);
  if (parts.size() != 3) return {};
  bool okDay = false, okMonth = false, okYear = false;
  const int day = parts[0].toInt(&okDay);
  const int month = parts[1].toInt(&okMonth);
  const int year = parts[2].toInt(&okYear);
  if (!okDay || !okMonth || !okYear || parts[2].size() != 2) return {};
  return QDate(2000 + year, month, day);
}

bool IsInDayWindow(const QString& label, const QString& dateSeparator, const AnalysisWindow& window) {
  const QDate day = dayFromLabel(label, dateSeparator);
  return day.isValid() && window.start <= day && day <= window.end;
}

bool IsInMonthWindow(const QString& label, const AnalysisWindow& window) {
  const double year = roundHalfEven(leadingNumber(label.right(2)) + 2000.0);
  return window.start.year() <= year && year <= window.end.year();
}

}  // namespace tavo::stats
