#pragma once
// A rate log as the viewer holds it: the samples of one LogFile read into
// memory, and the statistics of a range of them.
#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>
#include <vector>

#include "common/bulkread.h"

namespace tavo {
class RegionalFormat;
}

namespace tavo::logv {

// One line of a log: the minute it ended and its mean rates in kbit/s, in
// 16 bytes. The time is the wall-clock date and time the monitor wrote
// (common/bulkread.h), so no time-zone rule can move a sample.
struct LogSample {
  LogSample() = default;
  LogSample(WallTime when, std::int32_t download, std::int32_t upload)
      : when(when), download(download), upload(upload) {}
  LogSample(const QDate& date, const QTime& time, std::int32_t download, std::int32_t upload)
      : LogSample(toWallTime(date, time), download, upload) {}

  QDate date() const { return wallDate(when); }
  QTime time() const { return wallTimeOfDay(when); }

  WallTime when = 0;
  std::int32_t download = 0;
  std::int32_t upload = 0;
};

// The samples of the log being shown, indexed from 1. The reader makes room
// for the lines it counts in the file before reading them; beyond that the
// storage grows in whole thousands of samples (1000 first, then by half
// again). It is trimmed to the count at the end, so a long log costs few
// enlargements and keeps no spare room.
class LogSampleArray {
 public:
  static constexpr std::int32_t kGrowth = 1000;

  std::int32_t count() const { return static_cast<std::int32_t>(samples_.size()); }
  std::int32_t capacity() const { return capacity_; }
  // 1 <= index <= count()
  LogSample at(std::int32_t index) const;
  std::int32_t download(std::int32_t index) const { return held(index).download; }
  std::int32_t upload(std::int32_t index) const { return held(index).upload; }
  bool contains(std::int32_t index) const { return index >= 1 && index <= count(); }
  // The memory the samples take.
  std::size_t bytesHeld() const;

  void ClearSamples();
  // Room for at least n samples in all.
  void reserve(std::int32_t n);
  void append(const LogSample& sample);
  void trim();

 private:
  // A sample as held, in 12 bytes: its second of the day and its rates.
  // Its day comes from the runs of samples of one day, as a log holds the
  // samples of a day one after the other.
  struct Held {
    std::uint32_t second = 0;
    std::int32_t download = 0;
    std::int32_t upload = 0;
  };
  struct DayRun {
    std::int32_t first = 0;  // index from 0 of the run's first sample
    qint64 julianDay = 0;
  };
  const Held& held(std::int32_t index) const { return samples_[static_cast<std::size_t>(index - 1)]; }

  std::vector<Held> samples_;
  std::vector<DayRun> days_;
  std::int32_t capacity_ = 0;
};

// Statistics over the samples first..last. Indices, maxima, volumes (MB)
// and means (kbit/s) as the labels show them.
struct RangeStats {
  std::int32_t last = 0;
  std::int32_t first = 0;
  std::int32_t count = 0;
  std::int32_t downloadMax = 0;
  std::int32_t uploadMax = 0;
  std::int32_t downloadVolume = 0;
  std::int32_t uploadVolume = 0;
  std::int32_t downloadMean = 0;
  std::int32_t uploadMean = 0;

  bool operator==(const RangeStats&) const = default;
};

// The range of a whole log of sampleCount samples, its figures still 0.
RangeStats wholeLogRange(std::int32_t sampleCount);

// Fills the maxima, volumes and means of stats from the samples of its
// range. The sums are 64-bit, so a long or fast log cannot overflow them;
// an empty range (last < first, or count 0) gives 0 everywhere.
void ComputeRangeStats(RangeStats& stats, const LogSampleArray& samples);

// Megabytes of sum kbit/s-minutes (sum x 60 / 8192, halves to even), and the
// mean of sum over count (0 over no sample); both clamped into 32 bits.
std::int32_t volumeFromRateSum(std::int64_t sum);
std::int32_t meanFromRateSum(std::int64_t sum, std::int32_t count);

enum class ReadOutcome {
  Read,        // the file was read (it may hold no sample)
  Missing,     // no file at the path
  Unreadable,  // something is there but cannot be read, or is too large
};

// Larger files are refused rather than read: ten years of samples are a
// file of about 170 MB and take 84 MB in memory.
inline constexpr qint64 kMaxLogBytes = qint64(1) << 31;

struct ReadLogResult {
  ReadOutcome outcome = ReadOutcome::Missing;
  // Non-empty lines left out: fewer than three fields, a first field that is
  // not a date-time under the regional settings, or a rate beyond 32 bits.
  std::int32_t skippedLines = 0;
};

// Reads the log at path into samples (emptied first), as a stream of
// bytes. Lines of length 0 are passed over; each readable line becomes one
// sample; fields after the third are ignored; a rate that is not a number
// reads as 0.
[[nodiscard]] ReadLogResult ReadLogFile(const QString& path, const RegionalFormat& format, LogSampleArray& samples,
                                        qint64 maxBytes = kMaxLogBytes);

}  // namespace tavo::logv
