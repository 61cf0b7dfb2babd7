#pragma once
// One running monitor per program folder: an advisory lock (flock) held on
// an open descriptor of the lock file beside the program. The kernel drops
// it when the process ends, however it ends, so a lock can never outlive
// its monitor: whatever the file holds (nothing, garbage, the number of
// some other process, a left-over of an older version) only a live holder
// keeps another start out.
#include <QString>

namespace tavo::platform {

class SingleInstance {
 public:
  // What stands at the lock file's name after a Failed outcome.
  enum class LockFileKind { Missing, File, Folder, DanglingLink, Pipe, Special };

  enum class Outcome {
    Held,           // this process now holds the lock
    HeldByAnother,  // a live process holds it: another monitor runs here
    Failed,         // the lock file can be neither created nor opened (see error())
  };

  // folder: the program folder; the lock file is folder/<name>.
  explicit SingleInstance(const QString& folder, const QString& name = QStringLiteral("Tavo.lock"));
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Takes the lock. Creates the lock file when it is missing and writes
  // nothing into it: a start that is refused changes nothing on disk.
  Outcome acquire();
  // True when this process now holds the lock (or already held it).
  bool tryAcquire() { return acquire() == Outcome::Held; }
  // Gives the lock up. With forget, a lock file that this process created
  // goes too (a start that is refused after all leaves nothing behind).
  void release(bool forget = false);
  bool held() const { return fd_ >= 0; }
  QString lockPath() const { return path_; }
  // The system's reason of the last Failed outcome.
  QString error() const { return error_; }
  // The call that gave that reason ("open", "fstat", "flock").
  QString failedCall() const { return failedCall_; }
  LockFileKind lockFileKind() const { return kind_; }

 private:
  static LockFileKind kindAt(const QByteArray& name);
  static LockFileKind kindOfMode(unsigned mode);

  QString path_;
  QString error_;
  QString failedCall_;
  LockFileKind kind_ = LockFileKind::Missing;
  int fd_ = -1;
  bool created_ = false;
};

}  // namespace tavo::platform
