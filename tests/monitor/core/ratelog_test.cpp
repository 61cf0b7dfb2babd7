// The rate log: its name, its first line, a folder that went away, a full disk.
#include "tests/common/inchild.h"
#include "tests/monitor/core/engine_fixture.h"

namespace tavo::monitor::testing {
namespace {

class LogTest : public EngineTest {
 protected:
  QString dt(const QDateTime& t) const { return engine->regional().dateTimeText(t); }
};

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

// The rate log on a disk that fills up: the minute that does not fit is
// missing, no part of it stays, and the next minute stands whole.
TEST_F(LogTest, FullDiskLeavesNoPartOfALogLine) {
  writeIni({QStringLiteral("Interface=2"), QStringLiteral("DetailedLog=1")});
  tavo::testing::inChild([&] {
    start();
    const QString log = engine->LogFilePath;
    ticks(60, 128000, 0);
    const QString name = QDir(dir.path()).relativeFilePath(log);
    const QByteArray first = bytes(name);
    ASSERT_FALSE(first.isEmpty());
    tavo::testing::fileSizeLimit(rlim_t(first.size() + 5));
    ticks(60, 128000, 0);
    tavo::testing::fileSizeLimit(RLIM_INFINITY);
    EXPECT_EQ(bytes(name), first);
    ticks(60, 128000, 0);
    const QStringList l = readTextLines(log).lines;
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[1], dt(clock.now()) + ";1000;0");
  });
}

}  // namespace
}  // namespace tavo::monitor::testing
