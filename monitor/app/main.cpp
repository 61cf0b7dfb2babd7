// The monitor Tavo: one instance per program folder, measuring once a
// second in its skinned window until the user quits from its menu.
#include "common/platform/net/procnetdevsource.h"
#include "monitor/engine/monitorengine.h"
#include "monitor/ui/monitorwindows.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Every window is only hidden while the monitor runs; the quit ends it.
  QApplication::setQuitOnLastWindowClosed(false);
  const QString folder = QCoreApplication::applicationDirPath();

  tavo::net::ProcNetDevSource source;
  tavo::monitor::SystemClock clock;
  tavo::monitor::MonitorEngine engine({folder, &source, &clock, /*runTimer=*/true});
  tavo::monitor::MonitorWindows windows(engine);

  engine.showError = [&windows](const QString& text, const QString& title) {
    // Not modal: the tick goes on while the box is up.
    auto* box = new QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, &windows.ui().net());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
  };

  if (!engine.Main(windows.ui().startupSteps())) return 0;  // another monitor runs in this folder
  return app.exec();
}
