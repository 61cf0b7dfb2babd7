#pragma once
// An interface table that tests set by hand: rows added, changed and
// removed between two readings, a reading that fails or throws.
#include "common/platform/net/interfacesource.h"

#include <stdexcept>

namespace tavo::net {

class FakeInterfaceSource : public InterfaceCounterSource {
 public:
  ReadStatus read(std::vector<InterfaceRow>& rows) override {
    ++reads;
    if (throwOnRead) throw std::runtime_error("the fake table cannot be read");
    if (status == ReadStatus::Ok) rows = this->rows;
    return status;
  }

  // Convenience for tests: adds bytes to the named row.
  void add(const QString& name, std::uint64_t rx, std::uint64_t tx) {
    for (auto& r : rows)
      if (r.name == name) {
        r.rxBytes += rx;
        r.txBytes += tx;
        return;
      }
  }
  void set(const QString& name, std::uint64_t rx, std::uint64_t tx) {
    for (auto& r : rows)
      if (r.name == name) {
        r.rxBytes = rx;
        r.txBytes = tx;
        return;
      }
    rows.push_back(InterfaceRow{name, rx, tx});
  }
  void remove(const QString& name) {
    std::erase_if(rows, [&](const InterfaceRow& r) { return r.name == name; });
  }

  std::vector<InterfaceRow> rows;
  ReadStatus status = ReadStatus::Ok;
  bool throwOnRead = false;
  int reads = 0;
};

}  // namespace tavo::net
