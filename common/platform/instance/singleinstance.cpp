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

SingleInstance::SingleInstance(const QString& folder, const QString& name) : path_(QDir(folder).filePath(name)) {}

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
  auto failed = [&](int err, const char* call) {
    error_ = err ? QString::fromLocal8Bit(std::strerror(err)) : QStringLiteral("not a regular file");
    failedCall_ = QString::fromLatin1(call);
    kind_ = kindAt(name);
    return Outcome::Failed;
  };
  // O_NONBLOCK: a named pipe or a device in the lock file's place must not
  // hold the start-up in its open; it is refused below as not a file.
  constexpr int kOpenFlags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
  // A few rounds only for the moment when the file is replaced between our
  // open and our lock (an older version removes its lock file as it ends).
  for (int round = 0; round < 8; ++round) {
    bool created = true;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0644);
    if (fd < 0 && errno == EEXIST) {
      created = false;
      fd = ::open(name.constData(), O_RDWR | kOpenFlags);
    }
    // A lock file we may read but not write still carries the lock.
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
      const int first = errno;
      fd = ::open(name.constData(), O_RDONLY | kOpenFlags);
      if (fd < 0) errno = first;
    }
    if (fd < 0) return failed(errno, "open");
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
      const int err = errno;
      ::close(fd);
      return failed(err, "fstat");
    }
    if (!S_ISREG(opened.st_mode)) {
      ::close(fd);
      // Not a file we made: never locked, written or removed.
      return failed(S_ISDIR(opened.st_mode) ? EISDIR : 0, "fstat");
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      ::close(fd);
      if (err == EWOULDBLOCK || err == EINTR) return Outcome::HeldByAnother;
      return failed(err, "flock");
    }
    struct stat named {};
    if (::stat(name.constData(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
      fd_ = fd;
      created_ = created;
      error_.clear();
      failedCall_.clear();
      kind_ = LockFileKind::File;
      return Outcome::Held;
    }
    ::close(fd);  // we locked a file that no longer carries the name: again
  }
  return failed(EAGAIN, "flock");
}

SingleInstance::LockFileKind SingleInstance::kindAt(const QByteArray& name) {
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0) return LockFileKind::Missing;
  if (S_ISLNK(st.st_mode)) {
    struct stat target {};
    return ::stat(name.constData(), &target) != 0 ? LockFileKind::DanglingLink : kindOfMode(target.st_mode);
  }
  return kindOfMode(st.st_mode);
}

SingleInstance::LockFileKind SingleInstance::kindOfMode(unsigned mode) {
  if (S_ISREG(mode)) return LockFileKind::File;
  if (S_ISDIR(mode)) return LockFileKind::Folder;
  if (S_ISFIFO(mode)) return LockFileKind::Pipe;
  return LockFileKind::Special;
}

}  // namespace tavo::platform
