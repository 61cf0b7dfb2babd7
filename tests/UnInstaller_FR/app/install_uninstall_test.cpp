// An installation made by the installer from a copy of the build's setup
// folder, then removed by the installed Uninstall started as its menu
// entry starts it, the confirmation answered Yes on a display of the
// test's own: nothing of the installation is left, nothing else changed.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTest>

#include "installer/core/installsequence.h"
#include "tests/UnInstaller_FR/uninstall_test_util.h"
#include "tests/UnInstaller_FR/virtualdisplay.h"

using namespace tavo::uninstall::testing;
namespace setup = tavo::setup;

namespace {

TEST(InstallThenUninstall, NothingOfTheInstallationIsLeftAndNothingElseChanged) {
  const QString setupDir = qEnvironmentVariable("TAVO_SETUP_DIR");
  ASSERT_TRUE(QFileInfo(setupDir + "/TV2.dat").isFile()) << setupDir.toStdString();
  QTemporaryDir copy, output;
  ASSERT_TRUE(copy.isValid() && output.isValid());
  for (const QString& name : QDir(setupDir).entryList(QDir::Files))
    ASSERT_TRUE(QFile::copy(setupDir + '/' + name, copy.filePath(name)));

  FakeUser user;
  ASSERT_TRUE(user.isValid());
  makeBystanders(user);
  const auto before = snapshot(user.root());

  // The installation, every shortcut chosen.
  const setup::InstallerTexts& texts = setup::englishInstallerTexts();
  setup::InstallerState state = setup::initialInstallerState(texts.helpShortcutFile, copy.path());
  setup::InstallChoices choices;
  choices.shortcuts = {true, true, true};
  choices.english = true;
  setup::InstallHooks hooks;
  QString installLog;
  hooks.showLog = [&installLog](const QString& text) { installLog = text; };
  hooks.critical = [](const QString& text, const QString&) { ADD_FAILURE() << text.toStdString(); };
  hooks.setFinishCaption = [](const QString&) {};
  hooks.enableFinish = [] {};
  hooks.startHidden = [](const QString&, const QStringList&) {};
  hooks.createShortcuts = setup::CreateSetupShortcuts;
  ASSERT_EQ(setup::RunInstall(state, texts, choices, hooks), setup::InstallOutcome::Completed)
      << installLog.toStdString();
  const QString folder = state.InstallFolder;
  ASSERT_TRUE(QFileInfo(folder + "/Uninstall").isExecutable());
  for (const QString& entry :
       {state.Folders.DesktopFolder + "/Tavo.desktop", state.Folders.GroupFolder + "/Help.desktop",
        state.Folders.StartupFolder + "/Tavo.desktop"})
    ASSERT_TRUE(QFileInfo::exists(entry)) << entry.toStdString();
  // What the programs add while they are used.
  writeFile(folder + "/session_stats.csv", "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n");
  writeFile(folder + "/all_stats.csv", "06/12/2026 10:00:00;06/12/2026 12:00:00;10;20;30;40\r\n");
  writeFile(folder + "/logs/071226-10-0.csv", "07/12/2026 10:01:00;12;3\r\n");

  VirtualDisplay display;
  const QString why = display.start();
  ASSERT_TRUE(why.isEmpty()) << why.toStdString();
  QProcess first;
  first.setProcessEnvironment(display.environment());
  first.setStandardOutputFile(output.filePath("stdout"));
  first.setStandardErrorFile(output.filePath("stderr"));
  first.setWorkingDirectory(user.home());
  first.start(folder + "/Uninstall", {});
  ASSERT_TRUE(first.waitForFinished(30000));
  EXPECT_EQ(first.exitCode(), 0);

  const QString question = display.waitForWindow("^D.*sinstaller$");
  ASSERT_FALSE(question.isEmpty());
  display.press(question, "Return");
  const QString log = display.waitForWindow("^D.*sinstallation\\.\\.\\.$");
  ASSERT_FALSE(log.isEmpty());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(folder); }, 30000));
  // The final line follows the last deletion at once.
  QTest::qWait(300);

  const QStringList copies = QDir(user.tmp()).entryList({"uninst-*"}, QDir::Dirs);
  ASSERT_EQ(copies.size(), 1);
  const QString copyFolder = user.tmp() + '/' + copies.first();
  EXPECT_EQ(without(snapshot(user.root()), user.root(), {copyFolder}), before);

  display.press(log, "Return");
  EXPECT_TRUE(display.waitForNoWindow("^D.*sinstallation"));
}

}  // namespace
