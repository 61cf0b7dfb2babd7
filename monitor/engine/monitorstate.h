#pragma once
// The monitor's measuring state: the interface table, the counters, the
// four rate rings with their time labels, and the mini-graph bars.
#include <QDateTime>
#include <QString>
#include <QTime>
#include <array>
#include <cstdint>

namespace tavo::monitor {

inline constexpr int kTableEntries = 11;   // entry 0 = all interfaces, 1..10 = first ten rows
inline constexpr int kRingSlots = 600;
inline constexpr int GraphWidth = 60;       // bars of the mini graph
inline constexpr int GraphHeight = 50;      // pixels at full scale

// One entry of the interface table. The counters are the monitor's own
// running byte counts of the entry: they start at the kernel's reading
// and then grow by the deltas between two readings of the same interface
// (matched by name), so a restarted or renumbered interface never makes
// them jump or step back.
struct InterfaceEntry {
  QString description;          // interface name (entry 0: "All interfaces" text)
  std::uint64_t inOctets = 0;   // received bytes, monotonic
  std::uint64_t outOctets = 0;  // sent bytes, monotonic
  bool present = false;         // seen in the latest reading (entry 0: a reading succeeded once)
};

struct InterfaceTable {
  std::array<InterfaceEntry, kTableEntries> entries;
  int InterfaceCount = 0;      // rows of the last successful reading (may exceed 10)
  int SelectedInterface = 0;   // watched entry, 0..10
};

// UL = sent bytes, DL = received bytes. Deltas and rates in 64 bits.
struct MonitorCounters {
  std::uint64_t CurIn = 0, CurOut = 0, PrevIn = 0, PrevOut = 0;
  std::uint64_t DeltaDL = 0, DeltaUL = 0;       // bytes of the last tick
  std::int64_t KbitDL = 0, KbitUL = 0;          // whole kbit/s
  std::int64_t KbyteDL = 0, KbyteUL = 0;        // whole kB/s
  QDateTime CountStart;
  double MBytesDL = 0, MBytesUL = 0;            // since CountStart
  double MBytesShownDL = 0, MBytesShownUL = 0;  // one decimal, halves to even
  std::int64_t MaxDL = 0, MaxUL = 0;            // highest kbit/s since CountStart
  std::int64_t MeanDL = 0, MeanUL = 0;          // kbit/s since CountStart (negative after the clock went back)
  QString ElapsedText;                          // "h h : m m"
  QDateTime DailyStart;                         // start of the current session
  double DailyMBytesDL = 0, DailyMBytesUL = 0;
  std::int64_t DailyWholeMBDL = 0, DailyWholeMBUL = 0;
  std::int64_t DailyMaxDL = 0, DailyMaxUL = 0;
};

// One ring of 600 whole-kbit/s values. writeIndex is the newest slot.
struct RateRing {
  std::array<std::int32_t, kRingSlots> values{};
  int writeIndex = 0;
  std::uint64_t previousCounter = 0;
  bool hasReading = false;  // previousCounter holds a reading
  std::int32_t newest() const { return values[writeIndex]; }
  // The slot `age` places older than the newest (0 = newest).
  std::int32_t at(int age) const { return values[(writeIndex + kRingSlots - (age % kRingSlots)) % kRingSlots]; }
};

struct RateHistory {
  RateRing ulPerSecond, dlPerSecond, ulPerMinute, dlPerMinute;
};

// Time of day of each upload slot; a null QTime is "never written".
struct HistoryTimeLabels {
  std::array<QTime, kRingSlots> perSecond{};
  std::array<QTime, kRingSlots> perMinute{};
};

// Heights in pixels of the 60 mini-graph bars; bar 0 is the newest
// (rightmost, at GraphX + 59), bar 59 the oldest (at GraphX).
using MiniGraphBars = std::array<float, GraphWidth>;

// Text helpers.
QString ShortenText(const QString& text);   // > 65 chars: first 62 + "..."
QString ShortenPath(const QString& text);   // > 50 chars: "..." + last 47
QString FormatElapsed(double seconds);      // "26 h : 3 m"

}  // namespace tavo::monitor
