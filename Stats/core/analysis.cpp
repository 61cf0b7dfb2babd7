#include "Stats/core/analysis.h"

namespace tavo::stats {

namespace {

QString num(std::int64_t v) { return QString::number(v); }

// Window end from its start: the last day of the following month (year).
QDate windowEndFor(PeriodKind kind, const QDate& start) {
  return kind == PeriodKind::Day ? LastDayOfMonth(start.addDays(45)) : LastDayOfYear(start.addDays(370));
}

}  // namespace

WindowChoice chooseWindow(PeriodKind kind, const QDate& earliestStart, const QDate& latestStart) {
  WindowChoice c;
  if (kind == PeriodKind::Day) {
    c.firstDataDay = FirstDayOfMonth(earliestStart);
    c.lastDataDay = LastDayOfMonth(latestStart);
    c.periods = CountMonths(c.lastDataDay, c.firstDataDay);
  } else {
    c.firstDataDay = FirstDayOfYear(earliestStart);
    c.lastDataDay = LastDayOfYear(latestStart);
    c.periods = CountYears(c.lastDataDay, c.firstDataDay);
  }
  c.lastWindowOffset = c.periods - 2;
  c.needsPicker = c.periods >= 3;
  c.window.start = c.firstDataDay;
  c.window.end = c.periods == 2 ? c.lastDataDay : windowEndFor(kind, c.firstDataDay);
  return c;
}

AnalysisWindow windowAtOffset(PeriodKind kind, const QDate& firstDataDay, int v) {
  AnalysisWindow w;
  w.start = kind == PeriodKind::Day ? QDate(firstDataDay.year(), firstDataDay.month(), 1).addMonths(v)
                                    : QDate(firstDataDay.year() + v, 1, 1);
  w.end = windowEndFor(kind, w.start);
  return w;
}

QString periodText(PeriodKind kind, const RegionalFormat& format, const AnalysisWindow& window) {
  if (kind == PeriodKind::Day)
    return format.monthLabel(window.start) + QStringLiteral(" / ") + format.monthLabel(window.end);
  return QString::number(window.start.year()) + QStringLiteral(" / ") + QString::number(window.end.year());
}

int selectRows(PeriodKind kind, const PeriodSummary& all, const AnalysisWindow& window, const RegionalFormat& format,
               PeriodSummary& selection) {
  selection.dateMax = QDateTime(window.end, QTime(0, 0));
  selection.dateMin = QDateTime(window.start, QTime(0, 0));
  selection.rows.clear();
  for (std::int32_t i = 0; i < all.count; ++i) {
    const PeriodRow& row = all.rows[static_cast<std::size_t>(i)];
    const bool inside = kind == PeriodKind::Day ? IsInDayWindow(row.label, format.dateSeparator(), window)
                                                : IsInMonthWindow(row.label, window);
    if (!inside) continue;
    selection.rows.push_back(row);
    selection.totalDuration += row.duration;
  }
  selection.count = static_cast<std::int32_t>(selection.rows.size());
  if (selection.count > 0) ComputePeriodSummary(selection);
  return selection.count;
}

QString rawDataLine(const PeriodRow& row) {
  return PadColumn(row.label) + PadColumn(FormatDuration(row.duration)) + PadColumn(num(row.dlMax)) +
         PadColumn(num(row.ulMax)) + PadColumn(num(row.dlVol)) + PadColumn(num(row.ulVol)) + PadColumn(num(row.dlAvg)) +
         PadColumn(num(row.ulAvg));
}

QStringList FillRawDataList(const PeriodSummary& selection) {
  QStringList lines;
  for (std::int32_t i = 0; i < selection.count; ++i) lines << rawDataLine(selection.rows[static_cast<std::size_t>(i)]);
  return lines;
}

namespace {

PeriodFigures<QString> periodFigures(const PeriodSummary& s) {
  return {num(s.meanMaxDl), s.maxDlAvgLabel, num(s.maxDlAvg),
          s.maxDlVolLabel,  num(s.maxDlVol), num(floorQuotient(s.totalDlVol, s.count)),
          num(s.meanMaxUl), s.maxUlAvgLabel, num(s.maxUlAvg),
          s.maxUlVolLabel,  num(s.maxUlVol), num(floorQuotient(s.totalUlVol, s.count))};
}

MainFigures<QString> mainFigures(const PeriodSummary& s) {
  return {num(s.maxDl),      s.maxDlLabel,      num(s.maxUl), s.maxUlLabel,
          num(s.totalDlVol), num(s.totalUlVol), num(s.dlAvg), num(s.ulAvg)};
}

QString meanDuration(const PeriodSummary& s) { return FormatDuration(floorQuotient(s.totalDuration, s.count)); }

}  // namespace

SummaryTexts summaryTexts(const SessionStore& store, const PeriodSummary& days, const PeriodSummary& months,
                          const RegionalFormat& format) {
  SummaryTexts t;
  t.lblNSes = num(store.sessionCount());
  t.lblDateMax = format.dayLabel(wallDate(store.newestStart));
  t.lblDateMin = format.dayLabel(wallDate(store.oldestStart));
  t.lblDur = FormatDuration(store.totalMinutes);
  t.main = mainFigures(days);
  t.lblNJour = num(days.count);
  t.lblDurJour = meanDuration(days);
  t.days = periodFigures(days);
  t.lblNMois = num(months.count);
  t.lblDurMois = meanDuration(months);
  t.months = periodFigures(months);
  return t;
}

PanelTexts panelTexts(const PeriodSummary& s, const RegionalFormat& format) {
  PanelTexts t;
  t.lblDateMin = format.dayLabel(s.dateMin.date());
  t.lblDateMax = format.dayLabel(s.dateMax.date());
  t.count = num(s.count);
  t.lblDur = FormatDuration(s.totalDuration);
  t.meanDuration = meanDuration(s);
  t.main = mainFigures(s);
  t.period = periodFigures(s);
  return t;
}

QString errorTitle(bool isFrench) {
  return isFrench ? QStringLiteral("Tavo - Erreur") : QStringLiteral("Tavo - Error");
}

MessageText noStatisticsMessage(bool isFrench) {
  return {errorTitle(isFrench), isFrench ? QStringLiteral("     Aucunes statistiques enregistrées.     ")
                                         : QStringLiteral("     No Statistics recorded on disk.     ")};
}

MessageText noSessionInPeriodMessage(bool isFrench) {
  return {errorTitle(isFrench), isFrench ? QStringLiteral("     Pas de session pour cette période.     ")
                                         : QStringLiteral("     No session for this period of time.     ")};
}

MessageText unreadableStatisticsMessage(bool isFrench) {
  return {errorTitle(isFrench),
          isFrench ? QStringLiteral("     Le fichier all_stats.csv n'a pas pu être lu en entier : aucune statistique "
                                    "n'est affichée.     ")
                   : QStringLiteral("     The file all_stats.csv could not be read whole: no statistics are "
                                    "shown.     ")};
}

MessageText skippedLinesMessage(bool isFrench, int skipped) {
  if (isFrench)
    return {errorTitle(true),
            QStringLiteral("     %1 ligne(s) illisible(s) de all_stats.csv ignorée(s) : les autres sessions sont "
                           "chargées.     ")
                .arg(skipped)};
  return {errorTitle(false),
          QStringLiteral("     %1 unreadable line(s) of all_stats.csv skipped: the other sessions are loaded.     ")
              .arg(skipped)};
}

}  // namespace tavo::stats
