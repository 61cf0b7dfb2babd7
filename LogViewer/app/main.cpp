// TavoLogV: shows the rate logs that the monitor writes into logs/.
#include "LogViewer/ui/logviewerprogram.h"
#include "common/desktopseam.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program ends only through its list window (or a missing log).
  QApplication::setQuitOnLastWindowClosed(false);
  // The boxes' buttons speak the program's language once it is known.
  const tavo::logv::LogViewerProgram* viewer = nullptr;
  tavo::RealDesktop desktop([&viewer] { return viewer && viewer->isFrench(); });
  tavo::logv::LogViewerProgram program(QCoreApplication::applicationDirPath(), desktop);
  viewer = &program;
  if (!program.start(QCoreApplication::arguments())) return 0;
  return QApplication::exec();
}
