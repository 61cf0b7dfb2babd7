#include "monitor/core/sessionfiles.h"

#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

namespace tavo::monitor {

namespace {

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

// The start of a SessionRecord that a power cut stopped: short, fewer
// fields, each one before the cut as a record has it.
bool isCutRecord(const QString& line) {
  constexpr qsizetype kLongestRecord = 128;
  if (line.size() > kLongestRecord) return false;
  const QStringList f = line.split(QLatin1Char(';'));
  if (f.size() >= kRecordFields) return false;
  for (qsizetype i = 0; i + 1 < f.size(); ++i) {
    if (i < 2 ? f[i].isEmpty() : !isWholeNumber(f[i])) return false;
  }
  return true;
}

QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

}  // namespace

SessionFiles::SessionFiles(const QString& folder, TrafficCounters& counters, const Clock& clock,
                           const RegionalFormat& regional)
    : folder_(folder), counters_(counters), clock_(clock), regional_(regional) {}

QString SessionFiles::SessionStatsPath() const { return folder_ + QStringLiteral("/session_stats.csv"); }
QString SessionFiles::AllStatsPath() const { return folder_ + QStringLiteral("/all_stats.csv"); }

void SessionFiles::failed(FileFailure::Action action, const QString& path, const QString& reason,
                          const QString& newPath) {
  if (failures_) failures_->failed({action, path, reason, newPath});
}

void SessionFiles::succeeded(const QString& path) {
  if (failures_) failures_->succeeded(path);
}

void SessionFiles::beginSession() {
  // Only a closing session whose line found no place at all gets here with
  // one: it is lost, and the user hears of it.
  if (!heldLine_.isEmpty()) failed(FileFailure::Action::SessionLineLost, SessionStatsPath(), {});
  heldLine_.clear();
  fileHoldsCurrentSession_ = false;
  counters_.ResetDailyStats();
}

QString SessionFiles::sessionLine() const {
  const MonitorCounters& c = counters_.counters();
  const QChar sep(QLatin1Char(';'));
  return regional_.dateTimeText(c.DailyStart) + sep + regional_.dateTimeText(clock_.now()) + sep +
         QString::number(c.DailyMaxDL) + sep + QString::number(c.DailyMaxUL) + sep + QString::number(c.DailyWholeMBDL) +
         sep + QString::number(c.DailyWholeMBUL);
}

bool SessionFiles::WriteSessionStats() {
  const QDateTime now = clock_.now();
  // Lines of closed sessions that could not reach all_stats.csv go first.
  // Only this once-a-minute write retries them: the other ticks stay free
  // of file work.
  if (sessionLineWaiting_) moveSessionLines();
  if (ddmmyyyy(now.date()) != ddmmyyyy(counters_.counters().DailyStart.date())) {
    // The previous day's line must be kept, in all_stats.csv or waiting in
    // session_stats.csv, before the new day's session begins; while it has
    // no place but memory, the day closes at a later minute.
    if (!FlushSessionStats() && !heldLine_.isEmpty()) return false;
    beginSession();
  }
  const QString line = sessionLine();
  if (sessionLineWaiting_) {
    // Never over a line that all_stats.csv lacks: the session's line waits
    // here, and it holds the totals since the session began, so the
    // session loses nothing by the wait.
    heldLine_ = line;
    return true;
  }
  QString error;
  if (!writeLinesAtomically(SessionStatsPath(), {line}, &error)) {
    // Kept in memory: the session's close still gets it to all_stats.csv.
    heldLine_ = line;
    failed(FileFailure::Action::WriteSessionLine, SessionStatsPath(), error);
    return false;
  }
  succeeded(SessionStatsPath());
  heldLine_.clear();
  fileHoldsCurrentSession_ = true;
  return true;
}

bool SessionFiles::FlushSessionStats() {
  if (!heldLine_.isEmpty()) {
    // The closing session's line was kept back behind waiting ones (or
    // session_stats.csv would not take it): it joins them there, in
    // closing order.
    QStringList queue;
    const QFileInfo info(SessionStatsPath());
    if (info.isFile()) {
      const SessionFile waiting = readSessionFile();
      if (!waiting.readable) {
        failed(FileFailure::Action::ReadSessionLines, SessionStatsPath(), waiting.error);
        return false;
      }
      // Lines that are no session of ours are kept aside for the user
      // before the name takes the queue.
      if (waiting.foreign && !keepAside(QString::fromLatin1(kNotSessionLines))) return false;
      queue = waiting.records;
      // What stands there is this session's own earlier line, not a waiting one.
      if (fileHoldsCurrentSession_ && !sessionLineWaiting_ && !queue.isEmpty()) queue.removeLast();
    }
    queue << heldLine_;
    QString error;
    if (writeLinesAtomically(SessionStatsPath(), queue, &error)) {
      heldLine_.clear();
      fileHoldsCurrentSession_ = false;
    } else if (queue.size() == 1 && !info.isFile() && !info.isSymLink()) {
      // Nothing waits before it: the line may go to all_stats.csv straight.
      QString appendError;
      if (!appendLineDurably(AllStatsPath(), heldLine_, &appendError)) {
        failed(FileFailure::Action::MoveSessionLines, AllStatsPath(), appendError);
        return false;
      }
      succeeded(AllStatsPath());
      heldLine_.clear();
      fileHoldsCurrentSession_ = false;
      sessionLineWaiting_ = false;
      return true;
    } else {
      failed(FileFailure::Action::WriteSessionLine, SessionStatsPath(), error);
      return false;
    }
  }
  fileHoldsCurrentSession_ = false;
  return moveSessionLines();
}

SessionFiles::SessionFile SessionFiles::readSessionFile() const {
  SessionFile file;
  // No size limit of its own: lines wait here as long as all_stats.csv
  // cannot take them, a line for each session closed meanwhile.
  const TextReadResult r = readTextLines(SessionStatsPath());
  file.readable = r.ok;
  file.error = r.error;
  for (qsizetype i = 0; i < r.lines.size(); ++i) {
    const QString& line = r.lines[i];
    if (isCompleteRecord(line)) {
      file.records << line;
    } else if (!line.trimmed().isEmpty() && !(i == r.lines.size() - 1 && !r.endsWithLineEnd && isCutRecord(line))) {
      // A last line cut short without its end is a write that a power cut
      // stopped; any other line is not ours.
      file.foreign = true;
    }
  }
  return file;
}

bool SessionFiles::keepAside(const QString& why) {
  const QString path = SessionStatsPath();
  const QString stamp = clock_.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString aside = path + QStringLiteral(".bad-") + stamp;
  // Never over an earlier one.
  for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
    aside = path + QStringLiteral(".bad-") + stamp + QLatin1Char('-') + QString::number(n);
  if (!QDir(folder_).rename(QFileInfo(path).fileName(), QFileInfo(aside).fileName())) {
    failed(FileFailure::Action::ReadSessionLines, path, why);
    return false;
  }
  failed(FileFailure::Action::KeptAside, path, why, aside);
  return true;
}

bool SessionFiles::moveSessionLines() {
  const QString path = SessionStatsPath();
  const QFileInfo info(path);
  bool moved = true;
  if (!info.exists() && !info.isSymLink()) {
    moved = true;
  } else if (!info.isFile()) {
    // A folder, a pipe or a dangling link in its place: not ours to read
    // or remove; moved aside, the name is free for the session lines.
    const QString why = info.isDir()                         ? systemReason(EISDIR)
                        : info.isSymLink() && !info.exists() ? systemReason(ENOENT)
                                                             : QString::fromLatin1(kNotRegularFile);
    moved = keepAside(why);
  } else {
    const SessionFile file = readSessionFile();
    QString error;
    if (!file.readable) {
      failed(FileFailure::Action::ReadSessionLines, path, file.error);
      moved = false;  // unreadable for now: keep it for the next try
    } else if (!file.records.isEmpty() && !endsWithLines(AllStatsPath(), file.records) &&
               !appendLinesDurably(AllStatsPath(), file.records, &error)) {
      // (After a crash between the append and the delete the lines already
      // stand last in all_stats.csv, and are not counted twice.)
      failed(FileFailure::Action::MoveSessionLines, AllStatsPath(), error);
      moved = false;
    } else {
      if (!file.records.isEmpty()) succeeded(AllStatsPath());
      succeeded(path);
      if (file.foreign) {
        // Lines that are no session of ours are nobody's to delete.
        keepAside(QString::fromLatin1(kNotSessionLines));
      } else {
        // The lines are safe (or there was nothing whole to move). A file
        // that will not go is harmless now: its lines are found at the end
        // of all_stats.csv next time and not appended again.
        QFile::remove(path);
      }
    }
  }
  sessionLineWaiting_ = !moved;
  return moved;
}

void SessionFiles::removeLeftOverTemporaries() {
  // The whole-file replacement writes session_stats.csv.XXXXXX (six
  // letters or digits) and renames it over session_stats.csv; a kill in
  // between leaves it. Only regular files of exactly that name go.
  static const QRegularExpression pattern(QStringLiteral("^session_stats\\.csv\\.[A-Za-z0-9]{6}$"));
  const QDir dir(folder_);
  for (const QFileInfo& entry :
       dir.entryInfoList({QStringLiteral("session_stats.csv.??????")}, QDir::Files | QDir::Hidden | QDir::System)) {
    if (entry.isSymLink() || !entry.isFile() || !pattern.match(entry.fileName()).hasMatch()) continue;
    QFile::remove(entry.filePath());
  }
}

}  // namespace tavo::monitor
