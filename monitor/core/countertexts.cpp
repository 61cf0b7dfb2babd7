#include "monitor/core/countertexts.h"

namespace tavo::monitor {

CounterTexts makeCounterTexts(const CounterFigures& f, const RegionalFormat& regional) {
  CounterTexts t;
  t.start = f.countStart.isValid() ? regional.dayHourMinute(f.countStart) : QString();
  t.during = f.elapsedText;
  t.dInst = QString::number(f.kbitDL);
  t.dMoy = QString::number(f.meanDL);
  t.dTot = regional.oneDecimal(f.mbytesShownDL);
  t.uInst = QString::number(f.kbitUL);
  t.uMoy = QString::number(f.meanUL);
  t.uTot = regional.oneDecimal(f.mbytesShownUL);
  t.uMax = QString::number(f.maxUL);
  t.dMax = QString::number(f.maxDL);
  return t;
}

}  // namespace tavo::monitor
