#pragma once
// The analyser's module-level state, in one object owned by the program.
#include "core/analysis.h"
#include "core/chart.h"
#include "common/chartpalette.h"
#include "common/regionaltext.h"

#include <QString>

namespace tavo::stats {

struct StatState {
  explicit StatState(const QLocale& locale) : format(locale) {}

  bool isFrench = false;
  QString volumeUnit;     // " MO", or " MB" with the English texts
  QString statsFilePath;  // the program folder's all_stats.csv
  ChartPalette palette = makeChartPalette();
  RegionalFormat format;  // one reader of the regional date-times, reused

  SessionStore sessions;
  PeriodSummary daySummary;
  PeriodSummary monthSummary;
  PeriodSummary selectionSummary;

  WindowChoice choice;    // FirstDataDay, LastDataDay, LastWindowOffset of the last entry
  AnalysisWindow window;  // WindowStart .. WindowEnd

  const PeriodSummary& rowsOf(PeriodKind kind) const { return kind == PeriodKind::Day ? daySummary : monthSummary; }
  ChartInputs chartInputs() const { return ChartInputs{selectionSummary, window, format, palette, volumeUnit}; }
};

}  // namespace tavo::stats
