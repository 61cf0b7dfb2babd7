// The setup as a user runs it: from a copy of the build's setup folder,
// with the current folder there, the real Pondel_EN shown on a display of
// the test's own and driven with the keyboard through its pages, for a
// user of the test's own; then the installed monitor starts from the
// installation folder and keeps its files there.
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/UnInstaller_FR/virtualdisplay.h"
#include "tests/installer/setup_fixture.h"

namespace tavo::setup {
namespace {

using testing::readAll;
using testing::writeBytes;
using uninstall::testing::VirtualDisplay;

QString setupDir() { return qEnvironmentVariable("TAVO_SETUP_DIR"); }

// Every file under root, relative, sorted.
QStringList filesUnder(const QString& root) {
  QStringList out;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) out << QDir(root).relativeFilePath(it.next());
  out.sort();
  return out;
}

bool copyFolder(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  for (const QString& name : QDir(from).entryList(QDir::Files)) {
    if (!QFile::copy(from + "/" + name, to + "/" + name)) return false;
  }
  return true;
}

// A user of the test's own: HOME and the XDG folders, as a fresh account
// with its usual folders has them.
struct User {
  QTemporaryDir root;
  QString home() const { return root.path(); }
  QString data() const { return home() + "/.local/share"; }
  QProcessEnvironment environment(QProcessEnvironment env) const {
    env.insert("HOME", home());
    env.insert("XDG_CONFIG_HOME", home() + "/.config");
    env.insert("XDG_DATA_HOME", data());
    env.insert("XDG_CACHE_HOME", home() + "/.cache");
    env.insert("XDG_RUNTIME_DIR", home() + "/run");
    env.remove("XDG_DESKTOP_DIR");
    return env;
  }
  User() {
    QDir(home()).mkpath(".local/share");
    QDir(home()).mkpath(".config");
    QDir(home()).mkdir("run");
    QFile::setPermissions(home() + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
};

class SetupProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(setupDir().isEmpty());
    ASSERT_TRUE(QFileInfo(setupDir() + "/Pondel_EN").isExecutable()) << setupDir().toStdString();
    ASSERT_TRUE(copyFolder(setupDir(), setup()));
    const QString why = display.start();
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();
    ASSERT_TRUE(output.isValid());
  }
  void TearDown() override {
    for (QProcess* p : {&installer, &monitor}) {
      if (p->state() == QProcess::NotRunning) continue;
      p->kill();
      p->waitForFinished(10000);
    }
  }
  QString setup() const { return copy.path() + "/setup"; }
  QString installed(const QString& name) const { return user.data() + "/Tavo_3/" + name; }

  // The page now shown: a window of the installer's title other than the
  // one before it.
  QString nextPage(const QString& before) {
    QDeadlineTimer deadline(30000);
    do {
      const QString w = display.waitForWindow("^Tavo - install$", 1000);
      if (!w.isEmpty() && w != before) return w;
    } while (!deadline.hasExpired());
    return {};
  }
  QString errors() const { return QString::fromLocal8Bit(readAll(output.filePath("stderr"))); }

  // Starts the setup folder's Pondel_EN in the setup folder, for the test's
  // user on the test's display.
  void startInstaller(const QProcessEnvironment& env) {
    installer.setProgram(setup() + "/Pondel_EN");
    installer.setWorkingDirectory(setup());
    installer.setProcessEnvironment(env);
    installer.setStandardOutputFile(output.filePath("stdout"));
    installer.setStandardErrorFile(output.filePath("stderr"));
    installer.start();
    ASSERT_TRUE(installer.waitForStarted(10000));
  }
  void startInstaller() { startInstaller(user.environment(display.environment())); }

