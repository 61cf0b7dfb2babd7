#include "Stats/core/calendar.h"

#include <gtest/gtest.h>

using namespace tavo::stats;

TEST(FormatDuration, TableOfDurations) {
  const struct {
    std::int64_t minutes;
    const char* text;
  } cases[] = {
      {0, "0 h 00"},
      {5, "0 h 05"},
      {65, "1 h 05"},
      {70, "1 h 10"},
      {600, "10 h 00"},
      {59999, "999 h 59"},
      {60000, "1000 h"},
      {61439, "1023 h"},
      {-5, "-1 h 55"},
      {95, "1 h 35"},
      // 64-bit totals of years of recording
      {std::int64_t{3000000000}, "50000000 h"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDuration(c.minutes), QString(c.text)) << c.minutes;
}

TEST(PadColumn, RightAlignsInTwelve) {
  EXPECT_EQ(PadColumn("1234"), QString(8, ' ') + "1234");
  EXPECT_EQ(PadColumn(""), QString(12, ' '));
  EXPECT_EQ(PadColumn("123456789012"), "123456789012");
  EXPECT_EQ(PadColumn("1234567890123"), "1234567890123");
}

TEST(CalendarBounds, LastDayOfMonthAndYear) {
  EXPECT_EQ(LastDayOfMonth(QDate(2028, 2, 3)), QDate(2028, 2, 29));
  EXPECT_EQ(LastDayOfMonth(QDate(2027, 2, 28)), QDate(2027, 2, 28));
  EXPECT_EQ(LastDayOfMonth(QDate(2026, 4, 1)), QDate(2026, 4, 30));
  EXPECT_EQ(LastDayOfMonth(QDate(2026, 12, 5)), QDate(2026, 12, 31));
  EXPECT_EQ(FirstDayOfMonth(QDate(2026, 12, 5)), QDate(2026, 12, 1));
  EXPECT_EQ(FirstDayOfYear(QDate(2026, 12, 5)), QDate(2026, 1, 1));
  EXPECT_EQ(LastDayOfYear(QDate(2026, 2, 5)), QDate(2026, 12, 31));
}

TEST(CalendarCounts, MonthsAndYearsBothCounted) {
  EXPECT_EQ(CountMonths(QDate(2027, 1, 15), QDate(2026, 11, 20)), 3);
  EXPECT_EQ(CountMonths(QDate(2026, 3, 31), QDate(2026, 3, 1)), 1);
  EXPECT_EQ(CountYears(QDate(2027, 3, 1), QDate(2026, 12, 31)), 2);
}

TEST(CalendarSteps, NextDayAndNextMonthCarry) {
  EXPECT_EQ(NextDay(QDate(2026, 12, 31)), QDate(2027, 1, 1));
  EXPECT_EQ(NextDay(QDate(2028, 2, 28)), QDate(2028, 2, 29));
  EXPECT_EQ(NextMonth(QDate(2026, 12, 1)), QDate(2027, 1, 1));
  EXPECT_EQ(NextMonth(QDate(2027, 1, 31)), QDate(2027, 3, 3));
  EXPECT_EQ(NextMonth(QDate(2028, 1, 31)), QDate(2028, 3, 2));
}

TEST(WindowTests, DayLabelsInsideAndOutside) {
  const AnalysisWindow w{QDate(2026, 11, 1), QDate(2026, 12, 31)};
  EXPECT_TRUE(IsInDayWindow("01/11/26", "/", w));
  EXPECT_TRUE(IsInDayWindow("31/12/26", "/", w));
  EXPECT_FALSE(IsInDayWindow("31/10/26", "/", w));
  EXPECT_FALSE(IsInDayWindow("01/01/27", "/", w));
  // Another regional separator reads the same way.
  EXPECT_TRUE(IsInDayWindow("01.11.26", ".", w));
  EXPECT_FALSE(IsInDayWindow("01.11.26", "/", w));
  EXPECT_FALSE(IsInDayWindow("garbage", "/", w));
}

TEST(WindowTests, MonthLabelsByTheirYear) {
  const AnalysisWindow w{QDate(2026, 1, 1), QDate(2027, 12, 31)};
  EXPECT_TRUE(IsInMonthWindow("Jan-26", w));
  EXPECT_TRUE(IsInMonthWindow("déc.-27", w));
  EXPECT_FALSE(IsInMonthWindow("Dec-25", w));
  EXPECT_FALSE(IsInMonthWindow("Dec-xx", w));
}
