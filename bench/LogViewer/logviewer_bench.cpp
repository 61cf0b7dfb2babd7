// The log viewer on a log of one year (525,600 one-minute samples) and of
// ten years: reading it, its whole-log figures, the visible sequence
// (window figures and graph redraw) at each zoom level, and the program
// opening it from the click to the drawn graph in a fresh process, with
// its time and memory. Each read is checked against a reference checksum.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <chrono>
#include <cstdio>

#include "LogViewer/core/logfile.h"
#include "LogViewer/core/loggraph.h"
#include "LogViewer/core/viewermodel.h"
#include "LogViewer/core/zoom.h"
#include "LogViewer/ui/frmgraphe.h"
#include "LogViewer/ui/frmmain.h"
#include "LogViewer/ui/logviewerprogram.h"
#include "bench/Stats/childrun.h"
#include "common/bulkread.h"
#include "common/numbers.h"
#include "common/regionaltext.h"
#include "common/textfile.h"
#include "tests/support/fakedesktop.h"

using namespace tavo::logv;

namespace {

constexpr int kYear = 525'600;

struct SampleLog {
  const char* name;
  int samples;
  std::uint64_t checksum;  // of the samples read and the whole-log figures
};
constexpr SampleLog kYearLog{"yearlog.csv", kYear, 8860079021796724410ull};
constexpr SampleLog kTenYearLog{"tenyearlog.csv", 10 * kYear, 11839750509071663324ull};

const QLocale& locale() {
  static const QLocale l(QLocale::French, QLocale::France);
  return l;
}

// Minute after minute from 1 January 2026 00:01, as the monitor writes
// them: the regional date-time text, download and upload rates.
bool writeSampleLog(const QString& path, int count) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const tavo::RegionalFormat format(locale());
  // The date text once a day and the time texts of one day: the lines are
  // the same as dateTimeText of every sample, written much faster.
  QString times[1440];
  for (int m = 1; m < 1440; ++m) times[m] = QLatin1Char(' ') + format.timeOfDay(QTime(0, 0).addSecs(60 * m));
  const QDate first(2026, 1, 1);
  QByteArray chunk;
  QString dateText;
  for (int i = 0; i < count; ++i) {
    const int minute = i + 1;
    if (i == 0 || minute % 1440 == 0)
      dateText = format.dateTimeText(QDateTime(first.addDays(minute / 1440), QTime(0, 0)));
    const int dl = int((i * 7919LL) % 25000), ul = int((i * 104729LL) % 3000);
    chunk += (dateText + times[minute % 1440] + QLatin1Char(';') + QString::number(dl) + QLatin1Char(';') +
              QString::number(ul) + QStringLiteral("\r\n"))
                 .toUtf8();
    if (chunk.size() > (1 << 20)) {
      f.write(chunk);
      chunk.clear();
    }
  }
  return f.write(chunk) == chunk.size();
}

// logs/<name> written once per log.
QString folder(const SampleLog& log) {
  static QTemporaryDir dir;
  QDir(dir.path()).mkdir(QStringLiteral("logs"));
  const QString path = dir.filePath(QStringLiteral("logs/") + QLatin1String(log.name));
  if (!QFile::exists(path)) writeSampleLog(path, log.samples);
  return dir.path();
}

QString logPath(const SampleLog& log) {
  return QDir(folder(log)).filePath(QStringLiteral("logs/") + QLatin1String(log.name));
}

std::uint64_t checksum(const LogSampleArray& samples, const RangeStats& whole, const StatsLabels& labels) {
  tavo::measure::Checksum sum;
  for (std::int32_t i = 1; i <= samples.count(); ++i) {
    const LogSample s = samples.at(i);
    sum.add(static_cast<std::uint64_t>(s.when));
    sum.add(static_cast<std::uint64_t>(std::int64_t{s.download}));
    sum.add(static_cast<std::uint64_t>(std::int64_t{s.upload}));
  }
  for (const std::int32_t v : {whole.first, whole.last, whole.count, whole.downloadMax, whole.uploadMax,
                               whole.downloadVolume, whole.uploadVolume, whole.downloadMean, whole.uploadMean})
    sum.add(static_cast<std::uint64_t>(std::int64_t{v}));
  for (const QString* t : {&labels.dateMin, &labels.dateMax}) sum.addText(*t);
  return sum.value();
}

