#include "LogViewer/core/zoom.h"

#include <algorithm>

namespace tavo::logv {

std::optional<ZoomGeometry> ApplyZoom(std::int16_t level) {
  switch (level) {
    case 1: return ZoomGeometry{1, 8, 10, 60};
    case 2: return ZoomGeometry{2, 3, 5, 120};
    case 5: return ZoomGeometry{5, 1, 2, 300};
    case 10: return ZoomGeometry{10, 0, 1, 600};
    default: return std::nullopt;
  }
}

std::int16_t ZoomIn(std::int16_t level) {
  switch (level) {
    case 10: return 5;
    case 5: return 2;
    case 2: return 1;
    default: return level;
  }
}

std::int16_t ZoomOut(std::int16_t level) {
  switch (level) {
    case 1: return 2;
    case 2: return 5;
    case 5: return 10;
    default: return level;
  }
}

QString scaleText(std::int16_t level, const QString& unitWord) {
  QString text = QString::number(level) + unitWord;
  if (level > 1) text += QLatin1Char('s');
  return text;
}

RangeStats ComputeVisibleWindow(std::int32_t scrollValue, std::int32_t visibleSampleCount, std::int32_t sampleCount) {
  RangeStats s;  // ClearVisibleStats
  s.first = std::max<std::int32_t>(scrollValue, 1);
  // 64-bit so that a first sample near the top of the range cannot wrap.
  const std::int64_t last = std::int64_t(s.first) + std::max<std::int32_t>(visibleSampleCount, 1) - 1;
  s.last = static_cast<std::int32_t>(std::min<std::int64_t>(last, sampleCount));
  s.count = std::max<std::int32_t>(s.last - s.first + 1, 0);
  if (s.count == 0) s.last = s.first - 1;
  return s;
}

std::optional<TimeTick> DrawTimeTick(std::int16_t zoomLevel, const QTime& time, int barX,
                                     const RegionalFormat& format) {
  const int m = time.minute();
  switch (zoomLevel) {
    case 1:
      if (m % 10 == 0) return TimeTick{barX + 4, format.hourMinute(time)};
      return std::nullopt;
    case 2:
      if (m == 0 || m == 30) return TimeTick{barX + 1, format.hourMinute(time)};
      return std::nullopt;
    case 5:
    case 10:
      if (m == 0) return TimeTick{barX, QString::number(time.hour()) + QStringLiteral(" h")};
      return std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace tavo::logv
