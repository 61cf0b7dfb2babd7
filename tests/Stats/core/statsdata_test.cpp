#include "Stats/core/statsdata.h"
#include "common/textfile.h"
#include "tests/Stats/stats_fixtures.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <tuple>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

namespace {

class LoadStatisticsTest : public ::testing::Test {
 protected:
  QString path() const { return dir_.filePath("all_stats.csv"); }
  LoadOutcome load(const QStringList& lines) {
    writeFile(path(), lines);
    return LoadStatistics(path(), french(), store_);
  }
  QTemporaryDir dir_;
  SessionStore store_;
};

}  // namespace

TEST_F(LoadStatisticsTest, MissingFileAndEmptyLinesLoadNothing) {
  EXPECT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::NoFile);
  EXPECT_EQ(load({"", "", ""}), LoadOutcome::NothingToLoad);
  EXPECT_EQ(store_.skippedLines, 0);
}

TEST_F(LoadStatisticsTest, ReadsTheFieldsAndIgnoresASeventh) {
  ASSERT_EQ(load({"01/12/2026 10:00:00;01/12/2026 11:30:00;2048;512;150;20;extra"}), LoadOutcome::Loaded);
  ASSERT_EQ(store_.sessionCount(), 1);
  const SessionRecord& r = store_.sessionTable[0];
  EXPECT_EQ(fromWallTime(r.start), at(2026, 12, 1, 10, 0));
  EXPECT_EQ(fromWallTime(r.end), at(2026, 12, 1, 11, 30));
  EXPECT_EQ(r.minutes, 90);
  EXPECT_EQ(r.dlMax, 2048);
  EXPECT_EQ(r.ulMax, 512);
  EXPECT_EQ(r.dlVol, 150);
  EXPECT_EQ(r.ulVol, 20);
  EXPECT_EQ(store_.totalMinutes, 90);
}

TEST_F(LoadStatisticsTest, NumbersRoundHalvesToEvenAndLettersGiveZero) {
  ASSERT_EQ(load({"01/12/2026 10:00:00;01/12/2026 10:00:00;12.5;13.5;abc;7 MB"}), LoadOutcome::Loaded);
  const SessionRecord& r = store_.sessionTable[0];
  EXPECT_EQ(r.minutes, 0);
  EXPECT_EQ(r.dlMax, 12);
  EXPECT_EQ(r.ulMax, 14);
  EXPECT_EQ(r.dlVol, 0);
  EXPECT_EQ(r.ulVol, 7);
}

TEST_F(LoadStatisticsTest, MinutesRoundHalvesToEvenAndMidnightReadsAsDateAlone) {
  ASSERT_EQ(load({"01/12/2026;01/12/2026 00:00:30;0;0;0;0", "01/12/2026 10:00:00;01/12/2026 10:01:30;0;0;0;0"}),
            LoadOutcome::Loaded);
  EXPECT_EQ(fromWallTime(store_.sessionTable[0].start), at(2026, 12, 1));
  EXPECT_EQ(store_.sessionTable[0].minutes, 0);  // 0.5
  EXPECT_EQ(store_.sessionTable[1].minutes, 2);  // 1.5
}

TEST_F(LoadStatisticsTest, UnreadableLinesAreSkippedAndCounted) {
  ASSERT_EQ(load({"01/12/2026 10:00:00;01/12/2026 10:30:00;1;2;3;4",
                  "01/12/2026 10:00:00;01/12/2026 10:30:00;1;2;3",    // five fields
                  "31/02/2026 10:00:00;01/12/2026 10:30:00;1;2;3;4",  // no such date
                  "12/01/2026 10:00 AM;01/12/2026 10:30:00;1;2;3;4",  // another regional form
                  "01/12/2026 10:00:00;01/12/2026 10:30:00;3000000000;2;3;4", "   ", "",
                  "02/12/2026 10:00:00;02/12/2026 11:00:00;5;6;7;8"}),
            LoadOutcome::Loaded);
  EXPECT_EQ(store_.sessionCount(), 2);
  EXPECT_EQ(store_.skippedLines, 5);
  EXPECT_EQ(store_.totalMinutes, 90);
  EXPECT_EQ(load({"not a session", "x;y;z;1;2;3"}), LoadOutcome::NothingToLoad);
  EXPECT_EQ(store_.skippedLines, 2);
}

