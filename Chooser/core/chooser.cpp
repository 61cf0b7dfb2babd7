#include "Chooser/core/chooser.h"

#include <QFileInfo>
#include <QProcess>

namespace tavo::chooser {

InstallerBuild installerBuild(const QString& chooserFolder, bool english) {
  if (english)
    return {chooserFolder + QStringLiteral("/Pondel_EN"), QStringLiteral("     Pondel_EN not found.     "),
            QStringLiteral("Error")};
  return {chooserFolder + QStringLiteral("/Pondel_FR"), QStringLiteral("     Pondel_FR introuvable.     "),
          QStringLiteral("Erreur")};
}

void startInstaller(const InstallerBuild& build, const QString& currentFolder, const Starter& start,
                    const Messenger& message) {
  if (QFileInfo(build.program).isFile() && start(build.program, currentFolder)) return;
  message(build.missingTitle, build.missingText);
}

Starter detachedStarter() {
  return [](const QString& program, const QString& workingFolder) {
    return QProcess::startDetached(program, {}, workingFolder);
  };
}

}  // namespace tavo::chooser
