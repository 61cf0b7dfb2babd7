#pragma once
// One running monitor per program folder: a QLockFile beside the program.
// A lock left behind by a killed run (its process is gone) is taken over.
#include <QLockFile>
#include <QString>
#include <memory>

namespace tavo::net {

class SingleInstance {
 public:
  // folder: the program folder; the lock file is folder/<name>.
  explicit SingleInstance(const QString& folder, const QString& name = QStringLiteral("Tavo.lock"));
  ~SingleInstance();

  // True when this process now holds the lock (or already held it). A
  // second process gets false at once and changes nothing on disk.
  bool tryAcquire();
  bool held() const { return held_; }
  QString lockPath() const { return path_; }

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  bool held_ = false;
};

}  // namespace tavo::net
