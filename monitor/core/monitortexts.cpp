#include "monitor/core/monitortexts.h"

#include <span>

namespace tavo::monitor {
namespace {

struct Row {
  const char* control;
  TextProperty property;
  const char* french;  // nullptr: the French texts leave it as designed
  const char* english;
  int index = 0;
};

using P = TextProperty;

// Order matters only where two rows touch one control; it is kept as the
// language procedures set them.
const Row kSettingsRows[] = {
    {"frmSettings", P::Caption, "Tavo - Configuration", "Tavo - Settings"},
    {"cmdChangeSkin", P::Caption, "Changer", "Change"},
    {"cmdDefaultSkin", P::Caption, "Reset", "Reset"},
    {"cmdHelp", P::Caption, "Aide", "Help"},
    {"cmdQuit", P::Caption, "Quitter", "Quit"},
    {"cmdReset", P::Caption, "Reset", "Reset"},
    {"cmdUpdateGRaph", P::Caption, "Mettre à jour", "Update graph"},
    {"FrameCounters", P::Caption, "Affichage permanent", "Permanent display"},
    {"frameGraph", P::Caption, "Mini graphe", "Graph"},
    {"frameTransp", P::Caption, "Transparence (XP)", "Transparency (XP)"},
    {"frameVarious", P::Caption, "Réduction des fenêtres", "Windows minimization"},
    {"Label2", P::Caption, "Echelle de l'axe Y (kbit/s) :", "Y axis scale (kbit/s) :"},
    {"Label4", P::Caption, "Echelle de l'axe X (temps) :", "X axis scale (time) :"},
    {"lblFindSkins", P::Caption, "Dernière version, Tavo comme vecteur publicitaire, ...",
     "Visit Tavo website, latest version, ..."},
    {"optCumul", P::Caption, "MOctets transférés", "MBytes transferred"},
    {"optInbits", P::Caption, "Débits instantanés en kbit/s", "Instant rates in kbit/s"},
    {"optInBytes", P::Caption, "Débits instantanés en kOctet/s", "Instant rates in kByte/s"},
    {"optMean", P::Caption, "Débits moyens", "Average rates"},
    {"optMinAll", P::Caption, "Clic droit minimise toutes les fenêtres sauf Tavo",
     "Right click minimizes all windows but Tavo"},
    {"optMinTavo", P::Caption, "Clic droit minimise seulement Tavo", "Right click minimizes only Tavo"},
    {"cmdChangeSkin", P::Tooltip, " Charger la skin sélectionnée ", " Load selected skin "},
    {"cmdDefaultSkin", P::Tooltip, " Rétablir la skin par défaut ", " Reset the default skin "},
    {"cmdHelp", P::Tooltip, " Afficher la page d'aide (PDF) ", " Display the Help File (PDF) "},
    {"cmdQuit", P::Tooltip, " Quitter Tavo ", " Quit Tavo "},
    {"cmdReset", P::Tooltip, " Remettre les compteurs à zéro ", " Reset counters "},
    {"cmdUpdateGRaph", P::Tooltip, " Prendre en compte les nouveaux paramètres du mini graphe ",
     " Update graph with new parameters "},
    {"lblFindSkins", P::Tooltip, " Visitez la page Web Tavo ", " Visit Tavo home page "},
    {"frameInface", P::Caption, "Interface sous surveillance", "Monitoring Interface"},
    {"cmdInterface", P::Caption, "Changer >>", "Change >>"},
    {"frameLog", P::Caption, "Log détaillé des débits", "Detailed log of instant rates"},
    {"chkLogging", P::Caption, "Enregistrer un log", "Log instant rates"},
    {"cmdLogFile", P::Caption, "Changer", "Change"},
    {"cmdLogFile", P::Tooltip, "  Fermer le fichier log courant et en ouvrir un nouveau ",
     "  Close the current log file and open a new one "},
    {"label13", P::Caption, "Actuellement :", "Currently :"},
    {"tabOptions", P::TabCaption, nullptr, " Skins and Behaviour ", 0},
    {"tabOptions", P::TabCaption, nullptr, " Graphs and Counters ", 1},
    {"chkUpdate", P::Caption, "Au démarrage, vérifie sur Internet la version la plus récente",
     "At launch, check for a new version on Internet"},
};

const Row kTrayMenuRows[] = {
    {"mnuBig", P::MenuCaption, "Historique", "Detailed graph"},
    {"mnuMinimizeAll", P::MenuCaption, "Minimiser tout", "Minimize all"},
    {"mnuMinimizeTavo", P::MenuCaption, "Montrer/Cacher Tavo", "Show/Hide Tavo"},
    {"mnuQuit", P::MenuCaption, "Quitter Tavo", "Quit Tavo"},
    {"mnuSettings", P::MenuCaption, "Configuration", "Settings"},
    {"mnuStats", P::MenuCaption, "Statistiques", "Statistics"},
};

const Row kBigRows[] = {
    {"frmBig", P::Caption, "Tavo - Historique", "Tavo - Detailed Graph"},
    {"Frame1", P::Caption, "Dimension de l'historique", "Graphic X dimension"},
    {"Frame2", P::Caption, "Compteurs", "Counters"},
    {"cmdRAZ", P::Caption, "Remettre à zéro", "Reset"},
    {"optHour", P::Caption, "les 10 dernières heures", "10 last hours"},
    {"optMin", P::Caption, "les 10 dernières minutes", "10 last minutes"},
    {"Label10", P::Caption, "Données depuis :", "Statistics since :"},
    {"Label11", P::Caption, "C'est à dire depuis :", "That is for :"},
    {"Label9", P::Caption, "Débit instantané (kbit/s) :", "Instant rates (kbit/s) :"},
    {"Label6", P::Caption, "Total transféré (MOctets) :", "Data transferred (MBytes) :"},
    {"Label5", P::Caption, "Débit moyen (kbit/s) :", "Average rates (kbit/s) :"},
    {"Label12", P::Caption, "Débit maximum (kbit/s) :", "Maximum rates (kbit/s) :"},
    {"cmdRAZ", P::Tooltip, " Remettre les compteurs à zéro ", " Reset counters "},
    {"frameLog", P::Caption, "Log détaillé des débits", "Detailed log of instant rates"},
    {"cmdChangeLog", P::Caption, "Changer", "Change"},
    {"cmdChangeLog", P::Tooltip, " Fermer le fichier log courant et en ouvrir un nouveau ",
     " Close the current log file and open a new one "},
    {"label13", P::Caption, "Actuellement :", "Currently :"},
    {"cmdStats", P::Caption, "Statistiques >>", "Statistics >>"},
    {"cmdStats", P::Tooltip, " Ouvrir la fenêtre d'analyse statistique ", " Open the statistics analysis window "},
    {"cmdLogViewer", P::Tooltip, " Ouvrir le Log Viewer ", " Open the Log Viewer window "},
};

const Row kBubbleRows[] = {
    {"Label1", P::Caption, "Débit instantané (kbit/s) :", "Instant rates (kbit/s) :"},
    {"Label4", P::Caption, "Total transféré (MOctets) :", "Data transferred (MBytes) :"},
    {"Label5", P::Caption, "Débit moyen (kbit/s) :", "Average rates (kbit/s) :"},
    {"Label6", P::Caption, "Débit maximum (kbit/s) :", "Maximum rates (kbit/s) :"},
    {"Label7", P::Caption, "Double clic sur Tavo pour afficher l'historique",
     "Double click on Tavo for detailed graph"},
};

const Row kInterfacesRows[] = {
    {"Label1", P::Caption,
     "Attention : changer d'interface entraine la remise à zéro des compteurs et des données statistiques",
     "Caution : change interface will cause reset of counters and graphs"},
    {"Label2", P::Caption, "Sélectionnez l'interface à surveiller", "Select the interface to monitor"},
    {"cmdCancel", P::Caption, "Abandonner", "Cancel"},
    {"cmdChange", P::Caption, "Valider", "Validate"},
    {"cmdCancel", P::Tooltip, " Ne pas changer d'interface ", " Don't change interface "},
    {"cmdChange", P::Tooltip, " Changer d'interface ", " Change interface "},
};

WindowTexts textsOf(std::span<const Row> rows, bool isFrench) {
  WindowTexts texts;
  for (const Row& row : rows) {
    const char* text = isFrench ? row.french : row.english;
    if (!text) continue;
    texts.push_back({QString::fromLatin1(row.control), row.property, QString::fromUtf8(text), row.index});
  }
  return texts;
}

}  // namespace

WindowTexts bigGraphTexts(bool isFrench) { return textsOf(kBigRows, isFrench); }
WindowTexts bubbleTexts(bool isFrench) { return textsOf(kBubbleRows, isFrench); }
WindowTexts interfaceChooserTexts(bool isFrench) { return textsOf(kInterfacesRows, isFrench); }

MonitorTexts monitorTexts(bool isFrench) {
  MonitorTexts t;
  t.settings = textsOf(kSettingsRows, isFrench);
  t.trayMenu = textsOf(kTrayMenuRows, isFrench);
  if (isFrench) {
    t.QuitPrompt = QStringLiteral("       Quitter Tavo ?      ");
    t.QuitTitle = QStringLiteral("Tavo - Confirmez");
  } else {
    t.QuitPrompt = QStringLiteral("       Quit Tavo ?      ");
    t.QuitTitle = QStringLiteral("Tavo - Please confirm");
  }
  return t;
}

QString versionText() { return QStringLiteral("3.05"); }

QString designTabCaption(int index) {
  return index == 0 ? QStringLiteral(" Skins et Comportement ") : QStringLiteral(" Graphiques et Compteurs ");
}

QString designSettingsCaption() {
  return QStringLiteral("Tavo - ") + versionText() + QStringLiteral(" - Configuration");
}

QString trayTip() { return QStringLiteral(" Tavo ") + versionText() + QStringLiteral(" "); }

QString launchErrorText(bool isFrench, const QString& program) {
  return isFrench ? QStringLiteral(" Impossible de démarrer %1. ").arg(program)
                  : QStringLiteral(" %1 could not be started. ").arg(program);
}

}  // namespace tavo::monitor
