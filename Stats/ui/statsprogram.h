#pragma once
// The analyser program: its state, its windows, and the procedures that
// start it, load the statistics, show the summary and run the analyses. It
// is the one place that binds the windows' signals to the logic. Message
// boxes, the end of the program and the printer go through the desktop
// seam so that tests never block.
#include "Stats/core/statsstate.h"
#include "Stats/ui/periodgraphwindow.h"
#include "Stats/ui/periodpicker.h"
#include "Stats/ui/rawdatawindow.h"
#include "Stats/ui/statswindowlayout.h"
#include "Stats/ui/summarywindow.h"
#include "common/desktopseam.h"

#include <QObject>
#include <memory>

namespace tavo::stats {

class StatsProgram : public QObject {
  Q_OBJECT
 public:
  // programFolder holds all_stats.csv; desktop answers the boxes, the end
  // of the program and the printer, and outlives the program; locale gives
  // the regional formats.
  StatsProgram(const QString& programFolder, DesktopSeam& desktop, const QLocale& locale = QLocale());
  ~StatsProgram() override;

  // Starts the program with its command line (program name first). False
  // when it ends at once: no language argument, or nothing to load.
  [[nodiscard]] bool Main(const QStringList& arguments);

  void InitStatistics();
  // Puts the texts of the program's language on every window (and the
  // unit word on the charts). The names of the tables that no window holds
  // (none, when the tables and the windows agree).
  [[nodiscard]] QStringList ApplyLanguageTexts();
  // Loads, reports unreadable lines, orders and folds; false when there
  // is nothing to show (the message has been given).
  [[nodiscard]] bool loadAndFold();
  void ShowSummary();

  void startAnalysis(PeriodKind kind);
  void StartDayAnalysis() { startAnalysis(PeriodKind::Day); }
  void StartMonthAnalysis() { startAnalysis(PeriodKind::Month); }
  void runAnalysis(PeriodKind kind);
  void RunDayAnalysis() { runAnalysis(PeriodKind::Day); }
  void RunMonthAnalysis() { runAnalysis(PeriodKind::Month); }

  const StatsState& state() const { return state_; }
  frmMain* mainWindow() const { return main_.get(); }
  frmSelect* picker(PeriodKind kind) const { return kind == PeriodKind::Day ? jourSelect_.get() : moisSelect_.get(); }
  frmGraphe* graphWindow(PeriodKind kind) const {
    return kind == PeriodKind::Day ? jourGraphe_.get() : moisGraphe_.get();
  }
  frmRawData* rawDataWindow() const { return rawData_.get(); }

 private:
  void showMessage(const MessageText& m);
  void pickerScrolled(PeriodKind kind, int value);
  void otherPeriod(PeriodKind kind);
  void print(PeriodKind kind);
  void unloadAndEnd();

  StatsState state_;
  DesktopSeam& desktop_;
  QString programFolder_;
  bool ending_ = false;
  std::unique_ptr<frmMain> main_;
  std::unique_ptr<frmSelect> jourSelect_;
  std::unique_ptr<frmSelect> moisSelect_;
  std::unique_ptr<frmGraphe> jourGraphe_;
  std::unique_ptr<frmGraphe> moisGraphe_;
  std::unique_ptr<frmRawData> rawData_;
};

}  // namespace tavo::stats
