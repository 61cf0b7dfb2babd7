// Load, order and fold a large all_stats.csv; draw the charts.
#include "core/chart.h"
#include "sample_sessions.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tavo;
using namespace tavo::stats;

namespace {

constexpr int kSessions = 1000000;

const RegionalFormat& format() {
  static const RegionalFormat f;
  return f;
}

// One file per order, written once.
QString sampleFile(bool reversed) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(reversed ? "reversed.csv" : "ordered.csv");
  if (!QFile::exists(path)) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bench::sampleSessionLines(format(), kSessions, reversed).join("\r\n").toLocal8Bit() + "\r\n");
  }
  return path;
}

void loadSortFold(benchmark::State& state, bool reversed) {
  const QString path = sampleFile(reversed);
  for (auto _ : state) {
    SessionStore store;
    LoadStatistics(path, format(), store);
    SortSessions(store);
    PeriodSummary days = BuildDayRows(store, format());
    PeriodSummary months = BuildMonthRows(store, format());
    benchmark::DoNotOptimize(days.count + months.count);
    if (store.sessionCount() != kSessions) state.SkipWithError("not every session loaded");
  }
  state.SetItemsProcessed(state.iterations() * kSessions);
}

void BM_LoadSortFold_InOrder(benchmark::State& s) { loadSortFold(s, false); }
void BM_LoadSortFold_Reversed(benchmark::State& s) { loadSortFold(s, true); }
BENCHMARK(BM_LoadSortFold_InOrder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadSortFold_Reversed)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ordering alone, on sessions already in memory.
void sortOnly(benchmark::State& state, bool reversed) {
  SessionStore loaded;
  LoadStatistics(sampleFile(reversed), format(), loaded);
  for (auto _ : state) {
    SortSessions(loaded);
    benchmark::DoNotOptimize(loaded.sessionOrder.data());
  }
}
void BM_Sort_InOrder(benchmark::State& s) { sortOnly(s, false); }
void BM_Sort_Reversed(benchmark::State& s) { sortOnly(s, true); }
BENCHMARK(BM_Sort_InOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort_Reversed)->Unit(benchmark::kMillisecond);

void drawChart(benchmark::State& state, PeriodKind kind) {
  PeriodSummary sel;
  const AnalysisWindow window = kind == PeriodKind::Day ? AnalysisWindow{QDate(2026, 12, 1), QDate(2027, 1, 31)}
                                                        : AnalysisWindow{QDate(2026, 1, 1), QDate(2027, 12, 31)};
  for (QDate d = window.start; d <= window.end; d = kind == PeriodKind::Day ? NextDay(d) : NextMonth(d)) {
    PeriodRow r;
    r.label = periodLabel(kind, format(), d);
    r.duration = 600 + d.day();
    r.dlMax = 1000 + 37 * d.day();
    r.ulMax = 100 + 7 * d.day();
    r.dlVol = 50 + d.day();
    r.ulVol = 5 + d.month();
    r.dlAvg = averageRate(r.dlVol, r.duration);
    r.ulAvg = averageRate(r.ulVol, r.duration);
    sel.rows.push_back(r);
  }
  sel.count = static_cast<int>(sel.rows.size());
  for (const auto& r : sel.rows) sel.totalDuration += r.duration;
  ComputePeriodSummary(sel);
  const ChartPalette palette = makeChartPalette();
  const ChartInputs in{sel, window, format(), palette, " MB"};
  ChartSurface surface;
  for (auto _ : state) {
    drawView(surface, in, kind, ChartView::All);
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}
void BM_DrawDayChart(benchmark::State& s) { drawChart(s, PeriodKind::Day); }
void BM_DrawMonthChart(benchmark::State& s) { drawChart(s, PeriodKind::Month); }
BENCHMARK(BM_DrawDayChart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawMonthChart)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts for the chart text
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
