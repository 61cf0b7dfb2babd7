// A rate log with a line far longer than any sample (megabytes of NUL
// bytes, as a disk fault leaves them): passed over and counted, never held,
// and the samples around it read.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "LogViewer/core/logfile.h"
#include "common/bulkread.h"
#include "tests/LogViewer/logviewer_test_util.h"

using namespace tavo::logv;

TEST(LongLines, AnOverlongLineIsOneUnreadableLineBetweenSamples) {
  QTemporaryDir dir;
  const QString path = dir.filePath("log.csv");
  const QByteArray middles[] = {QByteArray(3 * tavo::LineReader::kLongestLine + 7, '\0') + "\r\n",
                                QByteArray(tavo::LineReader::kLongestLine + 1, 'x') + "\n"};
  for (const QByteArray& middle : middles) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("09/12/2026 14:05:00;10;20\r\n" + middle + "09/12/2026 14:06:00;30;40\r\n");
    f.close();
    const tavo::RegionalFormat format{tavo::logv::testing::frenchLocale()};
    LogSampleArray samples;
    const ReadLogResult r = ReadLogFile(path, format, samples);
    ASSERT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.skippedLines, 1);
    ASSERT_EQ(samples.count(), 2);
    EXPECT_EQ(samples.at(1).download, 10);
    EXPECT_EQ(samples.at(2).upload, 40);
  }
}
