// The removal as the record describes it, the confirmation, the missing
// record and the hand-over to a copy, with the desktop replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>

#include "UnInstaller_FR/core/uninstaller.h"
#include "common/platform/instance/singleinstance.h"
#include "tests/UnInstaller_FR/uninstall_test_util.h"
#include "tests/support/fakedesktop.h"

using namespace tavo::uninstall;
using namespace tavo::uninstall::testing;

namespace {

struct Started {
  QString program;
  QStringList arguments;
  QString workingFolder;
};

class UninstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(user.isValid());
    inst = makeInstallation(user);
    makeBystanders(user);
    // The missing record is a critical box with OK, the question one with
    // Yes and No; both in plain text.
    desktop.onAsk = [this](const tavo::BoxRequest& box) {
      EXPECT_EQ(box.textFormat, Qt::PlainText);
      if (box.icon == QMessageBox::Critical) {
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
        messages << box.title + '|' + box.text;
        return QMessageBox::Ok;
      }
      EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
      questions << box.title + '|' + box.text;
      return answerYes ? QMessageBox::Yes : QMessageBox::No;
    };
    desktop.onStart = [this](const tavo::ProgramStart& start) {
      started.push_back({start.program, start.arguments, start.workingFolder});
      return startSucceeds;
    };
    display.log = [this](const QString& line) { log << line; };
    display.pause = [this] {
      pauses.push_back(log.size());
      return true;
    };
    display.letEventsRun = [] { return true; };
  }
  // The uninstaller as it runs from the installation folder.
  Uninstaller uninstaller(const QString& programFolder = {}) {
    return Uninstaller(programFolder.isEmpty() ? inst.folder : programFolder, desktop, display);
  }
  bool runWith(const QString& recordPath) { return uninstaller().UninstallMain({"Uninstall", recordPath}); }
  void rewriteRecord(const tavo::setup::UninstallRecord& record) {
    ASSERT_TRUE(tavo::setup::writeUninstallRecord(inst.recordPath(), record));
  }

  FakeUser user;
  Installation inst;
  tavo::test::FakeDesktop desktop;
  UninstallerDisplay display;
  bool answerYes = true;
  bool startSucceeds = true;
  QStringList messages, questions, log;
  std::vector<qsizetype> pauses;
  std::vector<Started> started;
};

