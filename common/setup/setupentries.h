#pragma once
// The names both setup programs must agree on: the product word, the
// desktop entries (freedesktop .desktop files) that the installer makes and
// the uninstaller removes, the submenu's files and the three folders the
// entries go into. Fixed here once, in the library both link.
#include <QString>
#include <QStringList>

namespace tavo::setup {

// The word the installer installs under: it names the entries, and line 1
// of the uninstall record holds it.
inline constexpr char kProductWord[] = "Tavo";

// The monitor's entry, on the desktop, in the group and in autostart:
// the product word and this extension ("Tavo" gives "Tavo.desktop").
inline constexpr char kShortcutExtension[] = ".desktop";
inline constexpr char kShortcutFile[] = "Tavo.desktop";
// The help entry of the group: the French build names it "Aide", the
// English one "Help"; both open the French help file.
inline constexpr char kHelpShortcutFileFR[] = "Aide.desktop";
inline constexpr char kHelpShortcutFileEN[] = "Help.desktop";
inline constexpr char kUninstallShortcutFile[] = "Uninstall.desktop";

// The name of the monitor's entry for a product word: line 1 of the
// uninstall record is the product word.
QString shortcutFileName(const QString& productWord);

// Where the entries go, as the uninstall record keeps them.
struct ShellFolders {
  QString DesktopFolder;  // the user's desktop folder (QStandardPaths::DesktopLocation)
  QString GroupFolder;    // <user's applications folder>/<product word>, e.g. ~/.local/share/applications/Tavo
  QString StartupFolder;  // the user's autostart folder, e.g. ~/.config/autostart
};

// The submenu that holds the program group's entries: a merged menu file
// in the user's menus folder and its directory entry, named after the
// product word ("Tavo.menu", "Tavo.directory").
struct MenuFiles {
  QString menuFile;       // <config>/menus/applications-merged/Tavo.menu
  QString directoryFile;  // <data>/desktop-directories/Tavo.directory
};
MenuFiles findMenuFiles(const QString& productWord);

// The desktop-file id of an entry of the group folder: its path under the
// applications folder with "/" as "-" ("Tavo/Help.desktop" is
// "Tavo-Help.desktop").
QString groupEntryId(const QString& productWord, const QString& entryFile);

// The entries the installer makes in the program group, by name, in the
// order of their names: the monitor's, both builds' help entries and the
// uninstaller's.
QStringList groupEntryNames(const QString& productWord);

// The suite's icon, installed beside the programs.
inline constexpr char kIconFile[] = "Tavo.png";

// The three folders for a product word, found through QStandardPaths (so
// HOME and the XDG_* variables decide). Nothing is created.
ShellFolders findShellFolders(const QString& productWord);

}  // namespace tavo::setup
