// Load, order and fold a large all_stats.csv; start the analyser on it up
// to the summary window; draw the charts. The load and the start-up also
// run once in a fresh process each, for their time and peak memory, and
// every run checks a checksum of its results against the reference.
#include "Stats/core/chart.h"
#include "Stats/ui/statsprogram.h"
#include "bench/Stats/childrun.h"
#include "bench/Stats/sample_sessions.h"
#include "tests/support/fakedesktop.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <chrono>
#include <cstdio>

using namespace tavo;
using namespace tavo::stats;

namespace {

constexpr int kSessions = 1000000;

// What the sample files must load into, order and fold to: sessions,
// order, rows and summaries exactly as the analyser makes them.
constexpr std::uint64_t kReferenceChecksum[2] = {3865452913526217917ull, 1891546701822284893ull};  // in order, reversed

// Session lines are read back under the regional settings they were
// written with; a fixed locale keeps the files and the checksums the same
// on every machine.
const QLocale& locale() {
  static const QLocale l(QLocale::French, QLocale::France);
  return l;
}

const RegionalFormat& format() {
  static const RegionalFormat f(locale());
  return f;
}

void addSummary(measure::Checksum& sum, const PeriodSummary& s) {
  for (const QDateTime& d : {s.dateMax, s.dateMin}) {
    sum.add(static_cast<std::uint64_t>(d.date().toJulianDay()));
    sum.add(static_cast<std::uint64_t>(d.time().msecsSinceStartOfDay()));
  }
  for (const std::int64_t v :
       {std::int64_t{s.count}, s.totalDuration, std::int64_t{s.maxDl}, std::int64_t{s.maxUl}, std::int64_t{s.meanMaxDl},
        std::int64_t{s.meanMaxUl}, s.totalDlVol, s.totalUlVol, s.maxDlVol, s.maxUlVol, std::int64_t{s.dlAvg},
        std::int64_t{s.ulAvg}, std::int64_t{s.maxDlAvg}, std::int64_t{s.maxUlAvg}})
    sum.add(static_cast<std::uint64_t>(v));
  for (const QString* t :
       {&s.maxDlLabel, &s.maxUlLabel, &s.maxDlVolLabel, &s.maxUlVolLabel, &s.maxDlAvgLabel, &s.maxUlAvgLabel})
    sum.addText(*t);
  for (const PeriodRow& r : s.rows) {
    sum.addText(r.label);
    for (const std::int64_t v : {r.duration, std::int64_t{r.dlMax}, std::int64_t{r.ulMax}, r.dlVol, r.ulVol,
                                 std::int64_t{r.dlAvg}, std::int64_t{r.ulAvg}})
      sum.add(static_cast<std::uint64_t>(v));
  }
}

std::uint64_t checksum(const SessionStore& store, const PeriodSummary& days, const PeriodSummary& months) {
  measure::Checksum sum;
  for (const SessionRecord& r : store.sessionTable) {
    for (const std::int64_t v : {r.start, r.end, std::int64_t{r.minutes}, std::int64_t{r.dlMax}, std::int64_t{r.ulMax},
                                 std::int64_t{r.dlVol}, std::int64_t{r.ulVol}})
      sum.add(static_cast<std::uint64_t>(v));
  }
  for (const std::int32_t i : store.sessionOrder) sum.add(static_cast<std::uint64_t>(i));
  for (const std::int64_t v :
       {store.totalMinutes, std::int64_t{store.skippedLines}, store.oldestStart, store.newestStart})
    sum.add(static_cast<std::uint64_t>(v));
  addSummary(sum, days);
  addSummary(sum, months);
  return sum.value();
}

// The folder of one order, holding its all_stats.csv; both written once.
QString sampleFolder(bool reversed) {
  static QTemporaryDir dir;
  static const bool written = [] {
    // UTC only to step the clock quickly: the text is the wall-clock time either way.
    QStringList lines =
        bench::sampleSessionLines(format(), kSessions, false, QDateTime(QDate(1990, 1, 1), QTime(0, 10), Qt::UTC));
    for (const char* name : {"ordered", "reversed"}) {
      QDir(dir.path()).mkdir(QLatin1String(name));
      QFile f(dir.filePath(QLatin1String(name) + QStringLiteral("/all_stats.csv")));
      if (!f.open(QIODevice::WriteOnly)) return false;
      f.write(lines.join("\r\n").toLocal8Bit() + "\r\n");
      std::reverse(lines.begin(), lines.end());
    }
    return true;
  }();
  (void)written;
  return dir.filePath(reversed ? "reversed" : "ordered");
}

QString sampleFile(bool reversed) { return QDir(sampleFolder(reversed)).filePath("all_stats.csv"); }

bool checkResult(benchmark::State& state, bool reversed, std::uint64_t sum) {
  state.SetLabel("checksum " + std::to_string(sum));
  if (sum != kReferenceChecksum[reversed]) {
    state.SkipWithError(("the results differ from the reference: checksum " + std::to_string(sum)).c_str());
    return false;
  }
  return true;
}

void childCounters(benchmark::State& state, const measure::ChildRun& run, bool reversed) {
  if (!run.ok) {
    state.SkipWithError(run.error.c_str());
    return;
  }
  state.counters["peak_MB"] = run.peakMB;
  state.counters["held_MB"] = run.heldMB;
  checkResult(state, reversed, run.checksum);
}

void loadSortFold(benchmark::State& state, bool reversed) {
  const QString path = sampleFile(reversed);
  SessionStore store;
  PeriodSummary days, months;
  for (auto _ : state) {
    if (LoadStatistics(path, format(), store) != LoadOutcome::Loaded) {
      state.SkipWithError("the sample file did not load");
      return;
    }
    SortSessions(store);
    days = BuildDayRows(store, format());
    months = BuildMonthRows(store, format());
    benchmark::DoNotOptimize(days.count + months.count);
  }
  state.SetItemsProcessed(state.iterations() * kSessions);
  if (store.sessionCount() != kSessions) {
    state.SkipWithError("not every session loaded");
    return;
  }
  if (!checkResult(state, reversed, checksum(store, days, months))) return;
  // Peak memory of the same work alone in a fresh process.
  childCounters(state, measure::runChild({"load", path.toStdString()}), reversed);
}

void BM_LoadSortFold_InOrder(benchmark::State& s) { loadSortFold(s, false); }
void BM_LoadSortFold_Reversed(benchmark::State& s) { loadSortFold(s, true); }
BENCHMARK(BM_LoadSortFold_InOrder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadSortFold_Reversed)->Unit(benchmark::kMillisecond)->Iterations(3);

// A statistics file of more than 2 GiB, nearly all of it NUL bytes (what a
// disk fault can leave), with one session before them and one after: its
// load alone in a fresh process, for the time and the peak memory, which
// must follow the two sessions and not the file. The file is sparse, so it
// costs the disk nothing.
QString hugeNulFile() {
  static QTemporaryDir dir;
  static const QString path = []() -> QString {
    const QString p = dir.filePath("all_stats.csv");
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly)) return {};
    const QByteArray first = "01/12/2026 10:00:00;01/12/2026 11:30:00;2048;512;150;20\r\n";
    const QByteArray last = "\r\n02/12/2026 10:00:00;02/12/2026 10:30:00;1024;256;50;10\r\n";
    if (f.write(first) != first.size() || !f.resize((qint64(1) << 31) + 4096) || !f.seek(f.size()) ||
        f.write(last) != last.size())
      return {};
    return p;
  }();
  return path;
}

