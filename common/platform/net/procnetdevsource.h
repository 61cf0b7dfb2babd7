#pragma once
// The Linux interface table: /proc/net/dev, kept open and re-read at each
// reading, rows in the kernel's order with their 64-bit byte counters.
// Status and type come from sysfs, read once per interface name (they are
// informative only, so they are not refreshed every second).
#include "common/platform/net/interfacesource.h"

#include <QHash>
#include <QByteArray>

namespace tavo::net {

class ProcNetDevSource : public InterfaceCounterSource {
 public:
  explicit ProcNetDevSource(QString procPath = QStringLiteral("/proc/net/dev"),
                            QString sysClassNet = QStringLiteral("/sys/class/net"));
  ~ProcNetDevSource() override;
  ProcNetDevSource(const ProcNetDevSource&) = delete;
  ProcNetDevSource& operator=(const ProcNetDevSource&) = delete;

  ReadStatus read(std::vector<InterfaceRow>& rows) override;

  // Parses the text of /proc/net/dev (two header lines, then one line per
  // interface). Lines that do not parse are passed over.
  static void parse(const char* data, std::size_t size, std::vector<InterfaceRow>& rows);

 private:
  struct Meta { std::uint32_t oper = 0, admin = 0, type = 0; };
  Meta metaFor(const QString& name);

  QString procPath_;
  QString sysClassNet_;
  int fd_ = -1;
  QByteArray buffer_;
  QHash<QString, Meta> meta_;
};

}  // namespace tavo::net
