#include "common/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavo {

QByteArray encodeText(const QString& text) {
  QStringEncoder enc(QStringConverter::System);
  return enc.encode(text);
}

QString decodeText(const QByteArray& bytes) {
  QStringDecoder dec(QStringConverter::System);
  return dec.decode(bytes);
}

namespace {

QByteArray encodeLines(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += encodeText(line);
    bytes += kLineEnd;
  }
  return bytes;
}

}  // namespace

QStringList splitLines(const QString& text, bool* endsWithLineEnd) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      lines.append(text.mid(start, i - start));
      if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
      start = i + 1;
    }
  }
  const bool ended = start == n;
  if (!ended) lines.append(text.mid(start));
  if (endsWithLineEnd) *endsWithLineEnd = ended;
  return lines;
}

TextReadResult readTextLines(const QString& path, qint64 maxBytes) {
  TextReadResult r;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    r.error = f.errorString();
    return r;
  }
  if (f.size() > maxBytes) {
    r.error = QString::fromLocal8Bit(std::strerror(EFBIG));
    return r;
  }
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) {
    r.error = f.errorString();
    return r;
  }
  r.ok = true;
  r.lines = splitLines(decodeText(bytes), &r.endsWithLineEnd);
  return r;
}

bool writeLinesAtomically(const QString& path, const QStringList& lines, QString* error) {
  QSaveFile f(path);
  auto fail = [&] {
    if (error) *error = f.errorString();
    return false;
  };
  if (QFileInfo(path).isDir()) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(EISDIR));
    return false;
  }
  // Unbuffered, so that a write cut short by a full disk is seen here: a
  // buffered one reports every byte taken, and its commit then puts a cut
  // file in the old one's place.
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail();
  const QByteArray bytes = encodeLines(lines);
  if (f.write(bytes) != bytes.size()) {
    const QString reason = f.errorString();
    f.cancelWriting();
    if (error) *error = reason;
    return false;
  }
  return f.commit() || fail();
}

namespace {

// Writes every byte, going on after short writes; false at the first error.
bool writeAll(int fd, const char* data, qint64 size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size_t(size));
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;  // nothing taken and no reason given: the disk is full
    if (n <= 0) return false;
    data += n;
    size -= n;
  }
  return true;
}

// A new file's name is only safe on the disk once its folder is flushed.
void syncFolderOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool appendLineDurably(const QString& path, const QString& line, QString* error) {
  return appendLinesDurably(path, {line}, error);
}

bool appendLinesDurably(const QString& path, const QStringList& lines, QString* error) {
  auto reason = [&](int err) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(err ? err : EIO));
  };
  const QByteArray name = QFile::encodeName(path);
  bool created = false;
  int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created = fd >= 0;
  }
  if (fd < 0) {
    reason(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    reason(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    ::close(fd);
    return false;
  }
  const off_t before = st.st_size;
  QByteArray bytes;
  if (before > 0) {
    // A file that ends in the middle of a line (left so by an older
    // program) gets its line ended first, so the new record is not glued
    // to the fragment.
    char last = 0;
    if (::pread(fd, &last, 1, before - 1) == 1 && last != '\n' && last != '\r') bytes += kLineEnd;
  }
  bytes += encodeLines(lines);
  const bool ok = writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
  if (!ok) {
    reason(errno);
    // Whatever part of the line reached the file goes again: a fragment
    // would stand as a broken record before every later line.
    if (created) {
      ::unlink(name.constData());
    } else if (::ftruncate(fd, before) == 0) {
      ::fsync(fd);
    }
  }
  ::close(fd);
  if (ok && created) syncFolderOf(name);
  return ok;
}

bool endsWithLines(const QString& path, const QStringList& lines) {
  const QByteArray block = encodeLines(lines);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const qint64 size = f.size();
  if (size < block.size()) return false;
  const qint64 from = size - block.size() - (size > block.size() ? 1 : 0);
  if (!f.seek(from)) return false;
  const QByteArray tail = f.readAll();
  if (!tail.endsWith(block)) return false;
  if (tail.size() == block.size()) return true;
  return tail.front() == '\n' || tail.front() == '\r';
}

bool canWriteIn(const QString& folder, QString* error) {
  const QByteArray dir = QFile::encodeName(folder);
  auto fail = [&](int err) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(err));
    return false;
  };
  // One block is what the smallest new line needs: a full disk refuses it.
  const char probe[] = "Tavo\r\n";
  int fd = ::open(dir.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  QByteArray named;
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    named = dir + "/.Tavo-probe-XXXXXX";
    fd = ::mkostemp(named.data(), O_CLOEXEC);
  }
  if (fd < 0) return fail(errno);
  const bool ok = writeAll(fd, probe, qint64(sizeof probe - 1)) && ::fdatasync(fd) == 0;
  const int err = errno;
  ::close(fd);
  if (!named.isEmpty()) ::unlink(named.constData());
  return ok ? true : fail(err ? err : EIO);
}

}  // namespace tavo