  // Through the folder page (typed over its folder when given) and the
  // options page with Enter, up to the progress page, whose sequence then
  // runs; it has ended once the record is in folder.
  void throughOptions(const QString& folder, const QString& typed = {}) {
    const QString folderPage = nextPage({});
    ASSERT_FALSE(folderPage.isEmpty()) << errors().toStdString();
    if (!typed.isEmpty()) display.typeOver(folderPage, typed);
    display.press(folderPage, "Return");
    const QString optionsPage = nextPage(folderPage);
    ASSERT_FALSE(optionsPage.isEmpty()) << errors().toStdString();
    display.press(optionsPage, "Return");
    progressPage = nextPage(optionsPage);
    ASSERT_FALSE(progressPage.isEmpty()) << "Enter did not press Next >" << errors().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(folder + "/uninstall.dat"); }, 60000))
        << folder.toStdString() << errors().toStdString();
  }

  // From the progress page through the end page with Enter, until the
  // installer has ended.
  void finish() {
    QTest::qWait(300);
    display.press(progressPage, "Return");
    const QString endPage = nextPage(progressPage);
    ASSERT_FALSE(endPage.isEmpty()) << errors().toStdString();
    display.press(endPage, "Return");
    ASSERT_TRUE(installer.waitForFinished(30000)) << "the installer did not end at its last page";
  }

  QTemporaryDir copy, output, elsewhere;
  User user;
  VirtualDisplay display;
  QProcess installer, monitor;
  QString progressPage;
};

TEST_F(SetupProgram, Pondel_EN_InstallsAndTheMonitorRunsFromTheInstallation) {
  const QStringList setupBefore = filesUnder(setup());
  ASSERT_NO_FATAL_FAILURE(startInstaller());
  // Folder page: the default folder, Tavo_3 in the user's data folder;
  // options page: the presets; the sequence's last file is the record.
  ASSERT_NO_FATAL_FAILURE(throughOptions(user.data() + "/Tavo_3"));
  ASSERT_NO_FATAL_FAILURE(finish());
  EXPECT_EQ(installer.exitCode(), 0) << errors().toStdString();

  // The installation.
  EXPECT_EQ(readAll(installed("Tavo")), readAll(setup() + "/TV0.dat"));
  EXPECT_TRUE(QFileInfo(installed("Tavo")).isExecutable());
  EXPECT_EQ(readAll(installed("Tavo_EN.pdf")), readAll(setup() + "/Tavo_EN.pdf"));
  EXPECT_TRUE(readAll(installed("Tavo.manifest")).startsWith("Name=Tavo\r\nVersion=3.05\r\n"));
  EXPECT_TRUE(QFileInfo::exists(installed("skins/ardoise.xsd")));
  EXPECT_TRUE(QFileInfo::exists(installed("skins/ardoise.bmp")));
  EXPECT_EQ(readAll(installed("Tavo.ini")), "Lang=EN\r\n");
  EXPECT_EQ(QString::fromUtf8(readAll(installed("uninstall.dat"))),
            "Tavo\r\n" + user.data() + "/Tavo_3\r\n" + user.home() + "/Desktop\r\n" + user.data() +
                "/applications/Tavo\r\n" + user.home() + "/.config/autostart\r\n");
  EXPECT_TRUE(QFileInfo::exists(user.data() + "/applications/Tavo/Help.desktop"));
  EXPECT_TRUE(QFileInfo::exists(user.home() + "/.config/autostart/Tavo.desktop"));
  EXPECT_EQ(filesUnder(setup()), setupBefore);

  // The installed monitor, started from somewhere else, works in its own
  // folder: it takes its lock there and moves the waiting session line into
  // the statistics there.
  const QByteArray session = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n";
  ASSERT_TRUE(writeBytes(installed("session_stats.csv"), session));
  QProcessEnvironment env = user.environment(QProcessEnvironment::systemEnvironment());
  env.insert("QT_QPA_PLATFORM", "offscreen");
  monitor.setProcessEnvironment(env);
  monitor.setProgram(installed("Tavo"));
  monitor.setWorkingDirectory(elsewhere.path());
  monitor.setProcessChannelMode(QProcess::ForwardedChannels);
  monitor.start();
  ASSERT_TRUE(monitor.waitForStarted(10000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(installed("session_stats.csv")); }, 60000))
      << "the installed Tavo did not finish its start-up";
  EXPECT_EQ(monitor.state(), QProcess::Running);
  EXPECT_EQ(readAll(installed("all_stats.csv")), session);
  EXPECT_TRUE(QFileInfo::exists(installed("Tavo.lock")));
  EXPECT_EQ(filesUnder(setup()), setupBefore);
  EXPECT_EQ(filesUnder(elsewhere.path()), QStringList());
}

