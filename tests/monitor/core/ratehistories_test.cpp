// The four rings, their time labels and the mini graph's bars.
#include "tests/monitor/core/engine_fixture.h"

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

TEST_F(EngineTest, FirstMinuteAfterStartWritesNoSlot) {
  start();
  ticks(60, 1000, 1000);
  EXPECT_EQ(engine->History.dlPerMinute.writeIndex, 0);
  EXPECT_EQ(engine->History.dlPerMinute.newest(), 0);
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
  engine->applyGraphSettings(10, 0);
  tick(640, 0);  // 5 kbit/s
  EXPECT_FLOAT_EQ(engine->MiniGraph[0], 25.0f);
}

}  // namespace
}  // namespace tavo::monitor::testing
