// The desktop entries of the shortcut step, made in a private HOME and
// checked the way a desktop reads them.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>

#include "common/setup/uninstallrecord.h"
#include "installer/core/desktopentry.h"
#include "installer/core/installsequence.h"
#include "installer/core/setupshortcuts.h"
#include "tests/installer/setup_fixture.h"

namespace tavo::setup {
namespace {

// Before anything asks QStandardPaths.
testing::PrivateHome privateHome;

// A string value read back: the escapes \s \n \t \r \\.
QString unescapeValue(const QString& v) {
  QString out;
  for (qsizetype i = 0; i < v.size(); ++i) {
    if (v.at(i) != '\\' || i + 1 == v.size()) {
      out += v.at(i);
      continue;
    }
    const QChar e = v.at(++i);
    out += e == 's' ? QChar(' ') : e == 'n' ? QChar('\n') : e == 't' ? QChar('\t') : e == 'r' ? QChar('\r') : e;
  }
  return out;
}

// The arguments of an Exec value after its string escapes are undone:
// quoted arguments with \" \` \$ \\, and %% for a percent sign.
QStringList execArguments(const QString& exec) {
  QStringList args;
  QString current;
  bool quoted = false, any = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec.at(i);
    if (quoted && c == '\\' && i + 1 < exec.size()) {
      current += exec.at(++i);
    } else if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == '%' && i + 1 < exec.size() && exec.at(i + 1) == '%') {
      current += exec.at(++i);
    } else if (c == ' ' && !quoted) {
      if (any || !current.isEmpty()) args << current;
      current.clear();
      any = false;
    } else {
      current += c;
    }
  }
  if (any || !current.isEmpty()) args << current;
  return args;
}

struct Entry {
  bool read = false;
  QMap<QString, QString> keys;
};

Entry readEntry(const QString& path) {
  Entry e;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return e;
  e.read = true;
  for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
    const qsizetype eq = line.indexOf('=');
    if (eq > 0) e.keys.insert(line.left(eq), unescapeValue(line.mid(eq + 1)));
  }
  return e;
}

// desktop-file-validate's verdict: empty when the entry passes.
QString validate(const QString& path) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start("desktop-file-validate", {path});
  if (!p.waitForStarted(10000)) return "desktop-file-validate is missing (./build.sh installs desktop-file-utils)";
  p.waitForFinished(30000);
  const QString out = QString::fromLocal8Bit(p.readAll());
  if (p.exitCode() != 0 || out.contains("error:")) return out.isEmpty() ? "failed" : out;
  return {};
}

class Shortcuts : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* d : {"Desktop", "Bureau", ".local/share/applications", ".config/autostart",
                          ".local/share/desktop-directories", ".config/menus"})
      QDir(privateHome.path() + "/" + d).removeRecursively();
    QFile::remove(privateHome.path() + "/.config/user-dirs.dirs");
    // A folder a user may well have: blanks, quotes, a dollar, a backslash.
    state = initialInstallerState(kHelpShortcutFileEN, setup.path());
    state.InstallFolder = place.path() + "/My \"Apps\" $HOME `x`\\y/Tavo_3";
  }
  QString home(const QString& rel) const { return privateHome.path() + "/" + rel; }

  QString icon() const { return state.InstallFolder + "/Tavo.png"; }
  void expectEntry(const QString& path, const QStringList& exec, const QString& icon) {
    SCOPED_TRACE(path.toStdString());
    const Entry e = readEntry(path);
    ASSERT_TRUE(e.read);
    EXPECT_EQ(e.keys.value("Type"), "Application");
    EXPECT_EQ(execArguments(e.keys.value("Exec")), exec);
    EXPECT_EQ(e.keys.value("Path"), state.InstallFolder);
    EXPECT_EQ(e.keys.value("Icon"), icon);
    EXPECT_EQ(validate(path), QString());
  }

  testing::SetupFolder setup;
  QTemporaryDir place;
  InstallerState state;
};

struct BuildCase {
  const char* name;
  const char* helpFile;
  const char* helpName;
};
void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.name; }

class DefaultShortcuts : public Shortcuts, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(DefaultShortcuts, GroupAndAutostartOpenTheirTargets) {
  state.HelpShortcutFile = GetParam().helpFile;
  const ShellFolders folders = CreateSetupShortcuts(state, ShortcutChoice{});
  EXPECT_EQ(folders.DesktopFolder, home("Desktop"));
  EXPECT_EQ(folders.GroupFolder, home(".local/share/applications/Tavo"));
  EXPECT_EQ(folders.StartupFolder, home(".config/autostart"));

  const QString monitor = state.InstallFolder + "/Tavo";
  // Every entry shows the suite's own icon, installed with it.
  expectEntry(folders.GroupFolder + "/Tavo.desktop", {monitor}, icon());
  // Both builds' help entry opens the French help, as a link the desktop
  // opens itself: no xdg-open needed.
  const QString help = folders.GroupFolder + "/" + GetParam().helpFile;
  const Entry helpEntry = readEntry(help);
  EXPECT_EQ(helpEntry.keys.value("Type"), "Link");
  EXPECT_EQ(QUrl(helpEntry.keys.value("URL")), QUrl::fromLocalFile(state.InstallFolder + "/Tavo_FR.pdf"));
  EXPECT_FALSE(helpEntry.keys.contains("Exec"));
  EXPECT_EQ(helpEntry.keys.value("Icon"), icon());
  EXPECT_EQ(validate(help), QString());
  EXPECT_EQ(helpEntry.keys.value("Name"), GetParam().helpName);
  expectEntry(folders.GroupFolder + "/Uninstall.desktop", {state.InstallFolder + "/Uninstall"}, icon());
  expectEntry(folders.StartupFolder + "/Tavo.desktop", {monitor}, icon());
  EXPECT_FALSE(QFileInfo::exists(folders.DesktopFolder));
  EXPECT_EQ(QDir(folders.GroupFolder).entryList(QDir::Files).size(), 3);
  // The group's entries are not loose in a category of their own.
  EXPECT_FALSE(readEntry(folders.GroupFolder + "/Tavo.desktop").keys.contains("Categories"));

