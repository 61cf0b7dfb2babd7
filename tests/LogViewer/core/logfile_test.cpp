#include "LogViewer/core/logfile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <optional>
#include <tuple>

#include "common/numbers.h"
#include "common/regionaltext.h"
#include "common/textfile.h"
#include "tests/LogViewer/logviewer_test_util.h"

using namespace tavo::logv;
using tavo::RegionalFormat;
using tavo::logv::testing::frenchLocale;
using tavo::logv::testing::writeLog;

namespace {

class ReadLogFileTest : public ::testing::Test {
 protected:
  ReadLogResult read(const QStringList& lines) {
    const QString path = dir.filePath("log.csv");
    EXPECT_TRUE(writeLog(path, lines));
    return ReadLogFile(path, format, samples);
  }
  QTemporaryDir dir;
  RegionalFormat format{frenchLocale()};
  LogSampleArray samples;
};

struct LineCase {
  const char* line;
  bool kept;
  int download;
  int upload;
};

TEST_F(ReadLogFileTest, EachLineByItsFields) {
  const LineCase cases[] = {
      {"09/12/2026 14:05:00;512;64", true, 512, 64},
      {"09/12/2026 14:05:00;512;64;7", true, 512, 64},     // a fourth field is ignored
      {"09/12/2026 14:05:00;12.5;13.5", true, 12, 14},     // halves to even
      {"09/12/2026 14:05:00;abc;x1", true, 0, 0},          // letters read as 0
      {"09/12/2026 14:05:00; 2048kb;-3", true, 2048, -3},  // leading number, blanks skipped
      {"09/12/2026 14:05:00;;", true, 0, 0},
      {"09/12/2026;5;6", true, 5, 6},            // the midnight form has no time
      {"09/12/2026 14:05:00;512", false, 0, 0},  // two fields
      {"09/12/2026 14:05:00", false, 0, 0},
      {" ", false, 0, 0},
      {"not a date;1;2", false, 0, 0},
      {"12/09/2026 2:05:00 PM;1;2", false, 0, 0},  // another regional form
      {"31/02/2026 10:00:00;1;2", false, 0, 0},
      {"09/12/2026 14:05:00;3000000000;1", false, 0, 0},  // beyond 32 bits
      {"09/12/2026 14:05:00;1;-3000000000", false, 0, 0},
  };
  for (const LineCase& c : cases) {
    const ReadLogResult r = read({QString::fromUtf8(c.line)});
    ASSERT_EQ(r.outcome, ReadOutcome::Read) << c.line;
    EXPECT_EQ(samples.count(), c.kept ? 1 : 0) << c.line;
    EXPECT_EQ(r.skippedLines, c.kept ? 0 : 1) << c.line;
    if (c.kept && samples.count() == 1) {
      EXPECT_EQ(samples.at(1).download, c.download) << c.line;
      EXPECT_EQ(samples.at(1).upload, c.upload) << c.line;
    }
  }
}

TEST_F(ReadLogFileTest, KeepsTheWallClockTimeOfEachSample) {
  read({"09/12/2026 14:05:00;512;64", "09/12/2026;1;1"});
  ASSERT_EQ(samples.count(), 2);
  EXPECT_EQ(samples.at(1).date(), QDate(2026, 12, 9));
  EXPECT_EQ(samples.at(1).time(), QTime(14, 5, 0));
  EXPECT_EQ(samples.at(2).time(), QTime(0, 0, 0));
}

TEST_F(ReadLogFileTest, EmptyLinesAnywhereAreNotSamplesAndNotFaults) {
  const ReadLogResult r = read({"", "09/12/2026 14:05:00;1;2", "", "", "09/12/2026 14:06:00;3;4", ""});
  EXPECT_EQ(samples.count(), 2);
  EXPECT_EQ(r.skippedLines, 0);
  EXPECT_EQ(samples.at(2).download, 3);
}

TEST_F(ReadLogFileTest, BadLinesAreCountedAndTheGoodOnesKeptInOrder) {
  const ReadLogResult r = read({"09/12/2026 14:05:00;1;2", "garbage", "09/12/2026 14:06:00;3;4", "09/12/2026 14:07:00",
                                "x;y;z", "09/12/2026 14:08:00;5;6"});
  EXPECT_EQ(r.skippedLines, 3);
  ASSERT_EQ(samples.count(), 3);
  EXPECT_EQ(samples.at(3).download, 5);
}

TEST_F(ReadLogFileTest, ArrayGrowsByThousandsAndIsTrimmedToTheCount) {
  const QDateTime start(QDate(2026, 12, 9), QTime(0, 1));
  const ReadLogResult r = read(tavo::logv::testing::sampleLines(
      format, start, 1001, [](int i) { return i; }, [](int) { return 0; }));
  EXPECT_EQ(r.skippedLines, 0);
  EXPECT_EQ(samples.count(), 1001);
  EXPECT_EQ(samples.capacity(), 1001);
  EXPECT_EQ(samples.at(1001).download, 1001);

  LogSampleArray grown;
  for (int i = 0; i < 1001; ++i) grown.append({});
  EXPECT_EQ(grown.capacity(), 2000);
  grown.trim();
  EXPECT_EQ(grown.capacity(), 1001);

  // A year of samples: room in whole thousands, grown a few dozen times.
  LogSampleArray year;
  int enlargements = 0;
  for (int i = 0; i < 525'600; ++i) {
    const auto before = year.capacity();
    year.append({});
    if (year.capacity() != before) {
      ++enlargements;
      EXPECT_EQ(year.capacity() % 1000, 0);
    }
  }
  EXPECT_LT(enlargements, 40);
  year.trim();
  EXPECT_EQ(year.capacity(), 525'600);
}

TEST_F(ReadLogFileTest, EmptyFileReadsAsALogWithoutSamples) {
  const ReadLogResult r = read({});
  EXPECT_EQ(r.outcome, ReadOutcome::Read);
  EXPECT_EQ(samples.count(), 0);
  EXPECT_EQ(samples.capacity(), 0);
}

TEST_F(ReadLogFileTest, MissingFileIsReportedAndLeavesNoSamples) {
  read({"09/12/2026 14:05:00;1;2"});
  ASSERT_EQ(samples.count(), 1);
  const ReadLogResult r = ReadLogFile(dir.filePath("gone.csv"), format, samples);
  EXPECT_EQ(r.outcome, ReadOutcome::Missing);
  EXPECT_EQ(samples.count(), 0);
}

TEST_F(ReadLogFileTest, SomethingUnreadableOrTooLargeIsNotTakenForMissing) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.csv"));
  EXPECT_EQ(ReadLogFile(dir.filePath("folder.csv"), format, samples).outcome, ReadOutcome::Unreadable);
  read({"09/12/2026 14:05:00;1;2", "09/12/2026 14:06:00;1;2"});
  const ReadLogResult r = ReadLogFile(dir.filePath("log.csv"), format, samples, 20);
  EXPECT_EQ(r.outcome, ReadOutcome::Unreadable);
  EXPECT_EQ(samples.count(), 0);
}

// The reading of one line as text, field by field: what the viewer has
// always made of a log, against which the byte reader is held.
std::optional<LogSample> sampleOfText(const QString& line, const RegionalFormat& format) {
  const qsizetype a = line.indexOf(QLatin1Char(';'));
  const qsizetype b = a < 0 ? -1 : line.indexOf(QLatin1Char(';'), a + 1);
  if (b < 0) return std::nullopt;
  const qsizetype c = line.indexOf(QLatin1Char(';'), b + 1);
  const auto when = format.parseDateTimeParts(line.left(a));
  const auto download = tavo::readInt32Checked(line.mid(a + 1, b - a - 1));
  const auto upload = tavo::readInt32Checked(c < 0 ? line.mid(b + 1) : line.mid(b + 1, c - b - 1));
  if (!when || !download || !upload) return std::nullopt;
  return LogSample(when->first, when->second, *download, *upload);
}

TEST_F(ReadLogFileTest, SameSamplesAsReadingTheTextLineByLine) {
  QByteArray bytes =
      "\xEF\xBB\xBF"
      "31/12/2026 23:58:00;1;2\r\n";
  for (int m = 0; m < 3000; ++m) {  // over two midnights, with the spring change's skipped hour
    const QDateTime t = QDateTime(QDate(2026, 3, 28), QTime(23, 0), Qt::UTC).addSecs(60LL * m);
    bytes += tavo::RegionalFormat(frenchLocale()).dateTimeText(t).toLatin1() + ';' + QByteArray::number(m % 977) + ';' +
             QByteArray::number(m % 13) + (m % 500 == 7 ? "\r" : "\r\n");
  }
  bytes += "29/03/2026 02:30:00;5;6\r\n28/03/2026 23:00:00;7;8\r\n";  // and back to an earlier day
  bytes += "09/12/2026 14:05:00;12.5;13.5;caf\xC3\xA9\r\n09/12/2026 14:05:00;12\xC3\xA9;x\r\n";
  bytes += "09/12/2026 14:05:00\xC3\xA9;1;2\r\n\r\n \r\ngarbage\r\n09/12/2026 14:05:00;1\r\n;;\r\n";
  bytes += "09/12/2026;5;6\r\n9/12/2026 14:05:00;1;2\r\n09/12/2026 14:05:00;3000000000;1\r\n";
  bytes += "09/12/2026 14:05:00; 2048kb;-3\r\n09/12/2026 14:06:00;+7;-0\n09/12/2026 14:07:00;1;2";
  const QString path = dir.filePath("mixed.csv");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();

  std::vector<LogSample> expected;
  int skipped = 0;
  for (const QString& line : tavo::readTextLines(path).lines) {
    if (line.isEmpty()) continue;
    if (const auto s = sampleOfText(line, format)) expected.push_back(*s);
    else ++skipped;
  }
  const ReadLogResult r = ReadLogFile(path, format, samples);
  ASSERT_EQ(r.outcome, ReadOutcome::Read);
  EXPECT_EQ(r.skippedLines, skipped);
  ASSERT_EQ(samples.count(), static_cast<std::int32_t>(expected.size()));
  EXPECT_EQ(samples.capacity(), samples.count());
  for (std::int32_t i = 1; i <= samples.count(); ++i) {
    const LogSample& e = expected[static_cast<std::size_t>(i - 1)];
    const LogSample a = samples.at(i);
    EXPECT_EQ(std::tuple(a.when, a.download, a.upload), std::tuple(e.when, e.download, e.upload)) << "sample " << i;
  }
}

TEST(LogSampleArray, EachSampleKeepsItsDayAndTimeInTwelveBytes) {
  // Days forward, over midnight, back to an earlier day and forward again.
  const QDateTime times[] = {{QDate(2026, 12, 9), QTime(23, 58, 59)}, {QDate(2026, 12, 9), QTime(23, 59, 59)},
                             {QDate(2026, 12, 10), QTime(0, 0, 0)},   {QDate(2026, 12, 10), QTime(0, 0, 59)},
                             {QDate(2026, 12, 8), QTime(12, 0, 0)},   {QDate(2026, 12, 10), QTime(0, 1, 0)},
                             {QDate(2027, 1, 1), QTime(0, 0, 1)},     {QDate(1, 1, 1), QTime(1, 2, 3)}};
  LogSampleArray a;
  int i = 0;
  for (const QDateTime& t : times) {
    ++i;
    a.append({t.date(), t.time(), i, -i});
  }
  a.trim();
  ASSERT_EQ(a.count(), 8);
  for (i = 1; i <= a.count(); ++i) {
    const QDateTime& t = times[i - 1];
    EXPECT_EQ(a.at(i).date(), t.date()) << i;
    EXPECT_EQ(a.at(i).time(), t.time()) << i;
    EXPECT_EQ(a.download(i), i);
    EXPECT_EQ(a.at(i).upload, -i);
  }
  // 12 bytes a sample and one entry a run of days.
  LogSampleArray day;
  for (int m = 0; m < 1440; ++m) day.append({QDate(2026, 12, 9), QTime(0, 0).addSecs(60 * m), m, m});
  day.trim();
  EXPECT_LE(day.bytesHeld(), 1440u * 12u + 64u);
}

// Lines as the monitor writes them, under any regional settings, read back.
TEST(ReadLogFileRegional, ReadsWhatTheRegionalWriterWrites) {
  QTemporaryDir dir;
  const QDateTime times[] = {QDateTime(QDate(2026, 12, 9), QTime(0, 0)), QDateTime(QDate(2026, 12, 9), QTime(0, 1)),
                             QDateTime(QDate(2026, 12, 9), QTime(13, 5)), QDateTime(QDate(2027, 1, 1), QTime(23, 59))};
  for (const QLocale& l : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                           QLocale(QLocale::German, QLocale::Germany), frenchLocale()}) {
    const RegionalFormat format(l);
    QStringList lines;
    for (const QDateTime& t : times) lines << format.dateTimeText(t) + ";" + QString::number(t.time().minute()) + ";1";
    const QString path = dir.filePath(l.name() + ".csv");
    ASSERT_TRUE(writeLog(path, lines));
    LogSampleArray samples;
    const ReadLogResult r = ReadLogFile(path, format, samples);
    EXPECT_EQ(r.skippedLines, 0) << l.name().toStdString() << " " << lines.join("|").toStdString();
    ASSERT_EQ(samples.count(), 4) << l.name().toStdString();
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(samples.at(i + 1).date(), times[i].date()) << l.name().toStdString();
      EXPECT_EQ(samples.at(i + 1).time(), times[i].time()) << l.name().toStdString();
    }
  }
}

