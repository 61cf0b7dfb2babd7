#include "LogViewer/ui/logviewerprogram.h"

#include <QDir>

#include "LogViewer/core/logviewerlog.h"
#include "LogViewer/core/logviewerwindowtexts.h"
#include "LogViewer/ui/frmgraphe.h"
#include "LogViewer/ui/frmmain.h"
#include "common/language.h"
#include "common/printgraph.h"

namespace tavo::logv {

QString noLogsFolderText(bool isFrench, const QString& folder) {
  const QString path = QDir::toNativeSeparators(folder);
  return isFrench ? QStringLiteral("     Le dossier des logs %1 n'a pu être créé.     ").arg(path)
                  : QStringLiteral("     I could not create the logs folder %1.     ").arg(path);
}

LogViewerProgram::LogViewerProgram(const QString& programFolder, DesktopSeam& desktop, const QLocale& locale)
    : model_(programFolder, locale), desktop_(desktop) {
  graph_ = std::make_unique<frmGraphe>();
  main_ = std::make_unique<frmMain>();
  connect(main_.get(), &frmMain::cmdSelectClicked, this, &LogViewerProgram::OpenSelectedLog);
  connect(main_.get(), &frmMain::queryUnload, this, &LogViewerProgram::mainQueryUnload);
  frmGraphe* g = graph_.get();
  connect(g, &frmGraphe::closedByUser, this, [this] { main_->show(); });
  connect(g, &frmGraphe::picPlus_Click, this, &LogViewerProgram::ZoomIn);
  connect(g, &frmGraphe::picMoins_Click, this, &LogViewerProgram::ZoomOut);
  connect(g, &frmGraphe::scrVisible_Change, this, &LogViewerProgram::scrVisible_Change);
  connect(g, &frmGraphe::scrVisible_Scroll, this, &LogViewerProgram::scrVisible_Scroll);
  connect(g, &frmGraphe::cmdPrint_Click, this, &LogViewerProgram::cmdPrint_Click);
}

LogViewerProgram::~LogViewerProgram() = default;

bool LogViewerProgram::start(const QStringList& arguments) {
  // The folder is made before the argument is looked at, so even a start
  // without one leaves it behind.
  const bool folderReady = model_.InitLogViewer();
  main_->setLogNames(model_.logNames());

  const auto french = ReadLanguageArgument(arguments);
  if (!french) {
    ended_ = true;
    return false;
  }
  model_.isFrench = *french;
  // The tables and the windows are made together; a name that no window
  // holds has been warned about and stops a debug build.
  static_cast<void>(ApplyLanguageTexts());
  main_->show();
  if (!folderReady) {
    qCWarning(logViewerLog) << "no logs folder" << model_.logsFolder();
    desktop_.message(main_.get(), errorTitle(model_.isFrench), noLogsFolderText(model_.isFrench, model_.logsFolder()));
  }
  return true;
}

QStringList LogViewerProgram::ApplyLanguageTexts() {
  const LogViewerWindowTexts texts = logViewerWindowTexts(model_.isFrench);
  if (!model_.isFrench) model_.ApplyEnglishUnitWord();
  QStringList unknown;
  for (const QString& name : applyWindowTexts(main_.get(), texts.frmMain)) unknown << "frmMain/" + name;
  for (const QString& name : applyWindowTexts(graph_.get(), texts.frmGraphe)) unknown << "frmGraphe/" + name;
  return unknown;
}

void LogViewerProgram::OpenSelectedLog() {
  const QString name = main_->selectedLogName();
  if (name.isEmpty()) return;
  main_->hide();
  const ReadLogResult read = model_.openLog(name);
  if (read.outcome == ReadOutcome::Missing) {
    desktop_.message(nullptr, errorTitle(model_.isFrench), missingLogText(model_.isFrench));
    endProgram();
    return;
  }
  if (read.outcome == ReadOutcome::Unreadable) {
    qCWarning(logViewerLog) << "cannot read" << model_.SelectedLogPath;
    // Another log may still be chosen.
    desktop_.message(main_.get(), errorTitle(model_.isFrench), unreadableLogText(model_.isFrench));
    main_->show();
    return;
  }
  ShowLogGraph();
  if (read.skippedLines > 0)
    desktop_.message(graph_.get(), errorTitle(model_.isFrench), skippedLinesText(model_.isFrench, read.skippedLines));
}

void LogViewerProgram::ShowLogGraph() {
  model_.ShowLogGraph();
  graph_->setWholeLogFigures(model_.FillWholeLogLabels());
  graph_->setScaleText(model_.scaleLabel());
  graph_->setScrollRange(model_.scrollEnabled(), model_.scrollMinimum(), model_.scrollMaximum());
  visibleSequence();
  graph_->show();
}

void LogViewerProgram::ZoomIn() {
  model_.ZoomIn();
  graph_->setScaleText(model_.scaleLabel());
  visibleSequence();
}

void LogViewerProgram::ZoomOut() {
  model_.ZoomOut();
  graph_->setScaleText(model_.scaleLabel());
  visibleSequence();
}

void LogViewerProgram::scrVisible_Change(int value) {
  model_.setScrollValue(value);
  visibleSequence();
}

void LogViewerProgram::scrVisible_Scroll(int value) {
  const auto [first, last] = model_.dragDates(value);
  graph_->setVisibleDates(first, last);
}

void LogViewerProgram::visibleSequence() {
  graph_->setVisibleFigures(model_.FillVisibleLabels());
  graph_->drawGraph({model_.samples(), model_.VisibleStats, model_.zoom(), model_.palette(), model_.format()});
}

void LogViewerProgram::cmdPrint_Click() {
  // A missing printer has been told in a box; a page that could not be
  // made is only seen here.
  if (PrintGraphWindow(graph_.get(), model_.isFrench, desktop_) == PrintOutcome::Failed)
    qCWarning(logViewerLog) << "the graph window could not be printed";
}

void LogViewerProgram::mainQueryUnload() {
  graph_->unload();
  endProgram();
}

void LogViewerProgram::endProgram() {
  if (ended_) return;
  ended_ = true;
  graph_->unload();
  main_->hide();
  desktop_.quit();
}

}  // namespace tavo::logv
