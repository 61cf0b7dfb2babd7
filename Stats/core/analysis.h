#pragma once
// Choosing the analysis window, selecting its rows, and the texts that the
// summary window, the graph windows' panels and the raw-data list show.
// The per-day and the per-month analysis are one implementation, told
// apart by PeriodKind.
#include "Stats/core/calendar.h"
#include "Stats/core/statsdata.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tavo::stats {

// What the entry of an analysis works out from the data's span.
struct WindowChoice {
  QDate firstDataDay;        // first day of the earliest start's month (year)
  QDate lastDataDay;         // last day of the latest start's month (year)
  int periods = 0;           // calendar months (years) spanned, both counted
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
// row was taken. Returns the number of rows taken: none means the window
// holds no session, and the selection has nothing to show.
[[nodiscard]] int selectRows(PeriodKind kind, const PeriodSummary& all, const AnalysisWindow& window,
                             const RegionalFormat& format, PeriodSummary& selection);
[[nodiscard]] inline int SelectDayRows(const PeriodSummary& all, const AnalysisWindow& w, const RegionalFormat& f,
                                       PeriodSummary& sel) {
  return selectRows(PeriodKind::Day, all, w, f, sel);
}
[[nodiscard]] inline int SelectMonthRows(const PeriodSummary& all, const AnalysisWindow& w, const RegionalFormat& f,
                                         PeriodSummary& sel) {
  return selectRows(PeriodKind::Month, all, w, f, sel);
}

// One raw-data line: eight fields right-aligned in 12 characters.
QString rawDataLine(const PeriodRow& row);
// The raw-data list of a selection, one line per row in row order.
QStringList FillRawDataList(const PeriodSummary& selection);

// The value labels that the summary's top block and a graph panel share,
// one member per label, named as the label. T is QString for the texts the
// logic makes and the label type for the window that shows them, so a
// window can never miss a figure nor put one on a label it does not have.
template <class T>
struct MainFigures {
  T lblDmax, lblDateDmax, lblUmax, lblDateUmax, lblDtot, lblUTot, lblDmoy, lblUmoy;
};
template <class A, class B, class F>
void forEachField(MainFigures<A>& a, const MainFigures<B>& b, F f) {
  f(a.lblDmax, b.lblDmax), f(a.lblDateDmax, b.lblDateDmax), f(a.lblUmax, b.lblUmax), f(a.lblDateUmax, b.lblDateUmax);
  f(a.lblDtot, b.lblDtot), f(a.lblUTot, b.lblUTot), f(a.lblDmoy, b.lblDmoy), f(a.lblUmoy, b.lblUmoy);
}

// The labels of one per-day or per-month table, named as the labels less
// their "_j" / "_m".
template <class T>
struct PeriodFigures {
  T lblDmax_moy, lblDmoy_max_date, lblDmoy_max, lblDtot_max_date, lblDtot_max, lblDtot_moy;
  T lblUmax_moy, lblUmoy_max_date, lblUmoy_max, lblUtot_max_date, lblUtot_max, lblUtot_moy;
};
template <class A, class B, class F>
void forEachField(PeriodFigures<A>& a, const PeriodFigures<B>& b, F f) {
  f(a.lblDmax_moy, b.lblDmax_moy), f(a.lblDmoy_max_date, b.lblDmoy_max_date), f(a.lblDmoy_max, b.lblDmoy_max);
  f(a.lblDtot_max_date, b.lblDtot_max_date), f(a.lblDtot_max, b.lblDtot_max), f(a.lblDtot_moy, b.lblDtot_moy);
  f(a.lblUmax_moy, b.lblUmax_moy), f(a.lblUmoy_max_date, b.lblUmoy_max_date), f(a.lblUmoy_max, b.lblUmoy_max);
  f(a.lblUtot_max_date, b.lblUtot_max_date), f(a.lblUtot_max, b.lblUtot_max), f(a.lblUtot_moy, b.lblUtot_moy);
}

// Every value label of the summary window.
template <class T>
struct SummaryFigures {
  T lblNSes, lblDateMax, lblDateMin, lblDur;
  MainFigures<T> main;
  T lblNJour, lblDurJour;
  PeriodFigures<T> days;  // the "_j" labels
  T lblNMois, lblDurMois;
  PeriodFigures<T> months;  // the "_m" labels
};
template <class A, class B, class F>
void forEachField(SummaryFigures<A>& a, const SummaryFigures<B>& b, F f) {
  f(a.lblNSes, b.lblNSes), f(a.lblDateMax, b.lblDateMax), f(a.lblDateMin, b.lblDateMin), f(a.lblDur, b.lblDur);
  forEachField(a.main, b.main, f);
  f(a.lblNJour, b.lblNJour), f(a.lblDurJour, b.lblDurJour);
  forEachField(a.days, b.days, f);
  f(a.lblNMois, b.lblNMois), f(a.lblDurMois, b.lblDurMois);
  forEachField(a.months, b.months, f);
}

// Every value label of a graph window's statistics panel.
template <class T>
struct PanelFigures {
  T lblDateMin, lblDateMax;
  T count;  // lblNJour / lblNMois
  T lblDur;
  T meanDuration;  // lblDurJour / lblDurMois
  MainFigures<T> main;
  PeriodFigures<T> period;  // suffix "_j" or "_m"
};
template <class A, class B, class F>
void forEachField(PanelFigures<A>& a, const PanelFigures<B>& b, F f) {
  f(a.lblDateMin, b.lblDateMin), f(a.lblDateMax, b.lblDateMax), f(a.count, b.count), f(a.lblDur, b.lblDur);
  f(a.meanDuration, b.meanDuration);
  forEachField(a.main, b.main, f);
  forEachField(a.period, b.period, f);
}

using SummaryTexts = SummaryFigures<QString>;
using PanelTexts = PanelFigures<QString>;

SummaryTexts summaryTexts(const SessionStore& store, const PeriodSummary& days, const PeriodSummary& months,
                          const RegionalFormat& format);
PanelTexts panelTexts(const PeriodSummary& selection, const RegionalFormat& format);

// The messages of the analyser (title, text).
struct MessageText {
  QString title;
  QString text;
};
QString errorTitle(bool isFrench);
MessageText noStatisticsMessage(bool isFrench);
MessageText noSessionInPeriodMessage(bool isFrench);
// all_stats.csv is there but could not be read whole (no right to read
// it, a disk error): not the same as a file with no statistics.
MessageText unreadableStatisticsMessage(bool isFrench);
MessageText skippedLinesMessage(bool isFrench, int skipped);

}  // namespace tavo::stats
