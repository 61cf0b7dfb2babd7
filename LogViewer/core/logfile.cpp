#include "LogViewer/core/logfile.h"

#include <QFileInfo>
#include <QStringView>
#include <algorithm>
#include <limits>

#include "common/numbers.h"
#include "common/regionaltext.h"
#include "common/units.h"

namespace tavo::logv {

LogSample LogSampleArray::at(std::int32_t index) const {
  const Held& h = held(index);
  const auto run = std::upper_bound(days_.begin(), days_.end(), index - 1,
                                    [](std::int32_t i, const DayRun& r) { return i < r.first; });
  return LogSample(std::prev(run)->julianDay * kSecondsPerDay + h.second, h.download, h.upload);
}

std::size_t LogSampleArray::bytesHeld() const {
  return samples_.capacity() * sizeof(Held) + days_.capacity() * sizeof(DayRun);
}

void LogSampleArray::ClearSamples() {
  samples_ = {};
  days_ = {};
  capacity_ = 0;
}

void LogSampleArray::reserve(std::int32_t n) {
  if (n <= capacity_) return;
  samples_.reserve(static_cast<std::size_t>(n));
  capacity_ = n;
}

void LogSampleArray::append(const LogSample& sample) {
  if (count() == capacity_) {
    // Whole thousands, at least one more each time, and half again as much
    // room as held: a year of samples costs some twenty enlargements
    // instead of five hundred copies of an ever longer array.
    const std::int64_t wanted = std::max<std::int64_t>(capacity_ + kGrowth, std::int64_t(capacity_) * 3 / 2);
    const std::int64_t rounded = (wanted + kGrowth - 1) / kGrowth * kGrowth;
    capacity_ = static_cast<std::int32_t>(std::min<std::int64_t>(rounded, std::numeric_limits<std::int32_t>::max()));
    samples_.reserve(static_cast<std::size_t>(capacity_));
  }
  const qint64 day = wallJulianDay(sample.when);
  if (days_.empty() || days_.back().julianDay != day) days_.push_back({count(), day});
  samples_.push_back({static_cast<std::uint32_t>(sample.when - day * kSecondsPerDay), sample.download, sample.upload});
}

void LogSampleArray::trim() {
  days_.shrink_to_fit();
  if (count() < capacity_) {
    samples_.shrink_to_fit();
    capacity_ = count();
  }
}

RangeStats wholeLogRange(std::int32_t sampleCount) {
  RangeStats s;
  s.first = 1;
  s.last = sampleCount;
  s.count = sampleCount;
  return s;
}

namespace {
std::int32_t clampedRound(double value) { return clampToInt32(roundHalfEven(value)); }
}  // namespace

std::int32_t volumeFromRateSum(std::int64_t sum) {
  // Each sample is one minute at its rate: kbit/s x 60 s / 8 / 1024 = MB.
  constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 60;
  if (sum > kLimit || sum < -kLimit) return clampedRound(static_cast<double>(sum) * 60.0 / kKbitPerMegabyte);
  return clampedRound(static_cast<double>(sum * 60) / kKbitPerMegabyte);
}

std::int32_t meanFromRateSum(std::int64_t sum, std::int32_t count) {
  if (count <= 0) return 0;
  return clampedRound(static_cast<double>(sum) / static_cast<double>(count));
}

void ComputeRangeStats(RangeStats& stats, const LogSampleArray& samples) {
  std::int64_t downloadSum = 0;
  std::int64_t uploadSum = 0;
  const std::int32_t first = std::max(stats.first, 1);
  const std::int32_t last = std::min(stats.last, samples.count());
  for (std::int32_t i = first; i <= last; ++i) {
    const std::int32_t download = samples.download(i);
    const std::int32_t upload = samples.upload(i);
    if (download >= stats.downloadMax) stats.downloadMax = download;
    if (upload >= stats.uploadMax) stats.uploadMax = upload;
    downloadSum += download;
    uploadSum += upload;
  }
  stats.downloadVolume = volumeFromRateSum(downloadSum);
  stats.uploadVolume = volumeFromRateSum(uploadSum);
  stats.downloadMean = meanFromRateSum(downloadSum, stats.count);
  stats.uploadMean = meanFromRateSum(uploadSum, stats.count);
}

namespace {

// Nothing when the line is not a sample: fewer than three fields, a first
// field that is not a regional date-time, a rate beyond 32 bits.
template <class View, class ReadDate, class ReadNumber>
std::optional<LogSample> parseSample(View line, ReadDate&& readDate, ReadNumber&& readNumber) {
  const qsizetype size = static_cast<qsizetype>(line.size());
  const qsizetype a = findSemicolon(line, 0);
  const qsizetype b = a < 0 ? -1 : findSemicolon(line, a + 1);
  if (b < 0) return std::nullopt;
  const qsizetype c = findSemicolon(line, b + 1);
  const std::optional<WallTime> when = readDate(fieldOf(line, 0, a));
  std::int32_t download = 0, upload = 0;
  const bool rates = readNumber(fieldOf(line, a + 1, b - a - 1), download) &&
                     readNumber(fieldOf(line, b + 1, (c < 0 ? size : c) - b - 1), upload);
  if (!when || !rates) return std::nullopt;
  return LogSample(*when, download, upload);
}

// Every sample line holds a date-time with at least six digits, two ";"
// and a line end: a bound on the samples of a file of short garbage lines.
constexpr qint64 kShortestSampleLine = 10;

}  // namespace

ReadLogResult ReadLogFile(const QString& path, const RegionalFormat& format, LogSampleArray& samples, qint64 maxBytes) {
  samples.ClearSamples();
  ReadLogResult result;
  if (!QFileInfo::exists(path)) return result;
  result.outcome = ReadOutcome::Unreadable;
  LineReader file(path);
  if (!file.open(maxBytes)) return result;
  const qint64 lines = file.countLines();
  if (lines < 0) return result;
  samples.reserve(static_cast<std::int32_t>(
      std::min<qint64>({lines, file.size() / kShortestSampleLine + 1, std::numeric_limits<std::int32_t>::max()})));

  WallClockReader dates(format);
  const auto asciiDate = [&dates](std::string_view field) { return dates.read(field); };
  const auto textDate = [&dates](QStringView field) { return dates.read(field.toString()); };
  const auto keep = [&samples](const std::optional<LogSample>& sample) {
    if (sample) samples.append(*sample);
    return sample.has_value();
  };
  const RecordLinesResult read = readRecordLines(
      file, [&](std::string_view bytes) { return keep(parseSample(bytes, asciiDate, readInt32Ascii)); },
      [&](const QString& text) { return keep(parseSample(QStringView(text), textDate, readInt32Text)); });
  if (!read.readWhole) {
    samples.ClearSamples();
    return result;
  }
  result.skippedLines =
      static_cast<std::int32_t>(std::min<std::int64_t>(read.unreadableLines, std::numeric_limits<std::int32_t>::max()));
  samples.trim();
  result.outcome = ReadOutcome::Read;
  return result;
}

}  // namespace tavo::logv
