#include "installer/core/volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace tavo::setup {

QList<Volume> mountedVolumes() {
  QList<Volume> out;
  for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
    // Containers mount single files (/etc/hosts); those are no place to install.
    if (!info.isValid() || !QFileInfo(info.rootPath()).isDir()) continue;
    out.append({info.rootPath(), info.name()});
  }
  std::sort(out.begin(), out.end(), [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
  return out;
}

bool volumeReady(const QString& rootPath) {
  const QStorageInfo info(rootPath);
  return info.isValid() && info.isReady() && QDir(rootPath).isReadable();
}

int volumeHolding(const QList<Volume>& volumes, const QString& path) {
  const QString clean = QDir::cleanPath(path);
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < volumes.size(); ++i) {
    const QString root = QDir::cleanPath(volumes.at(i).rootPath);
    const bool holds = clean == root || root == QLatin1String("/") || clean.startsWith(root + QLatin1Char('/'));
    if (holds && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  return best;
}

}  // namespace tavo::setup
