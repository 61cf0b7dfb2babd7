#include "monitor/core/languagetexts.h"

namespace tavo::monitor {
namespace {

struct Row {
  const char* control;
  TextProperty property;
  const char* french;   // nullptr: the French texts leave it as designed
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
    {"mnuBig", P::MenuCaption, "Historique", "Detailed graph"},
    {"mnuMinimizeAll", P::MenuCaption, "Minimiser tout", "Minimize all"},
    {"mnuMinimizeTavo", P::MenuCaption, "Montrer/Cacher Tavo", "Show/Hide Tavo"},
    {"mnuQuit", P::MenuCaption, "Quitter Tavo", "Quit Tavo"},
    {"mnuSettings", P::MenuCaption, "Configuration", "Settings"},
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
    {"mnuStats", P::MenuCaption, "Statistiques", "Statistics"},
    {"tabOptions", P::TabCaption, nullptr, " Skins and Behaviour ", 0},
    {"tabOptions", P::TabCaption, nullptr, " Graphs and Counters ", 1},
    {"chkUpdate", P::Caption, "Au démarrage, vérifie sur Internet la version la plus récente",
     "At launch, check for a new version on Internet"},
};

}  // namespace

MonitorTexts monitorTexts(bool isFrench) {
  MonitorTexts t;
  for (const Row& row : kSettingsRows) {
    const char* text = isFrench ? row.french : row.english;
    if (!text) continue;
    t.settings.push_back({QString::fromLatin1(row.control), row.property, QString::fromUtf8(text), row.index});
  }
  if (isFrench) {
    t.QuitPrompt = QStringLiteral("       Quitter Tavo ?      ");
    t.QuitTitle = QStringLiteral("Tavo - Confirmez");
    t.RateUnitText = QStringLiteral(" kO/s");
    t.VolumeUnitText = QStringLiteral(" MO");
    t.AllInterfaces = QStringLiteral("Toutes les interfaces");
  } else {
    t.QuitPrompt = QStringLiteral("       Quit Tavo ?      ");
    t.QuitTitle = QStringLiteral("Tavo - Please confirm");
    t.RateUnitText = QStringLiteral(" kB/s");
    t.VolumeUnitText = QStringLiteral(" MB");
    t.AllInterfaces = QStringLiteral("All interfaces");
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

QString launchErrorTitle() { return QStringLiteral("Tavo error"); }

QString launchErrorText(bool isFrench, const QString& program) {
  return isFrench ? QStringLiteral(" Impossible de démarrer %1. ").arg(program)
                  : QStringLiteral(" %1 could not be started. ").arg(program);
}

}  // namespace tavo::monitor
