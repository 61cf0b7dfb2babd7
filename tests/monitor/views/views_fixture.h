#pragma once
// An engine over a fake interface table and a hand-moved clock in a
// temporary program folder, for the monitor's secondary windows.
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "common/platform/net/fakeinterfacesource.h"
#include "common/textfile.h"
#include "monitor/engine/monitorengine.h"

namespace tavo::views::testing {

class ViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ASSERT_TRUE(dir.isValid());
    src.set(QStringLiteral("lo"), 1000, 1000);
    src.set(QStringLiteral("eth0"), 5000, 7000);
    src.set(QStringLiteral("wlan0"), 300, 400);
  }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }

  tavo::monitor::MonitorEngine& start() {
    engine = std::make_unique<tavo::monitor::MonitorEngine>(
        tavo::monitor::EngineConfig{dir.path(), &src, &clock, /*runTimer=*/false});
    EXPECT_TRUE(engine->Main({}));
    return *engine;
  }
  // One second passes, the watched traffic moves by rx/tx bytes, the tick runs.
  void tick(std::uint64_t rx = 0, std::uint64_t tx = 0, const QString& name = QStringLiteral("eth0")) {
    src.add(name, rx, tx);
    clock.advanceSeconds(1);
    engine->frmNet_tmrMainTimer_Timer();
  }
  void ticks(int n, std::uint64_t rx = 0, std::uint64_t tx = 0) {
    for (int i = 0; i < n; ++i) tick(rx, tx);
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  QStringList lines(const QString& name) const { return tavo::readTextLines(path(name)).lines; }

  QTemporaryDir dir;
  tavo::net::FakeInterfaceSource src;
  tavo::monitor::ManualClock clock{QDateTime(QDate(2026, 12, 8), QTime(14, 5, 30))};
  std::unique_ptr<tavo::monitor::MonitorEngine> engine;
};

}  // namespace tavo::views::testing
