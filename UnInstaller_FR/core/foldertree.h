#pragma once
// Removing a folder with everything in it, as the uninstaller does with the
// installation folder and the program group. Nothing here follows a
// symbolic link, and a folder that must never go (the root, the user's
// home and the folders above it, the user's standard folders) is refused
// whatever the uninstall record says.
#include <QString>
#include <QStringList>
#include <functional>

namespace tavo::uninstall {

// What the deletion tells the user and lets happen meanwhile.
struct TreeOps {
  // One line of the log.
  std::function<void(const QString& line)> log;
  // Lets window events run; false when the program has ended meanwhile,
  // which stops the deletion where it is.
  std::function<bool()> letEventsRun;
};

// The folders that are never deleted, compared by their real paths (a
// link or a "/../" detour to one is the same folder).
class ProtectedFolders {
 public:
  explicit ProtectedFolders(const QStringList& folders);
  // "/", the home folder and every folder above it, the desktop,
  // documents, downloads, music, pictures, videos, data, config, cache,
  // applications, autostart and temporary folders of the current user
  // (QStandardPaths, so HOME and the XDG_* variables decide).
  static ProtectedFolders forCurrentUser();

  bool contains(const QString& path) const;

 private:
  QStringList folders_;
};

// Why a folder given to DeleteFolderTree is not touched at all, with the
// log line that says so; empty when it may be deleted.
QString refusalLine(const QString& folder, const ProtectedFolders& protectedFolders);

// Deletes folder with its files and subfolders, subfolders first, each file
// logged "delete : " before the folder's "*** remove : " line, which comes
// once the folder is gone ("*** conservé : " when it stays). A trailing
// "/" is dropped. A level where something cannot be deleted stops at that
// failure and stays; the rest goes on. Symbolic links are removed as links,
// their targets untouched; hidden subfolders (a name starting with ".") are
// not entered and so keep their folder; hidden files are deleted. A folder
// that does not exist deletes nothing. Returns false only when the program
// ended meanwhile.
bool DeleteFolderTree(const QString& folder, const TreeOps& ops, const ProtectedFolders& protectedFolders);

}  // namespace tavo::uninstall
