// The monitor Tavo: one instance per program folder, measuring once a
// second in its skinned window until the user quits from its menu.
#include "common/desktopseam.h"
#include "common/platform/net/procnetdevsource.h"
#include "monitor/core/monitorengine.h"
#include "monitor/ui/monitorwindows.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) then makes a write fail, which the
  // writers handle, instead of ending the monitor in the middle of a line.
  std::signal(SIGXFSZ, SIG_IGN);
  // Under X the window is too small to gain from shared-memory images, and
  // each shared-memory flush waits for the server's word that it is done:
  // a wake-up more every time a figure changes. Qt reads the choice once,
  // when it connects; the programs the monitor starts do not inherit it.
  const bool shmChosen = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
  if (!shmChosen) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  if (!shmChosen) qunsetenv("QT_XCB_NO_MITSHM");
  // Every window is only hidden while the monitor runs; the quit ends it.
  QApplication::setQuitOnLastWindowClosed(false);
  const QString folder = QCoreApplication::applicationDirPath();

  tavo::net::ProcNetDevSource source;
  tavo::monitor::SystemClock clock;
  tavo::monitor::MonitorEngine engine({folder, &source, &clock, /*runTimer=*/true});
  // The boxes' buttons follow the language the settings chose.
  tavo::RealDesktop desktop([&engine] { return engine.IsFrench; });
  tavo::monitor::MonitorWindows windows(engine, desktop);

  if (!engine.Main(windows)) {
    using Refusal = tavo::monitor::MonitorEngine::StartRefusal;
    if (engine.startRefusal() == Refusal::AnotherMonitor) return 0;  // silently, as a second start must
    const QString text = engine.startRefusalText();
    std::fprintf(stderr, "%s: %s\n", qPrintable(engine.errorTitle()), qPrintable(text.simplified()));
    // In the language of the settings file that refused, read apart.
    const bool french = engine.startRefusalIsFrench();
    tavo::RealDesktop refusal([french] { return french; });
    refusal.critical(nullptr, engine.errorTitle(), text);
    return 1;
  }
  return app.exec();
}
