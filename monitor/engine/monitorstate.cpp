#include "monitor/engine/monitorstate.h"

#include <cmath>
#include <limits>

namespace tavo::monitor {

QString ShortenText(const QString& text) {
  if (text.size() > 65) return text.left(62) + QStringLiteral("...");
  return text;
}

QString ShortenPath(const QString& text) {
  if (text.size() > 50) return QStringLiteral("...") + text.right(47);
  return text;
}

QString FormatElapsed(double seconds) {
  // Whole seconds in 32 bits, as the counters' duration has always been
  // shown; out-of-range or NaN durations are held at the edges.
  double f = std::floor(seconds);
  if (!(f == f)) f = 0;
  if (f > std::numeric_limits<std::int32_t>::max()) f = std::numeric_limits<std::int32_t>::max();
  if (f < std::numeric_limits<std::int32_t>::min()) f = std::numeric_limits<std::int32_t>::min();
  const std::int64_t s = std::int64_t(f);
  const std::int64_t h = std::int64_t(std::floor(double(s) / 3600.0));
  const std::int64_t rest = s - h * 3600;
  const std::int64_t m = std::int64_t(std::floor(double(rest) / 60.0));
  return QString::number(h) + QStringLiteral(" h : ") + QString::number(m) + QStringLiteral(" m");
}

}  // namespace tavo::monitor
