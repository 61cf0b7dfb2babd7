#pragma once
// Where the road of a byte begins: the system's interface table read once
// a tick, the watched entry's byte deltas, and the rates, totals, maxima
// and means made of them since the user's reset and since the session
// began.
#include "common/platform/net/interfacesource.h"
#include "monitor/core/clock.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tavo::monitor {

inline constexpr int kTableEntries = 11;

// The monitor's one rule for a rate: the whole kbit/s (1 kbit = 1024 bits)
// that `bytes` counted over `seconds` make, rounded down, exact for any
// count (floor(bytes * 8 / (1024 * seconds)) without the overflow of the
// product). The figures of each tick take it over one second, the
// per-minute rings over sixty.
constexpr std::uint64_t wholeKbitPerSecond(std::uint64_t bytes, std::uint64_t seconds = 1) {
  constexpr std::uint64_t kBytesPerKbit = 1024 / 8;
  return seconds == 0 ? 0 : bytes / (kBytesPerKbit * seconds);
}  // entry 0 = all interfaces, 1..10 = first ten rows

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
  int InterfaceCount = 0;     // rows of the last successful reading (may exceed 10)
  int SelectedInterface = 0;  // watched entry, 0..10
};

// UL = sent bytes, DL = received bytes. Deltas and rates in 64 bits.
struct MonitorCounters {
  std::uint64_t CurIn = 0, CurOut = 0, PrevIn = 0, PrevOut = 0;
  std::uint64_t DeltaDL = 0, DeltaUL = 0;  // bytes of the last tick
  std::int64_t KbitDL = 0, KbitUL = 0;     // whole kbit/s
  std::int64_t KbyteDL = 0, KbyteUL = 0;   // whole kB/s
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

// The byte distance between two readings of one kernel counter: a counter
// lower than before is a restart (0), unless it is a plausible wrap of a
// 32-bit counter.
std::uint64_t counterDelta(std::uint64_t previous, std::uint64_t current);

class TrafficCounters {
 public:
  // showError is told once while the system cannot give its table at all;
  // it must not block, the tick goes on behind it.
  using ErrorBox = std::function<void(const QString& text, const QString& title)>;
  TrafficCounters(tavo::net::InterfaceCounterSource& source, const Clock& clock, ErrorBox showError);

  const InterfaceTable& interfaces() const { return table_; }
  const MonitorCounters& counters() const { return counters_; }

  void ReadInterfaceTable();
  // One sample of the watched entry: its deltas since the previous sample,
  // added to the totals.
  void SampleCounters();
  void ComputeRates();
  // The user's reset (the settings dialog, the detailed graph): totals,
  // maxima and means count afresh; the session's figures go on.
  void ResetCounters();
  // A new session's figures: it starts now, with nothing counted.
  void ResetDailyStats();

  // The entry to watch from the next sample on (0 = all interfaces).
  void selectInterface(int index) { table_.SelectedInterface = index; }
  void setAllInterfacesText(const QString& text) { table_.entries[0].description = text; }

 private:
  void updateEntryCounters(const std::vector<tavo::net::InterfaceRow>& rows);

  tavo::net::InterfaceCounterSource& source_;
  const Clock& clock_;
  ErrorBox showError_;
  InterfaceTable table_;
  MonitorCounters counters_;

  // The previous reading of every row, by name.
  struct PrevRow {
    QString name;
    std::uint64_t rx = 0, tx = 0;
  };
  std::vector<tavo::net::InterfaceRow> rows_;
  std::vector<PrevRow> prevRows_;
  std::vector<PrevRow> scratch_;
  bool haveReading_ = false;
  bool notSupportedShown_ = false;
  int sampledEntry_ = -1;
  qint64 countStartMs_ = 0;
};

}  // namespace tavo::monitor
