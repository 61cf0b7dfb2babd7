// The monitor runs all day: one tick must cost a few microseconds.
#include "common/platform/net/procnetdevsource.h"
#include "monitor/core/monitorengine.h"
#include "tests/support/fakeinterfacesource.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

using namespace tavo::monitor;

// One tick outside the once-a-minute work, with the labels and the mini
// graph redrawn every tick (the per-second time base), as the window sees it.
void BM_Tick(benchmark::State& state) {
  const int interfaces = int(state.range(0));
  tavo::net::FakeInterfaceSource src;
  for (int i = 0; i < interfaces; ++i) src.set(QStringLiteral("veth%1").arg(i), 1000000ull * i, 2000000ull * i);
  ManualClock clock;
  QTemporaryDir dir;
  MonitorEngine engine({dir.path(), &src, &clock, /*runTimer=*/false});
  engine.Main();
  QString ul, dl;
  float top = 0;
  QObject::connect(&engine, &MonitorEngine::rateTextsChanged, [&](const QString& u, const QString& d) {
    ul = u;
    dl = d;
  });
  QObject::connect(&engine, &MonitorEngine::miniGraphUpdated, [&](const MiniGraphBars& b) { top = b[0]; });
  std::uint64_t n = 0;
  for (auto _ : state) {
    for (auto& r : src.rows) {
      r.rxBytes += 150000 + (n & 1023);
      r.txBytes += 20000;
    }
    if (engine.TickCounter % 60 == 59) {
      // The next tick does the minute's file work: not what is measured.
      state.PauseTiming();
      clock.advanceSeconds(1);
      engine.frmNet_tmrMainTimer_Timer();
      state.ResumeTiming();
    }
    clock.advanceSeconds(1);
    engine.frmNet_tmrMainTimer_Timer();
    ++n;
  }
  benchmark::DoNotOptimize(top);
  benchmark::DoNotOptimize(ul);
}
BENCHMARK(BM_Tick)->Arg(4)->Arg(50);

// One reading of the kernel's table.
void BM_ReadProcNetDev(benchmark::State& state) {
  tavo::net::ProcNetDevSource source;
  std::vector<tavo::net::InterfaceRow> rows;
  if (source.read(rows) != tavo::net::ReadStatus::Ok) {
    state.SkipWithError("no /proc/net/dev");
    return;
  }
  for (auto _ : state) {
    source.read(rows);
    benchmark::DoNotOptimize(rows.data());
  }
  state.counters["rows"] = double(rows.size());
}
BENCHMARK(BM_ReadProcNetDev);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
