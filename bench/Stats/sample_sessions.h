#pragma once
// Session lines the way the monitor writes them, for the benchmark and
// for trying the analyser on a file of any size.
#include "common/regionaltext.h"

#include <QDateTime>
#include <QStringList>
#include <random>

namespace tavo::stats::bench {

// count sessions, 48 a day (every half hour, 20 minutes each) from
// `first`, in start order or in reverse order.
inline QStringList sampleSessionLines(const RegionalFormat& f, int count, bool reversed,
                                      QDateTime first = QDateTime(QDate(1990, 1, 1), QTime(0, 10))) {
  QStringList lines;
  lines.reserve(count);
  std::mt19937 rng(7);
  for (int i = 0; i < count; ++i) {
    const QDateTime start = first.addSecs(1800LL * i);
    const QDateTime end = start.addSecs(20 * 60 + static_cast<int>(rng() % 60));
    lines << f.dateTimeText(start) + ';' + f.dateTimeText(end) + ';' + QString::number(rng() % 20000) + ';' +
                 QString::number(rng() % 2000) + ';' + QString::number(rng() % 500) + ';' + QString::number(rng() % 50);
  }
  if (reversed) std::reverse(lines.begin(), lines.end());
  return lines;
}

}  // namespace tavo::stats::bench