TEST_F(LoadStatisticsTest, LoadsEveryLineOfALongFileWithLoneCrEnds) {
  QStringList lines;
  for (int i = 0; i < 1001; ++i) lines << sessionLine(french(), {at(2026, 1, 1).addSecs(3600LL * i), 10, i, 0, 1, 0});
  QFile f(path());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(lines.join('\r').toLocal8Bit());
  f.close();
  ASSERT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::Loaded);
  EXPECT_EQ(store_.sessionCount(), 1001);
  EXPECT_EQ(store_.sessionTable.back().dlMax, 1000);
  EXPECT_EQ(store_.totalMinutes, 10010);
}

TEST_F(LoadStatisticsTest, SameSessionsAsReadingTheTextLineByLine) {
  // Bytes as they may stand in a file written over years, edited by hand or
  // cut short: every session, skipped line and figure must be what the
  // text of each line reads as.
  QByteArray bytes =
      "\xEF\xBB\xBF"
      "08/12/2026 10:00:00;08/12/2026 10:30:00;2000;300;100;10\r\n";
  for (int day = 20; day >= 1; --day) {  // days in reverse, several sessions a day, one past midnight
    const QByteArray d = QByteArray::number(day).rightJustified(2, '0');
    const QByteArray next = QByteArray::number(day + 1).rightJustified(2, '0');
    bytes += d + "/11/2026 09:00:00;" + d + "/11/2026 09:45:10;1;2;3;4\r\n";
    bytes += d + "/11/2026 23:50:00;" + next + "/11/2026 00:20:31;5;6;7;8\r\n";
    bytes += d + "/11/2026 12:00:00;" + d + "/11/2026 12:00:30;9;10;11;12\r\n";
  }
  bytes += "29/03/2026 01:30:00;29/03/2026 03:30:00;1;1;1;1\r\n";  // across the spring change: the clock
  bytes += "25/10/2026 02:30:00;25/10/2026 02:59:59;1;1;1;1\r\n";  // in the hour an autumn change repeats
  bytes += "01/12/2026;01/12/2026 00:00:30;0;0;0;0\r\n";
  bytes += "01/12/2026 10:00:00;01/12/2026 10:00:00;12.5;13.5;abc;7 MB;caf\xC3\xA9\r\n";
  bytes += "01/12/2026 10:00:00;01/12/2026 10:00:00;12\xC3\xA9;1;1;1\r";  // lone CR
  bytes += "01/12/2026 10:00:00\xC3\xA9;01/12/2026 10:00:00;1;1;1;1\n";
  bytes += "\r\n\r\n   \r\nnot a session\r\n;;;;;\r\n01/12/2026 10:00:00;01/12/2026 10:30:00;1;2;3\r\n";
  bytes += "01/12/2026 10:00:00;01/12/2026 10:30:00;3000000000;2;3;4\r\n";
  bytes += "1/12/2026 10:00:00;01/12/2026 10:30:00;1;2;3;4\r\n";
  bytes += "01/12/2026  10:00:00;01/12/2026 10:30:00;1;2;3;4\r\n";
  bytes += "02/12/2026 10:00:00;02/12/2026 09:58:30;-1;+2;0001;-0\r\n";  // ends before it starts
  bytes += "02/12/2026 10:00:00;02/12/2026 11:00:00;5;6;7;8";            // no line end
  QFile f(path());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();

  std::vector<SessionRecord> expected;
  int skipped = 0;
  for (const QString& line : readTextLines(path()).lines) {
    if (line.isEmpty()) continue;
    if (const auto r = parseSessionLine(line, french())) expected.push_back(*r);
    else ++skipped;
  }
  ASSERT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::Loaded);
  ASSERT_EQ(store_.sessionCount(), static_cast<std::int32_t>(expected.size()));
  std::int64_t minutes = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const SessionRecord& a = store_.sessionTable[i];
    const SessionRecord& e = expected[i];
    EXPECT_EQ(std::tuple(a.start, a.end, a.minutes, a.dlMax, a.ulMax, a.dlVol, a.ulVol),
              std::tuple(e.start, e.end, e.minutes, e.dlMax, e.ulMax, e.dlVol, e.ulVol))
        << "session " << i;
    minutes += e.minutes;
  }
  EXPECT_EQ(store_.skippedLines, skipped);
  EXPECT_EQ(store_.totalMinutes, minutes);
  EXPECT_EQ(store_.sessionTable.capacity(), store_.sessionTable.size());
  // The spring session lasts the two hours its clock shows.
  const auto spring = std::find_if(expected.begin(), expected.end(),
                                   [](const SessionRecord& r) { return wallDate(r.start) == QDate(2026, 3, 29); });
  ASSERT_NE(spring, expected.end());
  EXPECT_EQ(spring->minutes, 120);
}

