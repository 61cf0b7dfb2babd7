// session_stats.csv and all_stats.csv: the minute writes, the day change,
// the moves and the lines that wait.
#include "tests/common/inchild.h"
#include "tests/monitor/core/engine_fixture.h"

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
  ticks(60, 1024, 0);  // 00:00:00: first write of the new day
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
  engine->quitSave();
  EXPECT_FALSE(exists(kAll));
  EXPECT_FALSE(exists(kSession));
  EXPECT_TRUE(exists(QStringLiteral("Tavo.ini")));
}

TEST_F(SessionTest, QuitMovesTheLastWrittenLine) {
  start();
  ticks(75, 1000, 1000);
  const QStringList written = lines(kSession);
  engine->quitSave();
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
      "",                                                   // cut before the first byte
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;3",    // cut inside the fifth field
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;",  // cut before the last field
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20\r\n",  // four fields
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;x;40\r\n",
      "\r\n",
      QByteArray(100000, 'a'),  // not a session line at all
  };
  for (const QByteArray& content : cases) {
    writeFile(kAll, "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n");
    writeFile(kSession, content);
    make();
    EXPECT_TRUE(sessions().FlushSessionStats());
    EXPECT_FALSE(exists(kSession)) << content.left(60).constData();
    EXPECT_EQ(bytes(kAll), QByteArray("01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n"));
  }
}

// What a run that ended without its quit left in session_stats.csv: every
// whole record moves, in file order; a cut-short record does not.
TEST_F(SessionTest, LeftOverWholeLinesAreMoved) {
  const QByteArray base = "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n";
  const QString a = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40";
  const QString b = "07/12/2026 12:00:00;07/12/2026 13:00:00;1;1;1;1";
  struct {
    const char* name;
    QByteArray content;
    QStringList moved;
  } const cases[] = {
      {"with its line end", a.toLatin1() + "\r\n", {a}},
      {"only the final CR LF lost", a.toLatin1(), {a}},
      {"only the LF lost", a.toLatin1() + "\r", {a}},
      {"two waiting lines", a.toLatin1() + "\r\n" + b.toLatin1() + "\r\n", {a, b}},
      {"a whole line, then a cut one", a.toLatin1() + "\r\n07/12/2026 12:00:00;07/12", {a}},
      {"a blank line before it", "\r\n" + a.toLatin1() + "\r\n", {a}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    writeFile(kAll, base);
    writeFile(kSession, c.content);
    make();
    EXPECT_TRUE(sessions().FlushSessionStats());
    EXPECT_FALSE(exists(kSession));
    EXPECT_EQ(lines(kAll), QStringList{QString::fromLatin1(base.trimmed())} + c.moved);
    EXPECT_TRUE(bytes(kAll).endsWith("\r\n"));
    // Started again with the same file left (killed between the append and
    // the delete): nothing is counted twice.
    writeFile(kSession, c.content);
    make();
    EXPECT_TRUE(sessions().FlushSessionStats());
    EXPECT_EQ(lines(kAll).size(), 1 + c.moved.size());
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
  EXPECT_TRUE(sessions().FlushSessionStats());
  EXPECT_EQ(bytes(kAll), QByteArray("01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n01/12/2026 12:00\r\n"
                                    "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n"));
}

TEST_F(SessionTest, UnwritableAllStatsKeepsTheSessionLine) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(kAll));  // all_stats.csv cannot be opened as a file
  writeFile(kSession, "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n");
  make();
  EXPECT_FALSE(sessions().FlushSessionStats());
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
  engine->changeInterface(2);
  EXPECT_EQ(lines(kAll), before);
  EXPECT_FALSE(exists(kSession));
  EXPECT_EQ(engine->Counters.DailyMaxDL, 0);
  EXPECT_TRUE(lines(QStringLiteral("Tavo.ini")).contains(QStringLiteral("Interface=2")));
  // The same entry, or one outside the table, changes nothing.
  ticks(60);
  engine->changeInterface(2);
  engine->changeInterface(11);
  EXPECT_TRUE(exists(kSession));
  EXPECT_EQ(engine->Interfaces.SelectedInterface, 2);
}