  // The submenu "Tavo": a directory entry and a merged menu that
  // includes the three entries by their desktop-file ids.
  const QString directory = home(".local/share/desktop-directories/Tavo.directory");
  const Entry dir = readEntry(directory);
  EXPECT_EQ(dir.keys.value("Type"), "Directory");
  EXPECT_EQ(dir.keys.value("Name"), "Tavo");
  EXPECT_EQ(dir.keys.value("Icon"), icon());
  EXPECT_EQ(validate(directory), QString());
  QFile menu(home(".config/menus/applications-merged/Tavo.menu"));
  ASSERT_TRUE(menu.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&menu);
  QStringList path, seen;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) path << xml.name().toString();
    if (xml.isEndElement()) path.removeLast();
    if (xml.isCharacters() && !xml.isWhitespace()) seen << path.join('/') + '=' + xml.text().toString();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(seen, QStringList({"Menu/Name=Applications", "Menu/Menu/Name=Tavo", "Menu/Menu/Directory=Tavo.directory",
                               "Menu/Menu/Include/Filename=Tavo-Tavo.desktop",
                               "Menu/Menu/Include/Filename=Tavo-" + QString(GetParam().helpFile),
                               "Menu/Menu/Include/Filename=Tavo-Uninstall.desktop"}));
}

INSTANTIATE_TEST_SUITE_P(Builds, DefaultShortcuts,
                         ::testing::Values(BuildCase{"French", kHelpShortcutFileFR, "Aide"},
                                           BuildCase{"English", kHelpShortcutFileEN, "Help"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shortcuts, TheDesktopCopyIsAnExecutableLauncher) {
  const ShellFolders folders = CreateSetupShortcuts(state, {true, false, false});
  const QString entry = folders.DesktopFolder + "/Tavo.desktop";
  expectEntry(entry, {state.InstallFolder + "/Tavo"}, icon());
  EXPECT_TRUE(QFileInfo(entry).isExecutable());
  EXPECT_FALSE(QFileInfo::exists(folders.GroupFolder));
  EXPECT_FALSE(QFileInfo::exists(folders.StartupFolder));
}

TEST_F(Shortcuts, TheDesktopFolderFollowsTheUsersOwnName) {
  QDir().mkpath(home(".config"));
  ASSERT_TRUE(testing::writeBytes(home(".config/user-dirs.dirs"), "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"));
  const ShellFolders folders = CreateSetupShortcuts(state, {true, false, false});
  EXPECT_EQ(folders.DesktopFolder, home("Bureau"));
  EXPECT_TRUE(QFileInfo::exists(home("Bureau/Tavo.desktop")));
}

TEST_F(Shortcuts, AnExistingGroupStaysAndItsEntriesAreReplaced) {
  const QString group = home(".local/share/applications/Tavo");
  ASSERT_TRUE(QDir().mkpath(group));
  ASSERT_TRUE(testing::writeBytes(group + "/Tavo.desktop", "old"));
  ASSERT_TRUE(testing::writeBytes(group + "/notes.txt", "mine"));
  CreateSetupShortcuts(state, {false, true, false});
  EXPECT_EQ(testing::readAll(group + "/notes.txt"), "mine");
  expectEntry(group + "/Tavo.desktop", {state.InstallFolder + "/Tavo"}, icon());
}

TEST_F(Shortcuts, WithoutAnyOptionTheRecordStillHoldsTheThreeFolders) {
  state.InstallFolder = place.filePath("Tavo_3");
  InstallHooks hooks;
  hooks.createShortcuts = &CreateSetupShortcuts;
  InstallChoices choices;
  choices.shortcuts = {false, false, false};
  ASSERT_EQ(RunInstall(state, englishInstallerTexts(), choices, hooks), InstallOutcome::Completed);
  const auto record = readUninstallRecord(state.InstallFolder + "/uninstall.dat");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->DesktopFolder, home("Desktop"));
  EXPECT_EQ(record->GroupFolder, home(".local/share/applications/Tavo"));
  EXPECT_EQ(record->StartupFolder, home(".config/autostart"));
  EXPECT_FALSE(QFileInfo::exists(record->GroupFolder));
  EXPECT_FALSE(QFileInfo::exists(record->StartupFolder + "/Tavo.desktop"));
}

TEST(DesktopEntryText, EscapesAtBothLevels) {
  EXPECT_EQ(quoteExecArgument("/a b/$x \"q\" 5%"), "\"/a b/\\$x \\\"q\\\" 5%%\"");
  EXPECT_EQ(escapeStringValue(" lead\\ing\nline"), "\\slead\\\\ing\\nline");
  const QString text = desktopEntryText({"Tavo", {"/a/$b"}, "/a", "x"});
  EXPECT_TRUE(text.contains("\nExec=\"/a/\\\\$b\"\n")) << text;
  // A percent sign in the program's own path: started through env.
  EXPECT_TRUE(desktopEntryText({"Tavo", {"/a 5%/Tavo"}, "/a", "x"}).contains("\nExec=env \"/a 5%%/Tavo\"\n"));
}

}  // namespace
}  // namespace tavo::setup