// Under the gtk3 platform theme Enter presses a focused check box; on the
// installer's pages it is the default button's all the same.
TEST_F(SetupProgram, UnderTheGtkThemeEnterPressesNextAndTicksNothing) {
  QProcessEnvironment env = user.environment(display.environment());
  env.insert("QT_QPA_PLATFORMTHEME", "gtk3");
  ASSERT_NO_FATAL_FAILURE(startInstaller(env));
  // On the options page the focus is on the first check box ("on the
  // desktop", off) when Enter is pressed.
  ASSERT_NO_FATAL_FAILURE(throughOptions(user.data() + "/Tavo_3"));
  EXPECT_FALSE(QFileInfo::exists(user.home() + "/Desktop/Tavo.desktop"));
}

// A folder typed relative to the setup folder or to the home: the
// installation is absolute, starts from its menu entry, is kept while its
// monitor runs and goes once it has quit.
class TypedFolder : public SetupProgram, public ::testing::WithParamInterface<const char*> {
 protected:
  QString installFolder() const {
    const QString typed = GetParam();
    return typed.startsWith("~/") ? user.home() + typed.mid(1) : setup() + "/" + typed;
  }
  // The value of key in a desktop entry.
  static QString entryValue(const QString& entry, const QString& key) {
    for (const QString& line : QString::fromUtf8(readAll(entry)).split('\n'))
      if (line.startsWith(key + "=")) return line.mid(key.size() + 1);
    return {};
  }
  // Starts the installed Uninstall as its menu entry does and answers Yes.
  void uninstall() {
    QProcess first;
    first.setProcessEnvironment(user.environment(display.environment()));
    first.setWorkingDirectory(elsewhere.path());
    first.start(installFolder() + "/Uninstall", {});
    ASSERT_TRUE(first.waitForFinished(30000));
    const QString question = display.waitForWindow("^D.*sinstaller$");
    ASSERT_FALSE(question.isEmpty());
    display.press(question, "Return");
    const QString log = display.waitForWindow("^D.*sinstallation\\.\\.\\.$");
    ASSERT_FALSE(log.isEmpty());
    QTest::qWait(4000);  // the pause, then the work
    display.press(log, "Return");
    ASSERT_TRUE(display.waitForNoWindow("^D.*sinstallation"));
  }
};

TEST_P(TypedFolder, GivesAnAbsoluteInstallationThatStartsAndUninstalls) {
  ASSERT_NO_FATAL_FAILURE(startInstaller());
  const QString folder = installFolder();
  ASSERT_NO_FATAL_FAILURE(throughOptions(folder, GetParam()));
  ASSERT_NO_FATAL_FAILURE(finish());

  // The entries and the record hold the absolute folder.
  const QString entry = user.data() + "/applications/Tavo/Tavo.desktop";
  EXPECT_EQ(entryValue(entry, "Exec"), "\"" + folder + "/Tavo\"");
  EXPECT_EQ(entryValue(entry, "Path"), folder);
  EXPECT_EQ(QString::fromUtf8(readAll(folder + "/uninstall.dat")).split("\r\n").value(1), folder);

  // Started as the entry says, the monitor runs from there.
  QProcessEnvironment env = user.environment(QProcessEnvironment::systemEnvironment());
  env.insert("QT_QPA_PLATFORM", "offscreen");
  monitor.setProcessEnvironment(env);
  monitor.setProgram(entryValue(entry, "Exec").remove('"'));
  monitor.setWorkingDirectory(entryValue(entry, "Path"));
  monitor.start();
  ASSERT_TRUE(monitor.waitForStarted(10000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(folder + "/Tavo.lock"); }, 60000));
  QTest::qWait(500);

  // While it runs, the uninstaller removes nothing.
  uninstall();
  EXPECT_EQ(monitor.state(), QProcess::Running);
  EXPECT_TRUE(QFileInfo::exists(folder + "/Tavo"));
  EXPECT_TRUE(QFileInfo::exists(entry));

  // Once it has ended, everything of the installation goes.
  monitor.kill();
  ASSERT_TRUE(monitor.waitForFinished(10000));
  uninstall();
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_FALSE(QFileInfo::exists(entry));
  EXPECT_FALSE(QFileInfo::exists(user.home() + "/.config/menus/applications-merged/Tavo.menu"));
}

