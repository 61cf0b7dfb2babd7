#include "Stats/core/statsdata.h"
#include "tests/Stats/stats_fixtures.h"
#include "tests/common/numericlocale.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

// The analyser runs under the user's LANG; a French or German LC_NUMERIC
// must not turn "13.5" into 13 nor keep a value that rounds past 32 bits.
TEST(LoadStatisticsLocale, FiguresRoundTheSameUnderCommaLocales) {
  const RegionalFormat format{QLocale(QLocale::French, QLocale::France)};
  struct Case {
    const char* fields;
    bool kept;
    int dlMax;
    int ulMax;
    int dlVol;
    int ulVol;
  };
  const Case cases[] = {
      {"12.5;13.5;1025.5;3.5", true, 12, 14, 1026, 4},
      {"100.5;101.5;0.5;1.5", true, 100, 102, 0, 2},
      {"2147483646.5;1;1;1", true, 2147483646, 1, 1, 1},
      {"2147483647.5;1;1;1", false, 0, 0, 0, 0},  // rounds past 32 bits: not a session
  };
  for (const char* name : tavo::testing::kCommaLocales) {
    TAVO_UNDER_NUMERIC_LOCALE(locale, name);
    // Once as plain ASCII and once with a non-ASCII field, which the
    // reader decodes before reading the numbers.
    for (const char* tail : {"", ";caf\xC3\xA9"}) {
      for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("all_stats.csv");
        writeFile(path, {QStringLiteral("01/12/2026 10:00:00;01/12/2026 10:00:00;") + QString::fromUtf8(c.fields) +
                         QString::fromUtf8(tail)});
        SessionStore store;
        const LoadOutcome outcome = LoadStatistics(path, format, store);
        const std::string what = std::string(name) + " " + c.fields + tail;
        if (!c.kept) {
          EXPECT_EQ(store.sessionCount(), 0) << what;
          EXPECT_EQ(store.skippedLines, 1) << what;
          continue;
        }
        ASSERT_EQ(outcome, LoadOutcome::Loaded) << what;
        ASSERT_EQ(store.sessionCount(), 1) << what;
        const SessionRecord& r = store.sessionTable[0];
        EXPECT_EQ(r.dlMax, c.dlMax) << what;
        EXPECT_EQ(r.ulMax, c.ulMax) << what;
        EXPECT_EQ(r.dlVol, c.dlVol) << what;
        EXPECT_EQ(r.ulVol, c.ulVol) << what;
      }
    }
  }
}
