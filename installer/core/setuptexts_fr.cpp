#include "common/setup/setupentries.h"
#include "installer/core/setuptexts.h"

namespace tavo::setup {

const InstallerTexts& frenchInstallerTexts() {
  using tavo::TextProperty;
  // The captions that stand on several controls, or that the program sets
  // again, written once.
  const QString next = QStringLiteral("Suivant >");
  const QString cancel = QStringLiteral("Abandon");
  const QString close = QStringLiteral("Fermer");
  const QString complete = QStringLiteral("Installation terminée !");
  static const InstallerTexts texts{
      .isFrench = true,
      .frmInstallTexts =
          {
              {QStringLiteral("Label3"), TextProperty::Caption, QStringLiteral("Dossier d'installation :")},
              {QStringLiteral("Label2"), TextProperty::Caption,
               QStringLiteral("Changer le dossier d'installation ...")},
              {QStringLiteral("cmdInstall"), TextProperty::Caption, next},
              {QStringLiteral("cmdCancel"), TextProperty::Caption, cancel},
          },
      .frmShortTexts =
          {
              {QStringLiteral("Frame1"), TextProperty::Caption, QStringLiteral("Raccourcis")},
              {QStringLiteral("chkDesktop"), TextProperty::Caption, QStringLiteral(" sur le bureau")},
              {QStringLiteral("chkStart"), TextProperty::Caption, QStringLiteral(" menu dans Démarrer/Programmes")},
              {QStringLiteral("chkStartup"), TextProperty::Caption,
               QStringLiteral(" dans le menu Démarrage de Windows")},
              {QStringLiteral("Frame2"), TextProperty::Caption, QStringLiteral("Langage du programme")},
              {QStringLiteral("optFR"), TextProperty::Caption, QStringLiteral("Français")},
              {QStringLiteral("optEN"), TextProperty::Caption, QStringLiteral("Anglais")},
              {QStringLiteral("cmdInstall"), TextProperty::Caption, next},
              {QStringLiteral("cmdCancel"), TextProperty::Caption, cancel},
          },
      .frmLogTexts = {{QStringLiteral("cmdFinish"), TextProperty::Caption, next}},
      .frmEndTexts =
          {
              {QStringLiteral("Label2"), TextProperty::Caption, complete},
              {QStringLiteral("cmdFinish"), TextProperty::Caption, close},
          },
      .titleSuffix = QStringLiteral(" - installation"),
      .next = next,
      .close = close,
      .cancelQuestion = QStringLiteral("   Abandonner l'installation ?   "),
      .cancelTitle = QStringLiteral("Confirmez"),
      .complete = complete,
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
