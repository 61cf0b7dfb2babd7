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
