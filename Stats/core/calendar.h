#pragma once
// Small calendar and column helpers shared by the analyser: durations as
// text, the raw-data column alignment, month and year bounds, and the
// tests that decide whether a day or month row lies in an analysis window.
#include <QDate>
#include <QString>
#include <cstdint>

namespace tavo::stats {

// The analysis window: whole dates, both bounds included.
struct AnalysisWindow {
  QDate start;
  QDate end;
  bool operator==(const AnalysisWindow&) const = default;
};

std::int64_t MaxLong(std::int64_t a, std::int64_t b);

// "h h mm": 65 -> "1 h 05"; from 1000 hours on only the hours: "1000 h".
// Negative durations round their hours down: -5 -> "-1 h 55".
QString FormatDuration(std::int64_t minutes);

// Right-aligned in 12 characters; a longer text comes back unchanged.
QString PadColumn(const QString& text);

// A quotient in double precision rounded toward minus infinity; 0 when
// the divisor is 0.
std::int64_t floorQuotient(std::int64_t value, std::int64_t divisor);

QDate FirstDayOfMonth(const QDate& d);
QDate LastDayOfMonth(const QDate& d);
QDate FirstDayOfYear(const QDate& d);
QDate LastDayOfYear(const QDate& d);

// Calendar months (years) from earlier's to later's, both counted.
int CountMonths(const QDate& later, const QDate& earlier);
int CountYears(const QDate& later, const QDate& earlier);

// One day later; the same day number one month later, a day past the new
// month's end running on into the following month (31 Jan -> 3 Mar).
QDate NextDay(const QDate& d);
QDate NextMonth(const QDate& d);

// A day label "dd/mm/yy" (written with dateSeparator) read back into its
// day; an invalid date when it cannot be read.
QDate dayFromLabel(const QString& label, const QString& dateSeparator);

// True when the day of the label lies in the window.
bool IsInDayWindow(const QString& label, const QString& dateSeparator, const AnalysisWindow& window);
// True when the two-digit year that ends the month label lies within the
// window's years; the month part is not looked at.
bool IsInMonthWindow(const QString& label, const AnalysisWindow& window);

}  // namespace tavo::stats
