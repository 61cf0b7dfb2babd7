// Interface table, byte deltas, rates, totals and means.
#include "common/platform/net/procnetdevsource.h"
#include "tests/monitor/core/engine_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <limits>
#include <thread>

namespace tavo::monitor::testing {
namespace {

constexpr std::uint64_t k2p31 = std::uint64_t(1) << 31;
constexpr std::uint64_t k2p32 = std::uint64_t(1) << 32;

// The one rate rule of the figures and the rings: whole kbit/s rounded
// down, exact up to the largest counts, over one second or sixty.
TEST(WholeKbitPerSecond, TableOfCounts) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  struct Case {
    std::uint64_t bytes, seconds, kbit;
    const char* what;
  };
  const Case cases[] = {
      {0, 1, 0, "nothing"},
      {127, 1, 0, "under one kbit rounds down"},
      {128, 1, 1, "one kbit"},
      {131072, 1, 1024, "one megabit"},
      {1250000000, 1, 9765625, "a 10 Gbit/s line"},
      {7679, 60, 0, "a minute under one kbit/s"},
      {7680, 60, 1, "a minute of one kbit/s"},
      {60 * 131072 + 7679, 60, 1024, "a minute's mean rounds down"},
      {kMax, 1, kMax / 128, "the largest count, one second"},
      {kMax, 60, kMax / 7680, "the largest count, one minute"},
      {1000, 0, 0, "no time, no rate"},
  };
  for (const Case& c : cases) EXPECT_EQ(wholeKbitPerSecond(c.bytes, c.seconds), c.kbit) << c.what;
}

TEST(CounterDelta, TableOfReadings) {
  struct Case {
    std::uint64_t prev, cur, delta;
    const char* what;
  };
  const Case cases[] = {
      {1000, 1000, 0, "no traffic"},
      {1000, 1500, 500, "plain growth"},
      {k2p31 - 8, k2p31 + 12, 20, "crossing 2^31"},
      {4294967290ull, 6, 12, "32-bit wrap"},
      {5000, 1000, 0, "restart"},
      {k2p32 - 100, k2p32 + 50, 150, "64-bit counter crossing 2^32"},
      {k2p32 + 5000, 1000, 0, "64-bit counter restarted"},
      {3000000000ull, 100, 0, "restart from high, too far for one tick's wrap"},
      {0xFFFFFFFFFFFFFF00ull, 0xFFFFFFFFFFFFFFF0ull, 0xF0, "near the top of 64 bits"},
  };
  for (const Case& c : cases) EXPECT_EQ(counterDelta(c.prev, c.cur), c.delta) << c.what;
}

TEST_F(EngineTest, TableHoldsFirstTenRowsInOrderAndEntryZeroCountsAll) {
  src.rows.clear();
  for (int i = 0; i < 45; ++i) src.set(QStringLiteral("if%1").arg(i), 1000 * i, 10 * i);
  start();
  EXPECT_EQ(engine->Interfaces.InterfaceCount, 45);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(engine->Interfaces.entries[i].description, QStringLiteral("if%1").arg(i - 1));
  // Every row adds to entry 0, the 40th to 45th too.
  for (auto& r : src.rows) r.rxBytes += 100;
  src.add(QStringLiteral("if44"), 900, 0);
  clock.advanceSeconds(1);
  engine->frmNet_tmrMainTimer_Timer();
  EXPECT_EQ(engine->Counters.DeltaDL, 45u * 100 + 900);
}

TEST_F(EngineTest, WatchedInterfaceDeltasIn64Bits) {
  writeIni({QStringLiteral("Interface=2")});
  src.set(QStringLiteral("eth0"), k2p31 - 8, 4294967290ull);
  start();
  ASSERT_EQ(engine->Interfaces.SelectedInterface, 2);
  // Crossing 2^31 and a 32-bit wrap on the same tick.
  src.set(QStringLiteral("eth0"), k2p31 + 12, 6);
  tick();
  EXPECT_EQ(engine->Counters.DeltaDL, 20u);
  EXPECT_EQ(engine->Counters.DeltaUL, 12u);
  // More than 268435455 bytes in one tick.
  tick(std::uint64_t(3) << 30, std::uint64_t(1) << 29);
  EXPECT_EQ(engine->Counters.KbitDL, (std::int64_t(3) << 30) / 128);
  EXPECT_EQ(engine->Counters.KbyteUL, (std::int64_t(1) << 29) / 1024);
  EXPECT_EQ(engine->Counters.MaxDL, (std::int64_t(3) << 30) / 128);
  EXPECT_DOUBLE_EQ(engine->Counters.MBytesDL, 3072.0 + 20.0 / 1048576.0);
}

TEST_F(EngineTest, RestartOfWatchedInterfaceCountsNothing) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  tick(4000, 0);
  EXPECT_EQ(engine->Counters.DeltaDL, 4000u);
  src.set(QStringLiteral("eth0"), 1000, 0);  // driver reset
  tick();
  EXPECT_EQ(engine->Counters.DeltaDL, 0u);
  EXPECT_EQ(engine->Counters.DeltaUL, 0u);
  tick(500, 0);
  EXPECT_EQ(engine->Counters.DeltaDL, 500u);
}

