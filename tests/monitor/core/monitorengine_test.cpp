// The tick's order: what runs every tick, every 60th and every 600th, the
// redraws it asks for, and the reset that restarts all measuring.
#include "tests/monitor/core/engine_fixture.h"

#include <QSignalSpy>

namespace tavo::monitor::testing {
namespace {

TEST_F(EngineTest, TickHooksRunOnlyWhileTheirWindowsAreUp) {
  start();
  QSignalSpy bubble(engine.get(), &MonitorEngine::trackBubble);
  QSignalSpy big(engine.get(), &MonitorEngine::refreshHistoryCounters);
  tick();
  engine->setBubbleShown(true);
  tick();
  engine->setBigGraphVisible(true);
  tick();
  EXPECT_EQ(bubble.count(), 2);
  EXPECT_EQ(big.count(), 1);
}

TEST_F(EngineTest, MinuteWorkRunsEverySixtiethTick) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  std::vector<int> minuteTicks;
  for (int t = 1; t <= 700; ++t) {
    const int before = engine->History.ulPerMinute.hasReading ? engine->History.ulPerMinute.writeIndex + 1000 : -1;
    tick(0, 7680000 / 60);
    const int after = engine->History.ulPerMinute.hasReading ? engine->History.ulPerMinute.writeIndex + 1000 : -1;
    if (after != before) minuteTicks.push_back(t);
    if (t == 59) {
      EXPECT_FALSE(exists(QStringLiteral("session_stats.csv")));
    }
    if (t == 60) {
      EXPECT_TRUE(exists(QStringLiteral("session_stats.csv")));
    }
  }
  // 60: first reading only; 120..660: a slot each.
  EXPECT_EQ(minuteTicks, (std::vector<int>{60, 120, 180, 240, 300, 360, 420, 480, 540, 600, 660}));
  EXPECT_EQ(engine->History.ulPerMinute.writeIndex, 10);
  EXPECT_EQ(engine->History.ulPerMinute.newest(), 1000);  // 7680000 bytes a minute
  EXPECT_EQ(engine->TickCounter, 100);
  EXPECT_EQ(engine->TimeLabels.perMinute[1], QTime(14, 7, 30));
}

TEST_F(EngineTest, InterfaceChangeKeepsTheTickCount) {
  start();
  ticks(45);
  engine->changeInterface(2);
  EXPECT_EQ(engine->TickCounter, 45);
  ticks(15);
  EXPECT_TRUE(exists(QStringLiteral("session_stats.csv")));  // minute work 15 ticks after the change
  EXPECT_TRUE(engine->History.ulPerMinute.hasReading);
  EXPECT_EQ(engine->History.ulPerMinute.writeIndex, 0);
}

TEST_F(EngineTest, PerMinuteGraphRedrawsEverySixtiethTickAndAfterReset) {
  writeIni({QStringLiteral("Interface=2"), QStringLiteral("GraphRefresh=1")});
  start();
  EXPECT_EQ(engine->GraphRefreshPeriod, 60);
  QSignalSpy spy(engine.get(), &MonitorEngine::miniGraphUpdated);
  std::vector<int> redraws;
  for (int t = 1; t <= 180; ++t) {
    const qsizetype before = spy.count();
    tick(7680000 / 60, 0);
    if (spy.count() != before) redraws.push_back(t);
  }
  EXPECT_EQ(redraws, (std::vector<int>{1, 60, 120, 180}));
  EXPECT_NEAR(engine->MiniGraph[0], 1000.0f / 1024.0f * 50.0f, 1e-3);  // 1000 kbit/s against 1024
  // The settings dialog's graph button asks for a redraw at the next tick.
  engine->applyGraphSettings(2000, 1);
  tick(7680000 / 60, 0);
  EXPECT_EQ(spy.count(), 5);
  EXPECT_FLOAT_EQ(engine->MiniGraph[0], 25.0f);
}

TEST_F(EngineTest, ResetClearsRingsAndLabels) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  ticks(130, 5000, 5000);
  engine->ResetMonitoring();
  for (const RateRing* r : {&engine->History.ulPerSecond, &engine->History.dlPerMinute}) {
    EXPECT_FALSE(r->hasReading);
    EXPECT_EQ(r->writeIndex, 0);
    for (auto v : r->values) ASSERT_EQ(v, 0);
  }
  for (const QTime& t : engine->TimeLabels.perSecond) ASSERT_TRUE(t.isNull());
  EXPECT_EQ(engine->Counters.MBytesDL, 0.0);
  EXPECT_TRUE(engine->GraphRefreshPending);
}

}  // namespace
}  // namespace tavo::monitor::testing
