// The install sequence on temporary folders: what it logs, what it copies
// and where it stops.
#include <gtest/gtest.h>
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>

#include "common/setup/uninstallrecord.h"
#include "installer/core/installsequence.h"
#include "tests/installer/setup_fixture.h"

namespace tavo::setup {
namespace {

using testing::logLines;
using testing::readAll;
using testing::SetupFolder;
using testing::writeBytes;

const QStringList kComponents = {"iphlpapi.dll", "msstdfmt.dll", "msinet.ocx", "comctl32.ocx"};

// One run of the sequence with recording hooks.
class Installation : public ::testing::Test {
 protected:
  void SetUp() override {
    state = initialInstallerState(texts().helpShortcutFile, setup.path());
    state.InstallFolder = place.filePath("Tavo_3");
    state.WindowsFolder = windows.path();
  }

  virtual const InstallerTexts& texts() const { return englishInstallerTexts(); }

  // Puts the four components in front of the table, as on a system that
  // needs them.
  void useComponents() {
    QList<SetupFileRow> rows;
    for (const QString& c : kComponents) {
      rows.append({c, QString()});
      setup.put(c, "component " + c.toLatin1());
    }
    state.Files.rows = rows + state.Files.rows;
    state.Files.ComponentCount = 4;
    QDir(windows.path()).mkdir("system32");
  }
  QString installed(const QString& name) const { return state.InstallFolder + "/" + name; }
  QString systemFile(const QString& name) const { return windows.path() + "/system32/" + name; }

  InstallOutcome run() {
    events.clear();
    InstallHooks hooks;
    hooks.showLog = [this](const QString& t) { log = t; };
    hooks.critical = [this](const QString& text, const QString& title) { events << "message " + title + "|" + text; };
    hooks.setFinishCaption = [this](const QString& c) { events << "caption " + c; };
    hooks.enableFinish = [this] { events << "enable"; };
    hooks.startHidden = [this](const QString& program, const QStringList& args) {
      started << program + " " + args.join(' ');
    };
    hooks.createShortcuts = [this](const InstallerState& s, const ShortcutChoice&) {
      events << "shortcuts in " + s.InstallFolder;
      return ShellFolders{"/desk", "/group/Tavo", "/autostart"};
    };
    return RunInstall(state, texts(), choices, hooks);
  }