TEST_F(EngineTest, AllInterfacesOnlyGrowWhenInterfacesComeAndGo) {
  start();
  ASSERT_EQ(engine->Interfaces.SelectedInterface, 0);
  tick(100, 200);
  EXPECT_EQ(engine->Counters.DeltaDL, 100u);
  std::uint64_t last = engine->Counters.CurIn;

  src.remove(QStringLiteral("eth0"));  // unplugged: its big counters leave the sum
  tick(0, 0, QStringLiteral("lo"));
  EXPECT_EQ(engine->Counters.DeltaDL, 0u);
  EXPECT_EQ(engine->Counters.DeltaUL, 0u);
  EXPECT_GE(engine->Counters.CurIn, last);

  src.add(QStringLiteral("wlan0"), 50, 60);  // wlan0 moved up to eth0's place and counted
  tick(0, 0, QStringLiteral("lo"));
  EXPECT_EQ(engine->Counters.DeltaDL, 50u);
  EXPECT_EQ(engine->Interfaces.entries[2].description, QStringLiteral("wlan0"));

  src.set(QStringLiteral("usb0"), 900000000, 900000000);  // plugged with history: no phantom traffic
  tick(0, 0, QStringLiteral("lo"));
  EXPECT_EQ(engine->Counters.DeltaDL, 0u);
  tick(10, 0, QStringLiteral("usb0"));
  EXPECT_EQ(engine->Counters.DeltaDL, 10u);
  EXPECT_EQ(engine->Interfaces.InterfaceCount, 3);
  EXPECT_EQ(engine->Counters.MaxDL, 0);  // 100 bytes at most: below 1 kbit/s
}

TEST_F(EngineTest, RenumberedEntryStartsAfreshWithoutAStep) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  tick(1000, 0);
  EXPECT_EQ(engine->Counters.DeltaDL, 1000u);
  src.remove(QStringLiteral("eth0"));  // wlan0 (300 bytes) becomes row 2
  tick(0, 0, QStringLiteral("lo"));
  EXPECT_EQ(engine->Counters.DeltaDL, 0u);
  EXPECT_EQ(engine->Interfaces.entries[2].description, QStringLiteral("wlan0"));
  tick(70, 0, QStringLiteral("wlan0"));
  EXPECT_EQ(engine->Counters.DeltaDL, 70u);
}

TEST_F(EngineTest, EntryWhoseRowDisappearsKeepsItsLastValues) {
  start();
  const InterfaceEntry before = engine->Interfaces.entries[3];
  src.remove(QStringLiteral("wlan0"));
  tick();
  EXPECT_EQ(engine->Interfaces.entries[3].description, before.description);
  EXPECT_EQ(engine->Interfaces.entries[3].inOctets, before.inOctets);
  EXPECT_FALSE(engine->Interfaces.entries[3].present);
  EXPECT_EQ(engine->Interfaces.InterfaceCount, 2);
}

