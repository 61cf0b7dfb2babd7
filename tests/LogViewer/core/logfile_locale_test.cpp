#include "LogViewer/core/logfile.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "common/regionaltext.h"
#include "tests/LogViewer/logviewer_test_util.h"
#include "tests/common/numericlocale.h"

using namespace tavo::logv;

// The viewer runs under the user's LANG; its rates must read the same
// under a French or German LC_NUMERIC as under "C".
TEST(ReadLogFileLocale, RatesRoundTheSameUnderCommaLocales) {
  const tavo::RegionalFormat format{tavo::logv::testing::frenchLocale()};
  struct Case {
    const char* rates;
    bool kept;
    int download;
    int upload;
  };
  const Case cases[] = {
      {"100.5;101.5", true, 100, 102}, {"12.5;13.5", true, 12, 14},     {"1025.5;0.7", true, 1026, 1},
      {"-13.5;2.5e1", true, -14, 25},  {"2147483647.5;1", false, 0, 0},
  };
  for (const char* name : tavo::testing::kCommaLocales) {
    TAVO_UNDER_NUMERIC_LOCALE(locale, name);
    for (const char* tail : {"", ";\xC3\xA9t\xC3\xA9"}) {
      for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.csv");
        ASSERT_TRUE(tavo::logv::testing::writeLog(
            path, {QStringLiteral("09/12/2026 14:05:00;") + QString::fromUtf8(c.rates) + QString::fromUtf8(tail)}));
        LogSampleArray samples;
        const ReadLogResult r = ReadLogFile(path, format, samples);
        const std::string what = std::string(name) + " " + c.rates + tail;
        ASSERT_EQ(r.outcome, ReadOutcome::Read) << what;
        ASSERT_EQ(samples.count(), c.kept ? 1 : 0) << what;
        if (!c.kept) continue;
        EXPECT_EQ(samples.at(1).download, c.download) << what;
        EXPECT_EQ(samples.at(1).upload, c.upload) << what;
      }
    }
  }
}
