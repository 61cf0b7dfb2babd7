#pragma once
// What the installer knows for its whole run: the names it installs under,
// the file table, the folders. Set up once by the start procedure; the
// install sequence and the shortcut step read it and fill in the folders
// of the shortcuts.
#include <QList>
#include <QString>

#include "common/setup/setupentries.h"

namespace tavo::setup {

// The installation folder's name under the chosen place.
inline constexpr char kInstallFolderName[] = "Tavo_3";

// One row of the file table: the name in the setup folder, and the name in
// the installation folder (empty for a system component, which keeps its
// name and goes to the system folder).
struct SetupFileRow {
  QString setupName;
  QString installedName;
};

// The leading ComponentCount rows are system components, the rest program
// files.
struct SetupFileTable {
  QList<SetupFileRow> rows;
  int ComponentCount = 0;
  int FileCount() const { return int(rows.size()); }
};

// The table the installer ships with: the twelve program files (the five
// programs, the two help files, the four manifests, the suite's icon). The suite's runtime
// comes from the distribution's packages, so it has no component rows.
SetupFileTable shippedSetupFileTable(const QString& productWord);

struct InstallerState {
  QString ProductWord;
  QString ProgramFile;            // "Tavo"
  QString ShortcutFile;           // "Tavo.desktop"
  QString HelpShortcutFile;       // "Aide.desktop" or "Help.desktop"
  QString UninstallShortcutFile;  // "Uninstall.desktop"
  QString HelpFileFR;             // "Tavo_FR.pdf"
  QString HelpFileEN;             // "Tavo_EN.pdf"
  SetupFileTable Files;
  QString InstallFolder;  // as the user left it on the folder page: nothing added or removed
  // Components go to WindowsFolder/system32; there is no such folder on
  // Linux, and the shipped table names no component.
  QString WindowsFolder;
  QString SourceFolder;  // the setup folder: the current folder at start-up
  ShellFolders Folders;  // empty until the shortcut step
};

// The state at start-up: names, shipped table, default installation folder
// (Tavo_3 in the user's data folder).
InstallerState initialInstallerState(const QString& helpShortcutFile, const QString& sourceFolder);

// The folder-list rule: "<folder>/Tavo_3", and "/Tavo_3" for the root.
QString installFolderUnder(const QString& folder);

}  // namespace tavo::setup