TEST_F(LoadStatisticsTest, MinutesRoundHalvesToEvenAlsoBackwards) {
  struct Case {
    const char* end;  // the session starts at 10:00:00
    int minutes;
  };
  const Case cases[] = {{"10:00:29", 0}, {"10:00:30", 0}, {"10:00:31", 1}, {"10:01:30", 2},
                        {"10:02:30", 2}, {"10:03:30", 4}, {"09:59:30", 0}, {"09:59:29", 0},
                        {"09:58:30", 0}, {"09:57:30", 0}, {"09:56:30", 0}};  // an end before the start counts no
                                                                             // minutes
  for (const Case& c : cases) {
    ASSERT_EQ(load({QStringLiteral("01/12/2026 10:00:00;01/12/2026 %1;0;0;0;0").arg(QLatin1String(c.end))}),
              LoadOutcome::Loaded)
        << c.end;
    EXPECT_EQ(store_.sessionTable[0].minutes, c.minutes) << c.end;
  }
}

TEST(SortSessions, EqualStartsKeepFileOrder) {
  SessionStore st = storeOf(french(), {{at(2026, 12, 1, 10), 1, 1, 0, 0, 0},
                                       {at(2026, 12, 1, 9), 1, 2, 0, 0, 0},
                                       {at(2026, 12, 1, 10), 1, 3, 0, 0, 0}});
  EXPECT_EQ(st.sessionOrder, (std::vector<std::int32_t>{1, 0, 2}));
  EXPECT_EQ(fromWallTime(st.oldestStart), at(2026, 12, 1, 9));
  EXPECT_EQ(fromWallTime(st.newestStart), at(2026, 12, 1, 10));
}

// The chain of linked insertions the order must equal.
static std::vector<std::int32_t> insertionChain(const std::vector<SessionRecord>& t) {
  const int n = static_cast<int>(t.size());
  std::vector<int> link(n, -1);
  int first = 0, tail = 0;
  for (int i = 1; i < n; ++i) {
    if (t[i].start >= t[tail].start) {
      link[tail] = i;
      tail = i;
    } else if (t[i].start >= t[first].start) {
      for (int k = first;; k = link[k]) {
        const int next = link[k];
        if (t[i].start < t[next].start) {
          link[k] = i;
          link[i] = next;
          break;
        }
      }
    } else {
      link[i] = first;
      first = i;
    }
  }
  std::vector<std::int32_t> order;
  for (int k = first; k >= 0; k = link[k]) order.push_back(k);
  return order;
}

TEST(SortSessions, SameOrderAsLinkedInsertionOnShuffledStartsWithTies) {
  QRandomGenerator rng(42);
  SessionStore st;
  for (int i = 0; i < 3000; ++i) {
    SessionRecord r;
    r.start = 1000 + rng.bounded(200) * 60;  // many equal starts
    r.dlMax = i;
    st.sessionTable.push_back(r);
  }
  SortSessions(st);
  EXPECT_EQ(st.sessionOrder, insertionChain(st.sessionTable));
}

