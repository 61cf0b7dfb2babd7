#pragma once
// The rates kept for looking back: four rings of 600 slots, per second
// (the last 10 minutes) and per minute (the last 10 hours), each way, with
// the time of day of each slot, and the mini graph's 60 bars drawn from
// the newest slots.
#include "monitor/core/trafficcounters.h"

#include <QTime>
#include <array>
#include <cstdint>

namespace tavo::monitor {

namespace testing {
class EngineTest;
}

inline constexpr int kRingSlots = 600;
inline constexpr int GraphWidth = 60;   // bars of the mini graph
inline constexpr int GraphHeight = 50;  // pixels at full scale

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

// The mini graph's time base, the GraphRefresh setting.
inline constexpr std::int16_t kGraphPerSecond = 0;
inline constexpr std::int16_t kGraphPerMinute = 1;

class RateHistories {
 public:
  enum class Ring { UlPerSecond, DlPerSecond, UlPerMinute, DlPerMinute };

  const RateHistory& history() const { return history_; }
  const HistoryTimeLabels& timeLabels() const { return labels_; }
  const MiniGraphBars& miniGraph() const { return miniGraph_; }

  // Empties the four rings: the next write of each only takes its reading.
  void ClearHistories();
  // Stores the rate since the ring's previous reading in its next slot,
  // labelled (upload rings only) with the tick's time of day.
  void RingWrite(Ring ring, std::uint64_t reading, QTime timeOfDay);
  // The local time of day of a moment, the label of the slots it writes.
  QTime timeOfDay(qint64 utcMsecs);

  // New bar heights from the newest 60 slots of one direction, in the time
  // base of graphRefresh, against the full scale dlLimit (kbit/s).
  const MiniGraphBars& UpdateMiniGraph(bool download, std::int16_t graphRefresh, std::int16_t dlLimit);
  const MiniGraphBars& clearMiniGraph();

 private:
  friend class testing::EngineTest;  // pictures of the rings no run of ticks reaches quickly

  RateHistory history_;
  HistoryTimeLabels labels_;
  MiniGraphBars miniGraph_{};
  // The local offset from UTC, looked up once a minute.
  qint64 offsetMs_ = 0, offsetFrom_ = 1, offsetUntil_ = 0;
};

}  // namespace tavo::monitor
