#include "common/regionaltext.h"

#include <cmath>

namespace tavo {

namespace {

// The locale's short date with its year widened to four digits: two-digit
// years would read back into the 1900s.
QString fourDigitYearDate(const QLocale& l) {
  QString f = l.dateFormat(QLocale::ShortFormat);
  if (!f.contains(QLatin1String("yyyy"))) f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return f;
}

// The locale's long time without its time-zone part, which keeps seconds.
QString timeWithSeconds(const QLocale& l) {
  QString f = l.timeFormat(QLocale::LongFormat);
  QString out;
  bool quoted = false;
  for (QChar c : f) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && c == QLatin1Char('t')) continue;
    out += c;
  }
  out = out.trimmed();
  if (!out.contains(QLatin1Char('s'))) out.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
  return out;
}

QString firstSeparator(const QString& format, const QString& fallback) {
  for (QChar c : format) {
    if (c.isLetter() || c == QLatin1Char('\'')) continue;
    if (c.isSpace()) break;
    return QString(c);
  }
  return fallback;
}

QString two(int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }

}  // namespace

RegionalFormat::RegionalFormat(const QLocale& locale)
    : locale_(locale),
      dateFormat_(fourDigitYearDate(locale)),
      timeFormat_(timeWithSeconds(locale)),
      dateSep_(firstSeparator(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/"))),
      timeSep_(firstSeparator(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"))) {
  dateTokens_ = tokenize(dateFormat_);
  dateTimeTokens_ = tokenize(dateFormat_ + QLatin1Char(' ') + timeFormat_);
  for (int m = 1; m <= 12; ++m) monthNames_[m - 1] = locale_.monthName(m, QLocale::ShortFormat);
}

std::vector<RegionalFormat::Token> RegionalFormat::tokenize(const QString& format) {
  std::vector<Token> tokens;
  auto literal = [&](const QString& s) {
    if (!tokens.empty() && tokens.back().kind == Token::Literal) tokens.back().text += s;
    else tokens.push_back({Token::Literal, 0, s});
  };
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format.at(i);
    if (c == QLatin1Char('\'')) {
      const qsizetype end = format.indexOf(QLatin1Char('\''), i + 1);
      const qsizetype stop = end < 0 ? format.size() : end;
      literal(stop == i + 1 ? QStringLiteral("'") : format.mid(i + 1, stop - i - 1));
      i = stop + 1;
      continue;
    }
    qsizetype run = 1;
    while (i + run < format.size() && format.at(i + run) == c) ++run;
    const int w = run >= 2 ? 2 : 1;
    switch (c.unicode()) {
      case 'd': tokens.push_back({run >= 3 ? Token::Literal : Token::Day, w, {}}); break;
      case 'M': tokens.push_back({run >= 3 ? Token::MonthName : Token::Month, w, {}}); break;
      case 'y': tokens.push_back({run >= 4 ? Token::Year4 : Token::Year2, run >= 4 ? 4 : 2, {}}); break;
      case 'H': tokens.push_back({Token::Hour24, w, {}}); break;
      case 'h': tokens.push_back({Token::Hour12, w, {}}); break;
      case 'm': tokens.push_back({Token::Minute, w, {}}); break;
      case 's': tokens.push_back({Token::Second, w, {}}); break;
      case 'A':
      case 'a':
        tokens.push_back({Token::AmPm, 0, {}});
        run = (i + 1 < format.size() && format.at(i + 1).toLower() == QLatin1Char('p')) ? 2 : 1;
        break;
      default: literal(format.mid(i, run)); break;
    }
    i += run;
  }
  return tokens;
}

QString RegionalFormat::dateTimeText(const QDateTime& dt) const {
  // To the second: a line written within the first second of a day (any
  // milliseconds) is the date alone, as the text holds no milliseconds.
  const QTime t = dt.time();
  if (t.hour() == 0 && t.minute() == 0 && t.second() == 0) return locale_.toString(dt.date(), dateFormat_);
  return locale_.toString(dt, dateFormat_ + QLatin1Char(' ') + timeFormat_);
}

std::optional<std::pair<QDate, QTime>> RegionalFormat::parseWith(const std::vector<Token>& tokens, const QString& text,
                                                                 bool withTime) const {
  int day = -1, month = -1, year = -1, hour = 0, minute = 0, second = 0;
  int pm = -1;  // -1 no marker, 0 am, 1 pm
  bool hour12 = false;
  qsizetype p = 0;
  const qsizetype n = text.size();
  auto number = [&](int maxDigits, int minDigits, int& out) {
    qsizetype q = p;
    int v = 0;
    while (q < n && q - p < maxDigits && text.at(q).isDigit() && text.at(q).unicode() < 128) {
      v = v * 10 + (text.at(q).unicode() - '0');
      ++q;
    }
    if (q - p < minDigits) return false;
    out = v;
    p = q;
    return true;
  };
  for (const Token& t : tokens) {
    switch (t.kind) {
      case Token::Literal:
        if (QStringView(text).mid(p, t.text.size()) != t.text) return std::nullopt;
        p += t.text.size();
        break;
      case Token::Day:
        if (!number(2, t.width, day)) return std::nullopt;
        break;
      case Token::Month:
        if (!number(2, t.width, month)) return std::nullopt;
        break;
      case Token::Year4:
        if (!number(4, 4, year)) return std::nullopt;
        break;
      case Token::Year2:
        if (!number(2, 2, year)) return std::nullopt;
        year += 2000;
        break;
      case Token::Hour24:
        if (!number(2, t.width, hour)) return std::nullopt;
        break;
      case Token::Hour12:
        if (!number(2, t.width, hour)) return std::nullopt;
        hour12 = true;
        break;
      case Token::Minute:
        if (!number(2, t.width, minute)) return std::nullopt;
        break;
      case Token::Second:
        if (!number(2, t.width, second)) return std::nullopt;
        break;
      case Token::MonthName: {
        bool found = false;
        for (int m = 1; m <= 12 && !found; ++m) {
          const QString& name = monthNames_[m - 1];
          if (!name.isEmpty() && QStringView(text).mid(p, name.size()) == name) {
            month = m;
            p += name.size();
            found = true;
          }
        }
        if (!found) return std::nullopt;
        break;
      }
      case Token::AmPm: {
        const QString am = locale_.amText(), pmText = locale_.pmText();
        if (text.mid(p, pmText.size()).compare(pmText, Qt::CaseInsensitive) == 0) {
          pm = 1;
          p += pmText.size();
        } else if (text.mid(p, am.size()).compare(am, Qt::CaseInsensitive) == 0) {
          pm = 0;
          p += am.size();
        } else return std::nullopt;
        break;
      }
    }
  }
  if (p != n) return std::nullopt;
  if (hour12) {
    if (hour < 1 || hour > 12 || pm < 0) return std::nullopt;
    hour = hour % 12 + (pm == 1 ? 12 : 0);
  }
  const QDate date(year, month, day);
  if (!date.isValid()) return std::nullopt;
  if (!withTime) return std::pair{date, QTime(0, 0, 0)};
  const QTime time(hour, minute, second);
  if (!time.isValid()) return std::nullopt;
  return std::pair{date, time};
}

std::optional<std::pair<QDate, QTime>> RegionalFormat::parseDateTimeParts(const QString& text) const {
  if (auto full = parseWith(dateTimeTokens_, text, true)) return full;
  return parseWith(dateTokens_, text, false);
}

std::optional<QDateTime> RegionalFormat::parseDateTimeText(const QString& text) const {
  const auto parts = parseDateTimeParts(text);
  if (!parts) return std::nullopt;
  return QDateTime(parts->first, parts->second);
}

QString RegionalFormat::dayLabel(const QDate& d) const {
  return two(d.day()) + dateSep_ + two(d.month()) + dateSep_ + two(d.year() % 100);
}

QString RegionalFormat::monthLabel(const QDate& d) const {
  return locale_.monthName(d.month(), QLocale::ShortFormat) + QLatin1Char('-') + two(d.year() % 100);
}

QString RegionalFormat::dayHourMinute(const QDateTime& dt) const {
  return dayLabel(dt.date()) + QStringLiteral(" -- ") + two(dt.time().hour()) + timeSep_ + two(dt.time().minute());
}

QString RegionalFormat::dayHourMinuteShort(const QDateTime& dt) const {
  return dayLabel(dt.date()) + QStringLiteral(" -- ") + hourMinute(dt.time());
}

QString RegionalFormat::hourMinute(const QTime& t) const {
  return QString::number(t.hour()) + timeSep_ + two(t.minute());
}

QString RegionalFormat::timeOfDay(const QTime& t) const { return locale_.toString(t, timeFormat_); }

QString RegionalFormat::oneDecimal(double value) const {
  const double r = std::round(value * 10.0) / 10.0;
  QString s = locale_.toString(r, 'f', 1);
  const QString zero = locale_.decimalPoint() + locale_.zeroDigit();
  if (s.endsWith(zero)) s.chop(zero.size());
  s.remove(locale_.groupSeparator());
  return s;
}

QString RegionalFormat::trueWord() const {
  return locale_.language() == QLocale::French ? QStringLiteral("Vrai") : QStringLiteral("True");
}

QString RegionalFormat::falseWord() const {
  return locale_.language() == QLocale::French ? QStringLiteral("Faux") : QStringLiteral("False");
}

QString ddmmyyyy(const QDate& d) { return d.toString(QStringLiteral("ddMMyyyy")); }
QString mmyyyy(const QDate& d) { return d.toString(QStringLiteral("MMyyyy")); }

QString logBaseName(const QDateTime& dt) {
  return dt.date().toString(QStringLiteral("ddMMyy")) + QLatin1Char('-') + QString::number(dt.time().hour()) +
         QLatin1Char('-') + QString::number(dt.time().minute());
}

}  // namespace tavo
