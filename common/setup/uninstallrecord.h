#pragma once
// uninstall.dat: what the installer leaves in the installation folder so
// that the uninstaller knows what to remove. Five lines, each ended by
// CR LF: product word, installation folder, desktop folder, program-group
// folder, startup folder.
#include <QString>
#include <optional>

namespace tavo::setup {

inline constexpr char kUninstallRecordFile[] = "uninstall.dat";

struct UninstallRecord {
  QString ProductWord;
  QString InstallFolder;
  QString DesktopFolder;
  QString GroupFolder;
  QString StartupFolder;
};

// Writes the five lines whole or not at all, replacing an earlier record:
// a full disk never leaves a record that names a folder half-way. False,
// and nothing written, when it failed or a value holds a line break.
[[nodiscard]] bool writeUninstallRecord(const QString& path, const UninstallRecord& record);

// Reads the first five lines; a shorter file leaves the missing values
// empty. Nothing when no readable file is there.
[[nodiscard]] std::optional<UninstallRecord> readUninstallRecord(const QString& path);

}  // namespace tavo::setup
