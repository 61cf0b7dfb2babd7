#include "monitor/core/settingsfile.h"

#include "common/keyvalue.h"
#include "common/numbers.h"
#include "common/textfile.h"
#include "monitor/core/ratehistories.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace tavo::monitor {

namespace {

constexpr std::int16_t kDefaultDLLimit = 1024;
constexpr int kOpaque = 255;
// Ticks between redraws for each time base of the mini graph.
constexpr std::int16_t kRedrawEverySecond = 1;
constexpr std::int16_t kRedrawEveryMinute = 60;
// The window position is kept in 16 bits, as the screen coordinates it was
// saved from.
constexpr double kMinPosition = -32768.0, kMaxPosition = 32767.0;

std::int16_t redrawPeriod(std::int16_t graphRefresh) {
  return graphRefresh == kGraphPerMinute ? kRedrawEveryMinute : kRedrawEverySecond;
}

struct BooleanKey {
  const char* key;
  Option option;
};
constexpr BooleanKey kBooleanKeys[] = {
    {"KbitMode", Option::Inbits},
    {"KbyteMode", Option::InBytes},
    {"CumuledMode", Option::Cumul},
    {"MeanMode", Option::Mean},
    {"ShowDL", Option::DL},
    {"ShowUL", Option::UL},
    {"MinimizeAllMode", Option::MinAll},
    {"MinimizeTavoMode", Option::MinTavo},
};

}  // namespace

SettingsFile::SettingsFile(const QString& folder, TrafficCounters& counters, const RegionalFormat& regional)
    : folder_(folder), counters_(counters), regional_(regional) {}

QString SettingsFile::settingsPath() const { return folder_ + QStringLiteral("/Tavo.ini"); }
QString SettingsFile::skinsFolder() const { return folder_ + QStringLiteral("/skins"); }

void SettingsFile::InitDefaults() {
  graphRefreshPeriod_ = kRedrawEverySecond;
  settings_.setGraphRefresh(kGraphPerSecond);
  settings_.setDLLimit(kDefaultDLLimit);
  counters_.selectInterface(0);
  settings_.setWindowPosition(QPointF(0, 0));
  settings_.setOption(Option::DL, true);
  settings_.setChkUpdate(0);
  settings_.setOption(Option::InBytes, true);
  settings_.setOption(Option::MinAll, true);
  settings_.setScrTransp(kOpaque);
  settings_.setChkLogging(0);
  if (!QFileInfo::exists(skinsFolder())) QDir(folder_).mkdir(QStringLiteral("skins"));
  settings_.setSkinDescriptorFile(builtInSkinName());
}

void SettingsFile::applyLine(const QString& key, const QString& value) {
  if (key == QLatin1String("Lang")) {
    isFrench_ = value == QLatin1String("FR");
    return;
  }
  for (const auto& [name, option] : kBooleanKeys) {
    if (key == QLatin1String(name)) {
      settings_.setOption(option, value == QLatin1String("Vrai") || value == QLatin1String("True"));
      return;
    }
  }
  if (key == QLatin1String("Interface")) {
    int n = readInt16(value);
    // Beyond the interfaces read at start, or beyond the table: all interfaces.
    if (n > counters_.interfaces().InterfaceCount || n < 0 || n >= kTableEntries) n = 0;
    counters_.selectInterface(n);
  } else if (key == QLatin1String("Transparency")) {
    settings_.setScrTransp(readInt16(value));
  } else if (key == QLatin1String("DLLimit")) {
    settings_.setDLLimit(readInt16(value));
  } else if (key == QLatin1String("GraphRefresh")) {
    // An unknown time base draws per second.
    settings_.setGraphRefresh(readInt16(value) == kGraphPerMinute ? kGraphPerMinute : kGraphPerSecond);
  } else if (key == QLatin1String("DetailedLog")) {
    settings_.setChkLogging(readInt16(value));
  } else if (key == QLatin1String("CheckVersion")) {
    settings_.setChkUpdate(readInt16(value));
  } else if (key == QLatin1String("SkinDescriptorFile")) {
    settings_.setSkinDescriptorFile(value);
  } else if (key == QLatin1String("WindowPositionX") || key == QLatin1String("WindowPositionY")) {
    const double v = std::clamp(leadingNumber(value), kMinPosition, kMaxPosition);
    QPointF p = settings_.windowPosition();
    if (key.endsWith(QLatin1Char('X'))) p.setX(v);
    else p.setY(v);
    settings_.setWindowPosition(p);
  }
}

