#include "Stats/core/englishtexts.h"

namespace tavo::stats {

namespace {

constexpr TextProperty C = TextProperty::Caption;
constexpr TextProperty T = TextProperty::Tooltip;

struct Row {
  std::initializer_list<const char*> controls;  // {} for the window itself
  TextProperty property;
  const char* english;
};

void add(WindowTexts& out, std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    const QString text = QString::fromUtf8(r.english);
    if (r.controls.size() == 0) out.push_back({QString(), r.property, text});
    else appendTexts(out, r.controls, r.property, text);
  }
}

// The texts the two graph windows share.
void addGraphTexts(WindowTexts& out) {
  add(out, {{{"Label20"}, C, "Average of max. rates (kbit/s)"},
            {{"Label24"}, C, "Max. volume transferred (MB)"},
            {{"Label26"}, C, "Max. average rate (kbit/s)"},
            {{"Label18"}, C, "Maximum rate (kbit/s)"},
            {{"Label8"}, C, "Total duration :"},
            {{"Label12"}, C, "Average rate (kbit/s)"},
            {{"Label16"}, C, "Total volume transferred (MB)"},
            {{"optMoy"}, C, "Average rates"},
            {{"optMax"}, C, "Max. rates"},
            {{"optTot"}, C, "Volumes"},
            {{"optTout"}, C, "All"},
            {{"cmdPrint"}, C, "Print"},
            {{"cmdPrint"}, T, " Print this page "},
            {{"cmdRawData"}, C, "Raw data"},
            {{"cmdRawData"}, T, " View the corresponding raw data "},
            {{"cmdAutre"}, C, "Another period"},
            {{"cmdAutre"}, T, " Select another period of time "},
            {{"Label3"}, C, "Chosen period : "}});
}

void addPickerTexts(WindowTexts& out) {
  add(out, {{{"cmdClose"}, C, "Cancel"},
            {{"cmdClose"}, T, " Cancel selection "},
            {{"cmdOK"}, C, "Validate"},
            {{"cmdOK"}, T, " Validate selection "},
            {{"Label3"}, C, "period ="}});
}

}  // namespace

EnglishTexts englishTexts() {
  EnglishTexts e;
  e.VolumeUnit = QStringLiteral(" MB");

  addGraphTexts(e.frmJourGraphe);
  add(e.frmJourGraphe, {{{}, C, "Tavo – Statistics – Per day"},
                        {{"Label31", "Label32", "Label33", "Label34", "Label5", "Label38"}, C, "the"},
                        {{"Label25"}, C, "Average volume per day (MB)"},
                        {{"Label2"}, C, "Average duration per day :"},
                        {{"Label4"}, C, "Number of days :"}});

  addPickerTexts(e.frmJourSelect);
  add(e.frmJourSelect, {{{}, C, "Tavo – Statistics – Select a period of time"},
                        {{"Label1"}, C, "Select a 2 months period to view a detailed analysis"}});

  add(e.frmMain, {{{}, C, "Tavo - Statistics - Summary"},
                  {{"frMois"}, C, "Per month"},
                  {{"cmdMois"}, C, "Per month analysis"},
                  {{"cmdMois"}, T, " Detailed analysis on a selected period of time"},
                  {{"Label49"}, C, "Number of months :"},
                  {{"Label48"}, C, "Average duration per month :"},
                  {{"Label41", "Label20"}, C, "Average of max. rates (kbit/s)"},
                  {{"Label29", "Label24"}, C, "Max. volume transferred (MB)"},
                  {{"Label28"}, C, "Average volume per month (MB)"},
                  {{"Label27", "Label26"}, C, "Max. average rate (kbit/s)"},
                  {{"Label17", "Label15", "Label13", "Label11"}, C, "in"},
                  {{"frJour"}, C, "Per day"},
                  {{"cmdJour"}, C, "Per day analysis"},
                  {{"cmdJour"}, T, " Detailed analysis on a selected period of time"},
                  {{"Label34", "Label33", "Label32", "Label31", "Label38", "Label5"}, C, "the"},
                  {{"Label25"}, C, "Average volume per day (MB)"},
                  {{"Label2"}, C, "Average duration per day :"},
                  {{"Label4"}, C, "Number of days :"},
                  {{"Label18"}, C, "Maximum rate (kbit/s)"},
                  {{"Label1"}, C, "Number of recorded sessions :"},
                  {{"Label6"}, C, "Date max.\u00A0: "},
                  {{"Label7"}, C, "Date min.\u00A0: "},
                  {{"Label8"}, C, "Total duration :"},
                  {{"Label12"}, C, "Average rate (kbit/s)"},
                  {{"Label16"}, C, "Total volume transferred (MB)"}});

  addGraphTexts(e.frmMoisGraphe);
  add(e.frmMoisGraphe, {{{}, C, "Tavo - Statistics – Per month"},
                        {{"Label38", "Label5", "Label34", "Label33", "Label32", "Label31"}, C, "in"},
                        {{"Label25"}, C, "Average volume per month (MB)"},
                        {{"Label2"}, C, "Average duration per month :"},
                        {{"Label4"}, C, "Number of months :"}});

  addPickerTexts(e.frmMoisSelect);
  add(e.frmMoisSelect, {{{}, C, "Tavo - Statistics – Select a period of time"},
                        {{"Label1"}, C, "Select a 2 years period to view a detailed analysis"}});

  add(e.frmRawData, {{{}, C, "Tavo - Statistics – Raw data"},
                     {{"Label8"}, C, "Av. rate UL"},
                     {{"Label3"}, C, "Av. rate DL"},
                     {{"Label7"}, C, "Max rate DL"},
                     {{"Label6"}, C, "Vol. UL"},
                     {{"Label5"}, C, "Vol. DL"},
                     {{"Label4"}, C, "Max rate UL"},
                     {{"Label2"}, C, "Duration"},
                     {{"Label1"}, C, "Date"}});
  return e;
}

}  // namespace tavo::stats