TEST_F(EngineTest, NotSupportedIsShownOnceWhileItLasts) {
  make();
  QStringList shown;
  QObject::connect(engine.get(), &MonitorEngine::errorRaised,
                   [&](const QString& text, const QString& title) { shown << title + "|" + text; });
  src.status = tavo::net::ReadStatus::NotSupported;
  ASSERT_TRUE(engine->Main());
  ticks(5);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0], QStringLiteral("Tavo error|    Your system does not support IP Helper DLL    "));
  EXPECT_EQ(engine->Counters.KbitDL, 0);
  src.status = tavo::net::ReadStatus::Failed;  // a failed reading does not end the condition
  tick();
  src.status = tavo::net::ReadStatus::NotSupported;
  tick();
  EXPECT_EQ(shown.size(), 1);
  src.status = tavo::net::ReadStatus::Ok;
  ticks(2);
  src.status = tavo::net::ReadStatus::NotSupported;
  ticks(3);
  EXPECT_EQ(shown.size(), 2);
}

TEST_F(EngineTest, FailedReadingKeepsTheTableAndCountsLaterTraffic) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  src.status = tavo::net::ReadStatus::Failed;
  tick(1000, 0);
  EXPECT_EQ(engine->Counters.DeltaDL, 0u);
  src.status = tavo::net::ReadStatus::Ok;
  tick(24, 0);
  EXPECT_EQ(engine->Counters.DeltaDL, 1024u);
}

TEST_F(EngineTest, RatesFromOneTick) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  struct Case {
    std::uint64_t bytes;
    std::int64_t kbit, kbyte;
  };
  for (const Case& c : {Case{1023, 7, 0}, Case{1024, 8, 1}, Case{131072, 1024, 128}, Case{0, 0, 0}}) {
    tick(c.bytes, c.bytes);
    EXPECT_EQ(engine->Counters.KbitUL, c.kbit) << c.bytes;
    EXPECT_EQ(engine->Counters.KbyteUL, c.kbyte) << c.bytes;
    EXPECT_EQ(engine->Counters.KbitDL, c.kbit) << c.bytes;
  }
  EXPECT_EQ(engine->Counters.MaxUL, 1024);
  EXPECT_EQ(engine->Counters.DailyMaxUL, 1024);
}

TEST_F(EngineTest, MeanRateCountsFromOneSecondBeforeTheReset) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  tick(0, 10240);
  EXPECT_EQ(engine->Counters.KbitUL, 80);
  EXPECT_EQ(engine->Counters.MeanUL, 40);
  for (int n = 2; n <= 200; ++n) {
    tick(0, 10240);
    ASSERT_EQ(engine->Counters.MeanUL, n * 80 / (n + 1)) << n;
  }
  EXPECT_EQ(engine->Counters.ElapsedText, QStringLiteral("0 h : 3 m"));
}

TEST_F(EngineTest, ClockSetBackGivesNegativeMeansUntilReset) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  tick(0, 10240);
  clock.advanceSeconds(-3600);
  tick(0, 10240);
  EXPECT_LT(engine->Counters.MeanUL, 0);
  EXPECT_EQ(engine->Counters.KbitUL, 80);
}

TEST(TrafficCountersAlone, MegabytesShownRoundHalvesToEven) {
  struct Case {
    std::uint64_t bytes;
    double shown;
  };
  // 0.25 MB, 0.75 MB, just under 12.44 MB, nothing.
  for (const Case& c : {Case{262144, 0.2}, Case{786432, 0.8}, Case{13044285, 12.4}, Case{0, 0.0}}) {
    tavo::net::FakeInterfaceSource src;
    src.set(QStringLiteral("eth0"), 5000, 7000);
    ManualClock clock;
    TrafficCounters counters(src, clock, {});
    counters.selectInterface(1);
    counters.SampleCounters();
    src.add(QStringLiteral("eth0"), 0, c.bytes);
    clock.advanceSeconds(1);
    counters.SampleCounters();
    counters.ComputeRates();
    EXPECT_DOUBLE_EQ(counters.counters().MBytesShownUL, c.shown) << c.bytes;
  }
}

