#include "monitor/core/sessionfiles.h"

#include "common/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace tavo::monitor {

namespace {

// A session_stats.csv holds one short line; anything much larger is not
// one of ours.
constexpr qint64 kMaxSessionFileBytes = 64 * 1024;
constexpr int kRecordFields = 6;

bool isWholeNumber(const QString& s) {
  bool ok = false;
  s.toLongLong(&ok);
  return ok;
}

// A complete SessionRecord: six fields, two date-times and four numbers.
bool isCompleteRecord(const QString& line) {
  const QStringList f = line.split(QLatin1Char(';'));
  if (f.size() != kRecordFields || f[0].isEmpty() || f[1].isEmpty()) return false;
  for (int i = 2; i < kRecordFields; ++i)
    if (!isWholeNumber(f[i])) return false;
  return true;
}

}  // namespace

SessionFiles::SessionFiles(const QString& folder, TrafficCounters& counters, const Clock& clock,
                           const RegionalFormat& regional)
    : folder_(folder), counters_(counters), clock_(clock), regional_(regional) {}

QString SessionFiles::SessionStatsPath() const { return folder_ + QStringLiteral("/session_stats.csv"); }
QString SessionFiles::AllStatsPath() const { return folder_ + QStringLiteral("/all_stats.csv"); }

void SessionFiles::beginSession() {
  heldLine_.clear();
  counters_.ResetDailyStats();
}

QString SessionFiles::sessionLine() const {
  const MonitorCounters& c = counters_.counters();
  const QChar sep(QLatin1Char(';'));
  return regional_.dateTimeText(c.DailyStart) + sep + regional_.dateTimeText(clock_.now()) + sep +
         QString::number(c.DailyMaxDL) + sep + QString::number(c.DailyMaxUL) + sep +
         QString::number(c.DailyWholeMBDL) + sep + QString::number(c.DailyWholeMBUL);
}

void SessionFiles::WriteSessionStats() {
  const QDateTime now = clock_.now();
  // Lines of closed sessions that could not reach all_stats.csv go first.
  // Only this once-a-minute write retries them: the other ticks stay free
  // of file work.
  if (sessionLineWaiting_) moveSessionLines();
  if (ddmmyyyy(now.date()) != ddmmyyyy(counters_.counters().DailyStart.date())) {
    // The previous day's line must be kept, in all_stats.csv or waiting in
    // session_stats.csv, before the new day's session begins; while it has
    // no place but memory, the day closes at a later minute.
    if (!FlushSessionStats() && !heldLine_.isEmpty()) return;
    beginSession();
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

bool SessionFiles::FlushSessionStats() {
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

SessionFiles::SessionFile SessionFiles::readSessionFile() const {
  SessionFile file;
  const TextReadResult r = readTextLines(SessionStatsPath(), kMaxSessionFileBytes);
  file.readable = r.ok;
  // A last line without its line end still counts when it is a whole
  // record (only the final CR LF was lost); a cut inside it does not.
  for (const QString& line : r.lines)
    if (isCompleteRecord(line)) file.records << line;
  return file;
}

bool SessionFiles::moveSessionLines() {
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

}  // namespace tavo::monitor
