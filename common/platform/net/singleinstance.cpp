#include "common/platform/net/singleinstance.h"

#include <QDir>

namespace tavo::net {

SingleInstance::SingleInstance(const QString& folder, const QString& name)
    : path_(QDir(folder).filePath(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire() {
  if (held_) return true;
  lock_ = std::make_unique<QLockFile>(path_);
  // Never take a lock over because of its age: only a lock whose process is
  // gone is stale (QLockFile checks the PID and the program name).
  lock_->setStaleLockTime(0);
  held_ = lock_->tryLock(0);
  if (!held_) lock_.reset();
  return held_;
}

}  // namespace tavo::net
