// The built TavoLogV, started as the monitor starts it, from the suite folder.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString suiteDir() { return qEnvironmentVariable("TAVO_SUITE_DIR"); }

TEST(TavoLogV, WithoutArgumentEndsAtOnceAndLeavesTheLogsFolder) {
  ASSERT_FALSE(suiteDir().isEmpty());
  QProcess p;
  p.start(QDir(suiteDir()).filePath("TavoLogV"), {});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_TRUE(QFileInfo(QDir(suiteDir()).filePath("logs")).isDir());
}

TEST(TavoLogV, WithALanguageStaysOnItsListUntilClosed) {
  QProcess p;
  p.start(QDir(suiteDir()).filePath("TavoLogV"), {"EN"});
  ASSERT_TRUE(p.waitForStarted(10000));
  EXPECT_FALSE(p.waitForFinished(1500));
  EXPECT_EQ(p.state(), QProcess::Running);
  p.kill();
  p.waitForFinished(10000);
}

}  // namespace
