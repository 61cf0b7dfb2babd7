#pragma once
// Small log files for the viewer's tests.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "common/regionaltext.h"

namespace tavo::logv::testing {

inline QLocale frenchLocale() { return QLocale(QLocale::French, QLocale::France); }

// Writes lines ended by CR LF, as the monitor does.
inline bool writeLog(const QString& path, const QStringList& lines) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  for (const QString& l : lines) f.write((l + QStringLiteral("\r\n")).toUtf8());
  return true;
}

// n one-minute samples from start; rates given by functions of the index (1-based).
template <class Dl, class Ul>
QStringList sampleLines(const RegionalFormat& format, const QDateTime& start, int n, Dl dl, Ul ul) {
  QStringList lines;
  lines.reserve(n);
  for (int i = 1; i <= n; ++i) {
    lines << format.dateTimeText(start.addSecs(60LL * (i - 1))) + QLatin1Char(';') + QString::number(dl(i)) +
                 QLatin1Char(';') + QString::number(ul(i));
  }
  return lines;
}

}  // namespace tavo::logv::testing
