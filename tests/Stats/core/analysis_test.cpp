#include "Stats/core/analysis.h"
#include "tests/Stats/stats_fixtures.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

namespace {
const RegionalFormat& english() {
  static const RegionalFormat f(QLocale(QLocale::English, QLocale::UnitedKingdom));
  return f;
}
}  // namespace

TEST(ChooseWindow, DaysByTheNumberOfMonthsSpanned) {
  const struct {
    QDate earliest, latest;
    int periods;
    bool picker;
    QDate start, end;
  } cases[] = {
      {QDate(2026, 3, 2), QDate(2026, 3, 20), 1, false, QDate(2026, 3, 1), QDate(2026, 4, 30)},
      {QDate(2026, 3, 31), QDate(2026, 3, 31), 1, false, QDate(2026, 3, 1), QDate(2026, 4, 30)},
      {QDate(2026, 3, 2), QDate(2026, 4, 3), 2, false, QDate(2026, 3, 1), QDate(2026, 4, 30)},
      {QDate(2025, 11, 5), QDate(2026, 2, 3), 4, true, QDate(2025, 11, 1), QDate(2025, 12, 31)},
  };
  for (const auto& c : cases) {
    const WindowChoice w = chooseWindow(PeriodKind::Day, c.earliest, c.latest);
    EXPECT_EQ(w.periods, c.periods);
    EXPECT_EQ(w.lastWindowOffset, c.periods - 2);
    EXPECT_EQ(w.needsPicker, c.picker);
    EXPECT_EQ(w.window.start, c.start);
    EXPECT_EQ(w.window.end, c.end);
  }
  const WindowChoice w = chooseWindow(PeriodKind::Day, QDate(2025, 11, 5), QDate(2026, 2, 3));
  EXPECT_EQ(windowAtOffset(PeriodKind::Day, w.firstDataDay, 1),
            (AnalysisWindow{QDate(2025, 12, 1), QDate(2026, 1, 31)}));
  EXPECT_EQ(windowAtOffset(PeriodKind::Day, w.firstDataDay, 2),
            (AnalysisWindow{QDate(2026, 1, 1), QDate(2026, 2, 28)}));
  EXPECT_EQ(periodText(PeriodKind::Day, english(), {QDate(2026, 1, 1), QDate(2026, 2, 28)}), "Jan-26 / Feb-26");
}

TEST(ChooseWindow, MonthsByTheNumberOfYearsSpanned) {
  const WindowChoice one = chooseWindow(PeriodKind::Month, QDate(2026, 5, 1), QDate(2026, 9, 9));
  EXPECT_FALSE(one.needsPicker);
  EXPECT_EQ(one.window, (AnalysisWindow{QDate(2026, 1, 1), QDate(2027, 12, 31)}));
  const WindowChoice two = chooseWindow(PeriodKind::Month, QDate(2025, 5, 1), QDate(2026, 9, 9));
  EXPECT_FALSE(two.needsPicker);
  EXPECT_EQ(two.window, (AnalysisWindow{QDate(2025, 1, 1), QDate(2026, 12, 31)}));

  const WindowChoice four = chooseWindow(PeriodKind::Month, QDate(2023, 5, 1), QDate(2026, 9, 9));
  EXPECT_TRUE(four.needsPicker);
  EXPECT_EQ(four.lastWindowOffset, 2);
  EXPECT_EQ(periodText(PeriodKind::Month, english(), four.window), "2023 / 2024");
  EXPECT_EQ(periodText(PeriodKind::Month, english(), windowAtOffset(PeriodKind::Month, four.firstDataDay, 2)),
            "2025 / 2026");
}

TEST(SelectRows, NoRowInTheWindowSelectsNothing) {
  const PeriodSummary all = summaryOf({row("05/03/26", 10, 1, 1, 1, 1)});
  PeriodSummary sel;
  ClearPeriodSummary(sel);
  EXPECT_EQ(SelectDayRows(all, {QDate(2026, 5, 1), QDate(2026, 6, 30)}, english(), sel), 0);
  EXPECT_EQ(sel.count, 0);
  EXPECT_EQ(sel.maxDl, 0);
}

TEST(SelectRows, TakesTheDaysOnBothSidesOfAMonthBoundary) {
  const PeriodSummary all = summaryOf({row("31/12/25", 10, 1, 1, 1, 1), row("31/01/26", 100, 2000, 10, 10, 1),
                                       row("01/02/26", 100, 2000, 10, 20, 2), row("01/03/26", 10, 1, 1, 1, 1)});
  PeriodSummary sel;
  ClearPeriodSummary(sel);
  ASSERT_EQ(SelectDayRows(all, {QDate(2026, 1, 1), QDate(2026, 2, 28)}, english(), sel), 2);
  EXPECT_EQ(sel.rows[0].label, "31/01/26");
  EXPECT_EQ(sel.rows[1].label, "01/02/26");
  EXPECT_EQ(sel.maxDlLabel, "01/02/26");  // equal maxima: the later day
  EXPECT_EQ(sel.totalDuration, 200);
  EXPECT_EQ(sel.dateMin.date(), QDate(2026, 1, 1));
  EXPECT_EQ(panelTexts(sel, english()).count, "2");
}

