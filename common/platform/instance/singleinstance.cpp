#include "common/platform/instance/singleinstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavo::platform {

SingleInstance::SingleInstance(const QString& folder, const QString& name)
    : path_(QDir(folder).filePath(name)) {}

SingleInstance::~SingleInstance() { release(); }

void SingleInstance::release(bool forget) {
  if (fd_ < 0) return;
  // Removed while still locked: a start that opened the file meanwhile
  // finds the name gone once it holds the lock, and opens it anew.
  if (forget && created_) ::unlink(QFile::encodeName(path_).constData());
  ::close(fd_);  // closing the last descriptor drops the lock
  fd_ = -1;
  created_ = false;
}

SingleInstance::Outcome SingleInstance::acquire() {
  if (fd_ >= 0) return Outcome::Held;
  const QByteArray name = QFile::encodeName(path_);
  auto failed = [&](int err) {
    error_ = QString::fromLocal8Bit(std::strerror(err));
    return Outcome::Failed;
  };
  // A few rounds only for the moment when the file is replaced between our
  // open and our lock (an older version removes its lock file as it ends).
  for (int round = 0; round < 8; ++round) {
    bool created = true;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) {
      created = false;
      fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    }
    // A lock file we may read but not write still carries the lock.
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
      const int first = errno;
      fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) errno = first;
    }
    if (fd < 0) return failed(errno);
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
      const int err = S_ISDIR(opened.st_mode) ? EISDIR : errno;
      ::close(fd);
      return failed(err ? err : EINVAL);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      ::close(fd);
      if (err == EWOULDBLOCK || err == EINTR) return Outcome::HeldByAnother;
      return failed(err);
    }
    struct stat named {};
    if (::stat(name.constData(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
      fd_ = fd;
      created_ = created;
      error_.clear();
      return Outcome::Held;
    }
    ::close(fd);  // we locked a file that no longer carries the name: again
  }
  return failed(EAGAIN);
}

}  // namespace tavo::platform
