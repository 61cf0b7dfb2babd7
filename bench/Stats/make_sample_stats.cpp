// Writes an all_stats.csv of generated sessions in the regional format of
// this machine: make_sample_stats <file> [count] [reversed]
#include "bench/Stats/sample_sessions.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: make_sample_stats <file> [count] [reversed]\n");
    return 2;
  }
  const int count = args.size() > 2 ? args[2].toInt() : 1000;
  const bool reversed = args.size() > 3 && args[3] == QLatin1String("reversed");
  // Recent sessions, so that the analyses have something to pick from.
  const QDateTime first = QDateTime::currentDateTime().addSecs(-1800LL * count);
  const QStringList lines = tavo::stats::bench::sampleSessionLines(tavo::RegionalFormat(), count, reversed, first);
  QFile f(args[1]);
  if (!f.open(QIODevice::WriteOnly)) return 1;
  f.write(lines.join("\r\n").toLocal8Bit() + "\r\n");
  return 0;
}