void SettingsFile::LoadSettings() {
  bool exists = false;
  for (const auto& [key, value] : readKeyValueFile(settingsPath(), &exists)) applyLine(key, value);
  // What the loader applies once at the end, also without a file.
  emit settings_.scrTranspChanged(settings_.scrTransp());
  emit settings_.dlLimitChanged(settings_.DLLimit());
  graphRefreshPeriod_ = redrawPeriod(settings_.GraphRefresh());
  emit settings_.graphRefreshChanged(settings_.GraphRefresh());
  emit settings_.optionChanged(settings_.optDL() ? Option::DL : Option::UL, true);
}

bool SettingsFile::SaveSettings() {
  const QString t = regional_.trueWord();
  const QString f = regional_.falseWord();
  auto b = [&](bool on) { return on ? t : f; };
  QLocale loc = regional_.locale();
  loc.setNumberOptions(QLocale::OmitGroupSeparator);
  const QPointF pos = windowPosition_ ? windowPosition_() : settings_.windowPosition();
  auto px = [&](double v) { return loc.toString(double(float(v)), 'g', 7); };
  const MonitorSettings& s = settings_;
  const QStringList lines = {
      QStringLiteral("Lang=") + (isFrench_ ? QStringLiteral("FR") : QStringLiteral("EN")),
      QStringLiteral("Interface=") + QString::number(counters_.interfaces().SelectedInterface),
      QStringLiteral("Transparency=") + QString::number(s.scrTransp()),
      QStringLiteral("KbitMode=") + b(s.optInbits()),
      QStringLiteral("KbyteMode=") + b(s.optInBytes()),
      QStringLiteral("CumuledMode=") + b(s.optCumul()),
      QStringLiteral("MeanMode=") + b(s.optMean()),
      QStringLiteral("DLLimit=") + QString::number(s.DLLimit()),
      QStringLiteral("GraphRefresh=") + QString::number(s.GraphRefresh()),
      QStringLiteral("ShowDL=") + b(s.optDL()),
      QStringLiteral("ShowUL=") + b(s.optUL()),
      QStringLiteral("MinimizeAllMode=") + b(s.optMinAll()),
      QStringLiteral("MinimizeTavoMode=") + b(s.optMinTavo()),
      QStringLiteral("DetailedLog=") + QString::number(s.chkLogging()),
      QStringLiteral("CheckVersion=") + QString::number(s.chkUpdate()),
      QStringLiteral("SkinDescriptorFile=") + s.SkinDescriptorFile(),
      QStringLiteral("WindowPositionX=") + px(pos.x()),
      QStringLiteral("WindowPositionY=") + px(pos.y()),
  };
  QString error;
  const bool saved = writeLinesAtomically(settingsPath(), lines, &error);
  if (failures_) {
    if (saved) failures_->succeeded(settingsPath());
    else failures_->failed({FileFailure::Action::SaveSettings, settingsPath(), error, {}});
  }
  return saved;
}

void SettingsFile::applyGraphSettings(std::int16_t dlLimit, int graphDelayIndex) {
  settings_.setDLLimit(dlLimit);
  if (graphDelayIndex == kGraphPerSecond || graphDelayIndex == kGraphPerMinute) {
    settings_.setGraphRefresh(std::int16_t(graphDelayIndex));
    graphRefreshPeriod_ = redrawPeriod(std::int16_t(graphDelayIndex));
  }
}

}  // namespace tavo::monitor
