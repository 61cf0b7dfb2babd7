// The monitor Tavo: one instance per program folder, measuring once a
// second in its skinned window until the user quits from its menu.
#include "common/messagebox.h"
#include "common/platform/net/procnetdevsource.h"
#include "monitor/core/monitorengine.h"
#include "monitor/ui/monitorwindows.h"

#include <QApplication>
#include <QMessageBox>

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
  tavo::monitor::MonitorWindows windows(engine);

  QObject::connect(&engine, &tavo::monitor::MonitorEngine::errorRaised, &engine, [&windows](const QString& text,
                                                                                         const QString& title) {
    // Not modal: the tick goes on while the box is up.
    auto* box = new QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, &windows.ui().net());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
  });

  if (!engine.Main(windows.ui().startupSteps())) {
    using Refusal = tavo::monitor::MonitorEngine::StartRefusal;
    if (engine.startRefusal() == Refusal::AnotherMonitor) return 0;  // silently, as a second start must
    const QString text = engine.startRefusalText();
    std::fprintf(stderr, "%s: %s\n", qPrintable(engine.errorTitle()), qPrintable(text.simplified()));
    tavo::makeMessageBox(QMessageBox::Critical, engine.errorTitle(), text, QMessageBox::Ok,
                         engine.startRefusalIsFrench())
        ->exec();
    return 1;
  }
  return app.exec();
}