// A run of 26 hours over midnight with a steady load and the rate log on.
TEST_F(SessionTest, DayAndAHalfOfSteadyTraffic) {
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 0, 30)));
  writeIni({QStringLiteral("Interface=2"), QStringLiteral("DetailedLog=1")});
  start();
  const QDateTime begun = clock.now();
  const QString log = engine->LogFilePath;
  ticks(26 * 3600, 10240, 5120);
  engine->quitSave();
  const QDateTime dayTwo(QDate(2026, 12, 9), QTime(0, 0, 30));
  EXPECT_EQ(lines(kAll), (QStringList{record(begun, QDateTime(QDate(2026, 12, 8), QTime(23, 59, 30)), "80;40;421;210"),
                                      record(dayTwo, clock.now(), "80;40;492;246")}));
  const QStringList l = readTextLines(log).lines;
  ASSERT_EQ(l.size(), 26 * 60);
  EXPECT_TRUE(l.first().endsWith(QStringLiteral(";0;0")));
  for (int i = 1; i < l.size(); ++i) ASSERT_TRUE(l[i].endsWith(QStringLiteral(";80;40"))) << i;
  EXPECT_FALSE(exists(kSession));
}

// ------------------------------------- a waiting line is never overwritten

// A moment in which all_stats.csv cannot take a line, and its end.
struct AllStatsBlocker {
  const char* name;
  bool inChild;  // the fault must not reach the test process
  std::function<void(const QString& folder)> block;
  std::function<void(const QString& folder)> unblock;
};
void PrintTo(const AllStatsBlocker& c, std::ostream* os) { *os << c.name; }

const AllStatsBlocker kBlockers[] = {
    // A folder stands in the place of all_stats.csv (the file moved aside).
    {"AllStatsNotAFile", false,
     [](const QString& folder) {
       ASSERT_TRUE(QDir(folder).rename(kAll, "aside.csv"));
       ASSERT_TRUE(QDir(folder).mkdir(kAll));
     },
     [](const QString& folder) {
       ASSERT_TRUE(QDir(folder).rmdir(kAll));
       ASSERT_TRUE(QDir(folder).rename("aside.csv", kAll));
     }},
    // The disk is full: the append crosses the end of the room, 10 bytes in.
    {"DiskFull", true,
     [](const QString& folder) { tavo::testing::fileSizeLimit(rlim_t(QFileInfo(folder + "/" + kAll).size() + 10)); },
     [](const QString&) { tavo::testing::fileSizeLimit(RLIM_INFINITY); }},
};

class WaitingLineTest : public SessionTest, public ::testing::WithParamInterface<AllStatsBlocker> {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    writeIni({QStringLiteral("Interface=2")});
    writeFile(kAll, kBase);
  }
  void run(const std::function<void()>& body) {
    if (GetParam().inChild) tavo::testing::inChild(body);
    else body();
  }
  void block() { GetParam().block(dir.path()); }
  void unblock() { GetParam().unblock(dir.path()); }

  static constexpr char kBase[] = "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n";
  static constexpr char kOld[] = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n";
};

// The start-up move fails: the first once-a-minute writes keep the old line,
// and once the move succeeds all_stats.csv has it exactly once and the new
// session's line holds everything since its start.
TEST_P(WaitingLineTest, FailedStartUpMoveThenMinuteWritesThenTheMove) {
  writeFile(kSession, kOld);
  run([&] {
    block();
    start();
    const QDateTime begun = clock.now();
    EXPECT_TRUE(engine->sessionLineWaiting());
    ticks(60, 1048576, 0);
    EXPECT_EQ(bytes(kSession), kOld) << "the first minute write replaced a line all_stats.csv lacks";
    ticks(60, 1048576, 0);
    EXPECT_EQ(bytes(kSession), kOld);
    unblock();
    EXPECT_EQ(bytes(kAll), kBase) << "the failed append left a fragment";
    ticks(60, 1048576, 0);
    EXPECT_EQ(bytes(kAll), QByteArray(kBase) + kOld);
    EXPECT_EQ(lines(kSession), QStringList{record(begun, clock.now(), "8192;0;180;0")});
    EXPECT_FALSE(engine->sessionLineWaiting());
    ticks(60, 1048576, 0);
    engine->quitSave();
    EXPECT_EQ(lines(kAll), (QStringList{QString(kBase).trimmed(), QString(kOld).trimmed(),
                                        record(begun, clock.now(), "8192;0;240;0")}));
  });
}

