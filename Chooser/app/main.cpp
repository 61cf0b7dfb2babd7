// Install: offers the installation in English or in French and starts that
// installer build from its own folder, keeping the current folder.
#include <QApplication>

#include "Chooser/ui/chooserprogram.h"
#include "common/desktopseam.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tavo::RealDesktop desktop;
  tavo::chooser::ChooserProgram program(QCoreApplication::applicationDirPath(), desktop);
  program.show();
  return QApplication::exec();
}
