#pragma once
// Tavo.ini: every setting at its default, then the file's lines applied in
// their order at start-up; the whole file rewritten when the settings are
// saved.
#include "common/regionaltext.h"
#include "monitor/core/filefailures.h"
#include "monitor/core/monitorsettings.h"
#include "monitor/core/trafficcounters.h"

#include <QPointF>
#include <QString>
#include <cstdint>
#include <functional>

namespace tavo::monitor {

class SettingsFile {
 public:
  // The watched interface is a setting too; it lives with the counters.
  SettingsFile(const QString& folder, TrafficCounters& counters, const RegionalFormat& regional);

  MonitorSettings& settings() { return settings_; }
  const MonitorSettings& settings() const { return settings_; }
  // The language flag, true for French; French until Tavo.ini says otherwise.
  const bool& IsFrench() const { return isFrench_; }
  // Ticks between mini-graph redraws, following GraphRefresh.
  const std::int16_t& GraphRefreshPeriod() const { return graphRefreshPeriod_; }

  QString settingsPath() const;
  QString skinsFolder() const;

  // Needs the interface table read once (its count bounds Interface).
  void InitDefaults();
  void LoadSettings();
  [[nodiscard]] bool SaveSettings();  // false when Tavo.ini could not be replaced (told to the failures)
  void setFailures(FileFailures* failures) { failures_ = failures; }
  // The dialog's limit and delay list (0 "1 minute", 1 "60 minutes").
  void applyGraphSettings(std::int16_t dlLimit, int graphDelayIndex);
  // Where the main window stands when the settings are saved; without one,
  // the position last loaded or set.
  void setWindowPositionQuery(std::function<QPointF()> query) { windowPosition_ = std::move(query); }

 private:
  FileFailures* failures_ = nullptr;
  void applyLine(const QString& key, const QString& value);

  QString folder_;
  TrafficCounters& counters_;
  const RegionalFormat& regional_;
  MonitorSettings settings_;
  bool isFrench_ = true;
  std::int16_t graphRefreshPeriod_ = 1;
  std::function<QPointF()> windowPosition_;
};

}  // namespace tavo::monitor