std::uint64_t checksum(const LogViewerModel& m) {
  return checksum(m.samples(), m.WholeLogStats, m.FillWholeLogLabels());
}

bool checkResult(benchmark::State& state, const SampleLog& log, std::uint64_t sum) {
  state.SetLabel("checksum " + std::to_string(sum));
  if (sum == log.checksum) return true;
  state.SkipWithError(("the samples read differ from the reference: checksum " + std::to_string(sum)).c_str());
  return false;
}

void BM_ReadYearLog(benchmark::State& state) {
  const tavo::RegionalFormat format(locale());
  const QString path = logPath(kYearLog);
  LogSampleArray samples;
  for (auto _ : state) {
    const ReadLogResult r = ReadLogFile(path, format, samples);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * kYear);
  state.SetBytesProcessed(state.iterations() * QFile(path).size());
  state.counters["samples_MB"] = tavo::measure::megabytes(double(samples.bytesHeld()));
  RangeStats whole = wholeLogRange(samples.count());
  ComputeRangeStats(whole, samples);
  checkResult(state, kYearLog, checksum(samples, whole, statsLabels(whole, samples, format)));
}
BENCHMARK(BM_ReadYearLog)->Unit(benchmark::kMillisecond);

// The lines of the year log alone, by the suite's line reader and by the
// plain ways it stands in for (QFile::readLine, then the system decoding;
// readTextLines): the figures quoted in common/bulkread.cpp.
void BM_LinesOfYearLog(benchmark::State& state) {
  const QString path = logPath(kYearLog);
  std::int64_t lines = 0;
  for (auto _ : state) {
    lines = 0;
    switch (state.range(0)) {
      case 0: {
        tavo::LineReader reader(path);
        tavo::LineReader::Line line;
        if (!reader.open()) break;
        while (reader.next(line)) lines += !line.bytes.empty();
        break;
      }
      case 1: {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) break;
        while (!f.atEnd()) {
          const QString text = QString::fromLocal8Bit(f.readLine()).trimmed();
          lines += !text.isEmpty();
        }
        break;
      }
      default: lines = tavo::readTextLines(path).lines.size(); break;
    }
    benchmark::DoNotOptimize(lines);
  }
  static const char* const kNames[] = {"LineReader", "QFile::readLine", "readTextLines"};
  state.SetLabel(kNames[state.range(0)]);
  state.SetItemsProcessed(state.iterations() * kYear);
  state.SetBytesProcessed(state.iterations() * QFile(path).size());
  if (lines != kYear) state.SkipWithError("not every line read");
}
BENCHMARK(BM_LinesOfYearLog)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The year log read the plain way: every line as text, its date-time by
// the regional reader and its rates by readInt32Checked. What ReadLogFile
// gives, at the cost it would have without the long-file readers.
void BM_ReadYearLogAsText(benchmark::State& state) {
  const tavo::RegionalFormat format(locale());
  const QString path = logPath(kYearLog);
  std::int64_t read = 0;
  for (auto _ : state) {
    read = 0;
    for (const QString& line : tavo::readTextLines(path).lines) {
      const QStringList fields = line.split(QLatin1Char(';'));
      if (fields.size() < 3) continue;
      const auto when = format.parseDateTimeParts(fields[0]);
      const auto download = tavo::readInt32Checked(fields[1]);
      const auto upload = tavo::readInt32Checked(fields[2]);
      read += when && download && upload;
    }
    benchmark::DoNotOptimize(read);
  }
  state.SetItemsProcessed(state.iterations() * kYear);
  state.SetBytesProcessed(state.iterations() * QFile(path).size());
  if (read != kYear) state.SkipWithError("not every sample read");
}
BENCHMARK(BM_ReadYearLogAsText)->Unit(benchmark::kMillisecond);

