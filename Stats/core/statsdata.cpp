#include "Stats/core/statsdata.h"

#include "common/numbers.h"
#include "common/units.h"

#include <QFileInfo>
#include <QStringView>
#include <algorithm>
#include <limits>

namespace tavo::stats {

namespace {

// The seconds as whole minutes, halves to even, held in 32 bits: the same
// as rounding seconds / 60.0, in integers (every wall time difference is far
// below the 2^52 up to which the division is exact enough). A session that
// ends before it starts (the clock set back, or the autumn change of time,
// both written in local time) lasted no time we can tell: 0 minutes, so no
// total, mean or rate made from it turns negative.
std::int32_t roundedMinutes(std::int64_t seconds) {
  if (seconds <= 0) return 0;
  std::int64_t q = seconds / 60;
  const std::int64_t r = seconds % 60;
  if (r > 30 || (r == 30 && q % 2 != 0)) ++q;
  return static_cast<std::int32_t>(std::min<std::int64_t>(q, std::numeric_limits<std::int32_t>::max()));
}

// A whole number of kbit/s held in 64 bits; beyond them (out of reach of
// sums of 32-bit volumes) the nearest end.
std::int64_t clampToInt64(double value) {
  constexpr double kTop = 9223372036854775807.0;  // 2^63 as a double
  if (value >= kTop) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kTop) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

template <class View, class ReadDate, class ReadNumber>
std::optional<SessionRecord> parseFields(View line, ReadDate&& readDate, ReadNumber&& readNumber) {
  // Up to the sixth ";"-field; the rest of the line is not looked at.
  View fields[6];
  qsizetype from = 0;
  const auto size = static_cast<qsizetype>(line.size());
  for (int k = 0; k < 6; ++k) {
    if (from > size) return std::nullopt;
    qsizetype to = findSemicolon(line, from);
    if (to < 0) {
      if (k < 5) return std::nullopt;
      to = size;
    }
    fields[k] = fieldOf(line, from, to - from);
    from = to + 1;
  }
  // Read as the wall-clock date and time that were written: no time zone
  // look-up per field, and no daylight-saving shift of the durations.
  const std::optional<WallTime> start = readDate(fields[0]);
  if (!start) return std::nullopt;
  const std::optional<WallTime> end = readDate(fields[1]);
  if (!end) return std::nullopt;
  std::int32_t numbers[4];
  for (int k = 0; k < 4; ++k)
    if (!readNumber(fields[2 + k], numbers[k])) return std::nullopt;
  SessionRecord r;
  r.start = *start;
  r.end = *end;
  r.minutes = roundedMinutes(r.end - r.start);
  r.dlMax = numbers[0];
  r.ulMax = numbers[1];
  r.dlVol = numbers[2];
  r.ulVol = numbers[3];
  return r;
}

}  // namespace

std::optional<SessionRecord> parseSessionLine(const QString& line, const RegionalFormat& format) {
  const auto date = [&format](QStringView field) -> std::optional<WallTime> {
    const auto parts = format.parseDateTimeParts(field.toString());
    if (!parts) return std::nullopt;
    return toWallTime(parts->first, parts->second);
  };
  return parseFields(QStringView(line), date, readInt32Text);
}

std::optional<SessionRecord> parseSessionLine(std::string_view line, WallClockReader& dates) {
  const auto date = [&dates](std::string_view field) { return dates.read(field); };
  return parseFields(line, date, readInt32Ascii);
}

LoadOutcome LoadStatistics(const QString& statsFilePath, const RegionalFormat& format, SessionStore& store,
                           qsizetype longestLine) {
  store = SessionStore{};
  if (!QFileInfo::exists(statsFilePath)) return LoadOutcome::NoFile;
  LineReader file(statsFilePath, longestLine);
  if (!file.open()) return LoadOutcome::Unreadable;
  // The table grows with the sessions found, not with the file: a huge
  // file of garbage (or of NUL bytes) costs no memory.
  WallClockReader dates(format);
  const auto keep = [&store](const std::optional<SessionRecord>& record) {
    if (!record) return false;
    store.totalMinutes += record->minutes;
    store.sessionTable.push_back(*record);
    return true;
  };
  const RecordLinesResult read = readRecordLines(
      file, [&](std::string_view bytes) { return keep(parseSessionLine(bytes, dates)); },
      [&](const QString& text) { return keep(parseSessionLine(text, format)); });
  if (!read.readWhole) {
    store = SessionStore{};
    return LoadOutcome::Unreadable;
  }
  store.skippedLines = static_cast<int>(std::min<std::int64_t>(read.unreadableLines, std::numeric_limits<int>::max()));
  store.sessionTable.shrink_to_fit();
  return store.sessionTable.empty() ? LoadOutcome::NothingToLoad : LoadOutcome::Loaded;
}

void SortSessions(SessionStore& store) {
  const auto& table = store.sessionTable;
  auto& order = store.sessionOrder;
  const std::size_t n = table.size();
  order.resize(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = static_cast<std::int32_t>(i);
  const auto byStart = [&](std::int32_t a, std::int32_t b) { return table[a].start < table[b].start; };
  // The monitor writes in closing order, so the table is nearly always one
  // ascending run, or a few (a file put together from pieces, a file
  // turned round). Runs that fall strictly are turned round (no equal
  // starts to keep in order), then neighbouring runs are merged stably, so
  // equal starts keep file order; many runs go to a stable sort instead.
  std::vector<std::size_t> bounds{0};
  constexpr std::size_t kMostRuns = 64;
  for (std::size_t i = 0; i < n && bounds.size() <= kMostRuns;) {
    std::size_t j = i + 1;
    if (j < n && byStart(order[j], order[i])) {
      while (j < n && byStart(order[j], order[j - 1])) ++j;
      std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i), order.begin() + static_cast<std::ptrdiff_t>(j));
    } else {
      while (j < n && !byStart(order[j], order[j - 1])) ++j;
    }
    bounds.push_back(j);
    i = j;
  }
  if (bounds.size() > kMostRuns) {
    for (std::size_t i = 0; i < n; ++i) order[i] = static_cast<std::int32_t>(i);
    std::stable_sort(order.begin(), order.end(), byStart);
  } else {
    while (bounds.size() > 2) {
      std::vector<std::size_t> merged{0};
      std::size_t k = 0;
      for (; k + 2 < bounds.size(); k += 2) {
        const auto at = [&](std::size_t b) { return order.begin() + static_cast<std::ptrdiff_t>(bounds[b]); };
        std::inplace_merge(at(k), at(k + 1), at(k + 2), byStart);
        merged.push_back(bounds[k + 2]);
      }
      if (k + 1 < bounds.size()) merged.push_back(bounds.back());
      bounds = std::move(merged);
    }
  }
  if (table.empty()) return;
  store.oldestStart = table[order.front()].start;
  store.newestStart = table[order.back()].start;
}

