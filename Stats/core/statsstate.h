#pragma once
// The analyser's module-level state, in one object owned by the program.
#include "Stats/core/analysis.h"
#include "Stats/core/chart.h"
#include "common/chartpalette.h"
#include "common/regionaltext.h"

#include <QString>

namespace tavo::stats {

struct StatsState {
  explicit StatsState(const QLocale& locale) : format(locale) {}

  bool IsFrench = false;
  QString VolumeUnit;     // " MO", or " MB" with the English texts
  QString StatsFilePath;  // the program folder's all_stats.csv
  ChartPalette palette = makeChartPalette();
  RegionalFormat format;  // one reader of the regional date-times, reused

  SessionStore sessions;
  PeriodSummary DaySummary;
  PeriodSummary MonthSummary;
  PeriodSummary SelectionSummary;

  WindowChoice choice;    // FirstDataDay, LastDataDay, LastWindowOffset of the last entry
  AnalysisWindow window;  // WindowStart .. WindowEnd

  const PeriodSummary& rowsOf(PeriodKind kind) const { return kind == PeriodKind::Day ? DaySummary : MonthSummary; }
  ChartInputs chartInputs() const { return ChartInputs{SelectionSummary, window, format, palette, VolumeUnit}; }
};

}  // namespace tavo::stats
