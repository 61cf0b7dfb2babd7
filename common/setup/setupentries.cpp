#include "common/setup/setupentries.h"

#include <QStandardPaths>

namespace tavo::setup {

QString shortcutFileName(const QString& productWord) { return productWord + QLatin1String(kShortcutExtension); }

ShellFolders findShellFolders(const QString& productWord) {
  ShellFolders f;
  f.DesktopFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  f.GroupFolder =
      QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + QLatin1Char('/') + productWord;
  f.StartupFolder =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
  return f;
}

MenuFiles findMenuFiles(const QString& productWord) {
  return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
              QStringLiteral("/menus/applications-merged/") + productWord + QStringLiteral(".menu"),
          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/desktop-directories/") + productWord + QStringLiteral(".directory")};
}

QString groupEntryId(const QString& productWord, const QString& entryFile) {
  return productWord + QLatin1Char('-') + entryFile;
}

QStringList groupEntryNames(const QString& productWord) {
  // In the order of their names, as the uninstaller's log lists them.
  QStringList names{shortcutFileName(productWord), QString::fromLatin1(kHelpShortcutFileFR),
                    QString::fromLatin1(kHelpShortcutFileEN), QString::fromLatin1(kUninstallShortcutFile)};
  names.sort();
  return names;
}

}  // namespace tavo::setup
