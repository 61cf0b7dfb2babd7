#include "statsprogram.h"

#include "common/language.h"
#include "common/printgraph.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

namespace tavo::stats {

StatProgram::StatProgram(const QString& programFolder, const QLocale& locale, StatSeams seams)
    : state_(locale), seams_(std::move(seams)), programFolder_(programFolder) {
  main_ = std::make_unique<FrmMain>();
  jourSelect_ = std::make_unique<FrmSelect>(PeriodKind::Day);
  moisSelect_ = std::make_unique<FrmSelect>(PeriodKind::Month);
  jourGraphe_ = std::make_unique<FrmGraphe>(PeriodKind::Day, state_);
  moisGraphe_ = std::make_unique<FrmGraphe>(PeriodKind::Month, state_);
  rawData_ = std::make_unique<FrmRawData>();

  connect(main_.get(), &FrmMain::cmdJour_Click, this, [this] { StartDayAnalysis(); });
  connect(main_.get(), &FrmMain::cmdMois_Click, this, [this] { StartMonthAnalysis(); });
  connect(main_.get(), &FrmMain::closing, this, [this] { unloadAndEnd(); });
  connect(main_.get(), &FrmMain::hidden, this, [this] { unloadAndEnd(); });
  for (PeriodKind kind : {PeriodKind::Day, PeriodKind::Month}) {
    FrmSelect* p = picker(kind);
    connect(p, &FrmSelect::scrSelect_Change, this, [this, kind](int v) { pickerScrolled(kind, v); });
    connect(p, &FrmSelect::cmdOK_Click, this, [this, kind] { runAnalysis(kind); });
    FrmGraphe* g = graph(kind);
    connect(g, &FrmGraphe::cmdRawData_Click, this, [this] { rawData_->show(); rawData_->raise(); });
    connect(g, &FrmGraphe::cmdAutre_Click, this, [this, kind] { otherPeriod(kind); });
    connect(g, &FrmGraphe::cmdPrint_Click, this, [this, kind] { print(kind); });
    connect(g, &FrmGraphe::closedByUser, this, [this] { rawData_->hide(); });
  }
}

StatProgram::~StatProgram() {
  ending_ = true;
  for (HidingWindow* w : {static_cast<HidingWindow*>(rawData_.get()), static_cast<HidingWindow*>(jourGraphe_.get()),
                          static_cast<HidingWindow*>(moisGraphe_.get())})
    w->setProgramEnding(true);
}

void StatProgram::InitStatistics() {
  state_.volumeUnit = QStringLiteral(" MO");
  state_.statsFilePath = QDir(programFolder_).filePath(QStringLiteral("all_stats.csv"));
  state_.palette = makeChartPalette();
}

bool StatProgram::Main(const QStringList& arguments) {
  InitStatistics();
  const std::optional<bool> french = ReadLanguageArgument(arguments);
  if (!french) return false;
  state_.isFrench = *french;
  if (!state_.isFrench) ApplyEnglishTexts();
  if (!loadAndFold()) return false;
  ShowSummary();
  return true;
}

bool StatProgram::loadAndFold() {
  const LoadOutcome outcome = LoadStatistics(state_.statsFilePath, state_.format, state_.sessions);
  // Lines that could not be read are left out, but never silently.
  if (state_.sessions.skippedLines > 0) showMessage(skippedLinesMessage(state_.isFrench, state_.sessions.skippedLines));
  if (outcome != LoadOutcome::Loaded) {
    showMessage(noStatisticsMessage(state_.isFrench));
    return false;
  }
  SortSessions(state_.sessions);
  state_.daySummary = BuildDayRows(state_.sessions, state_.format);
  state_.monthSummary = BuildMonthRows(state_.sessions, state_.format);
  return true;
}

void StatProgram::ShowSummary() {
  main_->setLabelTexts(summaryLabelTexts(state_.sessions, state_.daySummary, state_.monthSummary, state_.format));
  main_->show();
}

void StatProgram::startAnalysis(PeriodKind kind) {
  if (jourGraphe_->isVisible() || moisGraphe_->isVisible()) return;
  if (state_.sessions.sessionTable.empty()) return;
  const PeriodSummary& days = state_.daySummary;
  state_.choice = chooseWindow(kind, days.dateMin.date(), days.dateMax.date());
  state_.window = state_.choice.window;
  if (!state_.choice.needsPicker) {
    runAnalysis(kind);
    return;
  }
  FrmSelect* p = picker(kind);
  {
    // Setting the range must not run the scroll handler with stale values.
    const QSignalBlocker block(p->scrSelect());
    p->scrSelect()->setMinimum(0);
    p->scrSelect()->setMaximum(state_.choice.lastWindowOffset);
    p->scrSelect()->setValue(0);
  }
  p->lblPeriod()->setText(periodText(kind, state_.format, state_.window));
  p->show();
  p->raise();
}

void StatProgram::pickerScrolled(PeriodKind kind, int value) {
  state_.window = windowAtOffset(kind, state_.choice.firstDataDay, value);
  picker(kind)->lblPeriod()->setText(periodText(kind, state_.format, state_.window));
}

void StatProgram::runAnalysis(PeriodKind kind) {
  ClearPeriodSummary(state_.selectionSummary);
  if (selectRows(kind, state_.rowsOf(kind), state_.window, state_.format, state_.selectionSummary) == 0) {
    showMessage(noSessionInPeriodMessage(state_.isFrench));
    return;
  }
  FrmGraphe* g = graph(kind);
  g->drawChart();
  rawData_->setLines(FillRawDataList(state_.selectionSummary));
  g->setLabelTexts(panelLabelTexts(kind, state_.selectionSummary, state_.format));
  g->show();
  g->raise();
}

void StatProgram::otherPeriod(PeriodKind kind) {
  graph(kind)->hide();
  rawData_->hide();
  startAnalysis(kind);
}

void StatProgram::print(PeriodKind kind) { PrintGraphWindow(graph(kind), state_.isFrench, seams_.printer); }

void StatProgram::showMessage(const MessageText& m) {
  if (seams_.message) {
    seams_.message(m);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, m.title, m.text, QMessageBox::Ok);
  box.exec();
}

void StatProgram::unloadAndEnd() {
  if (ending_) return;
  ending_ = true;
  // Form_QueryUnload of the summary: every other window goes, then the program.
  for (HidingWindow* w : {static_cast<HidingWindow*>(rawData_.get()), static_cast<HidingWindow*>(jourGraphe_.get()),
                          static_cast<HidingWindow*>(moisGraphe_.get())}) {
    w->setProgramEnding(true);
    w->close();
  }
  jourSelect_->close();
  moisSelect_->close();
  if (seams_.endProgram) seams_.endProgram();
  else QCoreApplication::quit();
}

// ------------------------------------------------------------ English texts

namespace {

enum class Text { Caption, Tooltip };
struct EnglishText {
  const char* controls;  // blank-separated control names; "" for the window itself
  Text kind;
  const char* english;
};

void applyTexts(QWidget* window, std::initializer_list<EnglishText> texts) {
  for (const EnglishText& t : texts) {
    const QStringList names = QString::fromLatin1(t.controls).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString english = QString::fromUtf8(t.english);
    if (names.isEmpty()) {
      window->setWindowTitle(english);
      continue;
    }
    for (const QString& name : names) {
      QWidget* w = window->findChild<QWidget*>(name);
      if (!w) continue;
      if (t.kind == Text::Tooltip) w->setToolTip(english);
      else setCaption(w, english);
    }
  }
}

}  // namespace

void StatProgram::ApplyEnglishTexts() {
  state_.volumeUnit = QStringLiteral(" MB");
  const auto C = Text::Caption;
  const auto T = Text::Tooltip;
  // Texts the two graph windows share.
  const std::initializer_list<EnglishText> graphTexts = {
      {"Label20", C, "Average of max. rates (kbit/s)"},
      {"Label24", C, "Max. volume transferred (MB)"},
      {"Label26", C, "Max. average rate (kbit/s)"},
      {"Label18", C, "Maximum rate (kbit/s)"},
      {"Label8", C, "Total duration :"},
      {"Label12", C, "Average rate (kbit/s)"},
      {"Label16", C, "Total volume transferred (MB)"},
      {"optMoy", C, "Average rates"},
      {"optMax", C, "Max. rates"},
      {"optTot", C, "Volumes"},
      {"optTout", C, "All"},
      {"cmdPrint", C, "Print"},
      {"cmdPrint", T, " Print this page "},
      {"cmdRawData", C, "Raw data"},
      {"cmdRawData", T, " View the corresponding raw data "},
      {"cmdAutre", C, "Another period"},
      {"cmdAutre", T, " Select another period of time "},
      {"Label3", C, "Chosen period : "},
  };
  const std::initializer_list<EnglishText> pickerTexts = {
      {"cmdClose", C, "Cancel"},
      {"cmdClose", T, " Cancel selection "},
      {"cmdOK", C, "Validate"},
      {"cmdOK", T, " Validate selection "},
      {"Label3", C, "period ="},
  };

  QWidget* jourGraphe = jourGraphe_.get();
  applyTexts(jourGraphe, graphTexts);
  applyTexts(jourGraphe, {{"", C, "Tavo – Statistics – Per day"},
                          {"Label31 Label32 Label33 Label34 Label5 Label38", C, "the"},
                          {"Label25", C, "Average volume per day (MB)"},
                          {"Label2", C, "Average duration per day :"},
                          {"Label4", C, "Number of days :"}});

  applyTexts(jourSelect_.get(), pickerTexts);
  applyTexts(jourSelect_.get(), {{"", C, "Tavo – Statistics – Select a period of time"},
                                 {"Label1", C, "Select a 2 months period to view a detailed analysis"}});

  applyTexts(main_.get(), {
      {"", C, "Tavo - Statistics - Summary"},
      {"frMois", C, "Per month"},
      {"cmdMois", C, "Per month analysis"},
      {"cmdMois", T, " Detailed analysis on a selected period of time"},
      {"Label49", C, "Number of months :"},
      {"Label48", C, "Average duration per month :"},
      {"Label41 Label20", C, "Average of max. rates (kbit/s)"},
      {"Label29 Label24", C, "Max. volume transferred (MB)"},
      {"Label28", C, "Average volume per month (MB)"},
      {"Label27 Label26", C, "Max. average rate (kbit/s)"},
      {"Label17 Label15 Label13 Label11", C, "in"},
      {"frJour", C, "Per day"},
      {"cmdJour", C, "Per day analysis"},
      {"cmdJour", T, " Detailed analysis on a selected period of time"},
      {"Label34 Label33 Label32 Label31 Label38 Label5", C, "the"},
      {"Label25", C, "Average volume per day (MB)"},
      {"Label2", C, "Average duration per day :"},
      {"Label4", C, "Number of days :"},
      {"Label18", C, "Maximum rate (kbit/s)"},
      {"Label1", C, "Number of recorded sessions :"},
      {"Label6", C, "Date max.\u00A0: "},
      {"Label7", C, "Date min.\u00A0: "},
      {"Label8", C, "Total duration :"},
      {"Label12", C, "Average rate (kbit/s)"},
      {"Label16", C, "Total volume transferred (MB)"},
  });

  QWidget* moisGraphe = moisGraphe_.get();
  applyTexts(moisGraphe, graphTexts);
  applyTexts(moisGraphe, {{"", C, "Tavo - Statistics – Per month"},
                          {"Label38 Label5 Label34 Label33 Label32 Label31", C, "in"},
                          {"Label25", C, "Average volume per month (MB)"},
                          {"Label2", C, "Average duration per month :"},
                          {"Label4", C, "Number of months :"}});

  applyTexts(moisSelect_.get(), pickerTexts);
  applyTexts(moisSelect_.get(), {{"", C, "Tavo - Statistics – Select a period of time"},
                                 {"Label1", C, "Select a 2 years period to view a detailed analysis"}});

  applyTexts(rawData_.get(), {{"", C, "Tavo - Statistics – Raw data"},
                              {"Label8", C, "Av. rate UL"},
                              {"Label3", C, "Av. rate DL"},
                              {"Label7", C, "Max rate DL"},
                              {"Label6", C, "Vol. UL"},
                              {"Label5", C, "Vol. DL"},
                              {"Label4", C, "Max rate UL"},
                              {"Label2", C, "Duration"},
                              {"Label1", C, "Date"}});
}

}  // namespace tavo::stats
