#include "UnInstaller_FR/core/uninstallerwindowtexts.h"

namespace tavo::uninstall {

WindowTexts uninstallerWindowTexts() {
  constexpr TextProperty C = TextProperty::Caption;
  return {{QString(), C, QStringLiteral("Désinstallation...")},
          {QStringLiteral("cmdDone"), C, QStringLiteral("Fermer")}};
}

}  // namespace tavo::uninstall
