// The built TavoStat, started the way the monitor starts it, from a folder
// of its own beside an all_stats.csv.
#include "tests/Stats/stats_fixtures.h"
#include "tests/common/privatedesktop.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace tavo;
using namespace tavo::stats::testing;

namespace {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString built = qEnvironmentVariable("TAVO_SUITE_DIR") + "/TavoStat";
    if (!QFile::exists(built)) GTEST_SKIP() << "TavoStat not built in " << built.toStdString();
    program_ = dir_.filePath("TavoStat");
    ASSERT_TRUE(QFile::copy(built, program_));
  }
  QTemporaryDir dir_;
  QString program_;
};

}  // namespace

TEST_F(ProgramTest, WithoutArgumentEndsAtOnceEvenWithoutStatistics) {
  QProcess p;
  p.start(program_, {});
  ASSERT_TRUE(p.waitForFinished(10000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 0);
}

TEST_F(ProgramTest, WithALanguageItKeepsShowingTheSummary) {
  tavo::testing::XDesktop desktop;
  const bool onDesktop = tavo::testing::startPrivateDesktop(desktop);
  ASSERT_FALSE(HasFailure());
  const RegionalFormat f;  // the regional settings the monitor writes with
  writeFile(dir_.filePath("all_stats.csv"), {sessionLine(f, {at(2026, 12, 8, 10), 95, 2000, 400, 300, 30}),
                                             sessionLine(f, {at(2026, 12, 9, 10), 60, 1000, 300, 100, 20})});
  const std::pair<const char*, QString> summaries[] = {{"FR", QString::fromUtf8("Tavo - Statistiques - Résumé")},
                                                       {"EN", QStringLiteral("Tavo - Statistics - Summary")}};
  for (const auto& [language, title] : summaries) {
    QProcess p;
    if (onDesktop) p.setProcessEnvironment(desktop.environment());
    p.start(program_, {language});
    ASSERT_TRUE(p.waitForStarted(10000));
    if (onDesktop) {
      EXPECT_TRUE(tavo::testing::windowShown(desktop, p.processId(), title)) << language;
    }
    // Still running: the summary window is up and nothing asked a question.
    EXPECT_FALSE(p.waitForFinished(1500)) << language;
    p.kill();
    p.waitForFinished(5000);
  }
  if (!onDesktop) GTEST_SKIP() << tavo::testing::kNoPrivateDesktop;
}
