#include "monitor/engine/monitorengine.h"

#include "common/keyvalue.h"
#include "common/numbers.h"
#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavo::monitor {

namespace {

// A 32-bit kernel counter that wraps moves at most this far in one tick to
// be taken as a wrap (about 8.6 Gbit/s); a larger "wrap" is a restart.
constexpr std::uint64_t kMaxWrapDistance = std::uint64_t(1) << 30;
constexpr std::uint64_t k2p32 = std::uint64_t(1) << 32;

// A session_stats.csv holds one short line; anything much larger is not
// one of ours.
constexpr qint64 kMaxSessionFileBytes = 64 * 1024;

const QString kNotSupportedText = QStringLiteral("    Your system does not support IP Helper DLL    ");
const QString kErrorTitle = QStringLiteral("Tavo error");

// Runs one step of the tick; a step that throws is abandoned and the tick
// goes on with the next one.
template <typename F>
void step(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

std::int64_t floorToInt64(double v, bool* ok = nullptr) {
  if (!std::isfinite(v)) {
    if (ok) *ok = false;
    return 0;
  }
  if (ok) *ok = true;
  const double f = std::floor(v);
  if (f >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (f <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return std::int64_t(f);
}

bool isWholeNumber(const QString& s) {
  bool ok = false;
  s.toLongLong(&ok);
  return ok;
}

// A complete SessionRecord: six fields, two date-times and four numbers.
bool isCompleteRecord(const QString& line) {
  const QStringList f = line.split(QLatin1Char(';'));
  if (f.size() != 6 || f[0].isEmpty() || f[1].isEmpty()) return false;
  for (int i = 2; i < 6; ++i)
    if (!isWholeNumber(f[i])) return false;
  return true;
}

// Exact floor(diff * 8 / divisor) without overflow, held in 32 bits.
std::int32_t ringValue(std::uint64_t diff, int divisor) {
  const std::uint64_t d = std::uint64_t(divisor);
  const std::uint64_t v = (diff / d) * 8 + ((diff % d) * 8) / d;
  return v > std::uint64_t(std::numeric_limits<std::int32_t>::max()) ? std::numeric_limits<std::int32_t>::max()
                                                                     : std::int32_t(v);
}

}  // namespace

std::uint64_t counterDelta(std::uint64_t previous, std::uint64_t current) {
  if (current >= previous) return current - previous;
  if (previous < k2p32 && current < k2p32) {
    const std::uint64_t wrapped = k2p32 - previous + current;
    if (wrapped <= kMaxWrapDistance) return wrapped;
  }
  return 0;  // the interface was reset or re-created
}

MonitorEngine::MonitorEngine(const EngineConfig& config, QObject* parent)
    : QObject(parent),
      config_(config),
      folder_(QDir::cleanPath(config.programFolder)),
      source_(config.source),
      clock_(config.clock),
      regional_(QLocale()),
      instance_(std::make_unique<tavo::platform::SingleInstance>(folder_)) {
  Q_ASSERT(source_ && clock_);
  tmrMainTimer.setInterval(1000);
  tmrMainTimer.setTimerType(Qt::CoarseTimer);
  connect(&tmrMainTimer, &QTimer::timeout, this, &MonitorEngine::frmNet_tmrMainTimer_Timer);
  connect(&settings_, &MonitorSettings::chkLoggingClicked, this, &MonitorEngine::onChkLoggingClicked);
  rows_.reserve(64);
  prevRows_.reserve(64);
  scratch_.reserve(64);
}

MonitorEngine::~MonitorEngine() = default;

QString MonitorEngine::settingsPath() const { return folder_ + QStringLiteral("/Tavo.ini"); }
QString MonitorEngine::SessionStatsPath() const { return folder_ + QStringLiteral("/session_stats.csv"); }
QString MonitorEngine::AllStatsPath() const { return folder_ + QStringLiteral("/all_stats.csv"); }
QString MonitorEngine::logsFolder() const { return folder_ + QStringLiteral("/logs"); }
QString MonitorEngine::skinsFolder() const { return folder_ + QStringLiteral("/skins"); }

// ---------------------------------------------------------------- start-up

bool MonitorEngine::Main(const StartupSteps& steps) {
  using Lock = tavo::platform::SingleInstance::Outcome;
  refusal_ = StartRefusal::None;
  refusalReason_.clear();
  const Lock lock = instance_->acquire();
  if (lock == Lock::HeldByAnother) {
    refusal_ = StartRefusal::AnotherMonitor;
    return false;
  }
  // A monitor that cannot write in its folder would lose every line it
  // counts: it does not start, and the program says why.
  QString reason;
  if (lock == Lock::Failed) reason = instance_->error();
  else if (!canWriteIn(folder_, &reason)) instance_->release(/*forget=*/true);
  if (!instance_->held()) {
    refusal_ = StartRefusal::FolderNotWritable;
    refusalReason_ = reason;
    return false;
  }
  IsFrench = true;
  ReadInterfaceTable();
  InitDefaults();
  LoadSettings();
  ApplyEngineTexts();
  if (steps.ApplyLanguage) steps.ApplyLanguage();
  if (settings_.chkUpdate() == 1 && steps.LaunchUpdater) steps.LaunchUpdater();
  if (steps.LoadSkins) steps.LoadSkins();
  ResetMonitoring();
  FlushSessionStats();
  if (steps.AddTrayIcon) steps.AddTrayIcon();
  if (steps.ShowMain) steps.ShowMain();
  return true;
}

bool MonitorEngine::startRefusalIsFrench() const {
  // The language of Tavo.ini when it can be read (French also when it has
  // no Lang line, as at a normal start), English otherwise.
  bool exists = false;
  bool french = true;
  for (const auto& [key, value] : readKeyValueFile(settingsPath(), &exists))
    if (key == QLatin1String("Lang")) french = value == QLatin1String("FR");
  return exists && french;
}

QString MonitorEngine::startRefusalText() const {
  const bool french = startRefusalIsFrench();
  const QString folder = QDir::toNativeSeparators(folder_);
  QString text = french ? QStringLiteral(" Tavo ne peut pas \u00e9crire dans son dossier : \n\n %1 \n\n"
                                         " Le moniteur doit pouvoir \u00e9crire dans ce dossier pour y garder ses "
                                         "statistiques. Tavo va se fermer. ")
                        : QStringLiteral(" Tavo cannot write in its folder: \n\n %1 \n\n"
                                         " The monitor must be able to write in this folder to keep its statistics "
                                         "there. Tavo will close. ");
  text = text.arg(folder);
  if (!refusalReason_.isEmpty()) text += QStringLiteral("\n\n (") + refusalReason_ + QStringLiteral(") ");
  return text;
}

QString MonitorEngine::errorTitle() { return kErrorTitle; }

void MonitorEngine::QuitSave() {
  tmrMainTimer.stop();
  SaveSettings();
  FlushSessionStats();
}

void MonitorEngine::ApplyEngineTexts() {
  RateUnitText = IsFrench ? QStringLiteral(" kO/s") : QStringLiteral(" kB/s");
  VolumeUnitText = IsFrench ? QStringLiteral(" MO") : QStringLiteral(" MB");
  Interfaces.entries[0].description =
      IsFrench ? QStringLiteral("Toutes les interfaces") : QStringLiteral("All interfaces");
  emit languageChanged(IsFrench);
}

// -------------------------------------------------------------------- tick

void MonitorEngine::frmNet_tmrMainTimer_Timer() {
  ++TickCounter;
  step([&] { SampleCounters(); });
  step([&] { ComputeRates(); });
  step([&] { showRateTexts(); });
  step([&] {
    if (BubbleShown) emit trackBubble();
  });
  step([&] {
    if (BigGraphVisible) emit refreshHistoryCounters();
  });
  QTime tod;
  step([&] { tod = timeOfDay(clock_->nowMsecs()); });
  step([&] { RingWrite(History.ulPerSecond, Counters.CurOut, 1024, &TimeLabels.perSecond, tod); });
  step([&] { RingWrite(History.dlPerSecond, Counters.CurIn, 1024, nullptr, tod); });
  if (TickCounter % 60 == 0) {
    step([&] {
      RingWrite(History.ulPerMinute, Counters.CurOut, 61440, &TimeLabels.perMinute, tod);
      RingWrite(History.dlPerMinute, Counters.CurIn, 61440, nullptr, tod);
    });
    step([&] { WriteSessionStats(); });
    step([&] {
      if (settings_.chkLogging() == 1)
        AppendLogLine(History.dlPerMinute.newest(), History.ulPerMinute.newest());
    });
  }
  step([&] {
    if (GraphRefreshPeriod > 0 && TickCounter % GraphRefreshPeriod == 0) GraphRefreshPending = true;
  });
  step([&] {
    if (GraphRefreshPending) {
      GraphRefreshPending = false;
      UpdateMiniGraph(settings_.optDL());
    }
  });
  if (TickCounter % 600 == 0) TickCounter = 0;
}

void MonitorEngine::showRateTexts() {
  const MonitorCounters& c = Counters;
  bool any = false;
  if (settings_.optInbits()) {
    ulText = QString::number(c.KbitUL) + QStringLiteral(" kb/s UL");
    dlText = QString::number(c.KbitDL) + QStringLiteral(" kb/s DL");
    any = true;
  }
  if (settings_.optInBytes()) {
    ulText = QString::number(c.KbyteUL) + RateUnitText + QStringLiteral(" UL");
    dlText = QString::number(c.KbyteDL) + RateUnitText + QStringLiteral(" DL");
    any = true;
  }
  if (settings_.optCumul()) {
    ulText = regional_.oneDecimal(c.MBytesShownUL) + VolumeUnitText + QStringLiteral(" UL");
    dlText = regional_.oneDecimal(c.MBytesShownDL) + VolumeUnitText + QStringLiteral(" DL");
    any = true;
  }
  if (settings_.optMean()) {
    ulText = QString::number(c.MeanUL) + QStringLiteral(" kb/s UL");
    dlText = QString::number(c.MeanDL) + QStringLiteral(" kb/s DL");
    any = true;
  }
  if (any) emit rateTextsChanged(ulText, dlText);
}

// --------------------------------------------------------- interface table

void MonitorEngine::ReadInterfaceTable() {
  const tavo::net::ReadStatus status = source_->read(rows_);
  if (status == tavo::net::ReadStatus::NotSupported) {
    if (!notSupportedShown_) {
      notSupportedShown_ = true;
      if (showError) showError(kNotSupportedText, kErrorTitle);
    }
    return;
  }
  if (status != tavo::net::ReadStatus::Ok) return;
  notSupportedShown_ = false;
  updateEntryCounters(rows_);
}

void MonitorEngine::updateEntryCounters(const std::vector<tavo::net::InterfaceRow>& rows) {
  const std::size_t n = rows.size();
  Interfaces.InterfaceCount = int(std::min<std::size_t>(n, 32767));
  std::uint64_t sumIn = 0, sumOut = 0, rawSumIn = 0, rawSumOut = 0;
  scratch_.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const auto& row = rows[i];
    // The same interface is usually at the same place as last time.
    const PrevRow* prev = nullptr;
    if (i < prevRows_.size() && prevRows_[i].name == row.name) {
      prev = &prevRows_[i];
    } else {
      for (const auto& p : prevRows_)
        if (p.name == row.name) {
          prev = &p;
          break;
        }
    }
    const std::uint64_t dIn = prev ? counterDelta(prev->rx, row.rxBytes) : 0;
    const std::uint64_t dOut = prev ? counterDelta(prev->tx, row.txBytes) : 0;
    sumIn += dIn;
    sumOut += dOut;
    rawSumIn += row.rxBytes;
    rawSumOut += row.txBytes;

    if (i < std::size_t(kTableEntries - 1)) {
      InterfaceEntry& e = Interfaces.entries[i + 1];
      if (e.description.isEmpty()) {
        // First sight of this entry: it starts at the kernel's reading.
        e.inOctets = row.rxBytes;
        e.outOctets = row.txBytes;
      } else if (e.description == row.name) {
        e.inOctets += dIn;
        e.outOctets += dOut;
      }  // else another interface took this place: no step, it counts on from here
      if (e.description != row.name) e.description = row.name;
      e.present = true;
    }
    PrevRow& s = scratch_[i];
    if (s.name != row.name) s.name = row.name;
    s.rx = row.rxBytes;
    s.tx = row.txBytes;
  }
  for (std::size_t i = n; i < std::size_t(kTableEntries - 1); ++i) Interfaces.entries[i + 1].present = false;
  InterfaceEntry& all = Interfaces.entries[0];
  if (!haveReading_) {
    all.inOctets = rawSumIn;
    all.outOctets = rawSumOut;
    haveReading_ = true;
  } else {
    all.inOctets += sumIn;
    all.outOctets += sumOut;
  }
  all.present = true;
  prevRows_.swap(scratch_);
}

void MonitorEngine::SampleCounters() {
  step([&] { ReadInterfaceTable(); });
  MonitorCounters& c = Counters;
  c.PrevOut = c.CurOut;
  c.PrevIn = c.CurIn;
  const int sel = Interfaces.SelectedInterface;
  if (sel >= 0 && sel < kTableEntries) {
    c.CurIn = Interfaces.entries[sel].inOctets;
    c.CurOut = Interfaces.entries[sel].outOctets;
  }
  // A delta is taken only between two readings of the same entry.
  if (sel == sampledEntry_) {
    c.DeltaDL = c.CurIn >= c.PrevIn ? c.CurIn - c.PrevIn : 0;
    c.DeltaUL = c.CurOut >= c.PrevOut ? c.CurOut - c.PrevOut : 0;
  } else {
    c.DeltaDL = 0;
    c.DeltaUL = 0;
  }
  sampledEntry_ = sel;
  c.MBytesDL += double(c.DeltaDL) / 1048576.0;
  c.MBytesUL += double(c.DeltaUL) / 1048576.0;
  c.DailyMBytesDL += double(c.DeltaDL) / 1048576.0;
  c.DailyMBytesUL += double(c.DeltaUL) / 1048576.0;
}

void MonitorEngine::ResetMonitoring() {
  tmrMainTimer.stop();
  ClearHistories();
  SampleCounters();
  SampleCounters();
  ResetCounters();
  ResetDailyStats();
  GraphRefreshPending = true;
  if (config_.runTimer) tmrMainTimer.start();
}

void MonitorEngine::ClearHistories() {
  for (RateRing* r : {&History.ulPerSecond, &History.dlPerSecond, &History.ulPerMinute, &History.dlPerMinute}) {
    r->values.fill(0);
    r->writeIndex = 0;
    r->previousCounter = 0;
    r->hasReading = false;
  }
  TimeLabels.perSecond.fill(QTime());
  TimeLabels.perMinute.fill(QTime());
}

// ------------------------------------------------------------------- rates

void MonitorEngine::ComputeRates() {
  MonitorCounters& c = Counters;
  // floor(bytes * 8 / 1024) = floor(bytes / 128), exact in 64 bits.
  c.KbitUL = std::int64_t(std::min<std::uint64_t>(c.DeltaUL / 128, std::uint64_t(INT64_MAX)));
  c.KbitDL = std::int64_t(std::min<std::uint64_t>(c.DeltaDL / 128, std::uint64_t(INT64_MAX)));
  c.KbyteUL = std::int64_t(std::min<std::uint64_t>(c.DeltaUL / 1024, std::uint64_t(INT64_MAX)));
  c.KbyteDL = std::int64_t(std::min<std::uint64_t>(c.DeltaDL / 1024, std::uint64_t(INT64_MAX)));
  c.MBytesShownUL = roundHalfEven(c.MBytesUL * 10.0) / 10.0;
  c.MBytesShownDL = roundHalfEven(c.MBytesDL * 10.0) / 10.0;
  if (c.KbitUL > c.MaxUL) c.MaxUL = c.KbitUL;
  if (c.KbitDL > c.MaxDL) c.MaxDL = c.KbitDL;
  const double elapsed = double(clock_->nowMsecs() - countStartMs_) / 1000.0;
  bool okUL = false, okDL = false;
  const std::int64_t meanUL = floorToInt64(c.MBytesUL * 1024.0 * 8.0 / elapsed, &okUL);
  const std::int64_t meanDL = floorToInt64(c.MBytesDL * 1024.0 * 8.0 / elapsed, &okDL);
  // A zero duration (the clock set back onto CountStart) has no mean: the
  // rest of the computation waits for the next tick.
  if (elapsed == 0.0 || !okUL || !okDL) return;
  c.MeanUL = meanUL;
  c.MeanDL = meanDL;
  c.ElapsedText = FormatElapsed(elapsed);
  c.DailyWholeMBUL = floorToInt64(c.DailyMBytesUL);
  c.DailyWholeMBDL = floorToInt64(c.DailyMBytesDL);
  if (c.KbitUL > c.DailyMaxUL) c.DailyMaxUL = c.KbitUL;
  if (c.KbitDL > c.DailyMaxDL) c.DailyMaxDL = c.KbitDL;
}

void MonitorEngine::ResetCounters() {
  MonitorCounters& c = Counters;
  c.MBytesDL = 0;
  c.MBytesUL = 0;
  c.MaxUL = 0;
  c.MaxDL = 0;
  countStartMs_ = clock_->nowMsecs() - 1000;
  c.CountStart = QDateTime::fromMSecsSinceEpoch(countStartMs_);
}

void MonitorEngine::ResetDailyStats() {
  heldLine_.clear();  // a new session: a line kept back belonged to the one before
  MonitorCounters& c = Counters;
  c.DailyStart = clock_->now();
  c.DailyMBytesDL = 0;
  c.DailyMBytesUL = 0;
  c.DailyWholeMBDL = 0;
  c.DailyWholeMBUL = 0;
  c.DailyMaxUL = 0;
  c.DailyMaxDL = 0;
}

// ---------------------------------------------------------------- histories

QTime MonitorEngine::timeOfDay(qint64 utcMsecs) {
  if (utcMsecs < offsetFrom_ || utcMsecs >= offsetUntil_) {
    // Offsets change on whole minutes (daylight saving, zone changes).
    offsetMs_ = qint64(QDateTime::fromMSecsSinceEpoch(utcMsecs).offsetFromUtc()) * 1000;
    offsetFrom_ = utcMsecs - ((utcMsecs % 60000) + 60000) % 60000;
    offsetUntil_ = offsetFrom_ + 60000;
  }
  const qint64 local = utcMsecs + offsetMs_;
  const qint64 secOfDay = ((local / 1000) % 86400 + 86400) % 86400;
  return QTime(int(secOfDay / 3600), int(secOfDay / 60 % 60), int(secOfDay % 60));
}

void MonitorEngine::RingWrite(RateRing& ring, std::uint64_t reading, int divisor,
                              std::array<QTime, kRingSlots>* labels, QTime timeOfDay) {
  if (ring.hasReading) {
    ring.writeIndex = (ring.writeIndex + 1) % kRingSlots;
    const std::uint64_t diff = reading >= ring.previousCounter ? reading - ring.previousCounter : 0;
    ring.values[ring.writeIndex] = ringValue(diff, divisor);
    if (labels) (*labels)[ring.writeIndex] = timeOfDay;
  }
  ring.previousCounter = reading;
  ring.hasReading = true;
}

void MonitorEngine::UpdateMiniGraph(bool download) {
  const int refresh = settings_.GraphRefresh();
  const RateRing* ring = nullptr;
  if (refresh == 0) ring = download ? &History.dlPerSecond : &History.ulPerSecond;
  if (refresh == 1) ring = download ? &History.dlPerMinute : &History.ulPerMinute;
  const float limit = float(settings_.DLLimit());
  for (int i = GraphWidth - 1; i >= 0; --i) {
    const float v = ring ? float(ring->at(i)) : 0.0f;
    MiniGraph[std::size_t(i)] = v >= limit ? float(GraphHeight) : v / limit * float(GraphHeight);
  }
  emit miniGraphUpdated(MiniGraph);
}

// ----------------------------------------------------------- session files

QString MonitorEngine::sessionLine() const {
  const MonitorCounters& c = Counters;
  const QChar sep(QLatin1Char(';'));
  return regional_.dateTimeText(c.DailyStart) + sep + regional_.dateTimeText(clock_->now()) + sep +
         QString::number(c.DailyMaxDL) + sep + QString::number(c.DailyMaxUL) + sep +
         QString::number(c.DailyWholeMBDL) + sep + QString::number(c.DailyWholeMBUL);
}

void MonitorEngine::WriteSessionStats() {
  const QDateTime now = clock_->now();
  // Lines of closed sessions that could not reach all_stats.csv go first.
  // Only this once-a-minute write retries them: the other ticks stay free
  // of file work.
  if (sessionLineWaiting_) moveSessionLines();
  if (ddmmyyyy(now.date()) != ddmmyyyy(Counters.DailyStart.date())) {
    // The previous day's line must be kept, in all_stats.csv or waiting in
    // session_stats.csv, before the new day's session begins; while it has
    // no place but memory, the day closes at a later minute.
    if (!FlushSessionStats() && !heldLine_.isEmpty()) return;
    ResetDailyStats();
  }
  const QString line = sessionLine();
  if (sessionLineWaiting_) {
    // Never over a line that all_stats.csv lacks: the session's line waits
    // here, and it holds the totals since the session began, so the
    // session loses nothing by the wait.
    heldLine_ = line;
    return;
  }
  heldLine_.clear();
  writeLinesAtomically(SessionStatsPath(), {line});
}

bool MonitorEngine::FlushSessionStats() {
  if (!heldLine_.isEmpty()) {
    // The closing session's line was kept back behind waiting ones: it
    // joins them in session_stats.csv, in closing order.
    QStringList queue;
    if (QFileInfo(SessionStatsPath()).isFile()) {
      const SessionFile waiting = readSessionFile();
      if (!waiting.readable) return false;
      queue = waiting.records;
    }
    queue << heldLine_;
    if (!writeLinesAtomically(SessionStatsPath(), queue)) return false;
    heldLine_.clear();
  }
  return moveSessionLines();
}

MonitorEngine::SessionFile MonitorEngine::readSessionFile() const {
  SessionFile file;
  const TextReadResult r = readTextLines(SessionStatsPath(), kMaxSessionFileBytes);
  file.readable = r.ok;
  // A last line without its line end still counts when it is a whole
  // record (only the final CR LF was lost); a cut inside it does not.
  for (const QString& line : r.lines)
    if (isCompleteRecord(line)) file.records << line;
  return file;
}

bool MonitorEngine::moveSessionLines() {
  const QString path = SessionStatsPath();
  const QFileInfo info(path);
  bool moved = true;
  if (!info.exists()) {
    moved = true;
  } else if (!info.isFile()) {
    moved = false;  // a folder in its place: nothing can be written there
  } else if (info.size() > kMaxSessionFileBytes) {
    moved = QFile::remove(path);  // not session lines of ours
  } else {
    const SessionFile file = readSessionFile();
    if (!file.readable) {
      moved = false;  // unreadable for now: keep it for the next try
    } else if (!file.records.isEmpty() && !endsWithLines(AllStatsPath(), file.records) &&
               !appendLinesDurably(AllStatsPath(), file.records)) {
      // (After a crash between the append and the delete the lines already
      // stand last in all_stats.csv, and are not counted twice.)
      moved = false;
    } else {
      // The lines are safe (or there was nothing whole to move). A file
      // that will not go is harmless now: its lines are found at the end of
      // all_stats.csv next time and not appended again.
      QFile::remove(path);
    }
  }
  sessionLineWaiting_ = !moved;
  return moved;
}

// ---------------------------------------------------------------- rate logs

void MonitorEngine::StartNewLogFile(bool on) {
  LogFilePath = on ? logsFolder() + QLatin1Char('/') + logBaseName(clock_->now()) + QStringLiteral(".csv")
                   : QStringLiteral("----");
  emit logFilePathChanged(ShortenPath(LogFilePath));
}

void MonitorEngine::EnsureLogsFolder() {
  if (!QFileInfo::exists(logsFolder())) QDir(folder_).mkdir(QStringLiteral("logs"));
}

void MonitorEngine::AppendLogLine(std::int32_t downloadRate, std::int32_t uploadRate) {
  if (LogFilePath == QStringLiteral("----")) return;
  const QChar sep(QLatin1Char(';'));
  appendLineDurably(LogFilePath, regional_.dateTimeText(clock_->now()) + sep + QString::number(downloadRate) +
                                     sep + QString::number(uploadRate));
}

void MonitorEngine::onChkLoggingClicked(int value) {
  if (value == 1) {
    EnsureLogsFolder();
    StartNewLogFile(true);
    emit loggingStateChanged(true);
  } else {
    StartNewLogFile(false);
    emit loggingStateChanged(false);
  }
}

// ----------------------------------------------------------------- settings

void MonitorEngine::InitDefaults() {
  GraphRefreshPeriod = 1;
  settings_.setGraphRefresh(0);
  settings_.setDLLimit(1024);
  Interfaces.SelectedInterface = 0;
  settings_.setWindowPosition(QPointF(0, 0));
  settings_.setOption(Option::DL, true);
  MiniGraph.fill(0.0f);
  emit miniGraphUpdated(MiniGraph);
  settings_.setChkUpdate(0);
  settings_.setOption(Option::InBytes, true);
  settings_.setOption(Option::MinAll, true);
  settings_.setScrTransp(255);
  settings_.setChkLogging(0);
  StartNewLogFile(false);
  BubbleShown = false;
  if (!QFileInfo::exists(skinsFolder())) QDir(folder_).mkdir(QStringLiteral("skins"));
  settings_.setSkinDescriptorFile(QStringLiteral("default"));
}

void MonitorEngine::LoadSettings() {
  static const std::pair<const char*, Option> kBooleans[] = {
      {"KbitMode", Option::Inbits},      {"KbyteMode", Option::InBytes}, {"CumuledMode", Option::Cumul},
      {"MeanMode", Option::Mean},        {"ShowDL", Option::DL},         {"ShowUL", Option::UL},
      {"MinimizeAllMode", Option::MinAll}, {"MinimizeTavoMode", Option::MinTavo},
  };
  bool exists = false;
  const auto pairs = readKeyValueFile(settingsPath(), &exists);
  for (const auto& [key, value] : pairs) {
    if (key == QLatin1String("Lang")) {
      IsFrench = value == QLatin1String("FR");
      continue;
    }
    bool done = false;
    for (const auto& [name, option] : kBooleans) {
      if (key == QLatin1String(name)) {
        settings_.setOption(option, value == QLatin1String("Vrai") || value == QLatin1String("True"));
        done = true;
        break;
      }
    }
    if (done) continue;
    if (key == QLatin1String("Interface")) {
      int n = readInt16(value);
      // Beyond the interfaces read at start, or beyond the table: all interfaces.
      if (n > Interfaces.InterfaceCount || n < 0 || n >= kTableEntries) n = 0;
      Interfaces.SelectedInterface = n;
    } else if (key == QLatin1String("Transparency")) {
      settings_.setScrTransp(readInt16(value));
    } else if (key == QLatin1String("DLLimit")) {
      settings_.setDLLimit(readInt16(value));
    } else if (key == QLatin1String("GraphRefresh")) {
      const std::int16_t g = readInt16(value);
      settings_.setGraphRefresh(g == 1 ? 1 : 0);
    } else if (key == QLatin1String("DetailedLog")) {
      settings_.setChkLogging(readInt16(value));
    } else if (key == QLatin1String("CheckVersion")) {
      settings_.setChkUpdate(readInt16(value));
    } else if (key == QLatin1String("SkinDescriptorFile")) {
      settings_.setSkinDescriptorFile(value);
    } else if (key == QLatin1String("WindowPositionX") || key == QLatin1String("WindowPositionY")) {
      const double v = std::clamp(leadingNumber(value), -32768.0, 32767.0);
      QPointF p = settings_.windowPosition();
      if (key.endsWith(QLatin1Char('X')))
        p.setX(v);
      else
        p.setY(v);
      settings_.setWindowPosition(p);
    }
  }
  // What the loader applies once at the end, also without a file.
  emit settings_.scrTranspChanged(settings_.scrTransp());
  emit settings_.dlLimitChanged(settings_.DLLimit());
  GraphRefreshPeriod = settings_.GraphRefresh() == 1 ? 60 : 1;
  emit settings_.graphRefreshChanged(settings_.GraphRefresh());
  emit settings_.optionChanged(settings_.optDL() ? Option::DL : Option::UL, true);
  emit selectedInterfaceChanged(Interfaces.SelectedInterface);
}

bool MonitorEngine::SaveSettings() {
  const QString t = regional_.trueWord();
  const QString f = regional_.falseWord();
  auto b = [&](bool on) { return on ? t : f; };
  QLocale loc = regional_.locale();
  loc.setNumberOptions(QLocale::OmitGroupSeparator);
  const QPointF pos = currentWindowPosition ? currentWindowPosition() : settings_.windowPosition();
  auto px = [&](double v) { return loc.toString(double(float(v)), 'g', 7); };
  const MonitorSettings& s = settings_;
  const QStringList lines = {
      QStringLiteral("Lang=") + (IsFrench ? QStringLiteral("FR") : QStringLiteral("EN")),
      QStringLiteral("Interface=") + QString::number(Interfaces.SelectedInterface),
      QStringLiteral("Transparency=") + QString::number(s.scrTransp()),
      QStringLiteral("KbitMode=") + b(s.optInbits()),
      QStringLiteral("KbyteMode=") + b(s.optInBytes()),
      QStringLiteral("CumuledMode=") + b(s.optCumul()),
      QStringLiteral("MeanMode=") + b(s.optMean()),
      QStringLiteral("DLLimit=") + QString::number(s.DLLimit()),
      QStringLiteral("GraphRefresh=") + QString::number(s.GraphRefresh()),
      QStringLiteral("ShowDL=") + b(s.optDL()),
      QStringLiteral("ShowUL=") + b(s.optUL()),
      QStringLiteral("MinimizeAllMode=") + b(s.optMinAll()),
      QStringLiteral("MinimizeTavoMode=") + b(s.optMinTavo()),
      QStringLiteral("DetailedLog=") + QString::number(s.chkLogging()),
      QStringLiteral("CheckVersion=") + QString::number(s.chkUpdate()),
      QStringLiteral("SkinDescriptorFile=") + s.SkinDescriptorFile(),
      QStringLiteral("WindowPositionX=") + px(pos.x()),
      QStringLiteral("WindowPositionY=") + px(pos.y()),
  };
  return writeLinesAtomically(settingsPath(), lines);
}

void MonitorEngine::ApplyGraphSettings(std::int16_t dlLimit, int graphDelayIndex) {
  settings_.setDLLimit(dlLimit);
  if (graphDelayIndex == 0 || graphDelayIndex == 1) {
    settings_.setGraphRefresh(std::int16_t(graphDelayIndex));
    GraphRefreshPeriod = graphDelayIndex == 1 ? 60 : 1;
  }
  GraphRefreshPending = true;
}

void MonitorEngine::ChangeInterface(int index) {
  const int last = std::min(Interfaces.InterfaceCount, kTableEntries - 1);
  if (index < 0 || index > last || index == Interfaces.SelectedInterface) return;
  Interfaces.SelectedInterface = index;
  SaveSettings();
  emit selectedInterfaceChanged(index);
  if (settings_.chkLogging() == 1) StartNewLogFile(true);
  FlushSessionStats();
  ResetMonitoring();
}

}  // namespace tavo::monitor