TEST(SortSessions, RunsOfAnyKindGiveTheLinkedInsertionOrder) {
  // Starts (in minutes) in file order: one run, a file turned round, files
  // put together from pieces, falls with equal starts, and more runs than
  // are merged one by one.
  std::vector<std::vector<int>> files = {
      {},
      {5},
      {1, 2, 3, 4},
      {4, 3, 2, 1},
      {4, 4, 3, 3, 2, 2},
      {3, 2, 2, 1},
      {1, 2, 3, 1, 2, 3},
      {5, 6, 7, 1, 2, 3, 4, 5},
      {1, 2, 9, 8, 7, 3, 4},
      {2, 2, 2, 1, 1, 1},
      {1, 1, 1, 1},
  };
  std::vector<int> sawtooth, reversedDays;
  for (int run = 0; run < 100; ++run)
    for (int k = 0; k < 5; ++k) sawtooth.push_back(k * 10 + run % 7);
  for (int day = 30; day > 0; --day)
    for (int k = 0; k < 48; ++k) reversedDays.push_back(day * 1440 + k * 30);
  files.push_back(sawtooth);
  files.push_back(reversedDays);
  for (const auto& starts : files) {
    SessionStore st;
    for (std::size_t i = 0; i < starts.size(); ++i) {
      SessionRecord r;
      r.start = 1000000 + 60LL * starts[i];
      r.dlMax = static_cast<std::int32_t>(i);
      st.sessionTable.push_back(r);
    }
    SortSessions(st);
    if (starts.empty()) {
      EXPECT_TRUE(st.sessionOrder.empty());
      continue;
    }
    EXPECT_EQ(st.sessionOrder, insertionChain(st.sessionTable)) << ::testing::PrintToString(starts);
    EXPECT_EQ(st.oldestStart, st.sessionTable[st.sessionOrder.front()].start);
    EXPECT_EQ(st.newestStart, st.sessionTable[st.sessionOrder.back()].start);
  }
}

TEST(BuildRows, WorkedExampleGivesTwoDaysAndOneMonth) {
  SessionStore st = storeOf(french(), {{at(2026, 12, 8, 10), 30, 2000, 300, 100, 10},
                                       {at(2026, 12, 8, 14), 90, 1500, 400, 200, 20},
                                       {at(2026, 12, 9, 9), 60, 100, 50, 5, 1}});
  const PeriodSummary days = BuildDayRows(st, french());
  ASSERT_EQ(days.count, 2);
  const PeriodRow& r = days.rows[0];
  EXPECT_EQ(r.label, "08/12/26");
  EXPECT_EQ(r.duration, 120);
  EXPECT_EQ(r.dlMax, 2000);
  EXPECT_EQ(r.ulMax, 400);
  EXPECT_EQ(r.dlVol, 300);
  EXPECT_EQ(r.ulVol, 30);
  EXPECT_EQ(r.dlAvg, 341);
  EXPECT_EQ(r.ulAvg, 34);
  EXPECT_EQ(days.rows[1].label, "09/12/26");
  EXPECT_EQ(days.totalDuration, 180);
  EXPECT_EQ(days.dateMin, at(2026, 12, 8, 10));
  EXPECT_EQ(days.dateMax, at(2026, 12, 9, 9));

  const PeriodSummary months = BuildMonthRows(st, french());
  ASSERT_EQ(months.count, 1);
  EXPECT_EQ(months.rows[0].label, french().monthLabel(QDate(2026, 12, 1)));
  EXPECT_EQ(months.rows[0].dlVol, 305);
  EXPECT_EQ(months.rows[0].duration, 180);
}

TEST(BuildRows, YearBoundarySplitsDaysAndMonths) {
  SessionStore st =
      storeOf(french(), {{at(2026, 12, 31, 23), 30, 1, 1, 1, 1}, {at(2027, 1, 1, 0, 10), 30, 1, 1, 1, 1}});
  EXPECT_EQ(BuildDayRows(st, french()).count, 2);
  const PeriodSummary months = BuildMonthRows(st, french());
  ASSERT_EQ(months.count, 2);
  EXPECT_TRUE(months.rows[1].label.endsWith("-27"));
}

TEST(BuildRows, OutOfOrderFileGivesTheSameRows) {
  const std::vector<Session> inOrder = {{at(2026, 11, 30, 8), 10, 5, 6, 7, 8},
                                        {at(2026, 12, 1, 8), 20, 9, 1, 2, 3},
                                        {at(2026, 12, 1, 9), 30, 4, 4, 4, 4},
                                        {at(2026, 12, 3, 9), 40, 8, 8, 8, 8}};
  std::vector<Session> reversed(inOrder.rbegin(), inOrder.rend());
  const PeriodSummary a = BuildDayRows(storeOf(french(), inOrder), french());
  const PeriodSummary b = BuildDayRows(storeOf(french(), reversed), french());
  ASSERT_EQ(a.count, b.count);
  for (int i = 0; i < a.count; ++i) {
    EXPECT_EQ(a.rows[i].label, b.rows[i].label);
    EXPECT_EQ(a.rows[i].duration, b.rows[i].duration);
    EXPECT_EQ(a.rows[i].dlMax, b.rows[i].dlMax);
    EXPECT_EQ(a.rows[i].dlVol, b.rows[i].dlVol);
  }
}

