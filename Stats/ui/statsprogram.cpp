#include "Stats/ui/statsprogram.h"

#include "Stats/core/statslog.h"
#include "Stats/core/statswindowtexts.h"
#include "common/language.h"
#include "common/printgraph.h"

#include <QDir>

namespace tavo::stats {

StatsProgram::StatsProgram(const QString& programFolder, DesktopSeam& desktop, const QLocale& locale)
    : state_(locale), desktop_(desktop), programFolder_(programFolder) {
  main_ = std::make_unique<frmMain>();
  jourSelect_ = std::make_unique<frmSelect>(PeriodKind::Day);
  moisSelect_ = std::make_unique<frmSelect>(PeriodKind::Month);
  jourGraphe_ = std::make_unique<frmGraphe>(PeriodKind::Day);
  moisGraphe_ = std::make_unique<frmGraphe>(PeriodKind::Month);
  rawData_ = std::make_unique<frmRawData>();

  connect(main_.get(), &frmMain::cmdJour_Click, this, [this] { StartDayAnalysis(); });
  connect(main_.get(), &frmMain::cmdMois_Click, this, [this] { StartMonthAnalysis(); });
  connect(main_.get(), &frmMain::closing, this, [this] { unloadAndEnd(); });
  connect(main_.get(), &frmMain::hidden, this, [this] { unloadAndEnd(); });
  for (PeriodKind kind : {PeriodKind::Day, PeriodKind::Month}) {
    frmSelect* p = picker(kind);
    connect(p, &frmSelect::scrSelect_Change, this, [this, kind](int v) { pickerScrolled(kind, v); });
    connect(p, &frmSelect::cmdOK_Click, this, [this, kind] { runAnalysis(kind); });
    frmGraphe* g = graphWindow(kind);
    connect(g, &frmGraphe::viewChosen, this,
            [g, this](ChartView view) { g->drawChartView(state_.chartInputs(), view); });
    connect(g, &frmGraphe::cmdRawData_Click, this, [this] {
      rawData_->show();
      rawData_->raise();
    });
    connect(g, &frmGraphe::cmdAutre_Click, this, [this, kind] { otherPeriod(kind); });
    connect(g, &frmGraphe::cmdPrint_Click, this, [this, kind] { print(kind); });
    connect(g, &frmGraphe::closedByUser, this, [this] { rawData_->hide(); });
  }
}

StatsProgram::~StatsProgram() {
  ending_ = true;
  for (HidingWindow* w : {static_cast<HidingWindow*>(rawData_.get()), static_cast<HidingWindow*>(jourGraphe_.get()),
                          static_cast<HidingWindow*>(moisGraphe_.get())})
    w->setProgramEnding(true);
}

void StatsProgram::InitStatistics() {
  state_.VolumeUnit = QStringLiteral(" MO");
  state_.StatsFilePath = QDir(programFolder_).filePath(QStringLiteral("all_stats.csv"));
  state_.palette = makeChartPalette();
}

bool StatsProgram::Main(const QStringList& arguments) {
  InitStatistics();
  const std::optional<bool> french = ReadLanguageArgument(arguments);
  if (!french) return false;
  state_.IsFrench = *french;
  // The tables and the windows are made together; a name that no window
  // holds has been warned about and stops a debug build.
  static_cast<void>(ApplyLanguageTexts());
  if (!loadAndFold()) return false;
  ShowSummary();
  return true;
}

bool StatsProgram::loadAndFold() {
  const LoadOutcome outcome = LoadStatistics(state_.StatsFilePath, state_.format, state_.sessions);
  // Lines that could not be read are left out, but never silently.
  if (state_.sessions.skippedLines > 0) {
    qCInfo(statsLog) << state_.sessions.skippedLines << "unreadable lines left out of" << state_.StatsFilePath;
    showMessage(skippedLinesMessage(state_.IsFrench, state_.sessions.skippedLines));
  }
  if (outcome == LoadOutcome::Unreadable) {
    qCWarning(statsLog) << "cannot read" << state_.StatsFilePath;
    showMessage(unreadableStatisticsMessage(state_.IsFrench));
    return false;
  }
  if (outcome != LoadOutcome::Loaded) {
    showMessage(noStatisticsMessage(state_.IsFrench));
    return false;
  }
  SortSessions(state_.sessions);
  state_.DaySummary = BuildDayRows(state_.sessions, state_.format);
  state_.MonthSummary = BuildMonthRows(state_.sessions, state_.format);
  return true;
}

void StatsProgram::ShowSummary() {
  main_->setFigures(summaryTexts(state_.sessions, state_.DaySummary, state_.MonthSummary, state_.format));
  main_->show();
}

void StatsProgram::startAnalysis(PeriodKind kind) {
  if (jourGraphe_->isVisible() || moisGraphe_->isVisible()) return;
  if (state_.sessions.sessionTable.empty()) return;
  const PeriodSummary& days = state_.DaySummary;
  state_.choice = chooseWindow(kind, days.dateMin.date(), days.dateMax.date());
  state_.window = state_.choice.window;
  if (!state_.choice.needsPicker) {
    runAnalysis(kind);
    return;
  }
  frmSelect* p = picker(kind);
  p->setOffsets(state_.choice.lastWindowOffset);
  p->setPeriodText(periodText(kind, state_.format, state_.window));
  p->show();
  p->raise();
}

void StatsProgram::pickerScrolled(PeriodKind kind, int value) {
  state_.window = windowAtOffset(kind, state_.choice.firstDataDay, value);
  picker(kind)->setPeriodText(periodText(kind, state_.format, state_.window));
}

void StatsProgram::runAnalysis(PeriodKind kind) {
  ClearPeriodSummary(state_.SelectionSummary);
  if (selectRows(kind, state_.rowsOf(kind), state_.window, state_.format, state_.SelectionSummary) == 0) {
    showMessage(noSessionInPeriodMessage(state_.IsFrench));
    return;
  }
  frmGraphe* g = graphWindow(kind);
  g->drawChart(state_.chartInputs());
  rawData_->setLines(FillRawDataList(state_.SelectionSummary));
  g->setFigures(panelTexts(state_.SelectionSummary, state_.format));
  g->show();
  g->raise();
}

void StatsProgram::otherPeriod(PeriodKind kind) {
  graphWindow(kind)->hide();
  rawData_->hide();
  startAnalysis(kind);
}

void StatsProgram::print(PeriodKind kind) {
  // A missing printer has been told in a box; a page that could not be
  // made is only seen here.
  if (PrintGraphWindow(graphWindow(kind), state_.IsFrench, desktop_) == PrintOutcome::Failed)
    qCWarning(statsLog) << "the graph window" << graphWindow(kind)->objectName() << "could not be printed";
}

void StatsProgram::showMessage(const MessageText& m) { desktop_.message(nullptr, m.title, m.text); }

void StatsProgram::unloadAndEnd() {
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
  desktop_.quit();
}

// ----------------------------------------------------------- language texts

QStringList StatsProgram::ApplyLanguageTexts() {
  const StatsWindowTexts texts = statsWindowTexts(state_.IsFrench);
  state_.VolumeUnit = texts.VolumeUnit;
  QStringList unknown;
  const std::pair<QWidget*, const WindowTexts*> windows[] = {{jourGraphe_.get(), &texts.frmJourGraphe},
                                                             {jourSelect_.get(), &texts.frmJourSelect},
                                                             {main_.get(), &texts.frmMain},
                                                             {moisGraphe_.get(), &texts.frmMoisGraphe},
                                                             {moisSelect_.get(), &texts.frmMoisSelect},
                                                             {rawData_.get(), &texts.frmRawData}};
  for (const auto& [window, table] : windows) {
    for (const QString& name : applyTexts(window, *table)) unknown << window->objectName() + '/' + name;
  }
  return unknown;
}

}  // namespace tavo::stats
