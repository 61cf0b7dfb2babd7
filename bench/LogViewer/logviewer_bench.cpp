// The log viewer on a log of one year (525,600 one-minute samples): reading
// it, its whole-log figures, and the visible sequence (window figures and
// graph redraw) at each zoom level.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "LogViewer/core/loggraph.h"
#include "LogViewer/core/logfile.h"
#include "LogViewer/core/viewermodel.h"
#include "LogViewer/core/zoom.h"
#include "common/regionaltext.h"

using namespace tavo::logv;

namespace {

constexpr int kYear = 525'600;

const QLocale& locale() {
  static const QLocale l(QLocale::French, QLocale::France);
  return l;
}

// logs/yearlog.csv written once, as the monitor writes it.
const QTemporaryDir& folder() {
  static QTemporaryDir dir;
  static const bool written = [] {
    QDir(dir.path()).mkdir(QStringLiteral("logs"));
    QFile f(dir.filePath(QStringLiteral("logs/yearlog.csv")));
    if (!f.open(QIODevice::WriteOnly)) return false;
    const tavo::RegionalFormat format(locale());
    // UTC only to write quickly: the text is the wall-clock time either way.
    QDateTime t(QDate(2026, 1, 1), QTime(0, 1), Qt::UTC);
    QByteArray chunk;
    for (int i = 0; i < kYear; ++i, t = t.addSecs(60)) {
      const int dl = int((i * 7919LL) % 25000), ul = int((i * 104729LL) % 3000);
      chunk += (format.dateTimeText(t) + QLatin1Char(';') + QString::number(dl) + QLatin1Char(';') +
                QString::number(ul) + QStringLiteral("\r\n"))
                   .toUtf8();
      if (chunk.size() > (1 << 20)) {
        f.write(chunk);
        chunk.clear();
      }
    }
    f.write(chunk);
    return true;
  }();
  (void)written;
  return dir;
}

QString yearLog() { return folder().filePath(QStringLiteral("logs/yearlog.csv")); }

void BM_ReadYearLog(benchmark::State& state) {
  const tavo::RegionalFormat format(locale());
  const QString path = yearLog();
  LogSampleArray samples;
  for (auto _ : state) {
    const ReadLogResult r = ReadLogFile(path, format, samples);
    benchmark::DoNotOptimize(r);
    if (samples.count() != kYear) state.SkipWithError("the year log did not read whole");
  }
  state.SetItemsProcessed(state.iterations() * kYear);
  state.SetBytesProcessed(state.iterations() * QFile(path).size());
  state.counters["held_MB"] = double(samples.capacity()) * sizeof(LogSample) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ReadYearLog)->Unit(benchmark::kMillisecond);

LogViewerModel& openedModel() {
  static LogViewerModel model = [] {
    LogViewerModel m(folder().path(), locale());
    m.InitLogViewer();
    m.OpenLog(QStringLiteral("yearlog.csv"));
    m.ShowLogGraph();
    return m;
  }();
  return model;
}

void BM_WholeLogStats(benchmark::State& state) {
  LogViewerModel& m = openedModel();
  for (auto _ : state) {
    RangeStats whole = WholeLogRange(m.samples().count());
    ComputeRangeStats(whole, m.samples());
    benchmark::DoNotOptimize(whole);
  }
  state.SetItemsProcessed(state.iterations() * kYear);
}
BENCHMARK(BM_WholeLogStats)->Unit(benchmark::kMicrosecond);

// The visible sequence after a scroll: window figures, labels, redraw.
void BM_VisibleSequence(benchmark::State& state) {
  LogViewerModel& m = openedModel();
  m.setZoomLevel(static_cast<std::int16_t>(state.range(0)));
  QImage image = makeGraphImage();
  std::int32_t value = kYear / 2;
  for (auto _ : state) {
    m.setScrollValue(value);
    value = value == kYear / 2 ? kYear / 2 + 30 : kYear / 2;
    const StatsLabels labels = m.FillVisibleLabels();
    DrawLogGraph(image, {m.samples(), m.VisibleStats, m.zoom(), m.palette(), m.format()});
    benchmark::DoNotOptimize(labels);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetLabel(m.scaleLabel().toStdString());
}
BENCHMARK(BM_VisibleSequence)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMicrosecond);

// Opening the log from the list: reading and the first graph.
void BM_OpenYearLog(benchmark::State& state) {
  LogViewerModel m(folder().path(), locale());
  m.InitLogViewer();
  QImage image = makeGraphImage();
  for (auto _ : state) {
    m.OpenLog(QStringLiteral("yearlog.csv"));
    m.ShowLogGraph();
    DrawLogGraph(image, {m.samples(), m.VisibleStats, m.zoom(), m.palette(), m.format()});
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_OpenYearLog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts for the graph's texts
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