void BM_LoadHugeNulFile(benchmark::State& state) {
  const QString path = hugeNulFile();
  if (path.isEmpty()) {
    state.SkipWithError("cannot write the sparse file");
    return;
  }
  for (auto _ : state) {
    const measure::ChildRun run = measure::runChild({"huge", path.toStdString()});
    if (!run.ok) {
      state.SkipWithError(run.error.c_str());
      break;
    }
    state.SetIterationTime(run.span);
    state.counters["file_MB"] = measure::megabytes(static_cast<double>(QFile(path).size()));
    state.counters["peak_MB"] = run.peakMB;
    state.counters["held_MB"] = run.heldMB;
  }
}
BENCHMARK(BM_LoadHugeNulFile)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

// The analyser started on the file up to its summary window on the screen,
// each time in a new process: the time from the start of the process, and
// its peak memory.
void startToSummary(benchmark::State& state, bool reversed) {
  const std::string folder = sampleFolder(reversed).toStdString();
  for (auto _ : state) {
    const measure::ChildRun run = measure::runChild({"startup", folder});
    if (!run.ok) {
      state.SkipWithError(run.error.c_str());
      break;
    }
    state.SetIterationTime(run.untilDone);
    childCounters(state, run, reversed);
  }
}
void BM_StartToSummary_InOrder(benchmark::State& s) { startToSummary(s, false); }
void BM_StartToSummary_Reversed(benchmark::State& s) { startToSummary(s, true); }
BENCHMARK(BM_StartToSummary_InOrder)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_StartToSummary_Reversed)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// Ordering alone, on sessions already in memory.
void sortOnly(benchmark::State& state, bool reversed) {
  SessionStore loaded;
  if (LoadStatistics(sampleFile(reversed), format(), loaded) != LoadOutcome::Loaded) {
    state.SkipWithError("the sample file did not load");
    return;
  }
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

// ------------------------------------------------------------ child side

// load <file>: the work of the load benchmark, once.
int childLoad(const QString& path) {
  const auto started = measure::Clock::now();
  SessionStore store;
  if (LoadStatistics(path, format(), store) != LoadOutcome::Loaded) return 1;
  SortSessions(store);
  const PeriodSummary days = BuildDayRows(store, format());
  const PeriodSummary months = BuildMonthRows(store, format());
  measure::reportToParent(started, measure::Clock::now(), checksum(store, days, months));
  return 0;
}

// huge <file>: the load of the file of NUL bytes, once; it must give its
// two sessions and one unreadable line.
int childHuge(const QString& path) {
  const auto started = measure::Clock::now();
  SessionStore store;
  if (LoadStatistics(path, format(), store) != LoadOutcome::Loaded) return 1;
  const auto done = measure::Clock::now();
  if (store.sessionCount() != 2 || store.skippedLines != 1 || store.totalMinutes != 120) return 3;
  measure::reportToParent(started, done, static_cast<std::uint64_t>(store.sessionCount()));
  return 0;
}

// startup <folder>: the analyser's start as its main() does it, until the
// summary window is on the screen and painted.
int childStartup(int argc, char** argv, const QString& folder) {
  const auto started = measure::Clock::now();
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  tavo::test::FakeDesktop desktop;
  desktop.onAsk = [](const tavo::BoxRequest& box) {
    std::fprintf(stderr, "%s\n", qPrintable(box.text));
    return QMessageBox::Ok;
  };
  StatsProgram program(folder, desktop, locale());
  if (!program.Main({"TavoStat", "EN"})) return 1;
  QWidget* summary = program.mainWindow();
  while (!(summary->windowHandle() && summary->windowHandle()->isExposed()))
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QCoreApplication::processEvents();
  const StatsState& s = program.state();
  measure::reportToParent(started, measure::Clock::now(), checksum(s.sessions, s.DaySummary, s.MonthSummary));
  return 0;
}

int childMain(int argc, char** argv) {
  const std::string work = argc > 2 ? argv[2] : "";
  const QString arg = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
  if (work == "load") return childLoad(arg);
  if (work == "huge") return childHuge(arg);
  if (work == "startup") return childStartup(argc, argv, arg);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (measure::isChild(argc, argv)) return childMain(argc, argv);
  QGuiApplication app(argc, argv);  // fonts for the chart text
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
