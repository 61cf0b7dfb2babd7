// session_stats.csv, all_stats.csv and the rate logs.
#include "engine_fixture.h"

#include <QDirIterator>

namespace tavo::monitor::testing {
namespace {

const QString kSession = QStringLiteral("session_stats.csv");
const QString kAll = QStringLiteral("all_stats.csv");

class SessionTest : public EngineTest {
 protected:
  QString dt(const QDateTime& t) const { return engine->regional().dateTimeText(t); }
  QString record(const QDateTime& from, const QDateTime& to, const char* figures) const {
    return dt(from) + ";" + dt(to) + ";" + QString::fromLatin1(figures);
  }
};

TEST_F(SessionTest, EachMinuteRewritesTheOneSessionLine) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  const QDateTime begun = clock.now();
  ticks(60, 1048576, 131072);
  ticks(60, 1048576, 0);
  EXPECT_EQ(lines(kSession), QStringList{record(begun, clock.now(), "8192;1024;120;7")});
  EXPECT_TRUE(bytes(kSession).endsWith("\r\n"));
  EXPECT_FALSE(exists(kAll));
}

TEST_F(SessionTest, MidnightClosesTheDayAndStartsAFreshLine) {
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(23, 57, 0)));
  writeIni({QStringLiteral("Interface=2")});
  start();
  const QDateTime begun = clock.now();
  ticks(120, 1024, 0);  // writes at 23:58:00 and 23:59:00
  const QDateTime lastWrite = clock.now();
  ticks(60, 1024, 0);   // 00:00:00: first write of the new day
  const QDateTime midnight = clock.now();
  ASSERT_EQ(midnight, QDateTime(QDate(2026, 12, 9), QTime(0, 0, 0)));
  EXPECT_EQ(lines(kAll), QStringList{record(begun, lastWrite, "8;0;0;0")});
  EXPECT_EQ(lines(kSession), QStringList{record(midnight, midnight, "0;0;0;0")});
  EXPECT_EQ(engine->Counters.DailyStart, midnight);
  ticks(60, 2097152, 0);
  EXPECT_EQ(lines(kSession), QStringList{record(midnight, clock.now(), "16384;0;120;0")});
  EXPECT_EQ(lines(kAll).size(), 1);
}

TEST_F(SessionTest, ClockSetBackAcrossMidnightAlsoClosesTheDay) {
  clock.set(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 30)));
  start();
  ticks(60);
  clock.advanceSeconds(-3600);  // back to 8 December
  ticks(60);
  EXPECT_EQ(lines(kAll).size(), 1);
  EXPECT_EQ(engine->Counters.DailyStart.date(), QDate(2026, 12, 8));
}

TEST_F(SessionTest, QuitBeforeTheFirstMinuteMovesNothing) {
  start();
  ticks(30, 1000, 1000);
  engine->QuitSave();
  EXPECT_FALSE(exists(kAll));
  EXPECT_FALSE(exists(kSession));
  EXPECT_TRUE(exists(QStringLiteral("Tavo.ini")));
}

TEST_F(SessionTest, QuitMovesTheLastWrittenLine) {
  start();
  ticks(75, 1000, 1000);
  const QStringList written = lines(kSession);
  engine->QuitSave();
  EXPECT_FALSE(exists(kSession));
  EXPECT_EQ(lines(kAll), written);
}

