#pragma once
// The files the monitor could not use. The tick goes on after a failing
// file step, but the user hears of it once for each file and cause: the
// engine records the failure here and the windows show it. A file that
// works again is forgotten, so a later failure is told again.
#include <QList>
#include <QObject>
#include <QString>

#include <utility>

namespace tavo::monitor {

struct FileFailure {
  enum class Action {
    WriteSessionLine,  // session_stats.csv could not be written
    MoveSessionLines,  // the waiting lines could not be added to all_stats.csv
    ReadSessionLines,  // session_stats.csv could not be read (or is no file)
    KeptAside,         // session_stats.csv held no session lines: renamed
    SessionLineLost,   // at the quit: the session's line has no place at all
    SaveSettings,      // Tavo.ini could not be replaced
    MakeLogsFolder,    // the logs folder could not be made
    AppendLogLine,     // the rate log could not take its line
  };
  Action action = Action::WriteSessionLine;
  QString path;     // the file (or folder) concerned
  QString reason;   // the system's reason
  QString newPath;  // KeptAside: the name the file now has

  bool operator==(const FileFailure& other) const {
    return action == other.action && path == other.path && reason == other.reason && newPath == other.newPath;
  }
};

// The monitor's own reasons, beside the system's.
inline constexpr char kNotSessionLines[] = "not session lines";
inline constexpr char kNotRegularFile[] = "not a regular file";

// The text of a failure's message box, in the monitor's language.
QString fileFailureText(const FileFailure& failure, bool isFrench);

class FileFailures : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // Records a failure; announces it when it is new: not told since the
  // file last worked.
  void failed(const FileFailure& failure);
  // The file works again: its failures may be told anew.
  void succeeded(const QString& path);
  const QList<FileFailure>& current() const { return told_; }

  // Every failure from now on, told before or not (the quit says all).
  void beginCollecting() {
    collected_.clear();
    collecting_ = true;
  }
  QList<FileFailure> endCollecting() {
    collecting_ = false;
    return std::exchange(collected_, {});
  }

 signals:
  void newFailure(const tavo::monitor::FileFailure& failure);

 private:
  QList<FileFailure> told_;
  QList<FileFailure> collected_;
  bool collecting_ = false;
};

}  // namespace tavo::monitor
