#include "LogViewer/core/englishtexts.h"

namespace tavo::logv {

EnglishLogTexts englishLogTexts() {
  constexpr TextProperty C = TextProperty::Caption;
  constexpr TextProperty T = TextProperty::Tooltip;
  EnglishLogTexts e;
  e.frmMain = {{"frameSkins", C, "Available logs"},
               {"cmdSelect", C, "Analyze >>"},
               {"cmdSelect", T, " Analyze selected log "}};
  WindowTexts& g = e.frmGraphe;
  g = {{"picMoins", T, " Zoom out... enlarge the X axis "},
       {"picPlus", T, " Zoom in... reduce the X axis "},
       {"Frame1", C, "Complete log"},
       {"Frame2", C, "Visible part on the graph"}};
  // The first of each pair is in the whole-log frame, the second in the visible-part one.
  appendTexts(g, {"Label2", "Label7"}, C, QStringLiteral("Date min. :"));
  appendTexts(g, {"Label3", "Label5"}, C, QStringLiteral("Date max. :"));
  appendTexts(g, {"Label18", "Label14"}, C, QStringLiteral("Maximum rate (kbit/s)"));
  appendTexts(g, {"Label12", "Label22"}, C, QStringLiteral("Average rate (kbit/s)"));
  appendTexts(g, {"Label16", "Label23"}, C, QStringLiteral("Total volume transferred (MB)"));
  appendTexts(g, {"Label4", "Label25"}, C, QStringLiteral("Number of records :"));
  appendTexts(g, {"cmdPrint"}, C, QStringLiteral("Print"));
  appendTexts(g, {"cmdPrint", "picPrint"}, T, QStringLiteral(" Print this page "));
  return e;
}

}  // namespace tavo::logv