TEST_F(SessionTest, LineLeftByAKilledRunMovesAtStartBeforeTheFirstTick) {
  writeFile(kAll, "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n");
  writeFile(kSession, "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n");
  start();
  EXPECT_FALSE(exists(kSession));
  EXPECT_EQ(lines(kAll), (QStringList{"01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4",
                                      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40"}));
}

TEST_F(SessionTest, IncompleteSessionFileIsDroppedWithoutAppending) {
  const QByteArray cases[] = {
      "",                                                    // cut before the first byte
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;4",  // cut inside the last field
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20\r\n",   // four fields
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;x;40\r\n",
      "\r\n",
      QByteArray(100000, 'a'),                               // not a session line at all
  };
  for (const QByteArray& content : cases) {
    writeFile(kAll, "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n");
    writeFile(kSession, content);
    make();
    EXPECT_TRUE(engine->FlushSessionStats());
    EXPECT_FALSE(exists(kSession)) << content.left(60).constData();
    EXPECT_EQ(bytes(kAll), QByteArray("01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n"));
  }
}

TEST_F(SessionTest, CrashBetweenAppendAndDeleteDoesNotCountTwice) {
  const QByteArray line = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n";
  // The run appended the line and was killed before it could delete the file.
  writeFile(kAll, "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n" + line);
  writeFile(kSession, line);
  start();
  EXPECT_FALSE(exists(kSession));
  EXPECT_EQ(lines(kAll).size(), 2);
}

TEST_F(SessionTest, AppendStartsANewLineAfterACutShortEnd) {
  writeFile(kAll, "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n01/12/2026 12:00");
  writeFile(kSession, "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n");
  make();
  EXPECT_TRUE(engine->FlushSessionStats());
  EXPECT_EQ(bytes(kAll), QByteArray("01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n01/12/2026 12:00\r\n"
                                    "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n"));
}

TEST_F(SessionTest, UnwritableAllStatsKeepsTheSessionLine) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(kAll));  // all_stats.csv cannot be opened as a file
  writeFile(kSession, "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n");
  make();
  EXPECT_FALSE(engine->FlushSessionStats());
  EXPECT_EQ(lines(kSession).size(), 1);
}

TEST_F(SessionTest, DayChangeWaitsUntilThePreviousDayIsSafe) {
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(23, 58, 30)));
  start();
  ticks(60);
  const QStringList yesterday = lines(kSession);
  ASSERT_TRUE(QDir(dir.path()).mkdir(kAll));
  ticks(60);  // 00:00:30: the move fails, so the old line must stay
  EXPECT_EQ(lines(kSession), yesterday);
  ASSERT_TRUE(QDir(dir.path()).rmdir(kAll));
  ticks(60);
  EXPECT_EQ(lines(kAll), yesterday);
  EXPECT_EQ(engine->Counters.DailyStart.date(), QDate(2026, 12, 9));
}

TEST_F(SessionTest, SessionFileIsReplacedWholeAndLeavesNoTemporaryFiles) {
  start();
  ticks(600, 100, 100);
  QStringList names = QDir(dir.path()).entryList(QDir::Files);
  names.sort();
  EXPECT_EQ(names, (QStringList{"Tavo.lock", kSession}));
}

TEST_F(SessionTest, InterfaceChangeClosesTheSession) {
  start();
  ticks(60, 1048576, 0);
  const QStringList before = lines(kSession);
  ticks(10);
  engine->ChangeInterface(2);
  EXPECT_EQ(lines(kAll), before);
  EXPECT_FALSE(exists(kSession));
  EXPECT_EQ(engine->Counters.DailyMaxDL, 0);
  EXPECT_TRUE(lines(QStringLiteral("Tavo.ini")).contains(QStringLiteral("Interface=2")));
  // The same entry, or one outside the table, changes nothing.
  ticks(60);
  engine->ChangeInterface(2);
  engine->ChangeInterface(11);
  EXPECT_TRUE(exists(kSession));
  EXPECT_EQ(engine->Interfaces.SelectedInterface, 2);
}

// ---------------------------------------------------------------- rate logs

class LogTest : public SessionTest {};

TEST_F(LogTest, NamedByTheStartAndContinuedWithinTheSameMinute) {
  start();
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 30)));
  engine->settings().setChkLogging(1);
  EXPECT_EQ(engine->LogFilePath, dir.path() + "/logs/081226-14-5.csv");
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 50)));
  engine->settings().setChkLogging(0);
  EXPECT_EQ(engine->LogFilePath, QStringLiteral("----"));
  engine->settings().setChkLogging(1);
  EXPECT_EQ(engine->LogFilePath, dir.path() + "/logs/081226-14-5.csv");
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
  engine->StartNewLogFile(true);
  EXPECT_EQ(engine->LogFilePath, dir.path() + "/logs/081226-9-0.csv");
}

