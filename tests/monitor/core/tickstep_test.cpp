// A step of the tick that throws is abandoned, said in the monitor's log,
// and the tick goes on with its next step.
#include "monitor/core/tickstep.h"
#include "tests/monitor/core/engine_fixture.h"
#include "tests/support/categorywarnings.h"

#include <gtest/gtest.h>
#include <QList>
#include <QString>

#include <functional>
#include <stdexcept>

namespace tavo::monitor::testing {
namespace {

// The warnings of the category "tavo.monitor" while it lives.
class MonitorLogCapture : public tavo::test::CategoryWarnings {
 public:
  MonitorLogCapture() : CategoryWarnings("tavo.monitor") {}
};

struct ThrowCase {
  const char* name;
  std::function<void()> body;
  const char* logged;  // what the log line must hold
};

void PrintTo(const ThrowCase& c, std::ostream* os) { *os << c.name; }

class TickStepThrows : public ::testing::TestWithParam<ThrowCase> {};

TEST_P(TickStepThrows, IsAbandonedLoggedAndTheNextStepRuns) {
  MonitorLogCapture log;
  bool nextRan = false;
  EXPECT_NO_THROW(step(GetParam().body));
  EXPECT_NO_THROW(step([&] { nextRan = true; }));
  EXPECT_TRUE(nextRan);
  ASSERT_EQ(log.messages().size(), 1);
  EXPECT_TRUE(log.messages().front().contains(QLatin1String(GetParam().logged)))
      << log.messages().front().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tick, TickStepThrows,
                         ::testing::Values(ThrowCase{"StandardException", [] { throw std::runtime_error("disk gone"); },
                                                     "disk gone"},
                                           ThrowCase{"OtherException", [] { throw 42; }, "unknown exception"}),
                         [](const ::testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.name); });

TEST(TickStep, AStepThatSucceedsLogsNothing) {
  MonitorLogCapture log;
  int runs = 0;
  step([&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(log.messages().isEmpty());
}

// Through the engine: the counters' step throws, the rings are still written.
TEST_F(EngineTest, ATickWhoseReadingThrowsGoesOnWithItsNextSteps) {
  start();
  ticks(3, 1000, 1000);
  const int before = engine->TickCounter;
  const int slot = history().dlPerSecond.writeIndex;
  MonitorLogCapture log;
  src.throwOnRead = true;
  EXPECT_NO_THROW(tick());
  EXPECT_EQ(engine->TickCounter, before + 1);
  EXPECT_NE(history().dlPerSecond.writeIndex, slot) << "the per-second ring was not written";
  ASSERT_FALSE(log.messages().isEmpty());
  EXPECT_TRUE(log.messages().front().contains(QLatin1String("the fake table cannot be read")));
  src.throwOnRead = false;
  EXPECT_NO_THROW(tick(1000, 1000));
}

}  // namespace
}  // namespace tavo::monitor::testing
