// The built Update, started as the monitor starts it, with the host
// given at run time.
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTest>

#include "tests/Update/versionserver.h"

using tavo::update::testing::VersionServer;

namespace {

class UpdateProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listen());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TAVO_WEB_HOST", server.host());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
  }
  void TearDown() override {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(10000);
    }
  }
  void start(const QStringList& arguments) {
    process.start(QDir(qEnvironmentVariable("TAVO_SUITE_DIR")).filePath("Update"), arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
  }
  // Lets the server answer while the program runs.
  bool finishes(int ms) {
    return QTest::qWaitFor([this] { return process.state() == QProcess::NotRunning; }, ms);
  }

  VersionServer server;
  QProcess process;
};

TEST_F(UpdateProgram, ANewerVersionKeepsItsWindowOpen) {
  server.answer(200, "3.06");
  start({"Tavo", "3.05", "FR"});
  ASSERT_TRUE(QTest::qWaitFor([this] { return !server.requests.isEmpty(); }, 20000));
  EXPECT_EQ(server.requests, QStringList{"GET /tavo.txt HTTP/1.1"});
  EXPECT_FALSE(finishes(1500));
}

TEST_F(UpdateProgram, NothingNewerEndsAtOnce) {
  server.answer(200, "3.05");
  start({"Tavo", "3.05", "EN"});
  ASSERT_TRUE(finishes(20000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(server.requests, QStringList{"GET /tavo.txt HTTP/1.1"});
}

TEST_F(UpdateProgram, WithoutArgumentsEndsWithoutAsking) {
  server.answer(200, "9.99");
  start({});
  ASSERT_TRUE(finishes(20000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(server.requests.isEmpty());
}

}  // namespace