INSTANTIATE_TEST_SUITE_P(Typed, TypedFolder, ::testing::Values("Tavo_rel", "~/Tavo_x"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Relative" : "Home"); });

TEST(SetupFolder, HoldsWhatTheInstallerNeedsAndEachBuildOneLanguage) {
  for (const SetupFileRow& row : shippedSetupFileTable("Tavo").rows)
    EXPECT_TRUE(QFileInfo(setupDir() + "/" + row.setupName).isFile()) << row.setupName;
  for (const char* name : {"Install", "Pondel_FR", "Pondel_EN"})
    EXPECT_TRUE(QFileInfo(setupDir() + "/" + name).isExecutable()) << name;
  EXPECT_FALSE(QDir(setupDir()).entryList({"*.xs0"}).isEmpty());
  EXPECT_EQ(QDir(setupDir()).entryList({"*.xs0"}).size(), QDir(setupDir()).entryList({"*.bm0"}).size());

  // The texts are stored as UTF-16: each build holds its own only.
  const auto holds = [](const char* build, const QString& text) {
    const QByteArray bytes = readAll(setupDir() + "/" + build);
    return bytes.contains(QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
  };
  EXPECT_TRUE(holds("Pondel_FR", "Abandonner l'installation ?"));
  EXPECT_FALSE(holds("Pondel_FR", "Cancel installation ?"));
  EXPECT_TRUE(holds("Pondel_EN", "Cancel installation ?"));
  EXPECT_FALSE(holds("Pondel_EN", "Abandonner l'installation ?"));
}

// The sections of a program file, as readelf lists them.
QString sections(const QString& file) {
  QProcess p;
  p.start("readelf", {"-S", "-W", file});
  if (!p.waitForStarted(10000)) return "readelf is missing (./build.sh installs binutils)";
  p.waitForFinished(30000);
  return QString::fromLocal8Bit(p.readAllStandardOutput());
}

TEST(SetupFolder, ItsProgramsShipWithoutDebugInformation) {
  for (const char* name : {"TV0.dat", "TV2.dat", "TV3.dat", "TV5.dat", "TV7.dat"}) {
    const QString listed = sections(setupDir() + "/" + name);
    EXPECT_TRUE(listed.contains(".text")) << name << ": " << listed.toStdString();
    EXPECT_FALSE(listed.contains(".debug_info")) << name;
  }
  // The build folder's own programs keep theirs, for the debugger.
  const QString suite = qEnvironmentVariable("TAVO_SUITE_DIR");
  if (QByteArray(TAVO_BUILD_TYPE) == "RelWithDebInfo" || QByteArray(TAVO_BUILD_TYPE) == "Debug") {
    EXPECT_TRUE(sections(suite + "/Tavo").contains(".debug_info"));
  }
}

TEST(SetupFolder, HoldsTheSuitesIcon) {
  QImage icon(setupDir() + "/Tavo.png");
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(128, 128));
  EXPECT_TRUE(icon.hasAlphaChannel());
}

}  // namespace
}  // namespace tavo::setup
