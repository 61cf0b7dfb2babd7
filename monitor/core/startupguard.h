#pragma once
// Whether this start may run: one monitor per program folder, and only in
// a folder it can write in, where a monitor that could not would lose
// every line it counts.
#include "common/platform/instance/singleinstance.h"

#include <QString>
#include <memory>

namespace tavo::monitor {

class StartupGuard {
 public:
  enum class Refusal {
    None,               // started (or not asked yet)
    AnotherMonitor,     // a monitor runs from this folder: end silently
    FolderNotWritable,  // the folder cannot be written
    LockUnusable,       // Tavo.lock cannot be opened or locked, or is no file
  };

  explicit StartupGuard(const QString& folder);
  ~StartupGuard();

  // Takes the folder's lock and checks the folder; true when the monitor
  // may run. The lock is held for the guard's life.
  bool admit();
  Refusal refusal() const { return refusal_; }
  // The message of a FolderNotWritable or LockUnusable refusal: names the
  // folder or the lock file and the reason, in the language of Tavo.ini
  // when it can be read, English otherwise.
  QString refusalText(const QString& settingsPath) const;
  static bool refusalIsFrench(const QString& settingsPath);

 private:
  QString folder_;
  std::unique_ptr<tavo::platform::SingleInstance> instance_;
  Refusal refusal_ = Refusal::None;
  QString reason_;
  tavo::platform::SingleInstance::LockFileKind lockKind_ = tavo::platform::SingleInstance::LockFileKind::File;
};

}  // namespace tavo::monitor
