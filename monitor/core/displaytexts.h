#pragma once
// What the monitor writes as text: the captions of the main window's two
// figures in the chosen display mode with the unit words of the language,
// and the shortened texts its labels show.
#include "common/regionaltext.h"
#include "monitor/core/monitorsettings.h"
#include "monitor/core/trafficcounters.h"

#include <QString>

namespace tavo::monitor {

QString ShortenText(const QString& text);  // > 65 chars: first 62 + "..."
QString ShortenPath(const QString& text);  // > 50 chars: "..." + last 47
QString FormatElapsed(double seconds);     // "26 h : 3 m"
// The title of every error box of the monitor, the same in both languages.
QString errorBoxTitle();
// The description of interface entry 0 in the language.
QString allInterfacesText(bool french);

// The captions of lblUL and lblDL.
class RateLabels {
 public:
  // The unit words follow the language; the rest of the captions does not.
  void applyLanguage(bool french);
  const QString& RateUnitText() const { return rateUnitText_; }
  const QString& VolumeUnitText() const { return volumeUnitText_; }

  // New captions from the counters for the display option that is on.
  // False when none of the four is on: the labels then keep their texts.
  bool update(const MonitorCounters& c, const MonitorSettings& s, const RegionalFormat& regional);
  const QString& ulText() const { return ulText_; }
  const QString& dlText() const { return dlText_; }

 private:
  QString rateUnitText_ = QStringLiteral(" kO/s");
  QString volumeUnitText_ = QStringLiteral(" MO");
  QString ulText_, dlText_;
};

}  // namespace tavo::monitor
