#pragma once
// The figures that the bubble and the detailed graph window show, and
// their texts.
#include "common/regionaltext.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace tavo::monitor {

struct CounterFigures {
  std::int64_t kbitDL = 0, kbitUL = 0;              // instant rates, kbit/s
  std::int64_t meanDL = 0, meanUL = 0;              // mean since the count start
  double mbytesShownDL = 0.0, mbytesShownUL = 0.0;  // one decimal at most
  std::int64_t maxDL = 0, maxUL = 0;                // highest one-second rates
  QDateTime countStart;
  QString elapsedText;
};

struct CounterTexts {
  QString start, during;
  QString dInst, dTot, dMoy, dMax;
  QString uInst, uTot, uMoy, uMax;
};

// lblStart is "dd/mm/yy -- hh:mm"; an unset start shows nothing.
CounterTexts makeCounterTexts(const CounterFigures& f, const RegionalFormat& regional);

}  // namespace tavo::monitor
