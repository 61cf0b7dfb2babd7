#include "monitor/core/ratehistories.h"

#include <QDateTime>
#include <limits>

#include "common/units.h"
#include "monitor/core/trafficcounters.h"

namespace tavo::monitor {

namespace {

// The seconds between two readings of a ring: a per-second slot holds the
// rate of one second, a per-minute slot the mean rate of sixty.
constexpr int kPerSecondSpan = 1;
constexpr int kPerMinuteSpan = 60;

constexpr qint64 kMsPerMinute = 60000;

// The slot's whole kbit/s, held in 32 bits.
std::int32_t ringValue(std::uint64_t diff, int seconds) {
  const std::uint64_t v = wholeKbitPerSecond(diff, std::uint64_t(seconds));
  return v > std::uint64_t(std::numeric_limits<std::int32_t>::max()) ? std::numeric_limits<std::int32_t>::max()
                                                                     : std::int32_t(v);
}

void writeSlot(RateRing& ring, std::uint64_t reading, int seconds, std::array<QTime, kRingSlots>* labels,
               QTime timeOfDay) {
  if (ring.hasReading) {
    ring.writeIndex = (ring.writeIndex + 1) % kRingSlots;
    const std::uint64_t diff = reading >= ring.previousCounter ? reading - ring.previousCounter : 0;
    ring.values[ring.writeIndex] = ringValue(diff, seconds);
    if (labels) (*labels)[ring.writeIndex] = timeOfDay;
  }
  ring.previousCounter = reading;
  ring.hasReading = true;
}

}  // namespace

void RateHistories::ClearHistories() {
  for (RateRing* r : {&history_.ulPerSecond, &history_.dlPerSecond, &history_.ulPerMinute, &history_.dlPerMinute}) {
    r->values.fill(0);
    r->writeIndex = 0;
    r->previousCounter = 0;
    r->hasReading = false;
  }
  labels_.perSecond.fill(QTime());
  labels_.perMinute.fill(QTime());
}

void RateHistories::RingWrite(Ring ring, std::uint64_t reading, QTime timeOfDay) {
  // Both directions share the upload ring's labels: one tick, one time.
  switch (ring) {
    case Ring::UlPerSecond:
      return writeSlot(history_.ulPerSecond, reading, kPerSecondSpan, &labels_.perSecond, timeOfDay);
    case Ring::DlPerSecond: return writeSlot(history_.dlPerSecond, reading, kPerSecondSpan, nullptr, timeOfDay);
    case Ring::UlPerMinute:
      return writeSlot(history_.ulPerMinute, reading, kPerMinuteSpan, &labels_.perMinute, timeOfDay);
    case Ring::DlPerMinute: return writeSlot(history_.dlPerMinute, reading, kPerMinuteSpan, nullptr, timeOfDay);
  }
}

QTime RateHistories::timeOfDay(qint64 utcMsecs) {
  if (utcMsecs < offsetFrom_ || utcMsecs >= offsetUntil_) {
    // Offsets change on whole minutes (daylight saving, zone changes); a
    // look at the time-zone rules every tick would cost more than the tick.
    offsetMs_ = qint64(QDateTime::fromMSecsSinceEpoch(utcMsecs).offsetFromUtc()) * 1000;
    offsetFrom_ = utcMsecs - ((utcMsecs % kMsPerMinute) + kMsPerMinute) % kMsPerMinute;
    offsetUntil_ = offsetFrom_ + kMsPerMinute;
  }
  const qint64 local = utcMsecs + offsetMs_;
  const qint64 secOfDay = ((local / 1000) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
  return QTime(int(secOfDay / 3600), int(secOfDay / 60 % 60), int(secOfDay % 60));
}

const MiniGraphBars& RateHistories::UpdateMiniGraph(bool download, std::int16_t graphRefresh, std::int16_t dlLimit) {
  const RateRing* ring = nullptr;
  if (graphRefresh == kGraphPerSecond) ring = download ? &history_.dlPerSecond : &history_.ulPerSecond;
  if (graphRefresh == kGraphPerMinute) ring = download ? &history_.dlPerMinute : &history_.ulPerMinute;
  // A limit of 0 or below (a hand-edited Tavo.ini) draws every bar full.
  const float limit = float(dlLimit);
  for (int i = GraphWidth - 1; i >= 0; --i) {
    const float v = ring ? float(ring->at(i)) : 0.0f;
    miniGraph_[std::size_t(i)] = v >= limit ? float(GraphHeight) : v / limit * float(GraphHeight);
  }
  return miniGraph_;
}

const MiniGraphBars& RateHistories::clearMiniGraph() {
  miniGraph_.fill(0.0f);
  return miniGraph_;
}

}  // namespace tavo::monitor
