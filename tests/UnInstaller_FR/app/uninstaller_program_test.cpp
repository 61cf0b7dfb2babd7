// The built Uninstall in an installation of a user of its own, shown on a
// display of the test's own, its boxes answered with the keyboard.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTest>

#include "tests/UnInstaller_FR/uninstall_test_util.h"
#include "tests/UnInstaller_FR/virtualdisplay.h"

using namespace tavo::uninstall::testing;

namespace {

// Window names, as regular expressions without the accented letter.
const QString kQuestion = "^D.*sinstaller$";
const QString kLog = "^D.*sinstallation\\.\\.\\.$";
const QString kError = "^Erreur$";

class UninstallProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(user.isValid());
    const QString why = display.start();
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();
    inst = makeInstallation(user);
    makeBystanders(user);
    const QString program = inst.folder + "/Uninstall";
    ASSERT_TRUE(QFile::remove(program));
    ASSERT_TRUE(QFile::copy(QDir(qEnvironmentVariable("TAVO_SUITE_DIR")).filePath("Uninstall"), program));
    process.setProcessEnvironment(display.environment());
    // Files, not pipes: the copy outlives the first run and would write
    // into a pipe nobody reads any more.
    ASSERT_TRUE(output.isValid());
    process.setStandardOutputFile(output.filePath("stdout"));
    process.setStandardErrorFile(output.filePath("stderr"));
  }
  void TearDown() override {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(10000);
    }
  }
  void start(const QStringList& arguments) {
    process.start(inst.folder + "/Uninstall", arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
  }
  void expectEndsAtOnce() {
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << errors().toStdString();
  }

  QString errors() const {
    QFile f(output.filePath("stderr"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
  }

  QTemporaryDir output;
  FakeUser user;
  VirtualDisplay display;
  Installation inst;
  QProcess process;
};

TEST_F(UninstallProgram, WithoutArgumentACopyAsksAndRemovesTheInstallation) {
  const auto before = snapshot(user.root());
  start({});
  expectEndsAtOnce();

  const QStringList folders = QDir(user.tmp()).entryList({"uninst-*"}, QDir::Dirs);
  ASSERT_EQ(folders.size(), 1);
  const QString copyFolder = user.tmp() + '/' + folders.first();
  EXPECT_TRUE(QFileInfo(copyFolder + "/uninst_tmp").isExecutable());

  const QString question = display.waitForWindow(kQuestion);
  ASSERT_FALSE(question.isEmpty()) << errors().toStdString();
  EXPECT_TRUE(QFileInfo::exists(inst.folder));
  display.press(question, "Return");

  const QString log = display.waitForWindow(kLog);
  ASSERT_FALSE(log.isEmpty());
  ASSERT_TRUE(QTest::qWaitFor([this] { return !QFileInfo::exists(inst.folder); }, 30000));
  EXPECT_EQ(without(snapshot(user.root()), user.root(), {copyFolder}),
            without(before, user.root(), inst.removed() + QStringList{copyFolder}));
  // The copy stays where it ran from.
  EXPECT_TRUE(QFileInfo::exists(copyFolder + "/uninst_tmp"));

  display.press(log, "Return");
  EXPECT_TRUE(display.waitForNoWindow(kLog));
}

TEST_F(UninstallProgram, AnswerNoEndsWithoutDeleting) {
  const auto before = snapshot(user.root());
  start({inst.recordPath()});
  const QString question = display.waitForWindow(kQuestion);
  ASSERT_FALSE(question.isEmpty());
  display.press(question, "Escape");
  expectEndsAtOnce();
  EXPECT_EQ(snapshot(user.root()), before);
}

TEST_F(UninstallProgram, AMissingRecordIsReportedAndNothingDeleted) {
  const auto before = snapshot(user.root());
  start({user.home() + "/no such/uninstall.dat"});
  const QString error = display.waitForWindow(kError);
  ASSERT_FALSE(error.isEmpty());
  display.press(error, "Return");
  expectEndsAtOnce();
  EXPECT_EQ(snapshot(user.root()), before);
}

}  // namespace
