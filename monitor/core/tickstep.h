#pragma once
// The tick never fails: each of its steps that throws is abandoned and the
// tick goes on with the next one, so one bad reading or file costs one
// step, not the monitor. What was abandoned is logged, so it is not lost.
#include "monitor/core/monitorlog.h"

#include <exception>

namespace tavo::monitor {

template <typename F>
void step(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    qCWarning(monitorLog) << "a step of the tick was abandoned:" << e.what();
  } catch (...) {
    qCWarning(monitorLog) << "a step of the tick was abandoned: unknown exception";
  }
}

}  // namespace tavo::monitor
