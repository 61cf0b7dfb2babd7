#pragma once
// The rate log: while detailed logging is on, one line a minute with the
// minute's mean rates in a file of the logs folder named after the moment
// logging started.
#include "common/regionaltext.h"
#include "monitor/core/clock.h"
#include "monitor/core/filefailures.h"

#include <QObject>
#include <QString>
#include <cstdint>

namespace tavo::monitor {

class RateLog : public QObject {
  Q_OBJECT
 public:
  RateLog(const QString& folder, const Clock& clock, const RegionalFormat& regional, QObject* parent = nullptr);

  // The current log's full path, or "----" while logging is off.
  const QString& LogFilePath() const { return logFilePath_; }
  bool logging() const;
  QString logsFolder() const;

  // On: a new file named by the current date and time (created by the
  // first append); off: "----".
  void StartNewLogFile(bool on);
  // False when logs/ is not there and could not be made (told to the failures).
  [[nodiscard]] bool EnsureLogsFolder();
  // False when the line could not be appended (told to the failures).
  [[nodiscard]] bool AppendLogLine(std::int32_t downloadRate, std::int32_t uploadRate);
  // chkLogging's click, by the user or by the loader: 1 makes the logs
  // folder and starts a file; any other value (also a greyed box) stops.
  void applyChkLogging(int value);
  void setFailures(FileFailures* failures) { failures_ = failures; }

 signals:
  // Both lblLogFile labels show ShortenPath(path).
  void logFilePathChanged(const QString& shortenedPath);
  void loggingStateChanged(bool on);

 private:
  QString folder_;
  const Clock& clock_;
  const RegionalFormat& regional_;
  QString logFilePath_;
  FileFailures* failures_ = nullptr;
};

}  // namespace tavo::monitor