// The first write of a new day cannot move the previous day's line: it
// stays in session_stats.csv and moves at a later minute, once.
TEST_P(WaitingLineTest, DayChangeWithAllStatsUnwritable) {
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(23, 58, 30)));
  run([&] {
    start();
    ticks(60, 1024, 0);
    const QByteArray yesterday = bytes(kSession);
    block();
    ticks(60, 1024, 0);  // 00:00:30
    EXPECT_EQ(bytes(kSession), yesterday);
    ticks(60, 1024, 0);
    EXPECT_EQ(bytes(kSession), yesterday);
    unblock();
    ticks(60, 1024, 0);
    EXPECT_EQ(bytes(kAll), kBase + yesterday);
    const QStringList today = lines(kSession);
    ASSERT_EQ(today.size(), 1);
    EXPECT_TRUE(today[0].startsWith(dt(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 30)))));
    EXPECT_EQ(engine->Counters.DailyStart.date(), QDate(2026, 12, 9));
  });
}

// A line waits from start-up and the day changes meanwhile: the session of
// the day before closes behind it, and both reach all_stats.csv in order.
TEST_P(WaitingLineTest, DayChangeWhileALineWaits) {
  clock.set(QDateTime(QDate(2026, 12, 8), QTime(23, 58, 30)));
  writeFile(kSession, kOld);
  run([&] {
    block();
    start();
    const QDateTime begun = clock.now();
    ticks(60, 1048576, 0);  // 23:59:30, the session's last line of the day
    const QString lastOfDay = record(begun, clock.now(), "8192;0;60;0");
    ticks(60, 1048576, 0);  // 00:00:30
    ticks(60, 1048576, 0);
    unblock();
    ticks(60, 1048576, 0);
    EXPECT_EQ(lines(kAll), (QStringList{QString(kBase).trimmed(), QString(kOld).trimmed(), lastOfDay}));
    const QStringList today = lines(kSession);
    ASSERT_EQ(today.size(), 1);
    EXPECT_TRUE(today[0].startsWith(dt(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 0))).left(10)));
    EXPECT_EQ(engine->Counters.DailyStart.date(), QDate(2026, 12, 9));
  });
}

// The sessions that close while a line waits (a change of interface, the
// quit) wait behind it in session_stats.csv, and the next start moves all.
// A full disk has no room for them: the waiting line itself is kept.
TEST_P(WaitingLineTest, SessionsClosedWhileALineWaitsQueueBehindIt) {
  writeFile(kSession, kOld);
  const QString old = QString(kOld).trimmed();
  const bool room = !GetParam().inChild;
  run([&] {
    block();
    start();
    const QDateTime begun = clock.now();
    ticks(60, 1048576, 0);
    const QString first = record(begun, clock.now(), "8192;0;60;0");
    ticks(10);
    engine->changeInterface(1);
    EXPECT_EQ(lines(kSession), (room ? QStringList{old, first} : QStringList{old}));
    const QDateTime second = clock.now();
    ticks(50, 0, 0);  // the second session's first once-a-minute write
    const QString last = record(second, clock.now(), "0;0;0;0");
    engine->quitSave();
    const QStringList waiting = room ? QStringList{old, first, last} : QStringList{old};
    EXPECT_EQ(lines(kSession), waiting);
    unblock();
    engine.reset();
    start();
    EXPECT_FALSE(exists(kSession));
    EXPECT_EQ(lines(kAll), QStringList{QString(kBase).trimmed()} + waiting);
  });
}

INSTANTIATE_TEST_SUITE_P(SessionFiles, WaitingLineTest, ::testing::ValuesIn(kBlockers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavo::monitor::testing