LogViewerModel& openedModel() {
  static LogViewerModel model = [] {
    LogViewerModel m(folder(kYearLog), locale());
    // A log that could not be opened shows in the checksums of the runs.
    static_cast<void>(m.InitLogViewer());
    static_cast<void>(m.openLog(QLatin1String(kYearLog.name)));
    m.ShowLogGraph();
    return m;
  }();
  return model;
}

void BM_WholeLogStats(benchmark::State& state) {
  LogViewerModel& m = openedModel();
  for (auto _ : state) {
    RangeStats whole = wholeLogRange(m.samples().count());
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
  LogViewerModel m(folder(kYearLog), locale());
  // A log that could not be opened shows in the checksum below.
  static_cast<void>(m.InitLogViewer());
  QImage image = makeGraphImage();
  for (auto _ : state) {
    static_cast<void>(m.openLog(QLatin1String(kYearLog.name)));
    m.ShowLogGraph();
    DrawLogGraph(image, {m.samples(), m.VisibleStats, m.zoom(), m.palette(), m.format()});
    benchmark::DoNotOptimize(image.constBits());
  }
  checkResult(state, kYearLog, checksum(m));
}
BENCHMARK(BM_OpenYearLog)->Unit(benchmark::kMillisecond);

// The program in a new process each time: the log chosen in the list,
// from the click on cmdSelect to the graph window drawn on the screen,
// with the memory the program holds then and at its peak.
void openInProgram(benchmark::State& state, const SampleLog& log) {
  const std::string dir = folder(log).toStdString();
  for (auto _ : state) {
    const tavo::measure::ChildRun run = tavo::measure::runChild({"open", dir, log.name});
    if (!run.ok) {
      state.SkipWithError(run.error.c_str());
      break;
    }
    state.SetIterationTime(run.span);
    state.counters["held_MB"] = run.heldMB;
    state.counters["peak_MB"] = run.peakMB;
    if (!checkResult(state, log, run.checksum)) break;
  }
}
void BM_ClickToGraph_Year(benchmark::State& s) { openInProgram(s, kYearLog); }
void BM_ClickToGraph_TenYears(benchmark::State& s) { openInProgram(s, kTenYearLog); }
BENCHMARK(BM_ClickToGraph_Year)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_ClickToGraph_TenYears)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// ------------------------------------------------------------ child side

bool exposed(QWidget* w) { return w->windowHandle() && w->windowHandle()->isExposed(); }

void waitUntilExposed(QWidget* w) {
  while (!exposed(w)) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QCoreApplication::processEvents();  // its first paint
}

// open <folder> <name>: the viewer started as the monitor starts it, the
// log selected in the list, then the click and the graph window drawn.
int childOpen(int argc, char** argv, const QString& programFolder, const QString& name) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tavo::test::FakeDesktop desktop;
  desktop.onAsk = [](const tavo::BoxRequest& box) {
    std::fprintf(stderr, "%s\n", qPrintable(box.text));
    return QMessageBox::Ok;
  };
  LogViewerProgram program(programFolder, desktop, locale());
  if (!program.start({"TavoLogV", "FR"})) return 1;
  frmMain& list = program.mainWindow();
  auto* flLog = list.findChild<QListWidget*>("flLog");
  auto* cmdSelect = list.findChild<QPushButton*>("cmdSelect");
  if (!flLog || !cmdSelect) return 1;
  const auto items = flLog->findItems(name, Qt::MatchExactly);
  if (items.size() != 1) return 1;
  flLog->setCurrentItem(items.first());
  waitUntilExposed(&list);

  const auto clicked = tavo::measure::Clock::now();
  cmdSelect->click();
  waitUntilExposed(&program.graphWindow());
  tavo::measure::reportToParent(clicked, tavo::measure::Clock::now(), checksum(program.model()));
  return 0;
}

int childMain(int argc, char** argv) {
  const std::string work = argc > 2 ? argv[2] : "";
  if (work == "open" && argc > 4)
    return childOpen(argc, argv, QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (tavo::measure::isChild(argc, argv)) return childMain(argc, argv);
  QGuiApplication app(argc, argv);  // fonts for the graph's texts
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
