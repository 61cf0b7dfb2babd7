#pragma once
// The session statistics: each minute the current session's line in
// session_stats.csv; when a session closes, its line moved to the end of
// all_stats.csv, the file the analyser reads. A line that all_stats.csv
// cannot take waits in session_stats.csv and is never written over.
#include "monitor/core/clock.h"
#include "monitor/core/trafficcounters.h"
#include "common/regionaltext.h"

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
  void WriteSessionStats();
  // Closes the current session: its line (and any line still waiting
  // before it) moves from session_stats.csv into all_stats.csv. False when
  // a line could not be moved: it then waits in session_stats.csv, which no
  // once-a-minute write overwrites, and each once-a-minute write tries the
  // move again.
  bool FlushSessionStats();
  // True while session_stats.csv holds lines that all_stats.csv lacks.
  bool sessionLineWaiting() const { return sessionLineWaiting_; }

  // A new session: fresh figures from now; a line kept back belonged to
  // the one before.
  void beginSession();

 private:
  QString sessionLine() const;
  struct SessionFile {
    bool readable = false;
    QStringList records;  // its whole SessionRecord lines, in file order
  };
  SessionFile readSessionFile() const;
  // Moves the whole lines of session_stats.csv into all_stats.csv in one
  // append and deletes the file; sets sessionLineWaiting_.
  bool moveSessionLines();

  QString folder_;
  TrafficCounters& counters_;
  const Clock& clock_;
  const RegionalFormat& regional_;
  bool sessionLineWaiting_ = false;
  // The current session's latest line while it waits behind them.
  QString heldLine_;
};

}  // namespace tavo::monitor