TEST_F(UninstallerTest, RemovesTheEntriesTheGroupAndTheInstallationAndNothingElse) {
  const auto before = snapshot(user.root());
  EXPECT_TRUE(runWith(inst.recordPath()));

  EXPECT_EQ(questions, QStringList{"Désinstaller|    Désinstaller Tavo ?    "});
  EXPECT_EQ(snapshot(user.root()), without(before, user.root(), inst.removed()));
  for (const QString& path : inst.removed()) EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
  ASSERT_GE(log.size(), 6);
  EXPECT_EQ(log.mid(0, 2), QStringList({"----- Préparation de la désinstallation de Tavo -----", " "}));
  EXPECT_EQ(pauses, std::vector<qsizetype>{2});  // after the two first lines, before any deletion
  EXPECT_EQ(log.at(2), "delete : " + inst.record.GroupFolder + "/Aide.desktop");
  EXPECT_TRUE(log.contains("*** remove : " + inst.record.GroupFolder));
  EXPECT_TRUE(log.contains("delete : " + inst.folder + "/logs/091226-14-7.csv"));
  EXPECT_TRUE(log.contains("delete : " + inst.folder + "/uninstall.dat"));
  EXPECT_EQ(log.mid(log.size() - 3),
            QStringList({"*** remove : " + inst.folder, " ", "----- Tavo a été désinstallé avec succès -----"}));
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(UninstallerTest, AnswerNoDeletesNothing) {
  answerYes = false;
  const auto before = snapshot(user.root());
  EXPECT_FALSE(runWith(inst.recordPath()));
  EXPECT_EQ(questions.size(), 1);
  EXPECT_EQ(snapshot(user.root()), before);
  EXPECT_TRUE(log.isEmpty());
}

TEST_F(UninstallerTest, AMissingRecordShowsTheTwoLinesAndDeletesNothing) {
  const auto before = snapshot(user.root());
  for (const QString& path : {inst.folder + "/nothing.dat", inst.folder + "/logs", QString(" ")}) {
    messages.clear();
    EXPECT_FALSE(runWith(path));
    EXPECT_EQ(messages, QStringList{"Erreur|    Impossible de désinstaller : uninstall.dat est absent.    \n"
                                    "    Please uninstall manually.    "});
  }
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_EQ(snapshot(user.root()), before);
}

TEST_F(UninstallerTest, ARecordOfThreeLinesLeavesTheGroupAndAutostartEntry) {
  writeFile(inst.recordPath(),
            (QStringList{"Tavo", inst.folder, inst.record.DesktopFolder}.join("\r\n") + "\r\n").toUtf8());
  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
  EXPECT_FALSE(QFileInfo::exists(inst.record.DesktopFolder + "/Tavo.desktop"));
  EXPECT_TRUE(QFileInfo::exists(inst.record.GroupFolder + "/Tavo.desktop"));
  EXPECT_TRUE(QFileInfo::exists(inst.record.StartupFolder + "/Tavo.desktop"));
  EXPECT_EQ(log.at(2), "*** refusé : aucun dossier indiqué");
  EXPECT_EQ(log.last(), "----- Tavo a été désinstallé avec succès -----");
}

TEST_F(UninstallerTest, NoGroupFolderAndATrailingSlash) {
  QDir(inst.record.GroupFolder).removeRecursively();
  auto record = inst.record;
  record.InstallFolder += '/';
  rewriteRecord(record);
  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
  EXPECT_FALSE(QFileInfo::exists(inst.record.StartupFolder + "/Tavo.desktop"));
  EXPECT_EQ(log.at(2), " ");  // nothing said about the missing group
  EXPECT_TRUE(log.contains("*** remove : " + inst.folder));
}

TEST_F(UninstallerTest, ARecordNamingAnotherFolderKeepsThatFolder) {
  // A copy of the same text in another installation is not the record read.
  const Installation other = makeInstallation(user, "Programmes/Other Tavo");
  auto record = inst.record;
  record.InstallFolder = other.folder;
  rewriteRecord(record);
  ASSERT_TRUE(QFile::remove(other.recordPath()));
  ASSERT_TRUE(QFile::copy(inst.recordPath(), other.recordPath()));
  const auto otherBefore = snapshot(other.folder);

  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_EQ(snapshot(other.folder), otherBefore);
  EXPECT_TRUE(QFileInfo::exists(inst.folder));
  EXPECT_TRUE(log.contains("*** refusé : " + other.folder + " (ne contient pas ce uninstall.dat)"));
  // Nothing of the installation folder went: no success is claimed.
  EXPECT_EQ(log.last(), "----- Tavo n'a pas été entièrement désinstallé : " + other.folder + " reste -----");
}

TEST_F(UninstallerTest, ARecordNamingTheHomeFolderKeepsIt) {
  auto record = inst.record;
  record.InstallFolder = user.home();
  record.GroupFolder = user.home() + "/Documents";
  rewriteRecord(record);
  ASSERT_TRUE(QFile::copy(inst.recordPath(), user.home() + "/uninstall.dat"));
  const auto before = snapshot(user.root());

  EXPECT_TRUE(runWith(user.home() + "/uninstall.dat"));
  // Only the two entries named after the product go.
  EXPECT_EQ(snapshot(user.root()),
            without(before, user.root(),
                    {inst.record.DesktopFolder + "/Tavo.desktop", inst.record.StartupFolder + "/Tavo.desktop"}));
  EXPECT_TRUE(log.contains("*** refusé : " + user.home() + "/Documents (dossier protégé)"));
  EXPECT_TRUE(log.contains("*** refusé : " + user.home() + " (dossier protégé)"));
}

// Records edited by hand or made from a folder name with line breaks in
// it name any folder on the group line: outside the installation folder
// only the installer's own entries go, by name.
struct HostileGroupCase {
  const char* name;
  const char* groupLine;  // relative to the fake root
  QStringList userFiles;  // relative to the fake root, all must stay
};

// A failing case shows its name, not the bytes of the struct.
void PrintTo(const HostileGroupCase& c, std::ostream* os) { *os << c.name; }

class HostileGroupLine : public UninstallerTest, public ::testing::WithParamInterface<HostileGroupCase> {};

TEST_P(HostileGroupLine, OnlyTheInstallersOwnEntriesGo) {
  const HostileGroupCase& c = GetParam();
  for (const QString& file : c.userFiles) ASSERT_TRUE(writeFile(user.root() + '/' + file, "mine"));
  auto record = inst.record;
  record.GroupFolder = user.root() + '/' + c.groupLine;
  rewriteRecord(record);
  const auto before = snapshot(user.root());

  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_EQ(snapshot(user.root()), without(before, user.root(),
                                           {inst.folder, inst.record.DesktopFolder + "/Tavo.desktop",
                                            inst.record.StartupFolder + "/Tavo.desktop"}));
  EXPECT_EQ(log.last(), "----- Tavo a été désinstallé avec succès -----");
}

INSTANTIATE_TEST_SUITE_P(
    Records, HostileGroupLine,
    ::testing::Values(
        HostileGroupCase{"Projects", "home/Projects", {"home/Projects/site/index.html", "home/Projects/notes.txt"}},
        HostileGroupCase{"OutsideTheHome", "photos", {"photos/2026/beach.jpg", "photos/cat.jpg"}},
        HostileGroupCase{"DotLocal", "home/.local", {"home/.local/bin/tool", "home/.local/state/app/log"}},
        HostileGroupCase{"WithASlash", "home/Projects/", {"home/Projects/a.txt"}},
        HostileGroupCase{"ADetour", "home/Desktop/../Projects", {"home/Projects/b.txt"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UninstallerTest, AShiftedRecordRemovesNothingOfTheUsers) {
  // A folder named "x<LF><home>/Projects" once shifted the lines: the
  // installation folder line then names a folder without this record,
  // and the following lines name the user's folders.
  writeFile(user.home() + "/Projects/site/index.html", "mine");
  writeFile(user.home() + "/Projects/Tavo.txt", "mine");
  writeFile(inst.recordPath(),
            (QStringList{"Tavo", user.home() + "/x", user.home() + "/Projects", user.home() + "/Projects",
                         inst.record.GroupFolder, inst.record.StartupFolder}
                 .join("\r\n") +
             "\r\n")
                .toUtf8());
  const auto before = snapshot(user.root());
  EXPECT_TRUE(runWith(inst.recordPath()));
  // Only an entry of the installer's, by its name, in a folder that a line
  // names (here the group's monitor entry on the startup line).
  EXPECT_EQ(snapshot(user.root()), without(before, user.root(), {inst.record.GroupFolder + "/Tavo.desktop"}));
  EXPECT_EQ(log.last(), "----- Tavo n'a pas été entièrement désinstallé : " + user.home() + "/x reste -----");
}

TEST_F(UninstallerTest, ALinkedRecordOfAnotherInstallationRemovesNothing) {
  const Installation other = makeInstallation(user, "Programmes/Other Tavo");
  ASSERT_TRUE(QFile::remove(inst.recordPath()));
  ASSERT_TRUE(QFile::link(other.recordPath(), inst.recordPath()));
  const auto before = snapshot(user.root());
  EXPECT_FALSE(runWith(inst.recordPath()));
  EXPECT_EQ(messages.size(), 1);
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_EQ(snapshot(user.root()), before);
}

TEST_F(UninstallerTest, ARunningMonitorKeepsEverything) {
  // The lock the monitor holds on Tavo.lock while it runs.
  tavo::platform::SingleInstance monitor(inst.folder);
  ASSERT_TRUE(monitor.tryAcquire());
  const auto before = snapshot(user.root());
  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_EQ(snapshot(user.root()), before);
  EXPECT_TRUE(log.contains("*** Tavo est en cours d'exécution : quittez-le d'abord"));
  EXPECT_EQ(log.last(), "----- Tavo n'a pas été entièrement désinstallé : " + inst.folder + " reste -----");

  // Once it has quit, the removal runs.
  monitor.release();
  log.clear();
  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
  EXPECT_EQ(log.last(), "----- Tavo a été désinstallé avec succès -----");
}

TEST_F(UninstallerTest, AFolderThatStaysIsSaidAndNotLoggedAsRemoved) {
  // A hidden subfolder is not entered, so its folder stays.
  writeFile(inst.folder + "/.hidden/keep", "x");
  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_TRUE(QFileInfo::exists(inst.folder + "/.hidden/keep"));
  EXPECT_FALSE(log.contains("*** remove : " + inst.folder));
  EXPECT_TRUE(log.contains("*** conservé : " + inst.folder));
  EXPECT_EQ(log.last(), "----- Tavo n'a pas été entièrement désinstallé : " + inst.folder + " reste -----");
}

TEST_F(UninstallerTest, AnotherProductWordDeletesNoEntryOfThatName) {
  // Other.desktop on the desktop and in autostart belong to another program.
  auto record = inst.record;
  record.ProductWord = "Other";
  rewriteRecord(record);
  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_TRUE(QFileInfo::exists(inst.record.DesktopFolder + "/Other.desktop"));
  EXPECT_TRUE(QFileInfo::exists(inst.record.StartupFolder + "/Other.desktop"));
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
}

TEST_F(UninstallerTest, AProductWordWithASlashDeletesNoEntry) {
  writeFile(user.home() + "/Tavo.desktop", "mine");
  auto record = inst.record;
  record.ProductWord = "../Tavo";
  rewriteRecord(record);
  EXPECT_TRUE(runWith(inst.recordPath()));
  EXPECT_TRUE(QFileInfo::exists(user.home() + "/Tavo.desktop"));
  EXPECT_TRUE(QFileInfo::exists(inst.record.DesktopFolder + "/Tavo.desktop"));
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
}

TEST_F(UninstallerTest, TheArgumentIsTakenWholeBlanksIncluded) {
  // The folder name "Tavo 3" arrives cut in two by a shell.
  const QStringList parts = inst.recordPath().split(' ');
  ASSERT_EQ(parts.size(), 2);
  EXPECT_TRUE(uninstaller().UninstallMain(QStringList{"uninst_tmp"} + parts));
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
}

// The first run, without an argument.
class RelaunchTest : public UninstallerTest {
 protected:
  // The uninstall program of the installation, with known content.
  void SetUp() override {
    UninstallerTest::SetUp();
    writeFile(inst.folder + "/Uninstall", "#!/bin/sh\n# the uninstaller\n");
  }
  QStringList privateFolders() const {
    return QDir(user.tmp()).entryList({"uninst-*"}, QDir::Dirs | QDir::Hidden | QDir::System);
  }
};

TEST_F(RelaunchTest, StartsACopyFromAPrivateFolderWithTheRecordPath) {
  const auto before = snapshot(user.root());
  Uninstaller u = uninstaller();
  EXPECT_FALSE(u.UninstallMain({"Uninstall"}));

  ASSERT_EQ(started.size(), 1u);
  const QString copy = started[0].program;
  EXPECT_EQ(QFileInfo(copy).fileName(), "uninst_tmp");
  EXPECT_EQ(QFileInfo(copy).path(), started[0].workingFolder);
  EXPECT_EQ(QFileInfo(QFileInfo(copy).path()).path(), user.tmp());
  EXPECT_EQ(started[0].arguments, QStringList{inst.folder + "/uninstall.dat"});
  EXPECT_EQ(u.copyPath(), copy);

  struct stat folder {};
  ASSERT_EQ(0, ::lstat(QFile::encodeName(QFileInfo(copy).path()).constData(), &folder));
  EXPECT_TRUE(S_ISDIR(folder.st_mode));
  EXPECT_EQ(folder.st_mode & 0777, 0700u);
  EXPECT_TRUE(QFileInfo(copy).isExecutable());
  QFile f(copy);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "#!/bin/sh\n# the uninstaller\n");

  // Nothing asked, nothing deleted: the copy does that.
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_TRUE(log.isEmpty());
  EXPECT_EQ(without(snapshot(user.root()), user.root(), {user.tmp()}), without(before, user.root(), {user.tmp()}));
}

TEST_F(RelaunchTest, AnOlderCopyIsNotReused) {
  // What another user might have placed under a fixed, guessable name.
  writeFile(user.root() + "/victim", "keep");
  ASSERT_TRUE(QFile::link(user.root() + "/victim", user.tmp() + "/uninst_tmp"));
  EXPECT_FALSE(uninstaller().UninstallMain({"Uninstall"}));
  writeFile(inst.folder + "/Uninstall", "#!/bin/sh\n# a newer uninstaller\n");
  EXPECT_FALSE(uninstaller().UninstallMain({"Uninstall"}));

  ASSERT_EQ(started.size(), 2u);
  EXPECT_NE(started[0].program, started[1].program);
  QFile second(started[1].program);
  ASSERT_TRUE(second.open(QIODevice::ReadOnly));
  EXPECT_EQ(second.readAll(), "#!/bin/sh\n# a newer uninstaller\n");
  EXPECT_EQ(privateFolders().size(), 2);
  QFile victim(user.root() + "/victim");
  ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
  EXPECT_EQ(victim.readAll(), "keep");
}

TEST_F(RelaunchTest, WhenNoCopyCanStartTheFirstRunDoesTheWork) {
  startSucceeds = false;
  EXPECT_TRUE(uninstaller().UninstallMain({"Uninstall"}));
  EXPECT_EQ(started.size(), 1u);
  EXPECT_EQ(questions.size(), 1);
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
  EXPECT_TRUE(privateFolders().isEmpty());
}

TEST_F(RelaunchTest, WithoutItsProgramFileTheFirstRunDoesTheWork) {
  ASSERT_TRUE(QFile::remove(inst.folder + "/Uninstall"));
  EXPECT_TRUE(uninstaller().UninstallMain({"Uninstall"}));
  EXPECT_TRUE(started.empty());
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
  EXPECT_TRUE(privateFolders().isEmpty());
}

}  // namespace
