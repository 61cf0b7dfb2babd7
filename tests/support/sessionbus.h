#pragma once
// A session bus of the test binary's own. The programs the tests start
// would otherwise meet the user's bus, or, where the desktop's dbus-x11 is
// installed and no bus is named, launch one of their own that writes
// ~/.dbus/ into the test's private home and outlives the test. So the main
// of every test binary starts a private dbus-daemon and names it in
// DBUS_SESSION_BUS_ADDRESS, which every program started later inherits;
// the daemon ends with the binary, or with the kernel's signal when the
// binary dies.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>

#include <sys/prctl.h>

#ifndef TAVO_TEST_BUS_CONFIG
#error "TAVO_TEST_BUS_CONFIG names tests/support/sessionbus.conf (see tests/support/CMakeLists.txt)"
#endif

namespace tavo::testing {

class PrivateSessionBus {
 public:
  PrivateSessionBus() = default;
  PrivateSessionBus(const PrivateSessionBus&) = delete;
  PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;
  ~PrivateSessionBus() { stop(); }

  // Starts the daemon; empty when it runs, else why not.
  QString start() {
    if (!folder_.isValid()) return QStringLiteral("no temporary folder for the bus's socket");
    daemon_.setProgram(QStringLiteral("dbus-daemon"));
    daemon_.setArguments({QString::fromUtf8("--config-file=" TAVO_TEST_BUS_CONFIG),
                          QStringLiteral("--address=unix:dir=") + folder_.path(), QStringLiteral("--nofork"),
                          QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    // It complains that it may not raise its descriptor limit: not a fault.
    daemon_.setStandardErrorFile(QProcess::nullDevice());
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon_.start();
    if (!daemon_.waitForStarted(10000)) return QStringLiteral("dbus-daemon did not start (./build.sh installs dbus)");
    QByteArray line;
    while (!line.contains('\n') && daemon_.state() == QProcess::Running && daemon_.waitForReadyRead(10000))
      line += daemon_.readAllStandardOutput();
    address_ = QByteArray(line.trimmed());
    if (address_.isEmpty()) {
      stop();
      return QStringLiteral("dbus-daemon gave no address");
    }
    return {};
  }

  QByteArray address() const { return address_; }

  void stop() {
    if (daemon_.state() == QProcess::NotRunning) return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) {
      daemon_.kill();
      daemon_.waitForFinished(5000);
    }
  }

 private:
  QTemporaryDir folder_;
  QProcess daemon_;
  QByteArray address_;
};

// For a test binary's main, before Qt starts: the bus for this process and
// every program it starts. Without dbus-daemon the address names a socket
// nobody listens on, which still keeps any program from launching a bus.
inline void usePrivateSessionBus(PrivateSessionBus& bus) {
  const QString why = bus.start();
  QByteArray address = bus.address();
  if (!why.isEmpty()) {
    std::fprintf(stderr, "test main: no private session bus: %s\n", qPrintable(why));
    address = "unix:path=/nonexistent/tavo-tests-no-session-bus";
  }
  qputenv("DBUS_SESSION_BUS_ADDRESS", address);
}

}  // namespace tavo::testing
