#include "monitor/core/trafficcounters.h"

#include "common/numbers.h"
#include "common/units.h"
#include "monitor/core/displaytexts.h"
#include "monitor/core/tickstep.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavo::monitor {

namespace {

// A 32-bit kernel counter that wraps moves at most this far in one tick to
// be taken as a wrap (about 8.6 Gbit/s); a larger "wrap" is a restart.
constexpr std::uint64_t kMaxWrapDistance = std::uint64_t(1) << 30;
constexpr std::uint64_t k2p32 = std::uint64_t(1) << 32;

constexpr double kBytesPerMegabyte = 1048576.0;
constexpr std::uint64_t kBytesPerKbyte = 1024;
// The mean counts from one tick before the reset, so that the first tick
// after it already has a duration.
constexpr qint64 kOneTickMs = 1000;

const QString kNotSupportedText = QStringLiteral("    Your system does not support IP Helper DLL    ");

std::int64_t floorToInt64(double v, bool* ok = nullptr) {
  if (!std::isfinite(v)) {
    if (ok) *ok = false;
    return 0;
  }
  if (ok) *ok = true;
  const double f = std::floor(v);
  if (f >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (f <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return std::int64_t(f);
}

std::int64_t toInt64(std::uint64_t v) { return std::int64_t(std::min<std::uint64_t>(v, std::uint64_t(INT64_MAX))); }

std::int64_t wholeUnits(std::uint64_t bytes, std::uint64_t bytesPerUnit) { return toInt64(bytes / bytesPerUnit); }

}  // namespace

std::uint64_t counterDelta(std::uint64_t previous, std::uint64_t current) {
  if (current >= previous) return current - previous;
  if (previous < k2p32 && current < k2p32) {
    const std::uint64_t wrapped = k2p32 - previous + current;
    if (wrapped <= kMaxWrapDistance) return wrapped;
  }
  return 0;  // the interface was reset or re-created
}

TrafficCounters::TrafficCounters(tavo::net::InterfaceCounterSource& source, const Clock& clock, ErrorBox showError)
    : source_(source), clock_(clock), showError_(std::move(showError)) {
  // Room for a busy machine's interfaces, so a tick allocates nothing.
  rows_.reserve(64);
  prevRows_.reserve(64);
  scratch_.reserve(64);
}

void TrafficCounters::ReadInterfaceTable() {
  const tavo::net::ReadStatus status = source_.read(rows_);
  if (status == tavo::net::ReadStatus::NotSupported) {
    if (!notSupportedShown_) {
      notSupportedShown_ = true;
      if (showError_) showError_(kNotSupportedText, errorBoxTitle());
    }
    return;
  }
  if (status != tavo::net::ReadStatus::Ok) return;
  notSupportedShown_ = false;
  updateEntryCounters(rows_);
}

void TrafficCounters::updateEntryCounters(const std::vector<tavo::net::InterfaceRow>& rows) {
  const std::size_t n = rows.size();
  table_.InterfaceCount = int(std::min<std::size_t>(n, 32767));
  std::uint64_t sumIn = 0, sumOut = 0, rawSumIn = 0, rawSumOut = 0;
  scratch_.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const auto& row = rows[i];
    // The same interface is usually at the same place as last time.
    const PrevRow* prev = nullptr;
    if (i < prevRows_.size() && prevRows_[i].name == row.name) {
      prev = &prevRows_[i];
    } else {
      for (const auto& p : prevRows_)
        if (p.name == row.name) {
          prev = &p;
          break;
        }
    }
    const std::uint64_t dIn = prev ? counterDelta(prev->rx, row.rxBytes) : 0;
    const std::uint64_t dOut = prev ? counterDelta(prev->tx, row.txBytes) : 0;
    sumIn += dIn;
    sumOut += dOut;
    rawSumIn += row.rxBytes;
    rawSumOut += row.txBytes;

    if (i < std::size_t(kTableEntries - 1)) {
      InterfaceEntry& e = table_.entries[i + 1];
      if (e.description.isEmpty()) {
        // First sight of this entry: it starts at the kernel's reading.
        e.inOctets = row.rxBytes;
        e.outOctets = row.txBytes;
      } else if (e.description == row.name) {
        e.inOctets += dIn;
        e.outOctets += dOut;
      }  // else another interface took this place: no step, it counts on from here
      if (e.description != row.name) e.description = row.name;
      e.present = true;
    }
    PrevRow& s = scratch_[i];
    if (s.name != row.name) s.name = row.name;
    s.rx = row.rxBytes;
    s.tx = row.txBytes;
  }
  for (std::size_t i = n; i < std::size_t(kTableEntries - 1); ++i) table_.entries[i + 1].present = false;
  InterfaceEntry& all = table_.entries[0];
  if (!haveReading_) {
    all.inOctets = rawSumIn;
    all.outOctets = rawSumOut;
    haveReading_ = true;
  } else {
    all.inOctets += sumIn;
    all.outOctets += sumOut;
  }
  all.present = true;
  prevRows_.swap(scratch_);
}

void TrafficCounters::SampleCounters() {
  step([&] { ReadInterfaceTable(); });
  MonitorCounters& c = counters_;
  c.PrevOut = c.CurOut;
  c.PrevIn = c.CurIn;
  const int sel = table_.SelectedInterface;
  if (sel >= 0 && sel < kTableEntries) {
    c.CurIn = table_.entries[sel].inOctets;
    c.CurOut = table_.entries[sel].outOctets;
  }
  // A delta is taken only between two readings of the same entry: the
  // first sample after a change of interface counts nothing.
  if (sel == sampledEntry_) {
    c.DeltaDL = c.CurIn >= c.PrevIn ? c.CurIn - c.PrevIn : 0;
    c.DeltaUL = c.CurOut >= c.PrevOut ? c.CurOut - c.PrevOut : 0;
  } else {
    c.DeltaDL = 0;
    c.DeltaUL = 0;
  }
  sampledEntry_ = sel;
  c.MBytesDL += double(c.DeltaDL) / kBytesPerMegabyte;
  c.MBytesUL += double(c.DeltaUL) / kBytesPerMegabyte;
  c.DailyMBytesDL += double(c.DeltaDL) / kBytesPerMegabyte;
  c.DailyMBytesUL += double(c.DeltaUL) / kBytesPerMegabyte;
}

void TrafficCounters::ComputeRates() {
  MonitorCounters& c = counters_;
  c.KbitUL = toInt64(wholeKbitPerSecond(c.DeltaUL));
  c.KbitDL = toInt64(wholeKbitPerSecond(c.DeltaDL));
  c.KbyteUL = wholeUnits(c.DeltaUL, kBytesPerKbyte);
  c.KbyteDL = wholeUnits(c.DeltaDL, kBytesPerKbyte);
  c.MBytesShownUL = roundHalfEven(c.MBytesUL * 10.0) / 10.0;
  c.MBytesShownDL = roundHalfEven(c.MBytesDL * 10.0) / 10.0;
  if (c.KbitUL > c.MaxUL) c.MaxUL = c.KbitUL;
  if (c.KbitDL > c.MaxDL) c.MaxDL = c.KbitDL;
  const double elapsed = double(clock_.nowMsecs() - countStartMs_) / 1000.0;
  bool okUL = false, okDL = false;
  const std::int64_t meanUL = floorToInt64(c.MBytesUL * kKbitPerMegabyte / elapsed, &okUL);
  const std::int64_t meanDL = floorToInt64(c.MBytesDL * kKbitPerMegabyte / elapsed, &okDL);
  // A zero duration (the clock set back onto CountStart) has no mean: the
  // rest of the computation waits for the next tick.
  if (elapsed == 0.0 || !okUL || !okDL) return;
  c.MeanUL = meanUL;
  c.MeanDL = meanDL;
  c.ElapsedText = FormatElapsed(elapsed);
  c.DailyWholeMBUL = floorToInt64(c.DailyMBytesUL);
  c.DailyWholeMBDL = floorToInt64(c.DailyMBytesDL);
  if (c.KbitUL > c.DailyMaxUL) c.DailyMaxUL = c.KbitUL;
  if (c.KbitDL > c.DailyMaxDL) c.DailyMaxDL = c.KbitDL;
}

void TrafficCounters::ResetCounters() {
  MonitorCounters& c = counters_;
  c.MBytesDL = 0;
  c.MBytesUL = 0;
  c.MaxUL = 0;
  c.MaxDL = 0;
  countStartMs_ = clock_.nowMsecs() - kOneTickMs;
  c.CountStart = QDateTime::fromMSecsSinceEpoch(countStartMs_);
}

void TrafficCounters::ResetDailyStats() {
  MonitorCounters& c = counters_;
  c.DailyStart = clock_.now();
  c.DailyMBytesDL = 0;
  c.DailyMBytesUL = 0;
  c.DailyWholeMBDL = 0;
  c.DailyWholeMBUL = 0;
  c.DailyMaxUL = 0;
  c.DailyMaxDL = 0;
}

}  // namespace tavo::monitor
