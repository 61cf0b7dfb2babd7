#pragma once
// The log viewer program: its state, its two windows and their handlers;
// the one place that binds the windows' signals to the logic and hands the
// windows what they show.
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <memory>

#include "LogViewer/core/viewermodel.h"
#include "common/desktopseam.h"

namespace tavo::logv {

class frmMain;
class frmGraphe;

class LogViewerProgram : public QObject {
  Q_OBJECT
 public:
  // programFolder holds the logs folder (the program's own folder in use);
  // desktop answers the boxes, the end of the program and the printer, and
  // outlives the program.
  LogViewerProgram(const QString& programFolder, DesktopSeam& desktop, const QLocale& locale = QLocale());
  ~LogViewerProgram() override;

  // The start procedure up to the first window. False when the program
  // must end at once (no language argument): nothing is shown then.
  [[nodiscard]] bool start(const QStringList& arguments);

  // Click of cmdSelect.
  void OpenSelectedLog();
  // The graph of a newly read log: whole-log figures, 10 hours, first sample.
  void ShowLogGraph();
  void ZoomIn();
  void ZoomOut();

  // Puts the texts of the program's language on both windows (and the hour
  // word on the scale). The names of the tables that no window holds (none,
  // when the tables and the windows agree).
  [[nodiscard]] QStringList ApplyLanguageTexts();

  bool ended() const { return ended_; }
  bool isFrench() const { return model_.isFrench; }
  LogViewerModel& model() { return model_; }
  frmMain& mainWindow() { return *main_; }
  frmGraphe& graphWindow() { return *graph_; }

 private:
  void mainQueryUnload();
  void endProgram();
  void scrVisible_Change(int value);
  void scrVisible_Scroll(int value);
  // The figures of the visible part, then its graph.
  void visibleSequence();
  void cmdPrint_Click();

  LogViewerModel model_;
  DesktopSeam& desktop_;
  std::unique_ptr<frmGraphe> graph_;
  std::unique_ptr<frmMain> main_;
  bool ended_ = false;
};

// The logs folder could neither be found nor created.
QString noLogsFolderText(bool isFrench, const QString& folder);

}  // namespace tavo::logv
