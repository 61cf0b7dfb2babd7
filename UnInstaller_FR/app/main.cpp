// Uninstall: removes an installation of the suite as its uninstall record
// describes it. Started without an argument it hands over to a copy of
// itself outside the installation folder, which does the work.
#include <QApplication>

#include "UnInstaller_FR/ui/uninstallerprogram.h"
#include "common/desktopseam.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program ends through its log window, or when there is nothing to do.
  QApplication::setQuitOnLastWindowClosed(false);
  // The uninstaller speaks French: "Oui" and "Non" on its buttons.
  tavo::RealDesktop desktop([] { return true; });
  tavo::uninstall::UninstallerProgram program(QCoreApplication::applicationDirPath(), desktop);
  if (!program.start(QCoreApplication::arguments())) return 0;
  return QApplication::exec();
}