LogSampleArray arrayOf(std::initializer_list<std::pair<int, int>> rates) {
  LogSampleArray a;
  for (auto [d, u] : rates) a.append({QDate(2026, 12, 9), QTime(10, 0), d, u});
  a.trim();
  return a;
}

RangeStats range(int first, int last) {
  RangeStats r;
  r.first = first;
  r.last = last;
  r.count = last - first + 1;
  return r;
}

TEST(RangeStats, WorkedVolumesAndMeansRoundHalfToEven) {
  struct {
    std::int64_t sum;
    int volume;
  } volumes[] = {{1024, 8}, {3072, 22}, {4096, 30}, {0, 0}, {8192, 60}, {-1024, -8}};
  for (auto v : volumes) EXPECT_EQ(volumeFromRateSum(v.sum), v.volume) << v.sum;
  EXPECT_EQ(meanFromRateSum(5, 2), 2);
  EXPECT_EQ(meanFromRateSum(7, 2), 4);
  EXPECT_EQ(meanFromRateSum(7, 0), 0);
}

TEST(RangeStats, SumsBeyondThirtyTwoBitsStayExact) {
  // One day at 25,000 kbit/s and more: the sum x 60 passes 2^31.
  EXPECT_EQ(volumeFromRateSum(36'000'000), 263672);  // 263671.875
  EXPECT_EQ(volumeFromRateSum(4'000'000'000LL), 29296875);
  EXPECT_EQ(meanFromRateSum(4'000'000'000LL, 2), 2'000'000'000);
  // Far beyond anything a real log holds: clamped, never wrapped.
  EXPECT_EQ(volumeFromRateSum(std::numeric_limits<std::int64_t>::max()), std::numeric_limits<std::int32_t>::max());

  const LogSampleArray a = arrayOf({{2'000'000'000, 1}, {2'000'000'000, 2}, {2'000'000'000, 3}});
  RangeStats r = range(1, 3);
  ComputeRangeStats(r, a);
  EXPECT_EQ(r.downloadMax, 2'000'000'000);
  EXPECT_EQ(r.downloadMean, 2'000'000'000);
  EXPECT_EQ(r.downloadVolume, 43945312);  // 6e9 x 60 / 8192 = 43945312.5 -> even
  EXPECT_EQ(r.uploadMean, 2);
}

TEST(RangeStats, FiguresOfTheRangeOnly) {
  const LogSampleArray a = arrayOf({{100, 5}, {900, 7}, {300, 0}, {1024, 2}});
  RangeStats r = range(3, 4);
  ComputeRangeStats(r, a);
  RangeStats expected = range(3, 4);
  expected.downloadMax = 1024;
  expected.uploadMax = 2;
  expected.downloadVolume = volumeFromRateSum(1324);
  expected.uploadVolume = 0;
  expected.downloadMean = 662;
  expected.uploadMean = 1;
  EXPECT_EQ(r, expected);

  RangeStats whole = wholeLogRange(a.count());
  ComputeRangeStats(whole, a);
  EXPECT_EQ(whole.first, 1);
  EXPECT_EQ(whole.count, 4);
  EXPECT_EQ(whole.downloadMax, 1024);
  EXPECT_EQ(whole.uploadMax, 7);
}

TEST(RangeStats, NegativeOrZeroRatesGiveMaximumZero) {
  const LogSampleArray a = arrayOf({{-5, 0}, {-1, 0}});
  RangeStats r = range(1, 2);
  ComputeRangeStats(r, a);
  EXPECT_EQ(r.downloadMax, 0);
  EXPECT_EQ(r.uploadMax, 0);
  EXPECT_EQ(r.downloadMean, -3);  // -6 / 2
}

TEST(RangeStats, EmptyRangeOrEmptyLogGivesZeros) {
  const LogSampleArray empty;
  RangeStats whole = wholeLogRange(0);
  ComputeRangeStats(whole, empty);
  EXPECT_EQ(whole, wholeLogRange(0));

  const LogSampleArray a = arrayOf({{100, 5}});
  RangeStats none = range(2, 1);
  ComputeRangeStats(none, a);
  EXPECT_EQ(none.downloadMax, 0);
  EXPECT_EQ(none.downloadMean, 0);
  // A range reaching past the log reads only the samples that exist.
  RangeStats past = range(1, 5);
  ComputeRangeStats(past, a);
  EXPECT_EQ(past.downloadMax, 100);
}

}  // namespace
