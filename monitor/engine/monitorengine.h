#pragma once
// The monitor's measuring engine: start-up order, the one-second tick,
// counters, rates, histories, the mini graph's bar heights, settings file,
// session statistics and rate logs. It owns no widget: the windows connect
// to its signals and call its procedures.
//
// Construction (program and tests alike):
//   tavo::net::FakeInterfaceSource source;      // or ProcNetDevSource
//   tavo::monitor::ManualClock clock;           // or SystemClock
//   tavo::monitor::MonitorEngine engine({folder, &source, &clock, /*runTimer=*/false});
//   engine.Main({});                            // or step by step
//   engine.frmNet_tmrMainTimer_Timer();         // one tick
#include "monitor/engine/clock.h"
#include "monitor/engine/monitorsettings.h"
#include "monitor/engine/monitorstate.h"
#include "common/platform/net/interfacesource.h"
#include "common/platform/instance/singleinstance.h"
#include "common/regionaltext.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

namespace tavo::monitor {

inline constexpr char kVersionText[] = "3.05";

struct EngineConfig {
  QString programFolder;                         // where Tavo.ini, the csv files, logs/, skins/ live
  tavo::net::InterfaceCounterSource* source = nullptr;  // not owned
  const Clock* clock = nullptr;                  // not owned
  bool runTimer = true;                          // false: tests call the tick themselves
};

// The window steps of start-up, run by Main in their place.
struct StartupSteps {
  std::function<void()> ApplyLanguage;   // captions, tooltips (the engine's own texts are set before it)
  std::function<void()> LaunchUpdater;   // when chkUpdate is 1
  std::function<void()> LoadSkins;       // LoadDefaultSkin, LoadSkinDescriptor, ApplySkin (shows frmNet)
  std::function<void()> AddTrayIcon;
  std::function<void()> ShowMain;        // show frmNet
};

class MonitorEngine : public QObject {
  Q_OBJECT
 public:
  explicit MonitorEngine(const EngineConfig& config, QObject* parent = nullptr);
  ~MonitorEngine() override;

  // ---- start-up and quit ----------------------------------------------
  // Runs start-up in order. Returns false, having done nothing else, when
  // the monitor must not run: startRefusal() then says why.
  bool Main(const StartupSteps& steps);
  enum class StartRefusal {
    None,               // started (or not asked yet)
    AnotherMonitor,     // a monitor runs from this folder: end silently
    FolderNotWritable,  // the lock cannot be taken or the folder cannot be written
  };
  StartRefusal startRefusal() const { return refusal_; }
  // The message of a FolderNotWritable refusal: names the folder, in the
  // language of Tavo.ini when it can be read, English otherwise.
  QString startRefusalText() const;
  bool startRefusalIsFrench() const;
  // The title of the monitor's error boxes.
  static QString errorTitle();
  // The engine's part of the quit on Yes: SaveSettings, FlushSessionStats.
  void QuitSave();

  // ---- the tick and its procedures --------------------------------------
  void frmNet_tmrMainTimer_Timer();
  void ReadInterfaceTable();
  void SampleCounters();
  void ResetMonitoring();
  void ClearHistories();
  void ComputeRates();
  void ResetCounters();       // also the dialog's cmdReset and frmBig's cmdRAZ
  void ResetDailyStats();
  // labels: the upload rings' time labels, nullptr for the download rings.
  void RingWrite(RateRing& ring, std::uint64_t reading, int divisor,
                 std::array<QTime, kRingSlots>* labels, QTime timeOfDay);
  void UpdateMiniGraph(bool download);
  void WriteSessionStats();
  // Closes the current session: its line (and any line still waiting
  // before it) moves from session_stats.csv into all_stats.csv. False when
  // a line could not be moved: it then waits in session_stats.csv, which no
  // once-a-minute write overwrites, and each once-a-minute write tries the
  // move again.
  bool FlushSessionStats();
  // True while session_stats.csv holds lines that all_stats.csv lacks.
  bool sessionLineWaiting() const { return sessionLineWaiting_; }
  void StartNewLogFile(bool on);
  void EnsureLogsFolder();
  void AppendLogLine(std::int32_t downloadRate, std::int32_t uploadRate);