TEST(SelectRows, MonthWindowTakesItsYearsOnly) {
  const PeriodSummary all = summaryOf({row("Dec-24", 10, 1, 1, 1, 1), row("Jan-25", 10, 1, 1, 1, 1),
                                       row("Dec-26", 10, 1, 1, 1, 1), row("Jan-27", 10, 1, 1, 1, 1)});
  PeriodSummary sel;
  ClearPeriodSummary(sel);
  ASSERT_EQ(SelectMonthRows(all, {QDate(2025, 1, 1), QDate(2026, 12, 31)}, english(), sel), 2);
  EXPECT_EQ(sel.rows[0].label, "Jan-25");
  EXPECT_EQ(sel.rows[1].label, "Dec-26");
}

TEST(PanelTexts, MeanDurationRoundsDown) {
  PeriodSummary sel =
      summaryOf({row("01/03/26", 60, 1, 1, 20, 0), row("02/03/26", 70, 1, 1, 0, 0), row("03/03/26", 70, 1, 1, 0, 0)});
  sel.dateMin = at(2026, 3, 1);
  sel.dateMax = at(2026, 4, 30);
  const PanelTexts t = panelTexts(sel, english());
  EXPECT_EQ(t.meanDuration, "1 h 06");
  EXPECT_EQ(t.lblDur, "3 h 20");
  EXPECT_EQ(t.period.lblDtot_moy, "6");
  EXPECT_EQ(t.lblDateMin, "01/03/26");
  EXPECT_EQ(t.lblDateMax, "30/04/26");
}

TEST(RawData, LineOfTheWorkedExample) {
  const QString line = rawDataLine(row("08/12/26", 120, 2000, 400, 300, 30, 341, 34));
  EXPECT_EQ(line, QString(4, ' ') + "08/12/26" + QString(6, ' ') + "2 h 00" + QString(8, ' ') + "2000" +
                      QString(9, ' ') + "400" + QString(9, ' ') + "300" + QString(10, ' ') + "30" + QString(9, ' ') +
                      "341" + QString(10, ' ') + "34");
  EXPECT_EQ(line.size(), 96);
  const PeriodSummary three = summaryOf({row("a", 1, 1, 1, 1, 1), row("b", 1, 1, 1, 1, 1), row("c", 1, 1, 1, 1, 1)});
  EXPECT_EQ(FillRawDataList(three).size(), 3);
}

TEST(SummaryTexts, SingleSessionExample) {
  const SessionStore st = storeOf(english(), {{at(2026, 12, 8, 10), 95, 2000, 400, 300, 30}});
  const PeriodSummary days = BuildDayRows(st, english());
  const PeriodSummary months = BuildMonthRows(st, english());
  const SummaryTexts t = summaryTexts(st, days, months, english());
  EXPECT_EQ(t.lblNSes, "1");
  EXPECT_EQ(t.lblDateMin, "08/12/26");
  EXPECT_EQ(t.lblDateMax, "08/12/26");
  for (const QString* d : {&t.lblDur, &t.lblDurJour, &t.lblDurMois}) EXPECT_EQ(*d, "1 h 35");
  EXPECT_EQ(t.lblNJour, "1");
  EXPECT_EQ(t.lblNMois, "1");
  EXPECT_EQ(t.main.lblDateDmax, "08/12/26");
  EXPECT_EQ(t.days.lblDtot_max_date, "08/12/26");
  EXPECT_EQ(t.months.lblDtot_max_date, "Dec-26");
  EXPECT_EQ(t.months.lblUmoy_max_date, "Dec-26");
}

TEST(SummaryTexts, MeanVolumePerDayRoundsDown) {
  const SessionStore st = storeOf(english(), {{at(2026, 12, 8, 10), 10, 1, 1, 100, 0},
                                              {at(2026, 12, 9, 10), 10, 1, 1, 100, 0},
                                              {at(2026, 12, 10, 10), 10, 1, 1, 101, 0}});
  const SummaryTexts t = summaryTexts(st, BuildDayRows(st, english()), BuildMonthRows(st, english()), english());
  EXPECT_EQ(t.main.lblDtot, "301");
  EXPECT_EQ(t.days.lblDtot_moy, "100");
  EXPECT_EQ(t.months.lblDtot_moy, "301");
}
