#pragma once
// The analyser program: its state, its windows, and the procedures that
// start it, load the statistics, show the summary and run the analyses.
// Message boxes, the end of the program and the printer go through seams
// so that tests never block.
#include "statsstate.h"
#include "statswindows.h"

#include <QObject>
#include <functional>
#include <memory>

class QPrinter;

namespace tavo::stats {

// Message boxes, the end of the program and the printer, replaceable by tests.
struct StatSeams {
  // Shows a message box with an OK button; QMessageBox when empty.
  std::function<void(const MessageText&)> message;
  // Ends the program; QCoreApplication::quit when empty.
  std::function<void()> endProgram;
  // The printer for PrintGraphWindow; the default printer when null.
  QPrinter* printer = nullptr;
};

class StatProgram : public QObject {
  Q_OBJECT
 public:
  // programFolder holds all_stats.csv; locale gives the regional formats.
  StatProgram(const QString& programFolder, const QLocale& locale = QLocale(), StatSeams seams = {});
  ~StatProgram() override;

  // Starts the program with its command line (program name first). False
  // when it ends at once: no language argument, or nothing to load.
  bool Main(const QStringList& arguments);

  void InitStatistics();
  void ApplyEnglishTexts();
  // Loads, reports unreadable lines, orders and folds; false when there
  // is nothing to show (the message has been given).
  bool loadAndFold();
  void ShowSummary();

  void startAnalysis(PeriodKind kind);
  void StartDayAnalysis() { startAnalysis(PeriodKind::Day); }
  void StartMonthAnalysis() { startAnalysis(PeriodKind::Month); }
  void runAnalysis(PeriodKind kind);
  void RunDayAnalysis() { runAnalysis(PeriodKind::Day); }
  void RunMonthAnalysis() { runAnalysis(PeriodKind::Month); }

  const StatState& state() const { return state_; }
  FrmMain* frmMain() const { return main_.get(); }
  FrmSelect* picker(PeriodKind kind) const { return kind == PeriodKind::Day ? jourSelect_.get() : moisSelect_.get(); }
  FrmGraphe* graph(PeriodKind kind) const { return kind == PeriodKind::Day ? jourGraphe_.get() : moisGraphe_.get(); }
  FrmRawData* frmRawData() const { return rawData_.get(); }

 private:
  void showMessage(const MessageText& m);
  void pickerScrolled(PeriodKind kind, int value);
  void otherPeriod(PeriodKind kind);
  void print(PeriodKind kind);
  void unloadAndEnd();

  StatState state_;
  StatSeams seams_;
  QString programFolder_;
  bool ending_ = false;
  std::unique_ptr<FrmMain> main_;
  std::unique_ptr<FrmSelect> jourSelect_;
  std::unique_ptr<FrmSelect> moisSelect_;
  std::unique_ptr<FrmGraphe> jourGraphe_;
  std::unique_ptr<FrmGraphe> moisGraphe_;
  std::unique_ptr<FrmRawData> rawData_;
};


}  // namespace tavo::stats
