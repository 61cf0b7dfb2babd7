// The settings dialog's option groups.
#include "monitor/core/monitorsettings.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

namespace tavo::monitor::testing {
namespace {

TEST(MonitorSettingsGroups, SwitchingOffSwitchesNothingOn) {
  MonitorSettings s;
  QSignalSpy spy(&s, &MonitorSettings::optionChanged);
  s.setOption(Option::Cumul, true);
  EXPECT_TRUE(s.optCumul());
  EXPECT_FALSE(s.optInBytes());
  EXPECT_TRUE(s.optDL());  // other groups untouched
  s.setOption(Option::Cumul, false);
  EXPECT_FALSE(s.optInbits() || s.optInBytes() || s.optCumul() || s.optMean());
  EXPECT_EQ(spy.count(), 3);  // InBytes off, Cumul on, Cumul off
  s.setOption(Option::MinTavo, true);
  EXPECT_FALSE(s.optMinAll());
}

}  // namespace
}  // namespace tavo::monitor::testing
