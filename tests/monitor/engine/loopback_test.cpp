// The kernel's own counters: a known amount of traffic over 127.0.0.1
// shows up on "lo", received and sent.
#include "common/platform/net/procnetdevsource.h"
#include "monitor/engine/monitorengine.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

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
  tavo::monitor::ManualClock clock;
  QTemporaryDir dir;
  tavo::monitor::MonitorEngine engine({dir.path(), &source, &clock, /*runTimer=*/false});
  engine.ReadInterfaceTable();
  int lo = -1;
  for (int i = 1; i <= 10; ++i)
    if (engine.Interfaces.entries[i].description == QStringLiteral("lo")) lo = i;
  if (lo < 0) GTEST_SKIP() << "lo is not among the first ten interfaces";
  engine.Interfaces.SelectedInterface = lo;
  engine.ResetMonitoring();

  ASSERT_TRUE(sendOverLoopback());
  clock.advanceSeconds(1);
  engine.frmNet_tmrMainTimer_Timer();

  // Headers and acknowledgements add a little; other programs may add a
  // little more. Loopback counts every byte once as sent and once as received.
  const std::uint64_t low = kPayload, high = kPayload + kPayload / 20 + (4u << 20);
  EXPECT_GE(engine.Counters.DeltaDL, low);
  EXPECT_LE(engine.Counters.DeltaDL, high);
  EXPECT_GE(engine.Counters.DeltaUL, low);
  EXPECT_LE(engine.Counters.DeltaUL, high);
  EXPECT_GE(engine.Counters.KbitDL, std::int64_t(kPayload / 128));
}

}  // namespace
