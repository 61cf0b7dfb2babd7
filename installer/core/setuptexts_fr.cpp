#include "installer/core/setuptexts.h"
#include "common/setup/setupentries.h"

namespace tavo::setup {

const InstallerTexts& frenchInstallerTexts() {
  static const InstallerTexts texts{
      .isFrench = true,
      .titleSuffix = QStringLiteral(" - installation"),
      .folderLabel = QStringLiteral("Dossier d'installation :"),
      .changeFolderLabel = QStringLiteral("Changer le dossier d'installation ..."),
      .next = QStringLiteral("Suivant >"),
      .cancel = QStringLiteral("Abandon"),
      .shortcutsFrame = QStringLiteral("Raccourcis"),
      .desktopOption = QStringLiteral(" sur le bureau"),
      .groupOption = QStringLiteral(" menu dans Démarrer/Programmes"),
      .startupOption = QStringLiteral(" dans le menu Démarrage de Windows"),
      .languageFrame = QStringLiteral("Langage du programme"),
      .frenchOption = QStringLiteral("Français"),
      .englishOption = QStringLiteral("Anglais"),
      .cancelQuestion = QStringLiteral("   Abandonner l'installation ?   "),
      .cancelTitle = QStringLiteral("Confirmez"),
      .close = QStringLiteral("Fermer"),
      .complete = QStringLiteral("Installation terminée !"),
      .necessaryFiles = QStringLiteral("Fichiers nécessaires..."),
      .missingBefore = QStringLiteral("  ERREUR : "),
      .missingAfter = QStringLiteral(" est absent"),
      .folderCreation = QStringLiteral("Création des dossiers..."),
      .registering = QStringLiteral("Enregistrement des composants..."),
      .registered = QStringLiteral(" : enregistré"),
      .olderPresent = QStringLiteral(" : une version antérieure est présente"),
      .alreadyPresent = QStringLiteral(" : déja présent sur votre système"),
      .copying = QStringLiteral("Copie des fichiers..."),
      .inUse = QStringLiteral(" : ERREUR, fichier actuellement utilisé"),
      .shortcuts = QStringLiteral("Raccourcis..."),
      .skins = QStringLiteral("Skins..."),
      .skinsCounted = QStringLiteral(" skin(s) copiée(s)."),
      .finished = QStringLiteral("TERMINE"),
      .incomplete = QStringLiteral("INCOMPLET"),
      .notWrittenBefore = QStringLiteral("  ERREUR : "),
      .notWrittenAfter = QStringLiteral(" n'a pas pu être écrit"),
      .incompleteLabel = QStringLiteral("Installation incomplète : voir le log"),
      .folderLineBreak = QStringLiteral("Le nom du dossier ne peut pas contenir de saut de ligne."),
      .folderEmpty = QStringLiteral("Indiquez un dossier d'installation."),
      .missingMessage = QStringLiteral("    Certains fichiers sont absents - voir le log    "),
      .copyMessage = QStringLiteral("    Erreur pendant la copie - voir le log    "),
      .errorTitle = QStringLiteral("Erreur"),
      .helpShortcutFile = QString::fromLatin1(kHelpShortcutFileFR),
  };
  return texts;
}

}  // namespace tavo::setup
