// The built TavoLogV, copied into a fresh program folder and started as the
// monitor starts it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/common/privatedesktop.h"

namespace {

class TavoLogV : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    const QString built = QDir(qEnvironmentVariable("TAVO_SUITE_DIR")).filePath("TavoLogV");
    ASSERT_TRUE(QFile::copy(built, program()));
  }
  QString program() const { return dir_.filePath("TavoLogV"); }
  QTemporaryDir dir_;
};

TEST_F(TavoLogV, WithoutArgumentEndsAtOnceAndCreatesTheLogsFolder) {
  ASSERT_FALSE(QFileInfo::exists(dir_.filePath("logs")));
  QProcess p;
  p.start(program(), {});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_TRUE(QFileInfo(dir_.filePath("logs")).isDir());
}

TEST_F(TavoLogV, WithALanguageStaysOnItsListUntilClosed) {
  tavo::testing::XDesktop desktop;
  const bool onDesktop = tavo::testing::startPrivateDesktop(desktop);
  ASSERT_FALSE(HasFailure());
  QProcess p;
  if (onDesktop) p.setProcessEnvironment(desktop.environment());
  p.start(program(), {"EN"});
  ASSERT_TRUE(p.waitForStarted(10000));
  if (onDesktop) {
    EXPECT_TRUE(tavo::testing::windowShown(desktop, p.processId(), QStringLiteral("Tavo - Log Viewer")));
  }
  EXPECT_FALSE(p.waitForFinished(1500));
  EXPECT_EQ(p.state(), QProcess::Running);
  p.kill();
  p.waitForFinished(10000);
  if (!onDesktop) GTEST_SKIP() << tavo::testing::kNoPrivateDesktop;
}

}  // namespace
