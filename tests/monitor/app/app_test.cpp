// The real Tavo program in a program folder of its own: a second start
// while it runs ends at once and leaves every file as it was.
#include "tests/common/foldersnapshot.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using tavo::testing::folderSnapshot;
using tavo::testing::waitUntil;

const QByteArray kSessionLine = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n";

class TavoProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const QByteArray suite = qgetenv("TAVO_SUITE_DIR");
    ASSERT_FALSE(suite.isEmpty());
    const QString program = QString::fromLocal8Bit(suite) + QStringLiteral("/Tavo");
    ASSERT_TRUE(QFileInfo::exists(program)) << program.toStdString();
    ASSERT_TRUE(QFile::copy(program, dir.filePath("Tavo")));
    QFile::setPermissions(dir.filePath("Tavo"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile("Tavo.ini", "Lang=EN\r\nDetailedLog=1\r\n");
    writeFile("all_stats.csv", "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n");
  }
  void TearDown() override {
    for (QProcess* p : {&first, &third}) {
      if (p->state() != QProcess::NotRunning) {
        p->kill();
        p->waitForFinished(5000);
      }
    }
  }
  void writeFile(const char* name, const QByteArray& text) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
  }
  // Starts Tavo and waits until its start-up has moved the waiting session line.
  void startAndWait(QProcess& p, const QByteArray& sessionLine = kSessionLine) {
    writeFile("session_stats.csv", sessionLine);
    p.setProgram(dir.filePath("Tavo"));
    p.setWorkingDirectory(dir.path());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start();
    ASSERT_TRUE(p.waitForStarted(10000));
    ASSERT_TRUE(waitUntil([&] { return !QFile::exists(dir.filePath("session_stats.csv")); }, 30000))
        << "Tavo did not finish its start-up";
  }

  QTemporaryDir dir;
  QProcess first, third;
};

TEST_F(TavoProgram, SecondStartEndsAtOnceAndTouchesNothing) {
  startAndWait(first);
  ASSERT_TRUE(QFileInfo(dir.filePath("logs")).isDir());  // the settings were applied
  QThread::msleep(300);
  const QStringList before = folderSnapshot(dir.path());

  QProcess second;
  second.setProgram(dir.filePath("Tavo"));
  second.setWorkingDirectory(dir.path());
  second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  second.start();
  ASSERT_TRUE(second.waitForStarted(10000));
  ASSERT_TRUE(second.waitForFinished(20000)) << "the second Tavo kept running";
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_EQ(folderSnapshot(dir.path()), before);

  // A run that is killed leaves its lock behind; the next start takes it over.
  first.kill();
  ASSERT_TRUE(first.waitForFinished(10000));
  const QByteArray killedRunLine = "08/12/2026 10:00:00;08/12/2026 12:00:00;1;1;1;1\r\n";
  startAndWait(third, killedRunLine);
  EXPECT_EQ(third.state(), QProcess::Running);
  QFile all(dir.filePath("all_stats.csv"));
  ASSERT_TRUE(all.open(QIODevice::ReadOnly));
  EXPECT_EQ(all.readAll(), "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n" + kSessionLine + killedRunLine);
}

}  // namespace
