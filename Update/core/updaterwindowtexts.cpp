#include "Update/core/updaterwindowtexts.h"

namespace tavo::update {

WindowTexts updaterWindowTexts(bool isFrench, const QString& productToken) {
  constexpr TextProperty C = TextProperty::Caption;
  WindowTexts texts{{QString(), C, productToken + QStringLiteral(" - Update")}};
  appendTexts(texts, isFrench,
              {{{"Label1"}, C, "Votre version actuelle :", "Your current version :"},
               {{"Label2"}, C, "Dernière version disponible :", "Latest available version :"},
               {{"Label3"}, C, "Pour télécharger la dernière version...", "Download the latest version..."},
               {{"cmdClose"}, C, "Fermer", "Close"}});
  return texts;
}

}  // namespace tavo::update
