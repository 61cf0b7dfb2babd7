#include "installer/core/shortcuts.h"

#include <QStandardPaths>

namespace tavo::setup {

QString shortcutFileName(const QString& productWord) { return productWord + QLatin1String(kShortcutExtension); }

ShellFolders findShellFolders(const QString& productWord) {
  ShellFolders f;
  f.DesktopFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  f.GroupFolder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + QLatin1Char('/') + productWord;
  f.StartupFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
  return f;
}

}  // namespace tavo::setup

namespace tavo::setup {

MenuFiles findMenuFiles(const QString& productWord) {
  return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
              QStringLiteral("/menus/applications-merged/") + productWord + QStringLiteral(".menu"),
          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/desktop-directories/") + productWord + QStringLiteral(".directory")};
}

QString groupEntryId(const QString& productWord, const QString& entryFile) {
  return productWord + QLatin1Char('-') + entryFile;
}

}  // namespace tavo::setup
