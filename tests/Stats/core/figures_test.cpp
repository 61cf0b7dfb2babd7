// Figures that must never turn negative or stick at a 32-bit clamp: sessions
// whose end is before their start (the autumn change of time, the clock set
// back), and average rates of lines far above 2^31 kbit/s.
#include "Stats/core/analysis.h"
#include "Stats/core/statsdata.h"
#include "tests/Stats/stats_fixtures.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <QTimeZone>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

namespace {

// The process runs in Paris time while the test lasts, as a French user's
// monitor did when it wrote the lines.

// A moment given in UTC, as the local date-time text the monitor writes.
QString localText(const QDateTime& utc) { return french().dateTimeText(utc.toLocalTime()); }

class BackwardSessionTest : public ::testing::Test {
 protected:
  QString path() const { return dir_.filePath("all_stats.csv"); }
  ParisTime paris_;
  QTemporaryDir dir_;
  SessionStore store_;
};

}  // namespace

TEST_F(BackwardSessionTest, ASessionEndingBeforeItsStartCountsNoMinutesButItsVolumes) {
  // 25 October 2026: at 03:00 summer time the clocks go back to 02:00. A
  // session from 02:50 summer time (00:50 UTC) to 02:10 winter time (01:10
  // UTC) is written as 02:50 to 02:10.
  const QDateTime start(QDate(2026, 10, 25), QTime(0, 50), QTimeZone::utc());
  const QDateTime end = start.addSecs(20 * 60);
  ASSERT_EQ(localText(start), "25/10/2026 02:50:00");
  ASSERT_EQ(localText(end), "25/10/2026 02:10:00");
  const struct {
    const char* what;
    QString line;
  } cases[] = {
      {"autumn change of time", localText(start) + ';' + localText(end) + ";9000;800;600;50"},
      // The clock set back by a year and more: some 10000 hours.
      {"large negative span", QStringLiteral("25/10/2026 02:50:00;12/08/2025 10:50:00;9000;800;600;50")},
      {"end one second early", QStringLiteral("25/10/2026 02:50:00;25/10/2026 02:49:59;9000;800;600;50")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // A normal session of the same day beside it: 60 minutes, 300 MB down.
    writeFile(path(), {QStringLiteral("25/10/2026 10:00:00;25/10/2026 11:00:00;5000;700;300;30"), c.line});
    ASSERT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::Loaded);
    ASSERT_EQ(store_.sessionCount(), 2);
    EXPECT_EQ(store_.sessionTable[1].minutes, 0);
    EXPECT_EQ(store_.totalMinutes, 60);
    SortSessions(store_);
    const PeriodSummary days = BuildDayRows(store_, french());
    const PeriodSummary months = BuildMonthRows(store_, french());
    for (const PeriodSummary* s : {&days, &months}) {
      ASSERT_EQ(s->count, 1);
      const PeriodRow& r = s->rows[0];
      EXPECT_EQ(r.duration, 60);
      EXPECT_EQ(r.dlVol, 900);  // the volumes of both sessions count
      EXPECT_EQ(r.ulVol, 80);
      EXPECT_EQ(r.dlMax, 9000);
      EXPECT_EQ(r.dlAvg, 2048);  // 900 MB over 60 minutes
      EXPECT_EQ(r.ulAvg, 182);
      EXPECT_EQ(s->dlAvg, 2048);
      EXPECT_EQ(s->ulAvg, 182);
    }
    const SummaryTexts t = summaryTexts(store_, days, months, french());
    EXPECT_EQ(t.lblDur, "1 h 00");
    EXPECT_EQ(t.lblDurJour, "1 h 00");
    EXPECT_EQ(t.main.lblDmoy, "2048");
    EXPECT_EQ(t.main.lblUmoy, "182");
  }
}

TEST_F(BackwardSessionTest, OnlyBackwardSessionsGiveZeroDurationsAndRates) {
  writeFile(path(), {QStringLiteral("25/10/2026 02:50:00;25/10/2026 02:10:00;9000;800;600;50"),
                     QStringLiteral("26/10/2026 02:50:00;12/08/2025 10:50:00;9000;800;700;60")});
  ASSERT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::Loaded);
  SortSessions(store_);
  const PeriodSummary days = BuildDayRows(store_, french());
  const PeriodSummary months = BuildMonthRows(store_, french());
  EXPECT_EQ(store_.totalMinutes, 0);
  EXPECT_EQ(days.totalDlVol, 1300);
  const SummaryTexts t = summaryTexts(store_, days, months, french());
  for (const QString& text : {t.lblDur, t.lblDurJour, t.lblDurMois}) EXPECT_EQ(text, "0 h 00");
  for (const QString& text : {t.main.lblDmoy, t.main.lblUmoy, t.days.lblDmoy_max, t.days.lblUmoy_max,
                              t.months.lblDmoy_max, t.months.lblUmoy_max})
    EXPECT_EQ(text, "0");
  const PanelTexts p = panelTexts(days, french());
  EXPECT_EQ(p.lblDur, "0 h 00");
  EXPECT_EQ(p.meanDuration, "0 h 00");
  for (const PeriodRow& r : days.rows) EXPECT_FALSE(rawDataLine(r).contains('-')) << rawDataLine(r).toStdString();
}

