// TavoStat: the statistics analyser. Started by the monitor with "FR" or
// "EN"; reads all_stats.csv beside itself.
#include "Stats/ui/statsprogram.h"
#include "common/desktopseam.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The summary window's closing or hiding ends the program, not the
  // last window closed.
  app.setQuitOnLastWindowClosed(false);
  // The boxes' buttons speak the program's language once it is known.
  const tavo::stats::StatsProgram* analyser = nullptr;
  tavo::RealDesktop desktop([&analyser] { return analyser && analyser->state().IsFrench; });
  tavo::stats::StatsProgram program(QCoreApplication::applicationDirPath(), desktop);
  analyser = &program;
  if (!program.Main(QCoreApplication::arguments())) return 0;
  return app.exec();
}
