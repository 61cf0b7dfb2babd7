#include "Stats/core/statswindowtexts.h"

namespace tavo::stats {

namespace {

constexpr TextProperty C = TextProperty::Caption;
constexpr TextProperty T = TextProperty::Tooltip;

// The texts the two graph windows share.
void addGraphTexts(bool isFrench, WindowTexts& out) {
  appendTexts(out, isFrench,
              {{{"Label3"}, C, "Période choisie : ", "Chosen period : "},
               {{"Label8"}, C, "Durée totale enregistrée :", "Total duration :"},
               {{"Frame1"}, C, "Focus", "Focus"},
               {{"optTout"}, C, "Tout", "All"},
               {{"optTot"}, C, "Volumes", "Volumes"},
               {{"optMax"}, C, "Débits max.", "Max. rates"},
               {{"optMoy"}, C, "Débits moyens", "Average rates"},
               {{"cmdRawData"}, C, "Données brutes", "Raw data"},
               {{"cmdRawData"}, T, " Voir les données brutes correspondantes ", " View the corresponding raw data "},
               {{"cmdPrint"}, C, "Imprimer", "Print"},
               {{"cmdPrint"}, T, " Imprimer cette page ", " Print this page "},
               {{"cmdAutre"}, C, "Autre période", "Another period"},
               {{"cmdAutre"}, T, " Sélectionner une autre période ", " Select another period of time "},
               {{"Label1"}, C, "Download", "Download"},
               {{"Label6"}, C, "Upload", "Upload"},
               {{"Label16"}, C, "Volume total transféré (MO)", "Total volume transferred (MB)"},
               {{"Label24"}, C, "Volume transféré max. (MO)", "Max. volume transferred (MB)"},
               {{"Label18"}, C, "Débit maximum constaté (kbit/s)", "Maximum rate (kbit/s)"},
               {{"Label20"}, C, "Moyenne des débits max. (kbit/s)", "Average of max. rates (kbit/s)"},
               {{"Label12"}, C, "Débit moyen (kbit/s)", "Average rate (kbit/s)"},
               {{"Label26"}, C, "Débit moyen max. (kbit/s)", "Max. average rate (kbit/s)"}});
}

void addPickerTexts(bool isFrench, WindowTexts& out) {
  appendTexts(out, isFrench,
              {{{"Label3"}, C, "période =", "period ="},
               {{"cmdOK"}, C, "Valider", "Validate"},
               {{"cmdOK"}, T, " Valider la période choisie ", " Validate selection "},
               {{"cmdClose"}, C, "Abandonner", "Cancel"},
               {{"cmdClose"}, T, " Ne pas choisir de période ", " Cancel selection "}});
}

}  // namespace

StatsWindowTexts statsWindowTexts(bool isFrench) {
  StatsWindowTexts e;
  e.VolumeUnit = isFrench ? QStringLiteral(" MO") : QStringLiteral(" MB");

  appendTexts(e.frmMain, isFrench,
              {{{}, C, "Tavo - Statistiques - Résumé", "Tavo - Statistics - Summary"},
               {{"Label1"}, C, "Nombre de sessions enregistrées :", "Number of recorded sessions :"},
               {{"Label7"}, C, "Date inférieure :", "Date min.\u00A0: "},
               {{"Label6"}, C, "Date supérieure :", "Date max.\u00A0: "},
               {{"Label8"}, C, "Durée totale enregistrée :", "Total duration :"},
               {{"Label10", "Label42", "Label44"}, C, "Download", "Download"},
               {{"Label14", "Label43", "Label45"}, C, "Upload", "Upload"},
               {{"Label18"}, C, "Débit maximum constaté (kbit/s)", "Maximum rate (kbit/s)"},
               {{"Label38", "Label5"}, C, "le :", "the"},
               {{"Label16"}, C, "Volume total transféré (MO)", "Total volume transferred (MB)"},
               {{"Label12"}, C, "Débit moyen (kbit/s)", "Average rate (kbit/s)"},
               // The per-day frame.
               {{"frJour"}, C, "Par journée", "Per day"},
               {{"cmdJour"}, C, "Analyse par jour", "Per day analysis"},
               {{"cmdJour"},
                T,
                " Analyser plus finement (par jour) une période choisie ",
                " Detailed analysis on a selected period of time"},
               {{"Label4"}, C, "Nombre de journées concernées :", "Number of days :"},
               {{"Label2"}, C, "Durée moyenne par journée :", "Average duration per day :"},
               {{"Label25"}, C, "Volume moyen par jour (MO)", "Average volume per day (MB)"},
               {{"Label34", "Label33", "Label32", "Label31"}, C, "le :", "the"},
               {{"Label24"}, C, "Volume transféré max. (MO)", "Max. volume transferred (MB)"},
               {{"Label26"}, C, "Débit moyen max. (kbit/s)", "Max. average rate (kbit/s)"},
               {{"Label20"}, C, "Moyenne des débits max. (kbit/s)", "Average of max. rates (kbit/s)"},
               // The per-month frame.
               {{"frMois"}, C, "Par mois", "Per month"},
               {{"cmdMois"}, C, "Analyse par mois", "Per month analysis"},
               {{"cmdMois"},
                T,
                " Analyser plus finement (par mois) une période choisie ",
                " Detailed analysis on a selected period of time"},
               {{"Label49"}, C, "Nombre de mois concernés :", "Number of months :"},
               {{"Label48"}, C, "Durée moyenne par mois :", "Average duration per month :"},
               {{"Label28"}, C, "Volume moyen par mois (MO)", "Average volume per month (MB)"},
               {{"Label17", "Label15", "Label13", "Label11"}, C, "en :", "in"},
               {{"Label29"}, C, "Volume transféré max. (MO)", "Max. volume transferred (MB)"},
               {{"Label27"}, C, "Débit moyen max. (kbit/s)", "Max. average rate (kbit/s)"},
               {{"Label41"}, C, "Moyenne des débits max. (kbit/s)", "Average of max. rates (kbit/s)"}});

  appendTexts(e.frmJourSelect, isFrench,
              {{{}, C, "Tavo - Statistiques - Choix de la période", "Tavo – Statistics – Select a period of time"},
               {{"Label1"},
                C,
                "Sélectionnez la période d'analyse - période de 2 mois (61 jours)",
                "Select a 2 months period to view a detailed analysis"}});
  addPickerTexts(isFrench, e.frmJourSelect);
  appendTexts(e.frmMoisSelect, isFrench,
              {{{}, C, "Tavo - Statistiques - Choix de la période", "Tavo - Statistics – Select a period of time"},
               {{"Label1"},
                C,
                "Sélectionnez la période d'analyse - période de 2 ans (24 mois)",
                "Select a 2 years period to view a detailed analysis"}});
  addPickerTexts(isFrench, e.frmMoisSelect);

  appendTexts(e.frmJourGraphe, isFrench,
              {{{}, C, "Tavo - Statistiques - Par jour", "Tavo – Statistics – Per day"},
               {{"Label4"}, C, "Nombre de journées :", "Number of days :"},
               {{"Label2"}, C, "Durée moyenne par journée :", "Average duration per day :"},
               {{"Label25"}, C, "Volume moyen par jour (MO)", "Average volume per day (MB)"},
               {{"Label31", "Label32", "Label33", "Label34", "Label5", "Label38"}, C, "le :", "the"}});
  addGraphTexts(isFrench, e.frmJourGraphe);
  appendTexts(e.frmMoisGraphe, isFrench,
              {{{}, C, "Tavo - Statistiques - Par mois", "Tavo - Statistics – Per month"},
               {{"Label4"}, C, "Nombre de mois :", "Number of months :"},
               {{"Label2"}, C, "Durée moyenne par mois :", "Average duration per month :"},
               {{"Label25"}, C, "Volume moyen par mois (MO)", "Average volume per month (MB)"},
               {{"Label31", "Label32", "Label33", "Label34", "Label5", "Label38"}, C, "en :", "in"}});
  addGraphTexts(isFrench, e.frmMoisGraphe);

  appendTexts(e.frmRawData, isFrench,
              {{{}, C, "Tavo - Statistiques - Données brutes", "Tavo - Statistics – Raw data"},
               {{"Label1"}, C, "Date", "Date"},
               {{"Label2"}, C, "Durée", "Duration"},
               {{"Label7"}, C, "Déb. max DL", "Max rate DL"},
               {{"Label4"}, C, "Déb. max UL", "Max rate UL"},
               {{"Label5"}, C, "Vol. DL", "Vol. DL"},
               {{"Label6"}, C, "Vol. UL", "Vol. UL"},
               {{"Label3"}, C, "Déb. moy DL", "Av. rate DL"},
               {{"Label8"}, C, "Déb. moy UL", "Av. rate UL"}});
  return e;
}

}  // namespace tavo::stats
