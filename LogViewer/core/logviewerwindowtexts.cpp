#include "LogViewer/core/logviewerwindowtexts.h"

namespace tavo::logv {

namespace {

constexpr TextProperty C = TextProperty::Caption;
constexpr TextProperty T = TextProperty::Tooltip;

}  // namespace

LogViewerWindowTexts logViewerWindowTexts(bool isFrench) {
  LogViewerWindowTexts e;
  appendTexts(e.frmMain, isFrench,
              {{{}, C, "Tavo - Log Viewer", "Tavo - Log Viewer"},
               {{"frameSkins"}, C, "Logs disponibles", "Available logs"},
               {{"cmdSelect"}, C, "Analyser >>", "Analyze >>"},
               {{"cmdSelect"}, T, " Analyser le log sélectionné ", " Analyze selected log "}});
  // Where two controls share a text, the first is in the whole-log frame
  // (Frame1), the second in the visible-part one (Frame2).
  appendTexts(e.frmGraphe, isFrench,
              {{{}, C, "Tavo - Log Viewer", "Tavo - Log Viewer"},
               {{"Label1"}, C, "Download  (kbit/s)", "Download  (kbit/s)"},
               {{"Label6"}, C, "Upload (kbit/s)", "Upload (kbit/s)"},
               {{"Frame1"}, C, "Totalité du log", "Complete log"},
               {{"Frame2"}, C, "Partie visible sur le graphique", "Visible part on the graph"},
               {{"Label43", "Label8"}, C, "Download", "Download"},
               {{"Label42", "Label9"}, C, "Upload", "Upload"},
               {{"Label2", "Label7"}, C, "Date inférieure :", "Date min. :"},
               {{"Label3", "Label5"}, C, "Date supérieure :", "Date max. :"},
               {{"Label18", "Label14"}, C, "Débit maximum constaté (kbit/s)", "Maximum rate (kbit/s)"},
               {{"Label12", "Label22"}, C, "Débit moyen (kbit/s)", "Average rate (kbit/s)"},
               {{"Label16", "Label23"}, C, "Volume total transféré (MO)", "Total volume transferred (MB)"},
               {{"Label4", "Label25"}, C, "Nombre d'échantillons :", "Number of records :"},
               {{"picPlus"},
                T,
                " Zoom in... réduire la taille de la plage visible sur le graphique ",
                " Zoom in... reduce the X axis "},
               {{"picMoins"},
                T,
                " Zoom out... augmenter la taille de la plage visible sur le graphique ",
                " Zoom out... enlarge the X axis "},
               {{"cmdPrint"}, C, "Imprimer", "Print"},
               {{"cmdPrint", "picPrint"}, T, " Imprimer cette page ", " Print this page "}});
  return e;
}

}  // namespace tavo::logv
