#include "Chooser/core/chooser.h"

#include <QFileInfo>

#include "Chooser/core/chooserlog.h"
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
  if (QFileInfo(build.program).isFile()) {
    if (desktop.startProgram({build.program, {}, currentFolder})) return;
    qCWarning(chooserLog) << "could not start" << build.program;
  }
  desktop.message(nullptr, build.missingTitle, build.missingText);
}

}  // namespace tavo::chooser
