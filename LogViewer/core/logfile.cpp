#include "LogViewer/core/logfile.h"

#include <QFileInfo>
#include <QStringView>
#include <algorithm>
#include <limits>

#include "common/numbers.h"
#include "common/regionaltext.h"
#include "common/textfile.h"

namespace tavo::logv {

void LogSampleArray::ClearSamples() {
  samples_ = {};
  capacity_ = 0;
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
  samples_.push_back(sample);
}

void LogSampleArray::trim() {
  if (count() < capacity_) {
    samples_.shrink_to_fit();
    capacity_ = count();
  }
}

RangeStats WholeLogRange(std::int32_t sampleCount) {
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
  if (sum > kLimit || sum < -kLimit) return clampedRound(static_cast<double>(sum) * 60.0 / 8192.0);
  return clampedRound(static_cast<double>(sum * 60) / 8192.0);
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
    const LogSample& s = samples.at(i);
    if (s.download >= stats.downloadMax) stats.downloadMax = s.download;
    if (s.upload >= stats.uploadMax) stats.uploadMax = s.upload;
    downloadSum += s.download;
    uploadSum += s.upload;
  }
  stats.downloadVolume = volumeFromRateSum(downloadSum);
  stats.uploadVolume = volumeFromRateSum(uploadSum);
  stats.downloadMean = meanFromRateSum(downloadSum, stats.count);
  stats.uploadMean = meanFromRateSum(uploadSum, stats.count);
}

ReadLogResult ReadLogFile(const QString& path, const RegionalFormat& format, LogSampleArray& samples,
                          qint64 maxBytes) {
  samples.ClearSamples();
  ReadLogResult result;
  if (!QFileInfo::exists(path)) return result;
  const TextReadResult file = readTextLines(path, maxBytes);
  if (!file.ok) {
    result.outcome = ReadOutcome::Unreadable;
    return result;
  }
  result.outcome = ReadOutcome::Read;
  for (const QString& line : file.lines) {
    if (line.isEmpty()) continue;
    const QStringView view(line);
    const qsizetype a = view.indexOf(QLatin1Char(';'));
    const qsizetype b = a < 0 ? -1 : view.indexOf(QLatin1Char(';'), a + 1);
    if (b < 0) {
      ++result.skippedLines;
      continue;
    }
    const qsizetype c = view.indexOf(QLatin1Char(';'), b + 1);
    const auto when = format.parseDateTimeParts(line.left(a));
    const auto download = readInt32Checked(line.mid(a + 1, b - a - 1));
    const auto upload = readInt32Checked(c < 0 ? line.mid(b + 1) : line.mid(b + 1, c - b - 1));
    if (!when || !download || !upload) {
      ++result.skippedLines;
      continue;
    }
    samples.append({when->first, when->second, *download, *upload});
  }
  samples.trim();
  return result;
}

}  // namespace tavo::logv
