#include "installer/core/installerstate.h"

#include <QStandardPaths>

namespace tavo::setup {

SetupFileTable shippedSetupFileTable(const QString& productWord) {
  SetupFileTable t;
  t.ComponentCount = 0;
  t.rows = {
      {QStringLiteral("TV0.dat"), productWord},
      {QStringLiteral("Tavo_FR.pdf"), productWord + QStringLiteral("_FR.pdf")},
      {QStringLiteral("Tavo_EN.pdf"), productWord + QStringLiteral("_EN.pdf")},
      // The icon the menu, the desktop and the autostart entries show.
      {QString::fromLatin1(kIconFile), QString::fromLatin1(kIconFile)},
      {QStringLiteral("TV1.dat"), productWord + QStringLiteral(".manifest")},
      {QStringLiteral("TV2.dat"), QStringLiteral("Uninstall")},
      {QStringLiteral("TV3.dat"), QStringLiteral("Update")},
      {QStringLiteral("TV4.dat"), QStringLiteral("Update.manifest")},
      {QStringLiteral("TV5.dat"), QStringLiteral("TavoStat")},
      {QStringLiteral("TV6.dat"), QStringLiteral("TavoStat.manifest")},
      {QStringLiteral("TV7.dat"), QStringLiteral("TavoLogV")},
      {QStringLiteral("TV8.dat"), QStringLiteral("TavoLogV.manifest")},
  };
  return t;
}

InstallerState initialInstallerState(const QString& helpShortcutFile, const QString& sourceFolder) {
  InstallerState s;
  s.ProductWord = QString::fromLatin1(kProductWord);
  s.ProgramFile = s.ProductWord;
  s.ShortcutFile = shortcutFileName(s.ProductWord);
  s.HelpShortcutFile = helpShortcutFile;
  s.UninstallShortcutFile = QString::fromLatin1(kUninstallShortcutFile);
  s.HelpFileFR = s.ProductWord + QStringLiteral("_FR.pdf");
  s.HelpFileEN = s.ProductWord + QStringLiteral("_EN.pdf");
  s.Files = shippedSetupFileTable(s.ProductWord);
  // The programs keep their statistics beside themselves, so the folder
  // must be the user's own.
  s.InstallFolder = installFolderUnder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  s.SourceFolder = sourceFolder;
  return s;
}

QString installFolderUnder(const QString& folder) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + QLatin1String(kInstallFolderName);
  return folder + QLatin1Char('/') + QLatin1String(kInstallFolderName);
}

}  // namespace tavo::setup
