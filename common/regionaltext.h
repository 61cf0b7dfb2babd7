#pragma once
// Date-time and number texts in the user's regional settings (QLocale()),
// as written into session lines and rate logs and read back by the
// analyser and the log viewer, plus the fixed patterns the suite uses.
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace tavo {

class RegionalFormat {
 public:
  explicit RegionalFormat(const QLocale& locale = QLocale());

  const QLocale& locale() const { return locale_; }

  // The general date form: short date with a four-digit year, a blank and
  // the time with seconds; the date alone when the time is 00:00:00 to
  // the second (milliseconds do not count).
  QString dateTimeText(const QDateTime& dt) const;
  // Reads back exactly what dateTimeText writes (both forms).
  std::optional<QDateTime> parseDateTimeText(const QString& text) const;
  // The same reading, as the date and the time of day written, without
  // placing them in the local time zone: much faster on large files, and
  // free of the zone's daylight-saving adjustments.
  std::optional<std::pair<QDate, QTime>> parseDateTimeParts(const QString& text) const;

  QString dateSeparator() const { return dateSep_; }
  QString timeSeparator() const { return timeSep_; }

  // "dd/mm/yy" with the regional date separator: 8 Dec 2026 -> 08/12/26.
  QString dayLabel(const QDate& d) const;
  // "mmm-yy": the regional abbreviated month name, "-", two-digit year.
  QString monthLabel(const QDate& d) const;
  // "dd/mm/yy -- hh:mm" (hours 00 to 23).
  QString dayHourMinute(const QDateTime& dt) const;
  // "dd/mm/yy -- h:mm" (hour without a leading zero).
  QString dayHourMinuteShort(const QDateTime& dt) const;
  // "h:mm" with the regional time separator.
  QString hourMinute(const QTime& t) const;
  // The time of day in the regional time format with seconds, as the
  // time part of dateTimeText: 14:05:33 under French settings.
  QString timeOfDay(const QTime& t) const;

  // One decimal in the regional number format, without a trailing zero:
  // 12 -> "12", 12.5 -> "12,5" under French settings.
  QString oneDecimal(double value) const;

  // The locale's words for true and false, used when booleans are saved.
  QString trueWord() const;
  QString falseWord() const;

 private:
  struct Token {
    enum Kind { Literal, Day, Month, MonthName, Year2, Year4, Hour24, Hour12, Minute, Second, AmPm } kind;
    int width = 0;  // digits for numeric fields: 1 = variable, 2 = fixed
    QString text;   // literal text
  };
  static std::vector<Token> tokenize(const QString& format);
  std::optional<std::pair<QDate, QTime>> parseWith(const std::vector<Token>& tokens, const QString& text,
                                                   bool withTime) const;

  QLocale locale_;
  QString dateFormat_;  // short date, four-digit year
  QString timeFormat_;  // time with seconds, no zone
  QString dateSep_;
  QString timeSep_;
  std::vector<Token> dateTokens_;
  std::vector<Token> dateTimeTokens_;
  QString monthNames_[12];  // the locale's short month names, asked once
};

// Fixed, locale-free patterns.
QString ddmmyyyy(const QDate& d);          // "ddmmyyyy": 08122026
QString mmyyyy(const QDate& d);            // "mmyyyy": 122026
QString logBaseName(const QDateTime& dt);  // "ddmmyy-h-m": 081226-14-5

}  // namespace tavo
