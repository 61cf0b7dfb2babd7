#pragma once
// The log viewer program: its state, its two windows and their handlers.
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <memory>

#include "LogViewer/core/viewermodel.h"
#include "LogViewer/ui/seams.h"

namespace tavo::logv {

class frmMain;
class frmGraphe;

class LogViewerProgram : public QObject {
  Q_OBJECT
 public:
  // programFolder holds the logs folder (the program's own folder in use).
  LogViewerProgram(const QString& programFolder, LogViewerSeams seams, const QLocale& locale = QLocale());
  ~LogViewerProgram() override;

  // The start procedure up to the first window. False when the program
  // must end at once (no language argument): nothing is shown then.
  bool start(const QStringList& arguments);

  // Click of cmdSelect.
  void OpenSelectedLog();

  bool ended() const { return ended_; }
  LogViewerModel& model() { return model_; }
  frmMain& mainWindow() { return *main_; }
  frmGraphe& graphWindow() { return *graph_; }

 private:
  void ApplyEnglishLogTexts();
  void mainQueryUnload();
  void endProgram();

  LogViewerModel model_;
  LogViewerSeams seams_;
  std::unique_ptr<frmGraphe> graph_;
  std::unique_ptr<frmMain> main_;
  bool ended_ = false;
};

// The logs folder could neither be found nor created.
QString noLogsFolderText(bool isFrench, const QString& folder);

}  // namespace tavo::logv
