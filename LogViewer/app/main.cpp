// TavoLogV: shows the rate logs that the monitor writes into logs/.
#include <QApplication>

#include "LogViewer/ui/logviewerprogram.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program ends only through its list window (or a missing log).
  QApplication::setQuitOnLastWindowClosed(false);
  tavo::logv::LogViewerProgram program(QCoreApplication::applicationDirPath());
  if (!program.start(QCoreApplication::arguments())) return 0;
  return QApplication::exec();
}
