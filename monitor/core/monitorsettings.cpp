#include "monitor/core/monitorsettings.h"

#include <algorithm>

namespace tavo::monitor {

namespace {
// First and last option of the group an option belongs to.
std::pair<int, int> groupOf(Option o) {
  const int i = int(o);
  if (i <= int(Option::Mean)) return {int(Option::Inbits), int(Option::Mean)};
  if (i <= int(Option::UL)) return {int(Option::DL), int(Option::UL)};
  return {int(Option::MinAll), int(Option::MinTavo)};
}
}  // namespace

MonitorSettings::MonitorSettings(QObject* parent) : QObject(parent) {
  options_[int(Option::InBytes)] = true;
  options_[int(Option::DL)] = true;
  options_[int(Option::MinAll)] = true;
}

void MonitorSettings::setOne(Option o, bool on) {
  if (options_[int(o)] == on) return;
  options_[int(o)] = on;
  emit optionChanged(o, on);
}

void MonitorSettings::setOption(Option o, bool on) {
  if (on) {
    const auto [first, last] = groupOf(o);
    for (int i = first; i <= last; ++i)
      if (i != int(o)) setOne(Option(i), false);
  }
  setOne(o, on);
}

void MonitorSettings::setChkLogging(int value) {
  value = std::clamp(value, 0, 2);
  if (value == chkLogging_) return;
  chkLogging_ = value;
  emit chkLoggingClicked(value);
}

void MonitorSettings::setChkUpdate(int value) {
  value = std::clamp(value, 0, 2);
  if (value == chkUpdate_) return;
  chkUpdate_ = value;
  emit chkUpdateChanged(value);
}

void MonitorSettings::setScrTransp(int value) {
  value = std::clamp(value, 0, 255);
  if (value == scrTransp_) return;
  scrTransp_ = value;
  emit scrTranspChanged(value);
}

void MonitorSettings::setDLLimit(std::int16_t v) {
  if (v == dlLimit_) return;
  dlLimit_ = v;
  emit dlLimitChanged(v);
}

void MonitorSettings::setGraphRefresh(std::int16_t v) {
  if (v == graphRefresh_) return;
  graphRefresh_ = v;
  emit graphRefreshChanged(v);
}

void MonitorSettings::setSkinDescriptorFile(const QString& path) {
  if (path == skinDescriptorFile_) return;
  skinDescriptorFile_ = path;
  emit skinDescriptorFileChanged(path);
}

void MonitorSettings::setWindowPosition(const QPointF& p) {
  if (p == windowPosition_) return;
  windowPosition_ = p;
  emit windowPositionChanged(p);
}

}  // namespace tavo::monitor
