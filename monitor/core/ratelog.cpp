#include "monitor/core/ratelog.h"

#include <cerrno>
#include <cstring>
#include <tuple>

#include "common/textfile.h"
#include "monitor/core/displaytexts.h"

#include <QDir>
#include <QFileInfo>

namespace tavo::monitor {

namespace {
const QString kLoggingOff = QStringLiteral("----");
}

RateLog::RateLog(const QString& folder, const Clock& clock, const RegionalFormat& regional, QObject* parent)
    : QObject(parent), folder_(folder), clock_(clock), regional_(regional), logFilePath_(kLoggingOff) {}

bool RateLog::logging() const { return logFilePath_ != kLoggingOff; }

QString RateLog::logsFolder() const { return folder_ + QStringLiteral("/logs"); }

void RateLog::StartNewLogFile(bool on) {
  // Two starts within one minute give the same name: the second continues
  // the first file.
  logFilePath_ =
      on ? logsFolder() + QLatin1Char('/') + logBaseName(clock_.now()) + QStringLiteral(".csv") : kLoggingOff;
  emit logFilePathChanged(ShortenPath(logFilePath_));
}

bool RateLog::EnsureLogsFolder() {
  if (QFileInfo(logsFolder()).isDir()) return true;
  if (QDir(folder_).mkdir(QStringLiteral("logs"))) {
    if (failures_) failures_->succeeded(logsFolder());
    return true;
  }
  if (!failures_) return false;
  // mkdir gives no reason; the folder's state tells it.
  const QFileInfo logs(logsFolder());
  const QString reason = logs.exists() || logs.isSymLink()  ? QString::fromLocal8Bit(std::strerror(EEXIST))
                         : !QFileInfo(folder_).isWritable() ? QString::fromLocal8Bit(std::strerror(EACCES))
                                                            : QString();
  failures_->failed({FileFailure::Action::MakeLogsFolder, logsFolder(), reason, {}});
  return false;
}

bool RateLog::AppendLogLine(std::int32_t downloadRate, std::int32_t uploadRate) {
  if (logFilePath_ == kLoggingOff) return true;  // nothing asked, nothing lost
  const QChar sep(QLatin1Char(';'));
  QString error;
  const bool appended = appendLineDurably(
      logFilePath_,
      regional_.dateTimeText(clock_.now()) + sep + QString::number(downloadRate) + sep + QString::number(uploadRate),
      &error);
  if (failures_) {
    if (appended) failures_->succeeded(logFilePath_);
    else failures_->failed({FileFailure::Action::AppendLogLine, logFilePath_, error, {}});
  }
  return appended;
}

void RateLog::applyChkLogging(int value) {
  const bool on = value == 1;
  // Only switching logging on makes the folder: a folder deleted while
  // logging stays away until logging is switched off and on.
  // A folder that cannot be made is told by EnsureLogsFolder; the log
  // still starts, so each minute's append tries again (and a folder made
  // by the user meanwhile is used).
  if (on) std::ignore = EnsureLogsFolder();
  StartNewLogFile(on);
  emit loggingStateChanged(on);
}

}  // namespace tavo::monitor
