#pragma once
// The analyser's data: the sessions read from all_stats.csv, their start
// order, and their folding into day and month rows with the summary
// figures of a list of rows.
#include "Stats/core/calendar.h"
#include "common/bulkread.h"
#include "common/regionaltext.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tavo::stats {

// Session times are wall-clock seconds (common/bulkread.h): session lines
// carry no time zone, so ordering and durations follow the clock as it was
// written, also across a change of daylight saving.
using tavo::fromWallTime;
using tavo::toWallTime;
using tavo::wallDate;
using tavo::WallTime;

// One session line as held in memory; minutes = (end - start) rounded,
// halves to even, and 0 when the end is not after the start.
struct SessionRecord {
  WallTime start = 0;
  WallTime end = 0;
  std::int32_t minutes = 0;
  std::int32_t dlMax = 0;
  std::int32_t ulMax = 0;
  std::int32_t dlVol = 0;
  std::int32_t ulVol = 0;
};

// Reads one line of all_stats.csv; nothing when it cannot be read (fewer
// than six fields, a date-time the regional reading does not accept, a
// number outside 32 bits). Fields after the sixth are ignored.
std::optional<SessionRecord> parseSessionLine(const QString& line, const RegionalFormat& format);
// The same for a line of plain ASCII bytes, its date-times read through
// the reader's cache: the same results as the text form.
std::optional<SessionRecord> parseSessionLine(std::string_view line, WallClockReader& dates);

// The loaded sessions. The table keeps file order; sessionOrder holds the
// indexes into it in start order.
struct SessionStore {
  std::vector<SessionRecord> sessionTable;
  std::int64_t totalMinutes = 0;  // 64 bits: summed over every session
  int skippedLines = 0;           // non-empty lines that could not be read
  std::vector<std::int32_t> sessionOrder;
  WallTime oldestStart = 0;
  WallTime newestStart = 0;

  std::int32_t sessionCount() const { return static_cast<std::int32_t>(sessionTable.size()); }
};

enum class LoadOutcome {
  Loaded,         // at least one session
  NoFile,         // no file
  NothingToLoad,  // the file holds no readable line
  Unreadable,     // a file that cannot be opened, or not read to its end
};

// Reads every line of the statistics file into store (which is emptied
// first). Empty lines are passed over; unreadable ones are counted in
// skippedLines and left out, as are lines longer than longestLine (no
// session line comes near it), whose bytes are never held. The file is read
// as one stream of blocks whatever its size: memory follows the sessions
// kept, not the file. A file that exists but cannot be read whole loads
// nothing and says Unreadable.
[[nodiscard]] LoadOutcome LoadStatistics(const QString& statsFilePath, const RegionalFormat& format,
                                         SessionStore& store, qsizetype longestLine = LineReader::kLongestLine);

// Puts the sessions in ascending start order, equal starts in file order,
// and sets oldestStart and newestStart. Needs at least one session.
void SortSessions(SessionStore& store);

// One day or month that holds at least one session.
struct PeriodRow {
  QString label;  // "dd/mm/yy" or "mmm-yy" of its first session's start
  std::int64_t duration = 0;
  std::int32_t dlMax = 0;
  std::int32_t ulMax = 0;
  std::int64_t dlVol = 0;
  std::int64_t ulVol = 0;
  std::int64_t dlAvg = 0;
  std::int64_t ulAvg = 0;
};

// The figures of a list of rows. Sums are 64 bits wide.
struct PeriodSummary {
  std::int32_t count = 0;
  QDateTime dateMax;
  QDateTime dateMin;
  std::int64_t totalDuration = 0;
  std::vector<PeriodRow> rows;

  std::int32_t maxDl = 0;
  QString maxDlLabel;
  std::int32_t maxUl = 0;
  QString maxUlLabel;
  std::int32_t meanMaxDl = 0;
  std::int32_t meanMaxUl = 0;
  std::int64_t totalDlVol = 0;
  std::int64_t totalUlVol = 0;
  std::int64_t maxDlVol = 0;
  QString maxDlVolLabel;
  std::int64_t maxUlVol = 0;
  QString maxUlVolLabel;
  std::int64_t dlAvg = 0;
  std::int64_t ulAvg = 0;
  std::int64_t maxDlAvg = 0;
  QString maxDlAvgLabel;
  std::int64_t maxUlAvg = 0;
  QString maxUlAvgLabel;
};

// kbit/s over the minutes: (8192 / 60) × MB / minutes, halves to even;
// 0 when there are no minutes. 64 bits, as the volumes it comes from.
std::int64_t averageRate(std::int64_t megabytes, std::int64_t minutes);

// Adds the rows' figures to what the summary already holds (a fresh or
// cleared summary holds zeros). Ties go to the later row. Needs count >= 1.
void ComputePeriodSummary(PeriodSummary& summary);

// Back to zero counts, the zero date-time, zero figures and empty labels;
// the rows are left alone.
void ClearPeriodSummary(PeriodSummary& summary);

enum class PeriodKind { Day, Month };

// Folds the sorted sessions into one row per day or month; label texts
// come from format (dayLabel / monthLabel). Needs at least one session.
PeriodSummary buildPeriodRows(PeriodKind kind, const SessionStore& store, const RegionalFormat& format);
inline PeriodSummary BuildDayRows(const SessionStore& s, const RegionalFormat& f) {
  return buildPeriodRows(PeriodKind::Day, s, f);
}
inline PeriodSummary BuildMonthRows(const SessionStore& s, const RegionalFormat& f) {
  return buildPeriodRows(PeriodKind::Month, s, f);
}

// The label of the period holding date d: the same helper makes row labels
// and chart slot labels, so the two always compare equal.
QString periodLabel(PeriodKind kind, const RegionalFormat& format, const QDate& d);

}  // namespace tavo::stats
