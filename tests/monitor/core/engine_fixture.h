#pragma once
// An engine over a fake interface table and a hand-moved clock, in a
// temporary program folder.
#include "common/textfile.h"
#include "monitor/core/monitorengine.h"
#include "tests/support/fakeinterfacesource.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <memory>

namespace tavo::monitor::testing {

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    ASSERT_TRUE(dir.isValid());
    src.set(QStringLiteral("lo"), 1000, 1000);
    src.set(QStringLiteral("eth0"), 5000, 7000);
    src.set(QStringLiteral("wlan0"), 300, 400);
  }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }

  MonitorEngine& make() {
    engine = std::make_unique<MonitorEngine>(EngineConfig{dir.path(), &src, &clock, /*runTimer=*/false});
    return *engine;
  }
  // Start-up as the program runs it.
  MonitorEngine& start() {
    make();
    EXPECT_TRUE(engine->Main());
    return *engine;
  }
  // One second passes and `name` moves by rx/tx bytes; then the tick runs.
  void tick(std::uint64_t rx = 0, std::uint64_t tx = 0, const QString& name = QStringLiteral("eth0")) {
    src.add(name, rx, tx);
    clock.advanceSeconds(1);
    engine->frmNet_tmrMainTimer_Timer();
  }
  void ticks(int n, std::uint64_t rx = 0, std::uint64_t tx = 0) {
    for (int i = 0; i < n; ++i) tick(rx, tx);
  }

  // The engine's units, to run one step of theirs on their own.
  TrafficCounters& counters() { return engine->counters_; }
  RateHistories& histories() { return engine->histories_; }
  SessionFiles& sessions() { return engine->sessions_; }
  RateLog& rateLog() { return engine->rateLog_; }
  SettingsFile& settingsFile() { return engine->settingsFile_; }
  // Rings and labels set by hand, for pictures no run of ticks reaches quickly.
  RateHistory& history() { return histories().history_; }
  HistoryTimeLabels& timeLabels() { return histories().labels_; }

  QString path(const QString& name) const { return dir.filePath(name); }
  bool exists(const QString& name) const { return QFile::exists(path(name)); }
  QStringList lines(const QString& name) const { return readTextLines(path(name)).lines; }
  QByteArray bytes(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void writeFile(const QString& name, const QByteArray& content) {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
  }
  void writeIni(const QStringList& l) { ASSERT_TRUE(writeLinesAtomically(path(QStringLiteral("Tavo.ini")), l)); }

  QTemporaryDir dir;
  tavo::net::FakeInterfaceSource src;
  ManualClock clock{QDateTime(QDate(2026, 12, 8), QTime(14, 5, 30))};
  std::unique_ptr<MonitorEngine> engine;
};

}  // namespace tavo::monitor::testing
