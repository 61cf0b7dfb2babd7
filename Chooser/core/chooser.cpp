#include "Chooser/core/chooser.h"

#include <QFileInfo>

#include "common/desktopseam.h"

namespace tavo::chooser {

InstallerBuild installerBuild(const QString& chooserFolder, bool english) {
  if (english)
    return {chooserFolder + QStringLiteral("/Pondel_EN"), QStringLiteral("     Pondel_EN not found.     "),
            QStringLiteral("Error")};
  return {chooserFolder + QStringLiteral("/Pondel_FR"), QStringLiteral("     Pondel_FR introuvable.     "),
          QStringLiteral("Erreur")};
}

void startInstaller(const InstallerBuild& build, const QString& currentFolder, tavo::DesktopSeam& desktop) {
  if (QFileInfo(build.program).isFile() && desktop.startProgram({build.program, {}, currentFolder})) return;
  desktop.message(nullptr, build.missingTitle, build.missingText);
}

}  // namespace tavo::chooser