  // ---- settings ---------------------------------------------------------
  void InitDefaults();
  void LoadSettings();
  bool SaveSettings();   // false when Tavo.ini could not be replaced
  // The dialog's cmdUpdateGRaph (and its close box): takes the limit and
  // the delay list's index (0 "1 minute", 1 "60 minutes") into use.
  void ApplyGraphSettings(std::int16_t dlLimit, int graphDelayIndex);
  // The interface chooser's change: save, new log, flush, reset.
  void ChangeInterface(int index);
  // Sets the unit words and entry 0's description for IsFrench.
  void ApplyEngineTexts();

  // ---- state (one object per module, owned here) --------------------------
  MonitorSettings& settings() { return settings_; }
  const MonitorSettings& settings() const { return settings_; }
  MonitorCounters Counters;
  InterfaceTable Interfaces;
  RateHistory History;
  HistoryTimeLabels TimeLabels;
  MiniGraphBars MiniGraph{};
  std::int16_t TickCounter = 0;
  bool GraphRefreshPending = false;
  std::int16_t GraphRefreshPeriod = 1;
  bool IsFrench = true;
  QString LogFilePath = QStringLiteral("----");
  QString RateUnitText = QStringLiteral(" kO/s");
  QString VolumeUnitText = QStringLiteral(" MO");
  bool BubbleShown = false;       // set by the bubble
  bool BigGraphVisible = false;   // set by frmBig on show/hide
  QString ulText, dlText;         // the last texts of lblUL and lblDL

  // ---- paths ---------------------------------------------------------------
  QString programFolder() const { return folder_; }
  QString settingsPath() const;
  QString SessionStatsPath() const;
  QString AllStatsPath() const;
  QString logsFolder() const;
  QString skinsFolder() const;

  const RegionalFormat& regional() const { return regional_; }
  QDateTime now() const { return clock_->now(); }

  // Seam for the one error box ("    Your system does not support IP
  // Helper DLL    ", "Tavo error"). Called once while the condition
  // lasts; it must not block (show a non-modal box).
  std::function<void(const QString& text, const QString& title)> showError;

  // The window position SaveSettings writes; when set, asked at save time
  // (the main window's current place), else settings().windowPosition().
  std::function<QPointF()> currentWindowPosition;

 signals:
  // Tick step 5: the new captions of lblUL and lblDL.
  void rateTextsChanged(const QString& ulText, const QString& dlText);
  // Tick step 6, only while BubbleShown.
  void trackBubble();
  // Tick step 7, only while BigGraphVisible.
  void refreshHistoryCounters();
  // Tick step 12: new bar heights (also after ResetMonitoring's redraw).
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
  void onChkLoggingClicked(int value);
  void updateEntryCounters(const std::vector<tavo::net::InterfaceRow>& rows);
  QString sessionLine() const;
  QTime timeOfDay(qint64 utcMsecs);
  void showRateTexts();
  struct SessionFile {
    bool readable = false;
    QStringList records;  // its whole SessionRecord lines, in file order
  };
  SessionFile readSessionFile() const;
  // Moves the whole lines of session_stats.csv into all_stats.csv in one
  // append and deletes the file; sets sessionLineWaiting_.
  bool moveSessionLines();

  EngineConfig config_;
  QString folder_;
  tavo::net::InterfaceCounterSource* source_;
  const Clock* clock_;
  MonitorSettings settings_;
  RegionalFormat regional_;
  QTimer tmrMainTimer;
  std::unique_ptr<tavo::platform::SingleInstance> instance_;
  StartRefusal refusal_ = StartRefusal::None;
  QString refusalReason_;
  // Session lines that wait for all_stats.csv (see FlushSessionStats).
  bool sessionLineWaiting_ = false;
  // The current session's latest line while it waits behind them.
  QString heldLine_;

  // Reading state: the previous reading of every row, by name.
  struct PrevRow { QString name; std::uint64_t rx = 0, tx = 0; };
  std::vector<tavo::net::InterfaceRow> rows_;
  std::vector<PrevRow> prevRows_;
  std::vector<PrevRow> scratch_;
  bool haveReading_ = false;
  bool notSupportedShown_ = false;
  int sampledEntry_ = -1;
  qint64 countStartMs_ = 0;
  // The local offset from UTC, looked up once a minute.
  qint64 offsetMs_ = 0, offsetFrom_ = 1, offsetUntil_ = 0;
};

// The byte distance between two readings of one kernel counter: a counter
// lower than before is a restart (0), unless it is a plausible wrap of a
// 32-bit counter.
std::uint64_t counterDelta(std::uint64_t previous, std::uint64_t current);

}  // namespace tavo::monitor
