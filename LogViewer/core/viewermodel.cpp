#include "LogViewer/core/viewermodel.h"

#include <QDir>
#include <QFileInfo>

namespace tavo::logv {

namespace {
QString dateText(const LogSampleArray& samples, std::int32_t index, const RegionalFormat& format) {
  if (!samples.contains(index)) return {};
  const LogSample s = samples.at(index);
  return format.dayHourMinuteShort(fromWallTime(s.when));
}
}  // namespace

StatsLabels statsLabels(const RangeStats& stats, const LogSampleArray& samples, const RegionalFormat& format) {
  StatsLabels l;
  if (stats.count > 0) {
    l.dateMin = dateText(samples, stats.first, format);
    l.dateMax = dateText(samples, stats.last, format);
  }
  l.downloadMax = QString::number(stats.downloadMax);
  l.uploadMax = QString::number(stats.uploadMax);
  l.downloadVolume = QString::number(stats.downloadVolume);
  l.uploadVolume = QString::number(stats.uploadVolume);
  l.downloadMean = QString::number(stats.downloadMean);
  l.uploadMean = QString::number(stats.uploadMean);
  l.sampleCount = QString::number(stats.count);
  return l;
}

QString errorTitle(bool isFrench) {
  return isFrench ? QStringLiteral("Tavo - Erreur") : QStringLiteral("Tavo - Error");
}

QString missingLogText(bool isFrench) {
  return isFrench ? QStringLiteral("     Ce fichier log n'a pu être trouvé.     ")
                  : QStringLiteral("     I did not find this log file.     ");
}

QString unreadableLogText(bool isFrench) {
  return isFrench ? QStringLiteral("     Ce fichier log n'a pu être lu.     ")
                  : QStringLiteral("     I could not read this log file.     ");
}

QString skippedLinesText(bool isFrench, std::int32_t skipped) {
  const QString n = QString::number(skipped);
  if (isFrench) {
    return skipped == 1 ? QStringLiteral("     1 ligne illisible de ce log a été ignorée.     ")
                        : QStringLiteral("     %1 lignes illisibles de ce log ont été ignorées.     ").arg(n);
  }
  return skipped == 1 ? QStringLiteral("     1 unreadable line of this log was skipped.     ")
                      : QStringLiteral("     %1 unreadable lines of this log were skipped.     ").arg(n);
}

LogViewerModel::LogViewerModel(QString programFolder, const QLocale& locale)
    : programFolder_(std::move(programFolder)), format_(locale) {}

QString LogViewerModel::logsFolder() const { return QDir(programFolder_).filePath(QStringLiteral("logs")); }

bool LogViewerModel::InitLogViewer() {
  const QString folder = logsFolder();
  // Whether it could be made is told by the folder being there below (a
  // monitor may make it at the same moment).
  if (!QFileInfo(folder).isDir()) static_cast<void>(QDir(programFolder_).mkdir(QStringLiteral("logs")));
  const QDir logs(folder);
  // Unreadable files are listed too: opening one says so.
  logNames_ = logs.exists() ? logs.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name) : QStringList{};
  palette_ = makeChartPalette();
  UnitWord = QStringLiteral(" heure");
  return logs.exists();
}

ReadLogResult LogViewerModel::openLog(const QString& name) {
  SelectedLogPath = QDir(logsFolder()).filePath(name);
  const ReadLogResult result = ReadLogFile(SelectedLogPath, format_, samples_);
  WholeLogStats = wholeLogRange(samples_.count());
  return result;
}

void LogViewerModel::ShowLogGraph() {
  ComputeRangeStats(WholeLogStats, samples_);
  zoom_ = *ApplyZoom(10);
  scrollValue_ = 1;
  computeVisible();
}

void LogViewerModel::computeVisible() {
  VisibleStats = ComputeVisibleWindow(scrollValue_, zoom_.VisibleSampleCount, samples_.count());
  ComputeRangeStats(VisibleStats, samples_);
}

void LogViewerModel::setScrollValue(std::int32_t value) {
  scrollValue_ = std::clamp(value, scrollMinimum(), scrollMaximum());
  computeVisible();
}

void LogViewerModel::setZoomLevel(std::int16_t level) {
  if (const auto z = ApplyZoom(level)) zoom_ = *z;
  computeVisible();
}

void LogViewerModel::ZoomIn() { setZoomLevel(logv::ZoomIn(zoom_.ZoomLevel)); }
void LogViewerModel::ZoomOut() { setZoomLevel(logv::ZoomOut(zoom_.ZoomLevel)); }

std::pair<QString, QString> LogViewerModel::dragDates(std::int32_t value) const {
  const RangeStats r = ComputeVisibleWindow(value, zoom_.VisibleSampleCount, samples_.count());
  if (r.count <= 0) return {};
  return {dateText(samples_, r.first, format_), dateText(samples_, r.last, format_)};
}

}  // namespace tavo::logv
