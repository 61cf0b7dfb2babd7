#include "installer/core/setupshortcuts.h"

#include <QDir>

#include "installer/core/desktopentry.h"

namespace tavo::setup {

namespace {

// Themed icons that every desktop's icon theme carries.
const char kMonitorIcon[] = "network-transmit-receive";
const char kHelpIcon[] = "help-contents";
const char kUninstallIcon[] = "edit-delete";

QString inFolder(const QString& folder, const QString& name) { return folder + QLatin1Char('/') + name; }

QString baseName(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  return dot > 0 ? fileName.left(dot) : fileName;
}

void makeEntry(const QString& folder, const QString& file, const DesktopEntry& entry, bool executable) {
  // A fresh account may have no applications or autostart folder yet.
  if (!QDir().mkpath(folder)) return;
  writeDesktopEntry(inFolder(folder, file), entry, executable);
}

}  // namespace

void makeSetupShortcuts(const InstallerState& state, const ShortcutChoice& choice, const ShellFolders& folders) {
  const DesktopEntry monitor{state.ProductWord, {inFolder(state.InstallFolder, state.ProgramFile)}, state.InstallFolder,
                             QString::fromLatin1(kMonitorIcon)};
  if (choice.desktop) makeEntry(folders.DesktopFolder, state.ShortcutFile, monitor, /*executable=*/true);
  if (choice.group) {
    makeEntry(folders.GroupFolder, state.ShortcutFile, monitor, false);
    // The French help in both builds.
    const DesktopEntry help{baseName(state.HelpShortcutFile),
                            {QStringLiteral("xdg-open"), inFolder(state.InstallFolder, state.HelpFileFR)},
                            state.InstallFolder, QString::fromLatin1(kHelpIcon)};
    makeEntry(folders.GroupFolder, state.HelpShortcutFile, help, false);
    const DesktopEntry uninstall{baseName(state.UninstallShortcutFile),
                                 {inFolder(state.InstallFolder, QStringLiteral("Uninstall"))}, state.InstallFolder,
                                 QString::fromLatin1(kUninstallIcon)};
    makeEntry(folders.GroupFolder, state.UninstallShortcutFile, uninstall, false);
  }
  if (choice.startup) makeEntry(folders.StartupFolder, state.ShortcutFile, monitor, false);
}

ShellFolders CreateSetupShortcuts(const InstallerState& state, const ShortcutChoice& choice) {
  const ShellFolders folders = findShellFolders(state.ProductWord);
  makeSetupShortcuts(state, choice, folders);
  return folders;
}

}  // namespace tavo::setup
