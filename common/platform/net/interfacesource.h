#pragma once
// Where the monitor gets the system's interface list with its byte
// counters. The Linux source reads the kernel's 64-bit counters; tests use
// the fake of tests/support.
#include <QString>
#include <cstdint>
#include <vector>

namespace tavo::net {

struct InterfaceRow {
  QString name;               // the kernel's interface name, e.g. "lo", "eth0"
  std::uint64_t rxBytes = 0;  // bytes received (download)
  std::uint64_t txBytes = 0;  // bytes sent (upload)
};

enum class ReadStatus {
  Ok,            // rows filled, in the kernel's order
  Failed,        // this reading failed; try again next time
  NotSupported,  // the counters cannot be read at all on this system
};

class InterfaceCounterSource {
 public:
  virtual ~InterfaceCounterSource() = default;
  // Replaces rows with the current table. On anything but Ok, rows is
  // left in an unspecified state and must not be used.
  virtual ReadStatus read(std::vector<InterfaceRow>& rows) = 0;
};

}  // namespace tavo::net
