#include "statsdata.h"

#include "common/numbers.h"
#include "common/textfile.h"

#include <QStringView>
#include <algorithm>

namespace tavo::stats {

namespace {
constexpr std::int64_t kSecondsPerDay = 86400;
}

WallTime toWallTime(const QDate& date, const QTime& time) {
  return date.toJulianDay() * kSecondsPerDay + time.msecsSinceStartOfDay() / 1000;
}

QDateTime fromWallTime(WallTime t) {
  const std::int64_t day = t >= 0 ? t / kSecondsPerDay : (t - kSecondsPerDay + 1) / kSecondsPerDay;
  const auto secs = static_cast<int>(t - day * kSecondsPerDay);
  return QDateTime(QDate::fromJulianDay(day), QTime(0, 0).addSecs(secs));
}

std::optional<SessionRecord> parseSessionLine(const QString& line, const RegionalFormat& format) {
  // Up to the sixth ";"-field; the rest of the line is not looked at.
  QString fields[6];
  qsizetype from = 0;
  for (int k = 0; k < 6; ++k) {
    if (from > line.size()) return std::nullopt;
    qsizetype to = line.indexOf(QLatin1Char(';'), from);
    if (to < 0) {
      if (k < 5) return std::nullopt;
      to = line.size();
    }
    fields[k] = line.mid(from, to - from);
    from = to + 1;
  }
  // Read as the wall-clock date and time that were written: no time zone
  // look-up per field, and no daylight-saving shift of the durations.
  const auto start = format.parseDateTimeParts(fields[0]);
  if (!start) return std::nullopt;
  const auto end = format.parseDateTimeParts(fields[1]);
  if (!end) return std::nullopt;
  std::optional<std::int32_t> numbers[4];
  for (int k = 0; k < 4; ++k) {
    numbers[k] = readInt32Checked(fields[2 + k]);
    if (!numbers[k]) return std::nullopt;
  }
  SessionRecord r;
  r.start = toWallTime(start->first, start->second);
  r.end = toWallTime(end->first, end->second);
  r.minutes = clampToInt32(roundHalfEven(static_cast<double>(r.end - r.start) / 60.0));
  r.dlMax = *numbers[0];
  r.ulMax = *numbers[1];
  r.dlVol = *numbers[2];
  r.ulVol = *numbers[3];
  return r;
}

LoadOutcome LoadStatistics(const QString& statsFilePath, const RegionalFormat& format, SessionStore& store) {
  store = SessionStore{};
  const TextReadResult file = readTextLines(statsFilePath);
  if (!file.ok) return LoadOutcome::NoFile;
  store.sessionTable.reserve(static_cast<std::size_t>(file.lines.size()));
  for (const QString& line : file.lines) {
    if (line.isEmpty()) continue;
    const auto record = parseSessionLine(line, format);
    if (!record) {
      ++store.skippedLines;
      continue;
    }
    store.totalMinutes += record->minutes;
    store.sessionTable.push_back(*record);
  }
  store.sessionTable.shrink_to_fit();
  return store.sessionTable.empty() ? LoadOutcome::NothingToLoad : LoadOutcome::Loaded;
}

void SortSessions(SessionStore& store) {
  const auto& table = store.sessionTable;
  store.sessionOrder.resize(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) store.sessionOrder[i] = static_cast<std::int32_t>(i);
  // The monitor writes in closing order, so the table is nearly always
  // sorted already; otherwise a stable sort keeps equal starts in file order.
  const auto byStart = [&](std::int32_t a, std::int32_t b) { return table[a].start < table[b].start; };
  if (!std::is_sorted(store.sessionOrder.begin(), store.sessionOrder.end(), byStart))
    std::stable_sort(store.sessionOrder.begin(), store.sessionOrder.end(), byStart);
  if (table.empty()) return;
  store.oldestStart = table[store.sessionOrder.front()].start;
  store.newestStart = table[store.sessionOrder.back()].start;
}

std::int32_t averageRate(std::int64_t megabytes, std::int64_t minutes) {
  if (minutes == 0) return 0;
  return clampToInt32(roundHalfEven((8192.0 / 60.0) * static_cast<double>(megabytes) / static_cast<double>(minutes)));
}

void ComputePeriodSummary(PeriodSummary& s) {
  std::int64_t sumMaxDl = 0, sumMaxUl = 0;  // 64 bits: a sum of rates over years of days
  for (std::int32_t i = 0; i < s.count; ++i) {
    const PeriodRow& r = s.rows[static_cast<std::size_t>(i)];
    if (r.dlMax >= s.maxDl) { s.maxDl = r.dlMax; s.maxDlLabel = r.label; }
    sumMaxDl += r.dlMax;
    s.totalDlVol += r.dlVol;
    if (r.dlVol >= s.maxDlVol) { s.maxDlVol = r.dlVol; s.maxDlVolLabel = r.label; }
    if (r.dlAvg >= s.maxDlAvg) { s.maxDlAvg = r.dlAvg; s.maxDlAvgLabel = r.label; }
    if (r.ulMax >= s.maxUl) { s.maxUl = r.ulMax; s.maxUlLabel = r.label; }
    sumMaxUl += r.ulMax;
    s.totalUlVol += r.ulVol;
    if (r.ulVol >= s.maxUlVol) { s.maxUlVol = r.ulVol; s.maxUlVolLabel = r.label; }
    if (r.ulAvg >= s.maxUlAvg) { s.maxUlAvg = r.ulAvg; s.maxUlAvgLabel = r.label; }
  }
  if (s.count > 0) {
    s.meanMaxDl = clampToInt32(roundHalfEven(static_cast<double>(sumMaxDl) / s.count));
    s.meanMaxUl = clampToInt32(roundHalfEven(static_cast<double>(sumMaxUl) / s.count));
  }
  s.dlAvg = averageRate(s.totalDlVol, s.totalDuration);
  s.ulAvg = averageRate(s.totalUlVol, s.totalDuration);
}

void ClearPeriodSummary(PeriodSummary& s) {
  std::vector<PeriodRow> rows = std::move(s.rows);
  s = PeriodSummary{};
  s.rows = std::move(rows);
  s.dateMax = s.dateMin = QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

QString periodLabel(PeriodKind kind, const RegionalFormat& format, const QDate& d) {
  return kind == PeriodKind::Day ? format.dayLabel(d) : format.monthLabel(d);
}

PeriodSummary buildPeriodRows(PeriodKind kind, const SessionStore& store, const RegionalFormat& format) {
  PeriodSummary s;
  s.dateMax = fromWallTime(store.newestStart);
  s.dateMin = fromWallTime(store.oldestStart);
  s.totalDuration = store.totalMinutes;
  // Grouping by calendar day (or month) of the start, as the "ddmmyyyy"
  // ("mmyyyy") keys of two neighbouring sessions compare.
  auto key = [kind](const SessionRecord& r) {
    const QDate d = wallDate(r.start);
    return kind == PeriodKind::Day ? d.toJulianDay() : static_cast<qint64>(d.year()) * 12 + d.month();
  };
  qint64 previousKey = 0;
  bool first = true;
  for (const std::int32_t index : store.sessionOrder) {
    const SessionRecord& r = store.sessionTable[static_cast<std::size_t>(index)];
    const qint64 k = key(r);
    if (first || k != previousKey) {
      PeriodRow row;
      row.label = periodLabel(kind, format, wallDate(r.start));
      row.duration = r.minutes;
      row.dlMax = r.dlMax;
      row.ulMax = r.ulMax;
      row.dlVol = r.dlVol;
      row.ulVol = r.ulVol;
      s.rows.push_back(std::move(row));
    } else {
      PeriodRow& row = s.rows.back();
      row.duration += r.minutes;
      row.dlMax = static_cast<std::int32_t>(MaxLong(r.dlMax, row.dlMax));
      row.ulMax = static_cast<std::int32_t>(MaxLong(r.ulMax, row.ulMax));
      row.dlVol += r.dlVol;
      row.ulVol += r.ulVol;
    }
    previousKey = k;
    first = false;
  }
  for (PeriodRow& row : s.rows) {
    row.dlAvg = averageRate(row.dlVol, row.duration);
    row.ulAvg = averageRate(row.ulVol, row.duration);
  }
  s.rows.shrink_to_fit();
  s.count = static_cast<std::int32_t>(s.rows.size());
  if (s.count > 0) ComputePeriodSummary(s);
  return s;
}

}  // namespace tavo::stats
