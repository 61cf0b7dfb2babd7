#pragma once
// What a test compares to see that a program changed nothing in a folder:
// every file and folder under root with its size, time and content hash;
// and a wait for a condition with a deadline.
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QThread>
#include <functional>

namespace tavo::testing {

inline QStringList folderSnapshot(const QString& root) {
  QStringList out;
  QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString p = it.next();
    const QFileInfo fi(p);
    QString line = QDir(root).relativeFilePath(p) + QLatin1Char(' ') + QString::number(fi.size()) + QLatin1Char(' ') +
                   QString::number(fi.lastModified().toMSecsSinceEpoch());
    if (fi.isFile()) {
      QFile f(p);
      if (f.open(QIODevice::ReadOnly))
        line += QLatin1Char(' ') +
                QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex());
    }
    out << line;
  }
  out.sort();
  return out;
}

inline bool waitUntil(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(20);
  }
  return true;
}

}  // namespace tavo::testing