TEST(LargeAverages, AboveTwoToTheThirtyOneTheyAreExactAndTheRightRowWins) {
  // 10 Gbit/s lines summed over the interfaces, over a few minutes a day:
  // row averages far beyond the 32-bit range.
  constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
  const struct {
    std::int64_t megabytes, minutes, average;
  } cases[] = {
      {300, 120, 341},
      {2'000'000'000, 1, 273'066'666'667},  // 8192/60 × 2e9, rounded
      {1'000'000'000, 60, 2'275'555'556},   // just above 2^31
      {15'728'640, 1, 2'147'483'648},       // 2^31 exactly: 8192/60 × 15728640
      {kInt32Max, 2, 146'601'550'302},      // a whole 32-bit volume in two minutes
      {600, 0, 0},                          // no minutes: no rate
      {600, -5, 0},                         // never a negative rate
  };
  for (const auto& c : cases)
    EXPECT_EQ(averageRate(c.megabytes, c.minutes), c.average) << c.megabytes << " MB / " << c.minutes << " min";

  // Two days whose mean rates pass the 32-bit range: the higher one, the
  // earlier, must win, with no clamp making them tie.
  std::vector<PeriodRow> rows{row("01/12/26", 1, 0, 0, 2'000'000'000, 1'000'000'000),
                              row("02/12/26", 2, 0, 0, 2'000'000'000, 1'500'000'000)};
  for (PeriodRow& r : rows) {
    r.dlAvg = averageRate(r.dlVol, r.duration);
    r.ulAvg = averageRate(r.ulVol, r.duration);
  }
  const PeriodSummary s = summaryOf(rows);
  EXPECT_EQ(s.maxDlAvg, 273'066'666'667);
  EXPECT_EQ(s.maxDlAvgLabel, "01/12/26");
  EXPECT_EQ(s.maxUlAvg, 136'533'333'333);
  EXPECT_EQ(s.maxUlAvgLabel, "01/12/26");
  EXPECT_EQ(s.dlAvg, averageRate(4'000'000'000, 3));
  EXPECT_GT(s.dlAvg, kInt32Max);
  const PanelTexts t = panelTexts(s, french());
  EXPECT_EQ(t.period.lblDmoy_max, "273066666667");
  EXPECT_EQ(t.period.lblDmoy_max_date, "01/12/26");
  EXPECT_EQ(t.main.lblDmoy, QString::number(averageRate(4'000'000'000, 3)));
  EXPECT_TRUE(rawDataLine(s.rows[0]).contains("273066666667"));
}

TEST(LargeAverages, FoldedFromSessionsTheBusierDayWins) {
  // Ten sessions of one minute on 1 December, each a whole 32-bit volume,
  // then one of two minutes on 2 December: both days far above 2^31 kbit/s,
  // the first twice as high. Clamped, the two would tie and the later win.
  constexpr std::int32_t kVolume = std::numeric_limits<std::int32_t>::max();
  std::vector<Session> sessions;
  for (int i = 0; i < 10; ++i) sessions.push_back({at(2026, 12, 1, 10, 2 * i), 1, 0, 0, kVolume, 1});
  sessions.push_back({at(2026, 12, 2, 10), 2, 0, 0, kVolume, 1});
  const SessionStore st = storeOf(french(), sessions);
  const PeriodSummary days = BuildDayRows(st, french());
  ASSERT_EQ(days.count, 2);
  EXPECT_EQ(days.rows[0].dlAvg, 293'203'100'604);
  EXPECT_EQ(days.rows[1].dlAvg, 146'601'550'302);
  EXPECT_EQ(days.maxDlAvg, 293'203'100'604);
  EXPECT_EQ(days.maxDlAvgLabel, "01/12/26");
  const SummaryTexts t = summaryTexts(st, days, BuildMonthRows(st, french()), french());
  EXPECT_EQ(t.days.lblDmoy_max, "293203100604");
  EXPECT_EQ(t.days.lblDmoy_max_date, "01/12/26");
}