TEST(BuildRows, ZeroMinuteRowHasZeroAveragesAndLeavesOthersAlone) {
  SessionStore st =
      storeOf(french(), {{at(2026, 12, 7, 23, 59), 0, 100, 10, 50, 5}, {at(2026, 12, 8, 10), 120, 2000, 400, 300, 30}});
  const PeriodSummary days = BuildDayRows(st, french());
  ASSERT_EQ(days.count, 2);
  EXPECT_EQ(days.rows[0].dlAvg, 0);
  EXPECT_EQ(days.rows[0].ulAvg, 0);
  EXPECT_EQ(days.rows[0].dlVol, 50);
  EXPECT_EQ(days.rows[1].dlAvg, 341);
  // The summary's averages are volume weighted over all minutes.
  EXPECT_EQ(days.dlAvg, 398);  // 350 MB over 120 minutes: 398.2 kbit/s

  const PeriodSummary onlyZero = BuildDayRows(storeOf(french(), {{at(2026, 12, 7), 0, 1, 1, 9, 9}}), french());
  EXPECT_EQ(onlyZero.dlAvg, 0);
  EXPECT_EQ(onlyZero.ulAvg, 0);
}

TEST(ComputePeriodSummary, TiesGoToTheLaterRowAndMeansRoundHalfEven) {
  const PeriodSummary s = summaryOf(
      {row("08/12/26", 60, 2000, 1, 0, 0), row("09/12/26", 60, 2500, 2, 0, 0), row("10/12/26", 60, 2500, 3, 0, 0)});
  EXPECT_EQ(s.maxDl, 2500);
  EXPECT_EQ(s.maxDlLabel, "10/12/26");
  EXPECT_EQ(s.meanMaxDl, 2333);
  EXPECT_EQ(s.meanMaxUl, 2);
  EXPECT_EQ(s.maxDlVol, 0);
  EXPECT_EQ(s.maxDlVolLabel, "10/12/26");

  EXPECT_EQ(summaryOf({row("a", 1, 0, 1, 0, 0), row("b", 1, 0, 2, 0, 0)}).meanMaxUl, 2);  // 1.5
  EXPECT_EQ(summaryOf({row("a", 1, 0, 2, 0, 0), row("b", 1, 0, 3, 0, 0)}).meanMaxUl, 2);  // 2.5
}

TEST(ComputePeriodSummary, OneRowGivesItsOwnFigures) {
  const PeriodSummary s = summaryOf({row("08/12/26", 120, 2000, 400, 300, 30, 341, 34)});
  EXPECT_EQ(s.maxDl, 2000);
  EXPECT_EQ(s.maxUlLabel, "08/12/26");
  EXPECT_EQ(s.meanMaxDl, 2000);
  EXPECT_EQ(s.dlAvg, 341);
  EXPECT_EQ(s.ulAvg, 34);
  EXPECT_EQ(s.maxDlAvgLabel, "08/12/26");
}

TEST(ComputePeriodSummary, SumsOfRatesOverManyDaysDoNotOverflow) {
  std::vector<PeriodRow> rows(3000, row("x", 1440, 1000000, 1000000, 100000, 100000));
  const PeriodSummary s = summaryOf(rows);
  EXPECT_EQ(s.meanMaxDl, 1000000);
  EXPECT_EQ(s.totalDlVol, std::int64_t{300000000});
  EXPECT_EQ(s.totalDuration, std::int64_t{4320000});
}

TEST(ClearPeriodSummary, ZeroesFiguresAndKeepsRows) {
  PeriodSummary s = summaryOf({row("08/12/26", 120, 2000, 400, 300, 30, 341, 34)});
  ClearPeriodSummary(s);
  EXPECT_EQ(s.count, 0);
  EXPECT_EQ(s.maxDl, 0);
  EXPECT_EQ(s.totalDlVol, 0);
  EXPECT_TRUE(s.maxDlLabel.isEmpty());
  EXPECT_EQ(s.dateMin, at(1899, 12, 30));
  EXPECT_EQ(s.rows.size(), 1u);
}
