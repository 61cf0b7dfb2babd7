#include "common/setup/uninstallrecord.h"

#include "common/textfile.h"

namespace tavo::setup {

bool writeUninstallRecord(const QString& path, const UninstallRecord& record) {
  const QStringList lines{record.ProductWord, record.InstallFolder, record.DesktopFolder, record.GroupFolder,
                          record.StartupFolder};
  // A value with a line break in it would shift the lines after it.
  for (const QString& line : lines)
    if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) return false;
  return writeLinesAtomically(path, lines);
}

std::optional<UninstallRecord> readUninstallRecord(const QString& path) {
  // A record is five short lines; anything much larger is not one.
  const TextReadResult read = readTextLines(path, 64 * 1024);
  if (!read.ok) return std::nullopt;
  const auto line = [&read](qsizetype i) { return i < read.lines.size() ? read.lines.at(i) : QString(); };
  UninstallRecord r;
  r.ProductWord = line(0);
  r.InstallFolder = line(1);
  r.DesktopFolder = line(2);
  r.GroupFolder = line(3);
  r.StartupFolder = line(4);
  return r;
}

}  // namespace tavo::setup