TEST_F(EngineTest, UserResetLeavesTheSessionAlone) {
  writeIni({QStringLiteral("Interface=2")});
  start();
  const QDateTime sessionStart = engine->Counters.DailyStart;
  ticks(10, 3 << 20, 1 << 20);
  engine->ResetCounters();
  EXPECT_EQ(engine->Counters.MBytesDL, 0.0);
  EXPECT_EQ(engine->Counters.MaxDL, 0);
  EXPECT_EQ(engine->Counters.CountStart, clock.now().addSecs(-1));
  EXPECT_EQ(engine->Counters.DailyStart, sessionStart);
  EXPECT_DOUBLE_EQ(engine->Counters.DailyMBytesDL, 30.0);
  EXPECT_EQ(engine->Counters.DailyMaxDL, (3 << 20) / 128);
}

// ---------------------------------------- the kernel's own counters

// A known amount of traffic over 127.0.0.1 shows up on "lo", received and sent.
constexpr std::size_t kPayload = 64u << 20;  // large beside the other traffic on lo

// Sends kPayload bytes from one local TCP socket to another; false on any error.
bool sendOverLoopback() {
  const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (server < 0) return false;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  socklen_t len = sizeof addr;
  if (::bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(server, 1) != 0 ||
      ::getsockname(server, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    ::close(server);
    return false;
  }
  std::size_t received = 0;
  std::thread reader([&] {
    const int conn = ::accept(server, nullptr, nullptr);
    if (conn < 0) return;
    std::vector<char> buf(1 << 16);
    for (;;) {
      const ssize_t n = ::recv(conn, buf.data(), buf.size(), 0);
      if (n <= 0) break;
      received += std::size_t(n);
    }
    ::close(conn);
  });
  const int client = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  bool ok = client >= 0 && ::connect(client, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  std::vector<char> chunk(1 << 16, 'x');
  std::size_t sent = 0;
  while (ok && sent < kPayload) {
    const ssize_t n = ::send(client, chunk.data(), std::min(chunk.size(), kPayload - sent), MSG_NOSIGNAL);
    if (n <= 0) ok = false;
    else sent += std::size_t(n);
  }
  if (client >= 0) ::close(client);
  reader.join();
  ::close(server);
  return ok && received == kPayload;
}

TEST(LoopbackCounters, KnownTrafficIsMeasuredOnLo) {
  if (!QFile::exists(QStringLiteral("/proc/net/dev"))) GTEST_SKIP() << "no /proc/net/dev";
  tavo::net::ProcNetDevSource source;
  ManualClock clock;
  TrafficCounters counters(source, clock, {});
  counters.ReadInterfaceTable();
  int lo = -1;
  for (int i = 1; i <= 10; ++i)
    if (counters.interfaces().entries[i].description == QStringLiteral("lo")) lo = i;
  if (lo < 0) GTEST_SKIP() << "lo is not among the first ten interfaces";
  counters.selectInterface(lo);
  // Two readings, as a reset takes them: the next delta is of one second.
  counters.SampleCounters();
  counters.SampleCounters();

  ASSERT_TRUE(sendOverLoopback());
  clock.advanceSeconds(1);
  counters.SampleCounters();
  counters.ComputeRates();

  // Headers and acknowledgements add a little; other programs may add a
  // little more. Loopback counts every byte once as sent and once as received.
  const MonitorCounters& c = counters.counters();
  const std::uint64_t low = kPayload, high = kPayload + kPayload / 20 + (4u << 20);
  EXPECT_GE(c.DeltaDL, low);
  EXPECT_LE(c.DeltaDL, high);
  EXPECT_GE(c.DeltaUL, low);
  EXPECT_LE(c.DeltaUL, high);
  EXPECT_GE(c.KbitDL, std::int64_t(kPayload / 128));
}

}  // namespace
}  // namespace tavo::monitor::testing
