#pragma once
// The places the folder page offers: the mounted volumes, and which of
// them holds a folder.
#include <QList>
#include <QString>

namespace tavo::setup {

struct Volume {
  QString rootPath;  // where it is mounted, e.g. "/" or "/media/anna/USB"
  QString name;      // its label, may be empty
};

// The mounted volumes (QStorageInfo), folders only, ordered by mount point.
QList<Volume> mountedVolumes();

// A volume can be opened when it is mounted, ready and its root readable.
bool volumeReady(const QString& rootPath);

// The index of the volume holding path: the longest mount point that is
// path or one of its parents; -1 when none.
int volumeHolding(const QList<Volume>& volumes, const QString& path);

}  // namespace tavo::setup
