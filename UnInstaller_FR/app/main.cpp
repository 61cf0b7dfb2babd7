// Uninstall: removes an installation of the suite as its uninstall record
// describes it. Started without an argument it hands over to a copy of
// itself outside the installation folder, which does the work.
#include <QApplication>

#include "UnInstaller_FR/ui/uninstallerprogram.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program ends through its log window, or when there is nothing to do.
  QApplication::setQuitOnLastWindowClosed(false);
  tavo::uninstall::UninstallerProgram program(QCoreApplication::applicationDirPath(), tavo::uninstall::desktopSeams(),
                                              [] { QCoreApplication::exit(0); });
  if (!program.start(QCoreApplication::arguments())) return 0;
  return QApplication::exec();
}
