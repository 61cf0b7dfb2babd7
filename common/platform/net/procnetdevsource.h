#pragma once
// The Linux interface table: /proc/net/dev, kept open and re-read at each
// reading, rows in the kernel's order with their 64-bit byte counters.
#include "common/platform/net/interfacesource.h"

#include <QByteArray>

namespace tavo::net {

class ProcNetDevSource : public InterfaceCounterSource {
 public:
  explicit ProcNetDevSource(QString procPath = QStringLiteral("/proc/net/dev"));
  ~ProcNetDevSource() override;
  ProcNetDevSource(const ProcNetDevSource&) = delete;
  ProcNetDevSource& operator=(const ProcNetDevSource&) = delete;

  ReadStatus read(std::vector<InterfaceRow>& rows) override;

  // Parses the text of /proc/net/dev (two header lines, then one line per
  // interface). Lines that do not parse are passed over.
  static void parse(const char* data, std::size_t size, std::vector<InterfaceRow>& rows);

 private:
  QString procPath_;
  int fd_ = -1;
  QByteArray buffer_;
};

}  // namespace tavo::net