  SetupFolder setup;
  QTemporaryDir place, windows;
  InstallerState state;
  InstallChoices choices;
  QString log;
  QStringList events, started;
};

// A complete installation: four components already
// there (same day), three skins; line by line in both builds.
struct BuildCase {
  const char* name;
  const InstallerTexts& (*texts)();
  QStringList lines;
};
void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.name; }

class CompleteInstallation : public Installation, public ::testing::WithParamInterface<BuildCase> {
 protected:
  const InstallerTexts& texts() const override { return GetParam().texts(); }
};

TEST_P(CompleteInstallation, LogsEveryStepLineByLine) {
  useComponents();
  for (const QString& c : kComponents) ASSERT_TRUE(writeBytes(systemFile(c), "installed"));
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_EQ(logLines(log), GetParam().lines);
  EXPECT_TRUE(started.isEmpty());
  EXPECT_EQ(events, QStringList({"shortcuts in " + state.InstallFolder, "enable"}));
  for (const QString& c : kComponents) EXPECT_EQ(readAll(systemFile(c)), "installed");
}

const QStringList kFrenchLog = {"",
                                "",
                                "Fichiers nécessaires...  OK",
                                "",
                                "Création des dossiers...  OK",
                                "",
                                "Enregistrement des composants...",
                                "  - iphlpapi.dll : déja présent sur votre système",
                                "  - msstdfmt.dll : déja présent sur votre système",
                                "  - msinet.ocx : déja présent sur votre système",
                                "  - comctl32.ocx : déja présent sur votre système",
                                "",
                                "Copie des fichiers...  OK",
                                "",
                                "Raccourcis...  OK",
                                "",
                                "Skins...",
                                "  - 3 skin(s) copiée(s).",
                                "",
                                "TERMINE"};
const QStringList kEnglishLog = {"",
                                 "",
                                 "Necessary files...  OK",
                                 "",
                                 "Folder creation...  OK",
                                 "",
                                 "Registering components...",
                                 "  - iphlpapi.dll : already present on your system",
                                 "  - msstdfmt.dll : already present on your system",
                                 "  - msinet.ocx : already present on your system",
                                 "  - comctl32.ocx : already present on your system",
                                 "",
                                 "Copying files...  OK",
                                 "",
                                 "Shortcuts...  OK",
                                 "",
                                 "Skins...",
                                 "  - 3 skin(s) found.",
                                 "",
                                 "FINISHED"};

INSTANTIATE_TEST_SUITE_P(Builds, CompleteInstallation,
                         ::testing::Values(BuildCase{"French", &frenchInstallerTexts, kFrenchLog},
                                           BuildCase{"English", &englishInstallerTexts, kEnglishLog}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Installation, PutsEveryFileUnderItsInstalledName) {
  choices.english = true;
  ASSERT_EQ(run(), InstallOutcome::Completed);
  for (const SetupFileRow& row : state.Files.rows)
    EXPECT_EQ(readAll(installed(row.installedName)), readAll(setup.file(row.setupName))) << row.installedName;
  EXPECT_EQ(readAll(installed("Tavo.ini")), "Lang=EN\r\n");
  EXPECT_EQ(readAll(installed("uninstall.dat")),
            ("Tavo\r\n" + state.InstallFolder + "\r\n/desk\r\n/group/Tavo\r\n/autostart\r\n").toUtf8());
  // The shipped table has no component: its heading and no line.
  EXPECT_EQ(logLines(log).mid(6, 2), QStringList({"Registering components...", ""}));
}

TEST_F(Installation, ProgramsKeepTheirPermissions) {
  ASSERT_TRUE(QFile::setPermissions(setup.file("TV5.dat"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_TRUE(QFileInfo(installed("TavoStat")).isExecutable());
  EXPECT_FALSE(QFileInfo(installed("TavoStat.manifest")).isExecutable());
}

TEST_F(Installation, ListsMissingFilesInRowOrderAndCreatesNothing) {
  setup.remove("TV7.dat");
  setup.remove("TV3.dat");
  setup.remove("TV5.dat");
  ASSERT_TRUE(QDir(setup.path()).mkdir("TV5.dat"));  // a folder is not the file
  ASSERT_EQ(run(), InstallOutcome::MissingFiles);
  EXPECT_EQ(logLines(log), QStringList({"", "", "Necessary files...", "  ERROR : TV3.dat is missing",
                                        "  ERROR : TV5.dat is missing", "  ERROR : TV7.dat is missing"}));
  EXPECT_EQ(events, QStringList({"caption Close", "message Error|    Some files are missing - see log    ", "enable"}));
  EXPECT_FALSE(QFileInfo::exists(state.InstallFolder));
}

TEST_F(Installation, ACurrentFolderWithoutPayloadListsEveryFile) {
  useComponents();
  const QTemporaryDir elsewhere;
  state.SourceFolder = elsewhere.path();
  ASSERT_EQ(run(), InstallOutcome::MissingFiles);
  const QStringList lines = logLines(log);
  // The four components and the twelve program files (the icon with them).
  ASSERT_EQ(lines.size(), 3 + 16);
  EXPECT_EQ(lines.at(3), "  ERROR : iphlpapi.dll is missing");
  EXPECT_EQ(lines.at(7), "  ERROR : TV0.dat is missing");
  EXPECT_EQ(lines.last(), "  ERROR : TV8.dat is missing");
}

// The component rules: copied and registered only when missing; compared by
// day otherwise, never replaced.
struct ComponentCase {
  const char* name;
  int installedDaysAfterSetup;  // -1 earlier day, 0 same day (later hour), 1 later day; 99: not installed
  bool regsvrInSystem, regsvrInSystem32;
  const char* line;
  int starts;
};
void PrintTo(const ComponentCase& c, std::ostream* os) { *os << c.name; }

class Components : public Installation, public ::testing::WithParamInterface<ComponentCase> {};

TEST_P(Components, FollowTheDayRule) {
  const ComponentCase& c = GetParam();
  useComponents();
  const QDateTime setupTime(QDate(2026, 3, 10), QTime(8, 0));
  for (const QString& name : kComponents) {
    QFile f(setup.file(name));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(setupTime, QFileDevice::FileModificationTime));
    if (c.installedDaysAfterSetup == 99) continue;
    ASSERT_TRUE(writeBytes(systemFile(name), "installed"));
    QFile g(systemFile(name));
    ASSERT_TRUE(g.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        g.setFileTime(setupTime.addDays(c.installedDaysAfterSetup).addSecs(c.installedDaysAfterSetup ? 0 : 3600),
                      QFileDevice::FileModificationTime));
  }
  QDir(windows.path()).mkdir("system");
  if (c.regsvrInSystem) writeBytes(windows.path() + "/system/regsvr32", "");
  if (c.regsvrInSystem32) writeBytes(systemFile("regsvr32"), "");

  ASSERT_EQ(run(), InstallOutcome::Completed);
  const QStringList lines = logLines(log);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lines.at(7 + i), "  - " + kComponents.at(i) + c.line);
  EXPECT_EQ(lines.at(11), "");
  EXPECT_EQ(started.size(), 4 * c.starts);
  const QByteArray expected = c.installedDaysAfterSetup == 99 ? "component iphlpapi.dll" : "installed";
  EXPECT_EQ(readAll(systemFile("iphlpapi.dll")), expected);
  if (c.starts == 2) {
    EXPECT_EQ(started.at(0), windows.path() + "/system/regsvr32 /s " + systemFile("iphlpapi.dll"));
    EXPECT_EQ(started.at(1), windows.path() + "/system32/regsvr32 /s " + systemFile("iphlpapi.dll"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    ByDay, Components,
    ::testing::Values(ComponentCase{"MissingBothRegistrars", 99, true, true, " : registered", 2},
                      ComponentCase{"MissingOnlySystem32Registrar", 99, false, true, " : registered", 1},
                      ComponentCase{"MissingNoRegistrar", 99, false, false, " : registered", 0},
                      ComponentCase{"EarlierDay", -1, true, true, " : older version already present", 0},
                      ComponentCase{"SameDayLaterHour", 0, true, true, " : already present on your system", 0},
                      ComponentCase{"LaterDay", 1, true, true, " : already present on your system", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Installation, AComponentThatCannotBeCopiedStillSaysRegistered) {
  useComponents();
  QDir(windows.path()).rmdir("system32");  // nowhere to copy to
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_EQ(logLines(log).at(7), "  - iphlpapi.dll : registered");
  EXPECT_TRUE(QFileInfo::exists(installed("Tavo")));
}

TEST_F(Installation, ARunningMonitorStopsTheSequenceAtItsRow) {
  setup.makeMonitorARealProgram();
  ASSERT_EQ(run(), InstallOutcome::Completed);
  QFile::remove(installed("skins/menthe.xsd"));
  const QByteArray record = readAll(installed("uninstall.dat"));
  const QByteArray program = readAll(installed("Tavo"));

  QProcess running;
  running.start(installed("Tavo"), {"600"});
  ASSERT_TRUE(running.waitForStarted(10000));
  const InstallOutcome second = run();
  running.kill();
  running.waitForFinished(10000);

  ASSERT_EQ(second, InstallOutcome::CopyFailed);
  const QStringList lines = logLines(log);
  EXPECT_EQ(lines.mid(lines.size() - 3), QStringList({"", "Copying files...", "  - Tavo : ERROR, file is in use"}));
  EXPECT_EQ(events, QStringList({"caption Close", "message Error|    Error while copying - see log    ", "enable"}));
  // Steps 5 to 9 did not run: no skin, no second Lang line, the old record.
  EXPECT_FALSE(QFileInfo::exists(installed("skins/menthe.xsd")));
  EXPECT_EQ(readAll(installed("Tavo.ini")), "Lang=FR\r\n");
  EXPECT_EQ(readAll(installed("uninstall.dat")), record);
  EXPECT_EQ(readAll(installed("Tavo")), program);
}

TEST_F(Installation, AMissingParentStillMakesTheFolderStepOkThenStopsTheCopy) {
  state.InstallFolder = place.filePath("not there/Tavo_3");
  ASSERT_EQ(run(), InstallOutcome::CopyFailed);
  const QStringList lines = logLines(log);
  EXPECT_EQ(lines.at(4), "Folder creation...  OK");
  EXPECT_EQ(lines.last(), "  - Tavo : ERROR, file is in use");
  EXPECT_FALSE(QFileInfo::exists(state.InstallFolder));
}

TEST_F(Installation, ASecondInstallationReplacesFilesAndAddsALangLine) {
  choices.english = true;
  ASSERT_EQ(run(), InstallOutcome::Completed);
  setup.put("TV5.dat", "newer analyser");
  choices.english = false;
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_EQ(readAll(installed("TavoStat")), "newer analyser");
  EXPECT_EQ(readAll(installed("Tavo.ini")), "Lang=EN\r\nLang=FR\r\n");
  const auto record = readUninstallRecord(installed("uninstall.dat"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->InstallFolder, state.InstallFolder);
  EXPECT_EQ(readAll(installed("uninstall.dat")).count("\r\n"), 5);
}

TEST_F(Installation, AFullDiskLeavesTheEarlierRecordWhole) {
  // A folder name long enough that its record is larger than what the
  // disk will take below.
  state.InstallFolder = place.filePath(QString(120, 'a') + "/" + QString(120, 'b'));
  ASSERT_TRUE(QDir().mkpath(state.InstallFolder));
  ASSERT_EQ(run(), InstallOutcome::Completed);
  const QByteArray record = readAll(installed("uninstall.dat"));
  ASSERT_GT(record.size(), 300);

  // Again in a child whose files may not grow past 200 bytes, as on a full
  // disk; its shortcut folders differ, so a new record would show.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{200, 200};
    setrlimit(RLIMIT_FSIZE, &limit);
    InstallHooks hooks;
    hooks.createShortcuts = [](const InstallerState&, const ShortcutChoice&) {
      return ShellFolders{"/other desk", "/other group", "/other start"};
    };
    _exit(RunInstall(state, texts(), choices, hooks) == InstallOutcome::Incomplete ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);  // the record that could not be written is reported
  EXPECT_EQ(readAll(installed("uninstall.dat")), record);
  EXPECT_EQ(QDir(state.InstallFolder).entryList({"*uninstall*"}, QDir::Files | QDir::Hidden | QDir::CaseSensitive),
            QStringList({"uninstall.dat"}));
}

// The Lang line and the record are checked: a step that fails shows an
// error line under a heading that does not claim the end.
struct LateFailureCase {
  const char* name;
  const char* blocked;  // made a folder, so that it cannot be written
  QStringList lastLines;
};

// A failing case shows its name, not the bytes of the struct.
void PrintTo(const LateFailureCase& c, std::ostream* os) { *os << c.name; }

class LateFailure : public Installation, public ::testing::WithParamInterface<LateFailureCase> {};

TEST_P(LateFailure, IsLoggedAndTheOutcomeIsIncomplete) {
  ASSERT_TRUE(QDir().mkpath(installed(GetParam().blocked)));
  ASSERT_EQ(run(), InstallOutcome::Incomplete);
  const QStringList lines = logLines(log);
  EXPECT_EQ(lines.mid(lines.size() - GetParam().lastLines.size()), GetParam().lastLines);
  EXPECT_FALSE(log.contains("FINISHED"));
  EXPECT_TRUE(events.contains("enable"));
}

// The warnings of the installer's log category while it lives.
class SetupWarnings {
 public:
  SetupWarnings() : old_(qInstallMessageHandler(&SetupWarnings::handle)) { current_ = this; }
  ~SetupWarnings() {
    qInstallMessageHandler(old_);
    current_ = nullptr;
  }
  bool anyNames(const QString& text) const {
    return std::any_of(lines.begin(), lines.end(), [&text](const QString& l) { return l.contains(text); });
  }
  QStringList lines;

 private:
  static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (current_ && type == QtWarningMsg && context.category && QByteArray(context.category) == "tavo.setup")
      current_->lines << message;
  }
  static inline SetupWarnings* current_ = nullptr;
  QtMessageHandler old_;
};

TEST_P(LateFailure, IsToldToTheSetupLogCategoryToo) {
  ASSERT_TRUE(QDir().mkpath(installed(GetParam().blocked)));
  SetupWarnings warnings;
  ASSERT_EQ(run(), InstallOutcome::Incomplete);
  EXPECT_TRUE(warnings.anyNames(installed(GetParam().blocked))) << warnings.lines.join('\n').toStdString();
}

TEST_F(Installation, ASkinThatCannotBeCopiedIsCountedAndToldToTheLogCategory) {
  ASSERT_TRUE(QDir().mkpath(installed("skins/ardoise.xsd")));
  SetupWarnings warnings;
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_TRUE(log.contains("  - 3 skin(s) found.")) << log.toStdString();
  EXPECT_TRUE(warnings.anyNames(installed("skins/ardoise.xsd"))) << warnings.lines.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LateFailure,
    ::testing::Values(
        LateFailureCase{"LangLine", "Tavo.ini", {"", "INCOMPLETE", "  ERROR : Tavo.ini could not be written"}},
        LateFailureCase{"Record", "uninstall.dat", {"", "INCOMPLETE", "  ERROR : uninstall.dat could not be written"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Installation, ALangLineFollowsACutShortSettingsFile) {
  ASSERT_TRUE(QDir().mkdir(state.InstallFolder));
  ASSERT_TRUE(writeBytes(installed("Tavo.ini"), "Lang=EN\r\nDLLimit=5"));
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_EQ(readAll(installed("Tavo.ini")), "Lang=EN\r\nDLLimit=5\r\nLang=FR\r\n");
}

TEST_F(Installation, IntoTheSetupFolderItselfLosesNothing) {
  state.InstallFolder = setup.path();
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_EQ(readAll(setup.file("Tavo_FR.pdf")), "payload of Tavo_FR.pdf");
  EXPECT_EQ(readAll(setup.file("Tavo")), "payload of TV0.dat");
}

// Skins: descriptors renamed .xsd and counted, bitmaps renamed .bmp and not.
struct SkinCase {
  const char* name;
  QStringList setupFiles;
  const char* line;
  QStringList installedSkins;
};
void PrintTo(const SkinCase& c, std::ostream* os) { *os << c.name; }

class Skins : public Installation, public ::testing::WithParamInterface<SkinCase> {};

TEST_P(Skins, AreRenamedAndCounted) {
  for (const char* s : {"ardoise.xs0", "ardoise.bm0", "menthe.xs0", "menthe.bm0", "blue.xs0"}) setup.remove(s);
  for (const QString& s : GetParam().setupFiles) setup.put(s, s.toLatin1());
  ASSERT_EQ(run(), InstallOutcome::Completed);
  EXPECT_EQ(logLines(log).at(13), QString::fromUtf8(GetParam().line));
  QStringList skins = QDir(installed("skins")).entryList(QDir::Files);
  skins.sort();
  EXPECT_EQ(skins, GetParam().installedSkins);
  for (const QString& s : GetParam().setupFiles) {
    if (s.startsWith('.')) continue;
    EXPECT_EQ(readAll(installed("skins/" + s.chopped(1) + (s.endsWith("xs0") ? "d" : "p"))), s.toLatin1());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Setup, Skins,
    ::testing::Values(
        SkinCase{"None", {}, "  - 0 skin(s) found.", {}},
        SkinCase{"BitmapsOnly", {"a.bm0", "b.bm0"}, "  - 0 skin(s) found.", {"a.bmp", "b.bmp"}},
        SkinCase{"DescriptorAndBitmap", {"blue.xs0", "blue.bm0"}, "  - 1 skin(s) found.", {"blue.bmp", "blue.xsd"}},
        SkinCase{"HiddenOnesLeftOut", {".x.xs0", "c.xs0"}, "  - 1 skin(s) found.", {"c.xsd"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyOverInPlace, WritesIntoTheExistingFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(writeBytes(dir.filePath("a"), "new content"));
  ASSERT_TRUE(writeBytes(dir.filePath("b"), "old content that is longer"));
  // A second name of the same file sees the new content only when the
  // file was written in place, not replaced.
  ASSERT_EQ(::link(QFile::encodeName(dir.filePath("b")).constData(), QFile::encodeName(dir.filePath("c")).constData()),
            0);
  ASSERT_TRUE(copyOverInPlace(dir.filePath("a"), dir.filePath("b")));
  EXPECT_EQ(readAll(dir.filePath("b")), "new content");
  EXPECT_EQ(readAll(dir.filePath("c")), "new content");
  EXPECT_FALSE(copyOverInPlace(dir.filePath("missing"), dir.filePath("b")));
  EXPECT_EQ(readAll(dir.filePath("b")), "new content");
}

TEST(InstallFolderUnder, TheRootGivesOneSlash) {
  EXPECT_EQ(installFolderUnder("/"), "/Tavo_3");
  EXPECT_EQ(installFolderUnder("/home/anna/Apps"), "/home/anna/Apps/Tavo_3");
  EXPECT_EQ(installFolderUnder("/home/my apps"), "/home/my apps/Tavo_3");
}

}  // namespace
}  // namespace tavo::setup
