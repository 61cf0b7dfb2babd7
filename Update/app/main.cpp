// Update: tells the user that a newer version of a product is published.
// Started by the monitor with the product token, the installed version
// and the language code.
#include <QApplication>

#include "Update/ui/updaterprogram.h"
#include "common/desktopseam.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program ends through its window, or when there is nothing to show.
  QApplication::setQuitOnLastWindowClosed(false);
  tavo::RealDesktop desktop;
  tavo::update::UpdaterProgram program(tavo::update::webHost(), desktop);
  if (!program.start(QCoreApplication::arguments())) return 0;
  return QApplication::exec();
}
