#include "monitor/core/displaytexts.h"

#include <cmath>
#include <limits>

namespace tavo::monitor {

namespace {
constexpr int kMaxTextLength = 65;
constexpr int kMaxPathLength = 50;
const QString kEllipsis = QStringLiteral("...");
}  // namespace

QString errorBoxTitle() { return QStringLiteral("Tavo error"); }

QString ShortenText(const QString& text) {
  if (text.size() > kMaxTextLength) return text.left(kMaxTextLength - kEllipsis.size()) + kEllipsis;
  return text;
}

QString ShortenPath(const QString& text) {
  // The end of a path names the file: that is the part kept.
  if (text.size() > kMaxPathLength) return kEllipsis + text.right(kMaxPathLength - kEllipsis.size());
  return text;
}

QString FormatElapsed(double seconds) {
  // Whole seconds in 32 bits, as the counters' duration is shown;
  // out-of-range or NaN durations are held at the edges.
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

QString allInterfacesText(bool french) {
  return french ? QStringLiteral("Toutes les interfaces") : QStringLiteral("All interfaces");
}

void RateLabels::applyLanguage(bool french) {
  rateUnitText_ = french ? QStringLiteral(" kO/s") : QStringLiteral(" kB/s");
  volumeUnitText_ = french ? QStringLiteral(" MO") : QStringLiteral(" MB");
}

bool RateLabels::update(const MonitorCounters& c, const MonitorSettings& s, const RegionalFormat& regional) {
  // Each option is tested on its own: a Tavo.ini that switched all four
  // off leaves the figures as they are.
  bool any = false;
  if (s.optInbits()) {
    ulText_ = QString::number(c.KbitUL) + QStringLiteral(" kb/s UL");
    dlText_ = QString::number(c.KbitDL) + QStringLiteral(" kb/s DL");
    any = true;
  }
  if (s.optInBytes()) {
    ulText_ = QString::number(c.KbyteUL) + rateUnitText_ + QStringLiteral(" UL");
    dlText_ = QString::number(c.KbyteDL) + rateUnitText_ + QStringLiteral(" DL");
    any = true;
  }
  if (s.optCumul()) {
    ulText_ = regional.oneDecimal(c.MBytesShownUL) + volumeUnitText_ + QStringLiteral(" UL");
    dlText_ = regional.oneDecimal(c.MBytesShownDL) + volumeUnitText_ + QStringLiteral(" DL");
    any = true;
  }
  if (s.optMean()) {
    ulText_ = QString::number(c.MeanUL) + QStringLiteral(" kb/s UL");
    dlText_ = QString::number(c.MeanDL) + QStringLiteral(" kb/s DL");
    any = true;
  }
  return any;
}

}  // namespace tavo::monitor
