// The monitor Tavo: one instance per program folder, measuring once a
// second until the user quits.
#include "common/platform/net/procnetdevsource.h"
#include "monitor/app/mainwindow.h"
#include "monitor/engine/monitorengine.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const QString folder = QCoreApplication::applicationDirPath();

  tavo::net::ProcNetDevSource source;
  tavo::monitor::SystemClock clock;
  tavo::monitor::MonitorEngine engine({folder, &source, &clock, /*runTimer=*/true});
  tavo::monitor::app::frmNet window(engine);

  engine.showError = [&window](const QString& text, const QString& title) {
    // Not modal: the tick goes on while the box is up.
    auto* box = new QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
  };
  window.onQuit = [&engine] {
    engine.QuitSave();
    QCoreApplication::exit(0);
  };

  tavo::monitor::StartupSteps steps;
  steps.LoadSkins = [&window] { window.show(); };
  steps.ShowMain = [&window] {
    window.show();
    window.raise();
  };
  if (!engine.Main(steps)) return 0;  // another monitor runs in this folder
  return app.exec();
}
