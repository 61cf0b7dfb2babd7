#pragma once
// The tick never fails: each of its steps that throws is abandoned and the
// tick goes on with the next one, so one bad reading or file costs one
// step, not the monitor.

namespace tavo::monitor {

template <typename F>
void step(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

}  // namespace tavo::monitor
