#pragma once
// Zoom levels of the log graph and the window of samples they show.
#include <QString>
#include <QTime>
#include <cstdint>
#include <optional>

#include "LogViewer/core/logfile.h"
#include "common/regionaltext.h"

namespace tavo::logv {

// The drawing geometry of one zoom level: every level fills 600 pixels,
// VisibleSampleCount x PixelStep = 600.
struct ZoomGeometry {
  std::int16_t ZoomLevel = 10;
  std::int16_t BarWidth = 0;
  std::int16_t PixelStep = 1;
  std::int16_t VisibleSampleCount = 600;

  bool operator==(const ZoomGeometry&) const = default;
};

inline constexpr std::int16_t kZoomLevels[] = {1, 2, 5, 10};

// The geometry of level 1, 2, 5 or 10; nothing for any other level.
[[nodiscard]] std::optional<ZoomGeometry> ApplyZoom(std::int16_t level);

// 10 -> 5 -> 2 -> 1 (1 stays), and 1 -> 2 -> 5 -> 10 (10 stays).
std::int16_t ZoomIn(std::int16_t level);
std::int16_t ZoomOut(std::int16_t level);

// The zoom label: "1 heure", "2 heures", "10 hours" ... from the unit word.
QString scaleText(std::int16_t level, const QString& unitWord);

// The visible range for a scroll value: first = value, last bounded by the
// sample count, and figures 0. With no sample the range is empty.
RangeStats ComputeVisibleWindow(std::int32_t scrollValue, std::int32_t visibleSampleCount, std::int32_t sampleCount);

// A time tick under a sample's bar: its x and its label.
struct TimeTick {
  int x = 0;
  QString label;
  bool operator==(const TimeTick&) const = default;
};

// Level 1: every tenth minute, "h:mm", 4 pixels right of the bar; level 2:
// minutes 0 and 30, "h:mm", 1 pixel right; levels 5 and 10: whole hours,
// "h" and " h", at the bar. "h:mm" takes the regional time separator.
std::optional<TimeTick> DrawTimeTick(std::int16_t zoomLevel, const QTime& time, int barX, const RegionalFormat& format);

}  // namespace tavo::logv
