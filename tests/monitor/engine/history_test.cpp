// The tick's order, the four rings, their time labels and the mini graph.
#include "engine_fixture.h"

#include <QSignalSpy>

namespace tavo::monitor::testing {
namespace {

TEST_F(EngineTest, PerSecondRingAdvancesFromTheSecondTickAfterAReset) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  tick(0, 128);
  EXPECT_EQ(engine->History.ulPerSecond.writeIndex, 0);  // first tick: only the reading
  EXPECT_TRUE(engine->History.ulPerSecond.hasReading);
  tick(0, 1280);
  EXPECT_EQ(engine->History.ulPerSecond.writeIndex, 1);
  EXPECT_EQ(engine->History.ulPerSecond.values[1], 10);
  EXPECT_EQ(engine->TimeLabels.perSecond[1], QTime(14, 5, 32));
  EXPECT_TRUE(engine->TimeLabels.perSecond[2].isNull());
  for (int t = 3; t <= 600; ++t) tick(0, 128);
  EXPECT_EQ(engine->History.ulPerSecond.writeIndex, 599);
  tick(0, 256);
  EXPECT_EQ(engine->History.ulPerSecond.writeIndex, 0);
  EXPECT_EQ(engine->History.ulPerSecond.values[0], 2);
  EXPECT_EQ(engine->History.dlPerSecond.writeIndex, 0);
}

TEST_F(EngineTest, ZeroCounterStillMakesTheRingAdvance) {
  // A watched entry reading 0 bytes is a reading too.
  src.rows.clear();
  src.set(QStringLiteral("dummy0"), 0, 0);
  writeIni({QStringLiteral("Interface=1")});
  start();
  ticks(5);
  EXPECT_EQ(engine->History.ulPerSecond.writeIndex, 4);
  EXPECT_EQ(engine->History.dlPerSecond.writeIndex, 4);
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
    if (t == 59) { EXPECT_FALSE(exists(QStringLiteral("session_stats.csv"))); }
    if (t == 60) { EXPECT_TRUE(exists(QStringLiteral("session_stats.csv"))); }
  }
  // 60: first reading only; 120..660: a slot each.
  EXPECT_EQ(minuteTicks, (std::vector<int>{60, 120, 180, 240, 300, 360, 420, 480, 540, 600, 660}));
  EXPECT_EQ(engine->History.ulPerMinute.writeIndex, 10);
  EXPECT_EQ(engine->History.ulPerMinute.newest(), 1000);  // 7680000 bytes a minute
  EXPECT_EQ(engine->TickCounter, 100);
  EXPECT_EQ(engine->TimeLabels.perMinute[1], QTime(14, 7, 30));
}

TEST_F(EngineTest, FirstMinuteAfterStartWritesNoSlot) {
  start();
  ticks(60, 1000, 1000);
  EXPECT_EQ(engine->History.dlPerMinute.writeIndex, 0);
  EXPECT_EQ(engine->History.dlPerMinute.newest(), 0);
}

TEST_F(EngineTest, InterfaceChangeKeepsTheTickCount) {
  start();
  ticks(45);
  engine->ChangeInterface(2);
  EXPECT_EQ(engine->TickCounter, 45);
  ticks(15);
  EXPECT_TRUE(exists(QStringLiteral("session_stats.csv")));  // minute work 15 ticks after the change
  EXPECT_TRUE(engine->History.ulPerMinute.hasReading);
  EXPECT_EQ(engine->History.ulPerMinute.writeIndex, 0);
}

TEST_F(EngineTest, MiniGraphBarsFollowTheNewestSlots) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  QSignalSpy spy(engine.get(), &MonitorEngine::miniGraphUpdated);
  tick();
  ASSERT_EQ(spy.count(), 1);  // the redraw asked by the reset
  for (float h : engine->MiniGraph) EXPECT_EQ(h, 0.0f);
  tick(65536, 0);   // 512 kbit/s
  tick(131072, 0);  // 1024 kbit/s
  tick(262144, 0);  // 2048 kbit/s
  EXPECT_FLOAT_EQ(engine->MiniGraph[0], 50.0f);
  EXPECT_FLOAT_EQ(engine->MiniGraph[1], 50.0f);
  EXPECT_FLOAT_EQ(engine->MiniGraph[2], 25.0f);
  EXPECT_FLOAT_EQ(engine->MiniGraph[3], 0.0f);
  EXPECT_EQ(spy.count(), 4);
  // The upload direction shows at the next redraw.
  engine->settings().setOption(Option::UL, true);
  EXPECT_FLOAT_EQ(engine->MiniGraph[0], 50.0f);
  tick();
  EXPECT_FLOAT_EQ(engine->MiniGraph[1], 0.0f);
}

TEST_F(EngineTest, MiniGraphScaleEdges) {
  writeIni({QStringLiteral("Interface=2"), QStringLiteral("DLLimit=0")});
  start();
  ticks(3, 0, 0);
  for (float h : engine->MiniGraph) EXPECT_FLOAT_EQ(h, 50.0f);  // a limit of 0 draws every bar full
  engine->ApplyGraphSettings(10, 0);
  tick(640, 0);  // 5 kbit/s
  EXPECT_FLOAT_EQ(engine->MiniGraph[0], 25.0f);
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
  engine->ApplyGraphSettings(2000, 1);
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
