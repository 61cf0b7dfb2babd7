// all_stats.csv files of any size: read as a stream keeping only the
// sessions, overlong lines passed over without being held, and a file that
// cannot be read told apart from one without statistics.
#include "Stats/core/statsdata.h"
#include "tests/Stats/stats_fixtures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

namespace {

const QByteArray kFirst = "01/12/2026 10:00:00;01/12/2026 11:30:00;2048;512;150;20\r\n";
const QByteArray kLast = "02/12/2026 10:00:00;02/12/2026 10:30:00;1024;256;50;10\r\n";

class LargeFileTest : public ::testing::Test {
 protected:
  QString path() const { return dir_.filePath("all_stats.csv"); }
  void write(const QByteArray& bytes) {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  void expectBothSessions(int skipped) {
    ASSERT_EQ(store_.sessionCount(), 2);
    EXPECT_EQ(store_.sessionTable[0].minutes, 90);
    EXPECT_EQ(store_.sessionTable[1].dlVol, 50);
    EXPECT_EQ(store_.totalMinutes, 120);
    EXPECT_EQ(store_.skippedLines, skipped);
  }
  QTemporaryDir dir_;
  SessionStore store_;
};

}  // namespace

TEST_F(LargeFileTest, LinesLongerThanTheLongestArePassedOverAndCounted) {
  const struct {
    const char* what;
    QByteArray middle;
    QByteArray end;
    int skipped;
  } cases[] = {
      {"NUL bytes ended by CR LF", QByteArray(5000, '\0') + "\r\n", {}, 1},
      {"letters ended by a lone CR", QByteArray(300, 'x') + "\r", {}, 1},
      // 200 bytes are not overlong: read, and unreadable as a session.
      {"a line of exactly the longest", QByteArray(200, 'x') + "\r\n", {}, 1},
      {"NUL bytes to the end of the file", {}, QByteArray(5000, '\0'), 1},
      {"two overlong lines", QByteArray(201, '\0') + "\n" + QByteArray(9000, 'y') + "\n", {}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    write(kFirst + c.middle + kLast + c.end);
    ASSERT_EQ(LoadStatistics(path(), french(), store_, 200), LoadOutcome::Loaded);
    expectBothSessions(c.skipped);
  }
}

TEST_F(LargeFileTest, AnOverlongLineAcrossManyBlocksKeepsTheLinesAround) {
  // Megabytes of NUL bytes, as a disk fault leaves them, between two
  // sessions, with the default longest line.
  write(kFirst + QByteArray(3 * LineReader::kLongestLine + 12345, '\0') + "\r\n" + kLast);
  ASSERT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::Loaded);
  expectBothSessions(1);
}

TEST_F(LargeFileTest, AFileThatCannotBeReadIsNotAMissingOne) {
  EXPECT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::NoFile);
  // A folder where the file should be: there, but no line can be read.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("all_stats.csv"));
  EXPECT_EQ(LoadStatistics(path(), french(), store_), LoadOutcome::Unreadable);
  EXPECT_EQ(store_.sessionCount(), 0);
  EXPECT_EQ(store_.skippedLines, 0);
}
