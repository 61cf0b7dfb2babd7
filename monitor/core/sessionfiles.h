#pragma once
// The session statistics: each minute the current session's line in
// session_stats.csv; when a session closes, its line moved to the end of
// all_stats.csv, the file the analyser reads. A line that all_stats.csv
// cannot take waits in session_stats.csv and is never written over.
#include "common/regionaltext.h"
#include "monitor/core/clock.h"
#include "monitor/core/filefailures.h"
#include "monitor/core/trafficcounters.h"

#include <QString>
#include <QStringList>

namespace tavo::monitor {

class SessionFiles {
 public:
  // The session's figures are the counters' daily ones; a new day starts
  // them afresh.
  SessionFiles(const QString& folder, TrafficCounters& counters, const Clock& clock, const RegionalFormat& regional);

  QString SessionStatsPath() const;
  QString AllStatsPath() const;

  // The once-a-minute write: closes the day at its first write of a new
  // date, then rewrites the session's line.
  // False when a write failed: the line is then held in memory and the
  // failure told (the session's close still gets it to all_stats.csv).
  // True also while the line waits in memory behind lines not yet moved.
  [[nodiscard]] bool WriteSessionStats();
  // Closes the current session: its line (and any line still waiting
  // before it) moves from session_stats.csv into all_stats.csv. False when
  // a line could not be moved: it then waits in session_stats.csv, which no
  // once-a-minute write overwrites, and each once-a-minute write tries the
  // move again.
  [[nodiscard]] bool FlushSessionStats();
  // True while session_stats.csv holds lines that all_stats.csv lacks.
  bool sessionLineWaiting() const { return sessionLineWaiting_; }

  // A new session: fresh figures from now; a line kept back belonged to
  // the one before (and is told as lost).
  void beginSession();

  // True while the closing session's line has no place but memory.
  bool sessionLineHeld() const { return !heldLine_.isEmpty(); }

  // Where failures are told; none by default.
  void setFailures(FileFailures* failures) { failures_ = failures; }

  // Removes what a kill left of the whole-file replacement of
  // session_stats.csv (its temporaries, by their exact name pattern).
  // Run under the folder's lock, before anything writes there.
  void removeLeftOverTemporaries();

 private:
  QString sessionLine() const;
  struct SessionFile {
    bool readable = false;
    QString error;         // when not readable
    QStringList records;   // its whole SessionRecord lines, in file order
    bool foreign = false;  // it holds lines that are no SessionRecord
  };
  SessionFile readSessionFile() const;
  // Moves the whole lines of session_stats.csv into all_stats.csv in one
  // append and deletes the file; sets sessionLineWaiting_.
  bool moveSessionLines();
  // Renames what stands at session_stats.csv to a new name beside it;
  // true when the name is free now.
  bool keepAside(const QString& why);
  void failed(FileFailure::Action action, const QString& path, const QString& reason, const QString& newPath = {});
  void succeeded(const QString& path);

  QString folder_;
  TrafficCounters& counters_;
  const Clock& clock_;
  const RegionalFormat& regional_;
  bool sessionLineWaiting_ = false;
  // The current session's latest line while it waits behind them, or
  // while session_stats.csv cannot be written.
  QString heldLine_;
  // session_stats.csv holds exactly an earlier line of the current session.
  bool fileHoldsCurrentSession_ = false;
  FileFailures* failures_ = nullptr;
};

}  // namespace tavo::monitor
