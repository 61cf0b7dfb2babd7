#include "analysis.h"

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
         PadColumn(num(row.ulMax)) + PadColumn(num(row.dlVol)) + PadColumn(num(row.ulVol)) +
         PadColumn(num(row.dlAvg)) + PadColumn(num(row.ulAvg));
}

QStringList FillRawDataList(const PeriodSummary& selection) {
  QStringList lines;
  for (std::int32_t i = 0; i < selection.count; ++i) lines << rawDataLine(selection.rows[static_cast<std::size_t>(i)]);
  return lines;
}

namespace {

// The labels that the summary window and the graph panels name alike;
// suffix is "_j" for days and "_m" for months.
void appendPeriodFigures(LabelTexts& out, const PeriodSummary& s, const QString& suffix) {
  out.emplace_back(QStringLiteral("lblDmax_moy") + suffix, num(s.meanMaxDl));
  out.emplace_back(QStringLiteral("lblDmoy_max_date") + suffix, s.maxDlAvgLabel);
  out.emplace_back(QStringLiteral("lblDmoy_max") + suffix, num(s.maxDlAvg));
  out.emplace_back(QStringLiteral("lblDtot_max_date") + suffix, s.maxDlVolLabel);
  out.emplace_back(QStringLiteral("lblDtot_max") + suffix, num(s.maxDlVol));
  out.emplace_back(QStringLiteral("lblDtot_moy") + suffix, num(floorQuotient(s.totalDlVol, s.count)));
  out.emplace_back(QStringLiteral("lblUmax_moy") + suffix, num(s.meanMaxUl));
  out.emplace_back(QStringLiteral("lblUmoy_max_date") + suffix, s.maxUlAvgLabel);
  out.emplace_back(QStringLiteral("lblUmoy_max") + suffix, num(s.maxUlAvg));
  out.emplace_back(QStringLiteral("lblUtot_max_date") + suffix, s.maxUlVolLabel);
  out.emplace_back(QStringLiteral("lblUtot_max") + suffix, num(s.maxUlVol));
  out.emplace_back(QStringLiteral("lblUtot_moy") + suffix, num(floorQuotient(s.totalUlVol, s.count)));
}

void appendMainFigures(LabelTexts& out, const PeriodSummary& s) {
  out.emplace_back(QStringLiteral("lblDmax"), num(s.maxDl));
  out.emplace_back(QStringLiteral("lblDateDmax"), s.maxDlLabel);
  out.emplace_back(QStringLiteral("lblUmax"), num(s.maxUl));
  out.emplace_back(QStringLiteral("lblDateUmax"), s.maxUlLabel);
  out.emplace_back(QStringLiteral("lblDtot"), num(s.totalDlVol));
  out.emplace_back(QStringLiteral("lblUTot"), num(s.totalUlVol));
  out.emplace_back(QStringLiteral("lblDmoy"), num(s.dlAvg));
  out.emplace_back(QStringLiteral("lblUmoy"), num(s.ulAvg));
}

}  // namespace

LabelTexts summaryLabelTexts(const SessionStore& store, const PeriodSummary& days, const PeriodSummary& months,
                             const RegionalFormat& format) {
  LabelTexts out;
  out.emplace_back(QStringLiteral("lblNSes"), num(store.sessionCount()));
  out.emplace_back(QStringLiteral("lblDateMax"), format.dayLabel(wallDate(store.newestStart)));
  out.emplace_back(QStringLiteral("lblDateMin"), format.dayLabel(wallDate(store.oldestStart)));
  out.emplace_back(QStringLiteral("lblDur"), FormatDuration(store.totalMinutes));
  appendMainFigures(out, days);
  out.emplace_back(QStringLiteral("lblNJour"), num(days.count));
  out.emplace_back(QStringLiteral("lblDurJour"), FormatDuration(floorQuotient(days.totalDuration, days.count)));
  appendPeriodFigures(out, days, QStringLiteral("_j"));
  out.emplace_back(QStringLiteral("lblNMois"), num(months.count));
  out.emplace_back(QStringLiteral("lblDurMois"), FormatDuration(floorQuotient(months.totalDuration, months.count)));
  appendPeriodFigures(out, months, QStringLiteral("_m"));
  return out;
}

LabelTexts panelLabelTexts(PeriodKind kind, const PeriodSummary& s, const RegionalFormat& format) {
  const bool day = kind == PeriodKind::Day;
  LabelTexts out;
  out.emplace_back(QStringLiteral("lblDateMin"), format.dayLabel(s.dateMin.date()));
  out.emplace_back(QStringLiteral("lblDateMax"), format.dayLabel(s.dateMax.date()));
  out.emplace_back(day ? QStringLiteral("lblNJour") : QStringLiteral("lblNMois"), num(s.count));
  out.emplace_back(QStringLiteral("lblDur"), FormatDuration(s.totalDuration));
  out.emplace_back(day ? QStringLiteral("lblDurJour") : QStringLiteral("lblDurMois"),
                   FormatDuration(floorQuotient(s.totalDuration, s.count)));
  appendMainFigures(out, s);
  appendPeriodFigures(out, s, day ? QStringLiteral("_j") : QStringLiteral("_m"));
  return out;
}

QString errorTitle(bool isFrench) { return isFrench ? QStringLiteral("Tavo - Erreur") : QStringLiteral("Tavo - Error"); }

MessageText noStatisticsMessage(bool isFrench) {
  return {errorTitle(isFrench), isFrench ? QStringLiteral("     Aucunes statistiques enregistrées.     ")
                                         : QStringLiteral("     No Statistics recorded on disk.     ")};
}

MessageText noSessionInPeriodMessage(bool isFrench) {
  return {errorTitle(isFrench), isFrench ? QStringLiteral("     Pas de session pour cette période.     ")
                                         : QStringLiteral("     No session for this period of time.     ")};
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