TEST_F(LogTest, LoggingFromStartUpOpensWithZeroRates) {
  writeIni({QStringLiteral("Interface=2"), QStringLiteral("DetailedLog=1")});
  ASSERT_FALSE(QFileInfo::exists(path("logs")));
  start();
  EXPECT_TRUE(QFileInfo(path("logs")).isDir());
  const QString log = engine->LogFilePath;
  ticks(60, 128000, 0);
  ticks(60, 128000, 0);
  const QStringList l = readTextLines(log).lines;
  ASSERT_EQ(l.size(), 2);
  EXPECT_TRUE(l[0].endsWith(";0;0"));
  EXPECT_EQ(l[1], engine->regional().dateTimeText(clock.now()) + ";1000;0");
}

TEST_F(LogTest, LogStartedMidRunOpensWithTheMinuteJustEnded) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  ticks(100, 0, 64000);
  engine->settings().setChkLogging(1);
  ticks(20, 0, 64000);
  const QStringList l = readTextLines(engine->LogFilePath).lines;
  ASSERT_EQ(l.size(), 1);
  EXPECT_TRUE(l[0].endsWith(";0;500"));
}

TEST_F(LogTest, DeletedLogsFolderLosesLinesQuietlyUntilLoggingRestarts) {
  start();
  engine->settings().setChkLogging(1);
  ASSERT_TRUE(QDir(path("logs")).removeRecursively());
  ticks(120);
  EXPECT_FALSE(QFileInfo::exists(path("logs")));
  engine->StartNewLogFile(true);  // a new name does not bring the folder back
  ticks(60);
  EXPECT_FALSE(QFileInfo::exists(path("logs")));
  engine->settings().setChkLogging(0);
  engine->settings().setChkLogging(1);
  ticks(60);
  EXPECT_EQ(readTextLines(engine->LogFilePath).lines.size(), 1);
}

TEST_F(LogTest, GreyedBoxDoesNotLog) {
  writeIni({QStringLiteral("DetailedLog=2")});
  start();
  EXPECT_EQ(engine->LogFilePath, QStringLiteral("----"));
  ticks(60);
  EXPECT_FALSE(QFileInfo::exists(path("logs")));
}

}  // namespace
}  // namespace tavo::monitor::testing

namespace tavo::monitor::testing {
namespace {

// A run of 26 hours over midnight with a steady load and the rate log on.
TEST_F(SessionTest, DayAndAHalfOfSteadyTraffic) {
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 0, 30)));
  writeIni({QStringLiteral("Interface=2"), QStringLiteral("DetailedLog=1")});
  start();
  const QDateTime begun = clock.now();
  const QString log = engine->LogFilePath;
  ticks(26 * 3600, 10240, 5120);
  engine->QuitSave();
  const QDateTime dayTwo(QDate(2026, 12, 9), QTime(0, 0, 30));
  EXPECT_EQ(lines(kAll), (QStringList{record(begun, QDateTime(QDate(2026, 12, 8), QTime(23, 59, 30)), "80;40;421;210"),
                                      record(dayTwo, clock.now(), "80;40;492;246")}));
  const QStringList l = readTextLines(log).lines;
  ASSERT_EQ(l.size(), 26 * 60);
  EXPECT_TRUE(l.first().endsWith(QStringLiteral(";0;0")));
  for (int i = 1; i < l.size(); ++i) ASSERT_TRUE(l[i].endsWith(QStringLiteral(";80;40"))) << i;
  EXPECT_FALSE(exists(kSession));
}

}  // namespace
}  // namespace tavo::monitor::testing
