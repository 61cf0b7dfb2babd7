#include "monitor/core/monitorengine.h"

#include "monitor/core/tickstep.h"

#include <QDir>

#include <algorithm>
#include <tuple>

namespace tavo::monitor {

namespace {

constexpr int kTickMs = 1000;
// The once-a-minute work runs at every 60th tick; the count wraps after
// ten of them, one turn of the per-second rings.
constexpr int kTicksPerMinute = 60;
constexpr int kTicksPerCycle = 600;

}  // namespace

MonitorEngine::MonitorEngine(const EngineConfig& config, QObject* parent)
    : QObject(parent),
      config_(config),
      folder_(QDir::cleanPath(config.programFolder)),
      clock_(*config.clock),
      regional_(QLocale()),
      guard_(folder_),
      counters_(*config.source, clock_,
                [this](const QString& text, const QString& title) { emit errorRaised(text, title); }),
      sessions_(folder_, counters_, clock_, regional_),
      rateLog_(folder_, clock_, regional_),
      settingsFile_(folder_, counters_, regional_),
      Counters(counters_.counters()),
      Interfaces(counters_.interfaces()),
      History(histories_.history()),
      TimeLabels(histories_.timeLabels()),
      MiniGraph(histories_.miniGraph()),
      TickCounter(tick_.TickCounter),
      GraphRefreshPending(tick_.GraphRefreshPending),
      GraphRefreshPeriod(settingsFile_.GraphRefreshPeriod()),
      IsFrench(settingsFile_.IsFrench()),
      LogFilePath(rateLog_.LogFilePath()),
      RateUnitText(labels_.RateUnitText()),
      VolumeUnitText(labels_.VolumeUnitText()),
      BubbleShown(tick_.BubbleShown),
      BigGraphVisible(tick_.BigGraphVisible) {
  Q_ASSERT(config.source && config.clock);
  tmrMainTimer.setInterval(kTickMs);
  tmrMainTimer.setTimerType(Qt::CoarseTimer);
  connect(&tmrMainTimer, &QTimer::timeout, this, &MonitorEngine::frmNet_tmrMainTimer_Timer);
  connect(&settings(), &MonitorSettings::chkLoggingClicked, &rateLog_, &RateLog::applyChkLogging);
  connect(&rateLog_, &RateLog::logFilePathChanged, this, &MonitorEngine::logFilePathChanged);
  connect(&rateLog_, &RateLog::loggingStateChanged, this, &MonitorEngine::loggingStateChanged);
  sessions_.setFailures(&failures_);
  rateLog_.setFailures(&failures_);
  settingsFile_.setFailures(&failures_);
  connect(&failures_, &FileFailures::newFailure, this, &MonitorEngine::fileFailed);
}

MonitorEngine::~MonitorEngine() = default;

QString MonitorEngine::errorTitle() { return errorBoxTitle(); }

// ---------------------------------------------------------------- start-up

namespace {

struct NoWindows : StartupSteps {
  void ApplyLanguage() override {}
  void LaunchUpdater() override {}
  void loadSkins() override {}
  void AddTrayIcon() override {}
  void ShowMain() override {}
};

}  // namespace

bool MonitorEngine::Main() {
  NoWindows none;
  return Main(none);
}

bool MonitorEngine::Main(StartupSteps& steps) {
  if (!guard_.admit()) return false;
  // Under the lock no other monitor writes here: what a replacement left
  // behind is a kill's left-over.
  sessions_.removeLeftOverTemporaries();
  // The interface count is known before the settings are read: it bounds
  // the Interface setting.
  counters_.ReadInterfaceTable();
  // Every setting and start-up value at its default, then Tavo.ini over them.
  settingsFile_.InitDefaults();
  emit miniGraphUpdated(histories_.clearMiniGraph());
  rateLog_.StartNewLogFile(false);
  tick_.BubbleShown = false;
  settingsFile_.LoadSettings();
  emit selectedInterfaceChanged(Interfaces.SelectedInterface);
  applyEngineTexts();
  steps.ApplyLanguage();
  if (settings().chkUpdate() == 1) steps.LaunchUpdater();
  steps.loadSkins();
  ResetMonitoring();
  // A line left by a run that ended without its quit joins all_stats.csv.
  // One that cannot waits in session_stats.csv (the failure is told), and
  // each minute's write tries the move again.
  std::ignore = sessions_.FlushSessionStats();
  steps.AddTrayIcon();
  steps.ShowMain();
  return true;
}

void MonitorEngine::applyEngineTexts() {
  labels_.applyLanguage(IsFrench);
  counters_.setAllInterfacesText(allInterfacesText(IsFrench));
  emit languageChanged(IsFrench);
}

// -------------------------------------------------------------------- tick

void MonitorEngine::frmNet_tmrMainTimer_Timer() {
  using Ring = RateHistories::Ring;
  ++tick_.TickCounter;
  step([&] { counters_.SampleCounters(); });
  step([&] { counters_.ComputeRates(); });
  step([&] { showRateTexts(); });
  step([&] {
    if (tick_.BubbleShown) emit trackBubble();
  });
  step([&] {
    if (tick_.BigGraphVisible) emit refreshHistoryCounters();
  });
  // One time of day labels every slot this tick writes.
  QTime tod;
  step([&] { tod = histories_.timeOfDay(clock_.nowMsecs()); });
  step([&] { histories_.RingWrite(Ring::UlPerSecond, Counters.CurOut, tod); });
  step([&] { histories_.RingWrite(Ring::DlPerSecond, Counters.CurIn, tod); });
  if (tick_.TickCounter % kTicksPerMinute == 0) {
    step([&] {
      histories_.RingWrite(Ring::UlPerMinute, Counters.CurOut, tod);
      histories_.RingWrite(Ring::DlPerMinute, Counters.CurIn, tod);
    });
    // Both writes tell their failures themselves, once, and the next
    // minute tries again: the tick has nothing more to do about them.
    step([&] { std::ignore = sessions_.WriteSessionStats(); });
    step([&] {
      if (settings().chkLogging() == 1)
        std::ignore = rateLog_.AppendLogLine(History.dlPerMinute.newest(), History.ulPerMinute.newest());
    });
  }
  step([&] {
    if (GraphRefreshPeriod > 0 && tick_.TickCounter % GraphRefreshPeriod == 0) tick_.GraphRefreshPending = true;
  });
  step([&] {
    if (tick_.GraphRefreshPending) {
      tick_.GraphRefreshPending = false;
      redrawMiniGraph();
    }
  });
  if (tick_.TickCounter % kTicksPerCycle == 0) tick_.TickCounter = 0;
}

void MonitorEngine::showRateTexts() {
  if (labels_.update(Counters, settings(), regional_)) emit rateTextsChanged(labels_.ulText(), labels_.dlText());
}

void MonitorEngine::redrawMiniGraph() {
  const MonitorSettings& s = settings();
  emit miniGraphUpdated(histories_.UpdateMiniGraph(s.optDL(), s.GraphRefresh(), s.DLLimit()));
}

// -------------------------------------------------------------------- quit

QList<FileFailure> MonitorEngine::quitSave() {
  tmrMainTimer.stop();
  failures_.beginCollecting();
  // Its failure is among the collected ones the quit says.
  std::ignore = settingsFile_.SaveSettings();
  if (!sessions_.FlushSessionStats() && sessions_.sessionLineHeld())
    failures_.failed({FileFailure::Action::SessionLineLost, SessionStatsPath(), {}, {}});
  return failures_.endCollecting();
}

// ------------------------------------------------------ the windows' asks

void MonitorEngine::ResetMonitoring() {
  tmrMainTimer.stop();
  histories_.ClearHistories();
  // Two readings: the first tick after the reset then has a delta of one
  // second, not of everything since the previous reading.
  counters_.SampleCounters();
  counters_.SampleCounters();
  counters_.ResetCounters();
  sessions_.beginSession();
  tick_.GraphRefreshPending = true;
  if (config_.runTimer) tmrMainTimer.start();
}

void MonitorEngine::ResetCounters() { counters_.ResetCounters(); }

void MonitorEngine::StartNewLogFile(bool on) { rateLog_.StartNewLogFile(on); }

bool MonitorEngine::SaveSettings() { return settingsFile_.SaveSettings(); }

void MonitorEngine::applyGraphSettings(std::int16_t dlLimit, int graphDelayIndex) {
  settingsFile_.applyGraphSettings(dlLimit, graphDelayIndex);
  tick_.GraphRefreshPending = true;
}

void MonitorEngine::changeInterface(int index) {
  const int last = std::min(Interfaces.InterfaceCount, kTableEntries - 1);
  if (index < 0 || index > last || index == Interfaces.SelectedInterface) return;
  counters_.selectInterface(index);
  // A failure is told through fileFailed; the change holds for this run.
  std::ignore = settingsFile_.SaveSettings();
  emit selectedInterfaceChanged(index);
  // The other interface's traffic goes into a new log and a new session.
  if (settings().chkLogging() == 1) rateLog_.StartNewLogFile(true);
  // A line that cannot move waits in session_stats.csv (told), before the new session's.
  std::ignore = sessions_.FlushSessionStats();
  ResetMonitoring();
}

}  // namespace tavo::monitor
