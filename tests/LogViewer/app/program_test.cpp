// The built TavoLogV, copied into a fresh program folder and started as the
// monitor starts it.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

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

TEST_F(TavoLogV, WithALanguageMakesTheLogsFolderAndShowsItsList) {
  tavo::testing::XDesktop desktop;
  const bool onDesktop = tavo::testing::startPrivateDesktop(desktop);
  ASSERT_FALSE(HasFailure());
  for (const char* language : {"FR", "EN"}) {
    SCOPED_TRACE(language);
    QTemporaryDir folder;
    const QString copy = folder.filePath("TavoLogV");
    ASSERT_TRUE(QFile::copy(program(), copy));
    QProcess p;
    if (onDesktop) p.setProcessEnvironment(desktop.environment());
    p.start(copy, {QString::fromLatin1(language)});
    ASSERT_TRUE(p.waitForStarted(10000));
    // What it writes: the logs folder, made before it shows its list.
    const QString logs = folder.filePath("logs");
    bool made = false;
    for (int i = 0; i < 200 && !made; ++i) {
      made = QFileInfo(logs).isDir();
      if (!made) p.waitForFinished(50);
    }
    EXPECT_TRUE(made);
    if (onDesktop) {
      // What it shows: its list window, up and viewable, as the window
      // manager sees it.
      EXPECT_TRUE(tavo::testing::windowShown(desktop, p.processId(), QStringLiteral("Tavo - Log Viewer")));
    }
    // It waits for the user: nothing ended it, and it wrote nothing more.
    EXPECT_EQ(p.state(), QProcess::Running);
    EXPECT_EQ(QDir(logs).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
    QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    entries.sort();
    EXPECT_EQ(entries, (QStringList{"TavoLogV", "logs"}));
    p.kill();
    p.waitForFinished(10000);
  }
  if (!onDesktop) GTEST_SKIP() << tavo::testing::kNoPrivateDesktop;
}

}  // namespace
