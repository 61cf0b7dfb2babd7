#pragma once
// The monitor's measuring engine. It owns one unit per concern along the
// road of a byte (counters and rates, rate histories, session files, rate
// log, settings file, label texts) and is the only place that orders their
// steps: start-up (Main), the one-second tick and the quit. It owns no
// widget: the windows connect to its signals, read its state through the
// const views below and change it only through its operations.
//
// Construction (program and tests alike):
//   tavo::net::FakeInterfaceSource source;      // or ProcNetDevSource
//   tavo::monitor::ManualClock clock;           // or SystemClock
//   tavo::monitor::MonitorEngine engine({folder, &source, &clock, /*runTimer=*/false});
//   engine.Main();                              // or Main(windows)
//   engine.frmNet_tmrMainTimer_Timer();         // one tick
#include "common/platform/net/interfacesource.h"
#include "common/regionaltext.h"
#include "monitor/core/clock.h"
#include "monitor/core/displaytexts.h"
#include "monitor/core/filefailures.h"
#include "monitor/core/monitorsettings.h"
#include "monitor/core/ratehistories.h"
#include "monitor/core/ratelog.h"
#include "monitor/core/sessionfiles.h"
#include "monitor/core/settingsfile.h"
#include "monitor/core/startupguard.h"
#include "monitor/core/trafficcounters.h"

#include <QObject>
#include <QPointF>
#include <QTimer>
#include <functional>

namespace tavo::monitor {

inline constexpr char kVersionText[] = "3.05";

namespace testing {
class EngineTest;
}

struct EngineConfig {
  QString programFolder;                                // where Tavo.ini, the csv files, logs/, skins/ live
  tavo::net::InterfaceCounterSource* source = nullptr;  // not owned
  const Clock* clock = nullptr;                         // not owned
  bool runTimer = true;                                 // false: tests call the tick themselves
};

// The window steps of start-up, which Main runs in their place and order:
// the one class that binds the windows to the engine implements them.
class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  virtual void ApplyLanguage() = 0;  // captions, tooltips (the engine's own texts are set before it)
  virtual void LaunchUpdater() = 0;  // run only when chkUpdate is 1
  virtual void loadSkins() = 0;      // LoadDefaultSkin, LoadSkinDescriptor, ApplySkin
  virtual void AddTrayIcon() = 0;
  virtual void ShowMain() = 0;  // show frmNet
};

class MonitorEngine : public QObject {
  Q_OBJECT

  // The units come first: the const views below are bound to their state.
  EngineConfig config_;
  QString folder_;
  const Clock& clock_;
  RegionalFormat regional_;
  StartupGuard guard_;
  FileFailures failures_;
  TrafficCounters counters_;
  RateHistories histories_;
  SessionFiles sessions_;
  RateLog rateLog_;
  SettingsFile settingsFile_;
  RateLabels labels_;
  // What the tick itself keeps between ticks.
  struct TickState {
    std::int16_t TickCounter = 0;      // 1..600 during a tick, 0 after the 600th
    bool GraphRefreshPending = false;  // the mini graph is redrawn at the end of this tick
    bool BubbleShown = false;          // the bubble follows the pointer at each tick
    bool BigGraphVisible = false;      // the detailed graph's figures follow each tick
  } tick_;
  QTimer tmrMainTimer;

 public:
  explicit MonitorEngine(const EngineConfig& config, QObject* parent = nullptr);
  ~MonitorEngine() override;

  // ---- start-up, the tick and the quit ----------------------------------
  // Runs start-up in order. Returns false, having done nothing else, when
  // the monitor must not run: startRefusal() then says why.
  bool Main(StartupSteps& steps);
  // Start-up without windows (the engine's tests, the benchmarks).
  bool Main();
  using StartRefusal = StartupGuard::Refusal;
  StartRefusal startRefusal() const { return guard_.refusal(); }
  QString startRefusalText() const { return guard_.refusalText(settingsPath()); }
  bool startRefusalIsFrench() const { return StartupGuard::refusalIsFrench(settingsPath()); }
  // The title of the monitor's error boxes.
  static QString errorTitle();
  void frmNet_tmrMainTimer_Timer();
  // The engine's part of the quit on Yes: SaveSettings, FlushSessionStats.
  // Returns every failure of the two, told before or not, for the quit to
  // say before the program ends (the session line's fate above all).
  QList<FileFailure> quitSave();

