#include "installer/core/setupshortcuts.h"

#include <QDir>
#include <QFileInfo>

#include "installer/core/desktopentry.h"
#include "installer/core/setuplog.h"

namespace tavo::setup {

namespace {

QString inFolder(const QString& folder, const QString& name) { return folder + QLatin1Char('/') + name; }

QString baseName(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  return dot > 0 ? fileName.left(dot) : fileName;
}

// The step never fails (the record keeps the folders either way), so an
// entry that could not be written is only told to the log category.
void makeEntry(const QString& folder, const QString& file, const DesktopEntry& entry, bool executable) {
  // A fresh account may have no applications or autostart folder yet.
  if (!QDir().mkpath(folder)) {
    qCWarning(setupLog) << "could not make the folder" << folder;
    return;
  }
  if (!writeDesktopEntry(inFolder(folder, file), entry, executable))
    qCWarning(setupLog) << "could not write the entry" << inFolder(folder, file);
}

void writeMenuFile(const QString& path, const QString& text) {
  if (!QDir().mkpath(QFileInfo(path).path()) || !writeTextFile(path, text))
    qCWarning(setupLog) << "could not write the menu file" << path;
}

}  // namespace

void makeSetupShortcuts(const InstallerState& state, const ShortcutChoice& choice, const ShellFolders& folders) {
  // Every entry shows the suite's own icon, installed with it.
  const QString icon = inFolder(state.InstallFolder, QString::fromLatin1(kIconFile));
  const DesktopEntry monitor{
      state.ProductWord, {inFolder(state.InstallFolder, state.ProgramFile)}, state.InstallFolder, icon};
  if (choice.desktop) makeEntry(folders.DesktopFolder, state.ShortcutFile, monitor, /*executable=*/true);
  if (choice.group) {
    // The group's entries are held by their own submenu only.
    DesktopEntry groupMonitor = monitor;
    groupMonitor.categories.clear();
    makeEntry(folders.GroupFolder, state.ShortcutFile, groupMonitor, false);
    // The French help in both builds, as a link: the desktop opens the
    // PDF with its own viewer, whether or not xdg-open is installed.
    DesktopEntry help{baseName(state.HelpShortcutFile), {}, state.InstallFolder, icon, QString()};
    help.linkedFile = inFolder(state.InstallFolder, state.HelpFileFR);
    makeEntry(folders.GroupFolder, state.HelpShortcutFile, help, false);
    const DesktopEntry uninstall{baseName(state.UninstallShortcutFile),
                                 {inFolder(state.InstallFolder, QStringLiteral("Uninstall"))},
                                 state.InstallFolder,
                                 icon,
                                 QString()};
    makeEntry(folders.GroupFolder, state.UninstallShortcutFile, uninstall, false);
    // The submenu "Tavo" that holds them, as the menus of freedesktop
    // desktops are extended.
    const MenuFiles menu = findMenuFiles(state.ProductWord);
    const QString directoryName = QFileInfo(menu.directoryFile).fileName();
    writeMenuFile(menu.directoryFile, directoryEntryText(state.ProductWord, icon));
    writeMenuFile(menu.menuFile, mergedMenuText(state.ProductWord, directoryName,
                                                {groupEntryId(state.ProductWord, state.ShortcutFile),
                                                 groupEntryId(state.ProductWord, state.HelpShortcutFile),
                                                 groupEntryId(state.ProductWord, state.UninstallShortcutFile)}));
  }
  if (choice.startup) makeEntry(folders.StartupFolder, state.ShortcutFile, monitor, false);
}

ShellFolders CreateSetupShortcuts(const InstallerState& state, const ShortcutChoice& choice) {
  const ShellFolders folders = findShellFolders(state.ProductWord);
  makeSetupShortcuts(state, choice, folders);
  return folders;
}

}  // namespace tavo::setup
