#pragma once
// Choosing the analysis window, selecting its rows, and the texts that the
// summary window, the graph windows' panels and the raw-data list show.
// The per-day and the per-month analysis are one implementation, told
// apart by PeriodKind.
#include "calendar.h"
#include "statsdata.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tavo::stats {

// What the entry of an analysis works out from the data's span.
struct WindowChoice {
  QDate firstDataDay;     // first day of the earliest start's month (year)
  QDate lastDataDay;      // last day of the latest start's month (year)
  int periods = 0;        // calendar months (years) spanned, both counted
  int lastWindowOffset = 0;  // periods - 2: the picker's largest value
  bool needsPicker = false;  // three periods or more
  AnalysisWindow window;     // the window to run (or the picker's first one)
};

WindowChoice chooseWindow(PeriodKind kind, const QDate& earliestStart, const QDate& latestStart);

// The window that the picker shows at scroll value v: two months (years)
// starting v months (years) after firstDataDay.
AnalysisWindow windowAtOffset(PeriodKind kind, const QDate& firstDataDay, int v);

// The picker's text: "Jan-26 / Feb-26" per day, "2026 / 2027" per month.
QString periodText(PeriodKind kind, const RegionalFormat& format, const AnalysisWindow& window);

// Copies the rows of all that lie in the window into selection (cleared by
// the caller with ClearPeriodSummary) and computes its figures when any
// row was taken. Returns the number of rows taken.
int selectRows(PeriodKind kind, const PeriodSummary& all, const AnalysisWindow& window,
               const RegionalFormat& format, PeriodSummary& selection);
inline int SelectDayRows(const PeriodSummary& all, const AnalysisWindow& w, const RegionalFormat& f,
                         PeriodSummary& sel) {
  return selectRows(PeriodKind::Day, all, w, f, sel);
}
inline int SelectMonthRows(const PeriodSummary& all, const AnalysisWindow& w, const RegionalFormat& f,
                           PeriodSummary& sel) {
  return selectRows(PeriodKind::Month, all, w, f, sel);
}

// One raw-data line: eight fields right-aligned in 12 characters.
QString rawDataLine(const PeriodRow& row);
// The raw-data list of a selection, one line per row in row order.
QStringList FillRawDataList(const PeriodSummary& selection);

// Control name and text, in the order the labels are written.
using LabelTexts = std::vector<std::pair<QString, QString>>;

// Every value label of the summary window.
LabelTexts summaryLabelTexts(const SessionStore& store, const PeriodSummary& days, const PeriodSummary& months,
                             const RegionalFormat& format);

// Every value label of a graph window's statistics panel.
LabelTexts panelLabelTexts(PeriodKind kind, const PeriodSummary& selection, const RegionalFormat& format);

// The messages of the analyser (title, text).
struct MessageText {
  QString title;
  QString text;
};
QString errorTitle(bool isFrench);
MessageText noStatisticsMessage(bool isFrench);
MessageText noSessionInPeriodMessage(bool isFrench);
MessageText skippedLinesMessage(bool isFrench, int skipped);

}  // namespace tavo::stats