  // ---- what the windows ask of it -----------------------------------------
  // Restarts all measuring: empty histories, fresh counters, a new session.
  void ResetMonitoring();
  void ResetCounters();  // the dialog's cmdReset and frmBig's cmdRAZ
  void StartNewLogFile(bool on);
  // False when Tavo.ini could not be replaced; the failure is told through
  // fileFailed, once, so a caller only decides what else to do.
  [[nodiscard]] bool SaveSettings();
  // The dialog's cmdUpdateGRaph (and its close box): takes the limit and
  // the delay list's index (0 "1 minute", 1 "60 minutes") into use.
  void applyGraphSettings(std::int16_t dlLimit, int graphDelayIndex);
  // The interface chooser's change: save, new log, flush, reset.
  void changeInterface(int index);
  void setBubbleShown(bool shown) { tick_.BubbleShown = shown; }
  void setBigGraphVisible(bool visible) { tick_.BigGraphVisible = visible; }
  // Asked at each save for the main window's current place.
  void setWindowPositionQuery(std::function<QPointF()> query) {
    settingsFile_.setWindowPositionQuery(std::move(query));
  }
  // The settings dialog's controls; their setters announce every change.
  MonitorSettings& settings() { return settingsFile_.settings(); }
  const MonitorSettings& settings() const { return settingsFile_.settings(); }

  // ---- read-only views of the units' state ---------------------------------
  const MonitorCounters& Counters;
  const InterfaceTable& Interfaces;
  const RateHistory& History;
  const HistoryTimeLabels& TimeLabels;
  const MiniGraphBars& MiniGraph;
  const std::int16_t& TickCounter;
  const bool& GraphRefreshPending;
  const std::int16_t& GraphRefreshPeriod;
  const bool& IsFrench;
  const QString& LogFilePath;
  bool isLogging() const { return rateLog_.logging(); }
  const QString& RateUnitText;
  const QString& VolumeUnitText;
  const bool& BubbleShown;
  const bool& BigGraphVisible;
  // The last texts of lblUL and lblDL.
  const QString& ulText() const { return labels_.ulText(); }
  const QString& dlText() const { return labels_.dlText(); }
  bool sessionLineWaiting() const { return sessions_.sessionLineWaiting(); }
  // The file failures told and not yet mended.
  const QList<FileFailure>& fileFailures() const { return failures_.current(); }

  // ---- paths ---------------------------------------------------------------
  QString programFolder() const { return folder_; }
  QString settingsPath() const { return settingsFile_.settingsPath(); }
  QString SessionStatsPath() const { return sessions_.SessionStatsPath(); }
  QString AllStatsPath() const { return sessions_.AllStatsPath(); }
  QString logsFolder() const { return rateLog_.logsFolder(); }
  QString skinsFolder() const { return settingsFile_.skinsFolder(); }

  const RegionalFormat& regional() const { return regional_; }
  QDateTime now() const { return clock_.now(); }

 signals:
  // The one error box of the tick ("    Your system does not support IP
  // Helper DLL    ", errorBoxTitle()), raised once while the condition
  // lasts; the box must not block.
  void errorRaised(const QString& text, const QString& title);
  // A file the monitor uses failed in a way not told since it last
  // worked: the windows tell the user (fileFailureText) without blocking.
  void fileFailed(const tavo::monitor::FileFailure& failure);
  // The new captions of lblUL and lblDL.
  void rateTextsChanged(const QString& ulText, const QString& dlText);
  // Each tick while BubbleShown.
  void trackBubble();
  // Each tick while BigGraphVisible.
  void refreshHistoryCounters();
  // New bar heights (also after ResetMonitoring's redraw).
  void miniGraphUpdated(const tavo::monitor::MiniGraphBars& bars);
  // LogFilePath changed: both lblLogFile labels show ShortenPath(path).
  void logFilePathChanged(const QString& shortenedPath);
  // chkLogging's click: logging on (1) or off (other values); the dialog
  // enables cmdLogFile, frmBig shows or hides its log frame.
  void loggingStateChanged(bool on);
  // The watched interface changed (chooser, loader).
  void selectedInterfaceChanged(int index);
  void languageChanged(bool isFrench);

 private:
  friend class testing::EngineTest;  // the units' own operations, for their tests

  void applyEngineTexts();
  void showRateTexts();
  void redrawMiniGraph();
};

}  // namespace tavo::monitor