std::int64_t averageRate(std::int64_t megabytes, std::int64_t minutes) {
  if (minutes <= 0) return 0;
  // 64 bits as the volumes: a day of a few minutes at 10 Gbit/s passes 2^31
  // kbit/s, and a clamp there would make rows tie.
  return clampToInt64(
      roundHalfEven((kKbitPerMegabyte / 60.0) * static_cast<double>(megabytes) / static_cast<double>(minutes)));
}

void ComputePeriodSummary(PeriodSummary& s) {
  std::int64_t sumMaxDl = 0, sumMaxUl = 0;  // 64 bits: a sum of rates over years of days
  for (std::int32_t i = 0; i < s.count; ++i) {
    const PeriodRow& r = s.rows[static_cast<std::size_t>(i)];
    const auto keepHighest = [&r](auto value, auto& highest, QString& label) {
      if (value < highest) return;
      highest = value;
      label = r.label;
    };
    keepHighest(r.dlMax, s.maxDl, s.maxDlLabel);
    keepHighest(r.dlVol, s.maxDlVol, s.maxDlVolLabel);
    keepHighest(r.dlAvg, s.maxDlAvg, s.maxDlAvgLabel);
    keepHighest(r.ulMax, s.maxUl, s.maxUlLabel);
    keepHighest(r.ulVol, s.maxUlVol, s.maxUlVolLabel);
    keepHighest(r.ulAvg, s.maxUlAvg, s.maxUlAvgLabel);
    sumMaxDl += r.dlMax;
    sumMaxUl += r.ulMax;
    s.totalDlVol += r.dlVol;
    s.totalUlVol += r.ulVol;
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
  // The calendar is asked once a day of sessions, not once a session.
  auto key = [kind](qint64 julianDay) {
    if (kind == PeriodKind::Day) return julianDay;
    const QDate d = QDate::fromJulianDay(julianDay);
    return static_cast<qint64>(d.year()) * 12 + d.month();
  };
  qint64 previousKey = 0;
  qint64 day = 0;
  qint64 k = 0;
  bool first = true;
  for (const std::int32_t index : store.sessionOrder) {
    const SessionRecord& r = store.sessionTable[static_cast<std::size_t>(index)];
    const qint64 sessionDay = wallJulianDay(r.start);
    if (first || sessionDay != day) {
      day = sessionDay;
      k = key(day);
    }
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
