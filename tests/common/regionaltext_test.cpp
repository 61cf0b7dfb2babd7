#include "common/regionaltext.h"

#include <gtest/gtest.h>

using tavo::RegionalFormat;

namespace {
const QDateTime kAfternoon(QDate(2026, 12, 9), QTime(14, 5, 33));
const QDateTime kMidnight(QDate(2026, 12, 9), QTime(0, 0, 0));
}  // namespace

TEST(RegionalText, FrenchGeneralDate) {
  const RegionalFormat f(QLocale(QLocale::French, QLocale::France));
  EXPECT_EQ(f.dateTimeText(kAfternoon), "09/12/2026 14:05:33");
  EXPECT_EQ(f.dateTimeText(kMidnight), "09/12/2026");
}

TEST(RegionalText, RoundTripsInEveryLocale) {
  const QLocale locales[] = {
      QLocale::c(), QLocale(QLocale::French, QLocale::France), QLocale(QLocale::English, QLocale::UnitedStates),
      QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::German, QLocale::Germany)};
  const QDateTime times[] = {kAfternoon, kMidnight, QDateTime(QDate(1999, 1, 31), QTime(23, 59, 59)),
                             QDateTime(QDate(2026, 3, 1), QTime(0, 0, 1)),
                             QDateTime(QDate(2026, 7, 4), QTime(12, 0, 0))};
  for (const QLocale& l : locales) {
    const RegionalFormat f(l);
    for (const QDateTime& t : times) {
      const QString text = f.dateTimeText(t);
      EXPECT_FALSE(text.contains(QString::number(t.date().year() % 100) + ' ') && text.size() < 10) << text;
      const auto back = f.parseDateTimeText(text);
      ASSERT_TRUE(back.has_value()) << l.name().toStdString() << " " << text.toStdString();
      EXPECT_EQ(*back, t) << l.name().toStdString() << " " << text.toStdString();
    }
  }
}

TEST(RegionalText, PartsReadTheSameDateAndTime) {
  const RegionalFormat f(QLocale(QLocale::English, QLocale::UnitedStates));
  for (const QDateTime& t : {kAfternoon, kMidnight}) {
    const auto parts = f.parseDateTimeParts(f.dateTimeText(t));
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->first, t.date());
    EXPECT_EQ(parts->second, t.time());
  }
  EXPECT_FALSE(f.parseDateTimeParts("garbage").has_value());
}

TEST(RegionalText, ReaderRefusesWhatTheWriterNeverWrites) {
  const RegionalFormat f(QLocale(QLocale::French, QLocale::France));
  for (const char* bad : {"", "garbage", "09/12/26 14:05:33", "31/02/2026 10:00:00", "09/12/2026 25:00:00",
                          "09/12/2026 14:05", "09/12/2026 14:05:33 extra", "12.5"}) {
    EXPECT_FALSE(f.parseDateTimeText(QString::fromUtf8(bad)).has_value()) << bad;
  }
}

TEST(RegionalText, FixedPatterns) {
  const RegionalFormat fr(QLocale(QLocale::French, QLocale::France));
  const RegionalFormat de(QLocale(QLocale::German, QLocale::Germany));
  const RegionalFormat en(QLocale(QLocale::English, QLocale::UnitedStates));
  const QDateTime t(QDate(2026, 12, 8), QTime(14, 5, 0));
  EXPECT_EQ(tavo::ddmmyyyy(t.date()), "08122026");
  EXPECT_EQ(tavo::mmyyyy(t.date()), "122026");
  EXPECT_EQ(tavo::logBaseName(t), "081226-14-5");
  EXPECT_EQ(tavo::logBaseName(QDateTime(QDate(2026, 12, 1), QTime(9, 5))), "011226-9-5");
  EXPECT_EQ(fr.dayLabel(t.date()), "08/12/26");
  EXPECT_EQ(de.dayLabel(t.date()), "08.12.26");
  EXPECT_EQ(en.monthLabel(QDate(2026, 1, 5)), "Jan-26");
  EXPECT_EQ(fr.dayHourMinute(QDateTime(QDate(2026, 12, 8), QTime(9, 5))), "08/12/26 -- 09:05");
  EXPECT_EQ(fr.dayHourMinuteShort(QDateTime(QDate(2026, 12, 8), QTime(9, 5))), "08/12/26 -- 9:05");
  EXPECT_EQ(fr.hourMinute(QTime(14, 7)), "14:07");
  EXPECT_EQ(fr.timeOfDay(QTime(14, 5, 33)), "14:05:33");
  EXPECT_EQ(de.timeOfDay(QTime(9, 5, 3)), "09:05:03");
}

TEST(RegionalText, OneDecimal) {
  const RegionalFormat fr(QLocale(QLocale::French, QLocale::France));
  const RegionalFormat en(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(fr.oneDecimal(12.0), "12");
  EXPECT_EQ(fr.oneDecimal(12.5), "12,5");
  EXPECT_EQ(en.oneDecimal(12.5), "12.5");
  EXPECT_EQ(en.oneDecimal(12345.6), "12345.6");
  EXPECT_EQ(en.oneDecimal(0.0), "0");
}

// The text holds whole seconds: the first second of a day is the date alone,
// whatever its milliseconds.
TEST(RegionalText, MidnightIsTheWholeFirstSecond) {
  const RegionalFormat f(QLocale(QLocale::French, QLocale::France));
  const QDate d(2026, 12, 9);
  struct {
    QTime time;
    const char* text;
  } const cases[] = {
      {QTime(0, 0, 0, 0), "09/12/2026"},
      {QTime(0, 0, 0, 1), "09/12/2026"},
      {QTime(0, 0, 0, 999), "09/12/2026"},
      {QTime(0, 0, 1, 0), "09/12/2026 00:00:01"},
      {QTime(23, 59, 59, 999), "09/12/2026 23:59:59"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(f.dateTimeText(QDateTime(d, c.time)), c.text) << c.time.toString("hh:mm:ss.zzz").toStdString();
}
