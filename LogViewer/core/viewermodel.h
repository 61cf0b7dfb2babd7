#pragma once
// The log viewer's program state: the language, the list of logs, the log
// being shown with its statistics, the zoom and the visible window. The
// windows only show what this holds and forward the user's actions.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "LogViewer/core/logfile.h"
#include "LogViewer/core/zoom.h"
#include "common/chartpalette.h"
#include "common/regionaltext.h"

namespace tavo::logv {

// The value texts of one statistics frame.
struct StatsLabels {
  QString dateMin, dateMax;
  QString downloadMax, uploadMax;
  QString downloadVolume, uploadVolume;
  QString downloadMean, uploadMean;
  QString sampleCount;
};

// Dates "dd/mm/yy -- h:mm" of the range's first and last samples (empty
// when the range holds none) and the figures as plain decimal text.
StatsLabels statsLabels(const RangeStats& stats, const LogSampleArray& samples, const RegionalFormat& format);

// Message texts and titles of the viewer's message boxes.
QString errorTitle(bool isFrench);
QString missingLogText(bool isFrench);
QString unreadableLogText(bool isFrench);
QString skippedLinesText(bool isFrench, std::int32_t skipped);

class LogViewerModel {
 public:
  // programFolder holds the logs folder; dates are read under locale.
  explicit LogViewerModel(QString programFolder, const QLocale& locale = QLocale());

  // Creates the logs folder when missing, reads the list of logs once,
  // fills the palette and sets the hour word to " heure". False when the
  // folder is still missing afterwards (the list is then empty).
  [[nodiscard]] bool InitLogViewer();
  void ApplyEnglishUnitWord() { UnitWord = QStringLiteral(" hour"); }

  QString logsFolder() const;
  // The "*.csv" files of the logs folder in name order, as read at start-up.
  const QStringList& logNames() const { return logNames_; }

  // ClearSamples and ReadLogFile for one listed name; sets SelectedLogPath
  // and the whole-log range.
  [[nodiscard]] ReadLogResult openLog(const QString& name);

  // The whole-log figures, zoom level 10 and the window at the first sample.
  void ShowLogGraph();

  // The visible window for a new scroll value, with its figures.
  void setScrollValue(std::int32_t value);
  std::int32_t scrollValue() const { return scrollValue_; }
  std::int32_t scrollMinimum() const { return 1; }
  // Every sample can become the first one of the window, however long the log.
  std::int32_t scrollMaximum() const { return std::max<std::int32_t>(samples_.count(), 1); }
  bool scrollEnabled() const { return samples_.count() > 60; }

  // Changes the level (if it can) and recomputes the window from the same
  // first sample.
  void ZoomIn();
  void ZoomOut();
  void setZoomLevel(std::int16_t level);

  // The two visible-part dates while the thumb is dragged to value, bounded
  // like the window itself.
  std::pair<QString, QString> dragDates(std::int32_t value) const;

  StatsLabels FillWholeLogLabels() const { return statsLabels(WholeLogStats, samples_, format_); }
  StatsLabels FillVisibleLabels() const { return statsLabels(VisibleStats, samples_, format_); }
  QString scaleLabel() const { return scaleText(zoom_.ZoomLevel, UnitWord); }

  const LogSampleArray& samples() const { return samples_; }
  const ZoomGeometry& zoom() const { return zoom_; }
  const RegionalFormat& format() const { return format_; }
  const ChartPalette& palette() const { return palette_; }

  bool isFrench = false;
  QString UnitWord = QStringLiteral(" heure");
  QString SelectedLogPath;
  RangeStats WholeLogStats;
  RangeStats VisibleStats;

 private:
  void computeVisible();

  QString programFolder_;
  RegionalFormat format_;
  ChartPalette palette_ = makeChartPalette();
  QStringList logNames_;
  LogSampleArray samples_;
  ZoomGeometry zoom_;
  std::int32_t scrollValue_ = 1;
};

}  // namespace tavo::logv
