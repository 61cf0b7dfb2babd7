#include "common/platform/net/procnetdevsource.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace tavo::net {

namespace {

const char* skipBlanks(const char* p, const char* end) {
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  return p;
}

// Parses one unsigned decimal field; false when there is none.
bool readField(const char*& p, const char* end, std::uint64_t& value) {
  p = skipBlanks(p, end);
  if (p >= end || *p < '0' || *p > '9') return false;
  std::uint64_t v = 0;
  while (p < end && *p >= '0' && *p <= '9') {
    v = v * 10 + std::uint64_t(*p - '0');
    ++p;
  }
  value = v;
  return true;
}

}  // namespace

ProcNetDevSource::ProcNetDevSource(QString procPath) : procPath_(std::move(procPath)) { buffer_.resize(16384); }

ProcNetDevSource::~ProcNetDevSource() {
  if (fd_ >= 0) ::close(fd_);
}

void ProcNetDevSource::parse(const char* data, std::size_t size, std::vector<InterfaceRow>& rows) {
  rows.clear();
  const char* p = data;
  const char* end = data + size;
  int lineNo = 0;
  while (p < end) {
    const char* eol = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
    if (!eol) eol = end;
    if (lineNo++ >= 2) {
      // "  name: rxbytes rxpackets errs drop fifo frame compressed multicast txbytes ..."
      const char* colon = static_cast<const char*>(std::memchr(p, ':', std::size_t(eol - p)));
      if (colon) {
        const char* nameStart = skipBlanks(p, colon);
        const char* q = colon + 1;
        std::uint64_t f[9] = {};
        bool ok = true;
        for (int i = 0; i < 9 && ok; ++i) ok = readField(q, eol, f[i]);
        if (ok && nameStart < colon) {
          InterfaceRow row;
          row.name = QString::fromLatin1(nameStart, colon - nameStart);
          row.rxBytes = f[0];
          row.txBytes = f[8];
          rows.push_back(std::move(row));
        }
      }
    }
    p = eol + 1;
  }
}

ReadStatus ProcNetDevSource::read(std::vector<InterfaceRow>& rows) {
  if (fd_ < 0) {
    fd_ = ::open(QFile::encodeName(procPath_).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
      // Running out of descriptors or memory passes; anything else means
      // this system gives us no counters.
      const bool passing = errno == EINTR || errno == EMFILE || errno == ENFILE || errno == ENOMEM;
      return passing ? ReadStatus::Failed : ReadStatus::NotSupported;
    }
  }
  // procfs regenerates the text at each read from offset 0.
  std::size_t used = 0;
  for (;;) {
    if (used == std::size_t(buffer_.size())) buffer_.resize(buffer_.size() * 2);
    const ssize_t n = ::pread(fd_, buffer_.data() + used, std::size_t(buffer_.size()) - used, off_t(used));
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd_);
      fd_ = -1;  // reopen at the next reading
      return ReadStatus::Failed;
    }
    if (n == 0) break;
    used += std::size_t(n);
    if (buffer_.size() > (1 << 24)) return ReadStatus::Failed;  // not an interface list
  }
  parse(buffer_.constData(), used, rows);
  if (rows.empty() && used == 0) return ReadStatus::Failed;
  return ReadStatus::Ok;
}

}  // namespace tavo::net
