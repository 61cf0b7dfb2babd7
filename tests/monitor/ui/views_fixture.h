#pragma once
// The engine fixture under French regional settings, for the monitor's
// secondary windows.
#include "tests/monitor/core/engine_fixture.h"

namespace tavo::monitor::testing {

class ViewsTest : public tavo::monitor::testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  }
};

}  // namespace tavo::monitor::testing
