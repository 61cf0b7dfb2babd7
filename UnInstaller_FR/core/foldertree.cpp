#include "UnInstaller_FR/core/foldertree.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "UnInstaller_FR/core/uninstalllog.h"

namespace tavo::uninstall {

namespace {

// The path as the file system resolves it, or the cleaned text when
// nothing exists there yet.
QString realPath(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

bool isHiddenName(const QString& name) { return name.startsWith(QLatin1Char('.')); }

// Removes a file, or a link as a link, never what it points to.
bool unlinkEntry(const QString& path) { return ::unlink(QFile::encodeName(path).constData()) == 0; }
bool removeEmptyFolder(const QString& path) { return ::rmdir(QFile::encodeName(path).constData()) == 0; }

// A folder without write permission for its owner could not lose its
// entries; the uninstaller clears that, as it clears attributes.
void makeFolderWritable(const QString& folder) {
  const QFile::Permissions need = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
  const QFile::Permissions now = QFile::permissions(folder);
  // When this fails, the deletions in the folder fail and the log says so.
  if ((now & need) != need && !QFile::setPermissions(folder, now | need))
    qCWarning(uninstallLog) << "could not make the folder writable:" << folder;
}

enum class Level { Done, Failed, Ended };

Level deleteLevel(const QString& folder, const TreeOps& ops, const ProtectedFolders& protectedFolders) {
  makeFolderWritable(folder);
  const QFileInfoList entries =
      QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);

  // Subfolders first. Each is visited once: one that stays behind is not
  // met again, the next one follows.
  for (const QFileInfo& entry : entries) {
    if (entry.isSymbolicLink() || !entry.isDir() || isHiddenName(entry.fileName())) continue;
    const QString refusal = refusalLine(entry.filePath(), protectedFolders);
    if (!refusal.isEmpty()) {
      ops.log(refusal);
      continue;
    }
    if (deleteLevel(entry.filePath(), ops, protectedFolders) == Level::Ended) return Level::Ended;
  }

  // Then the files of every kind, hidden ones and links included.
  for (const QFileInfo& entry : entries) {
    if (entry.isDir() && !entry.isSymbolicLink()) continue;
    if (!ops.letEventsRun()) return Level::Ended;
    ops.log(QStringLiteral("delete : ") + folder + QLatin1Char('/') + entry.fileName());
    const bool deleted = unlinkEntry(entry.filePath());
    if (!ops.letEventsRun()) return Level::Ended;
    if (!deleted) return Level::Failed;
  }

  if (!ops.letEventsRun()) return Level::Ended;
  // Said once it is done: a folder that stays (a hidden subfolder in it)
  // is never logged as removed.
  const bool removed = removeEmptyFolder(folder);
  ops.log((removed ? QStringLiteral("*** remove : ") : QStringLiteral("*** conservé : ")) + folder);
  if (!ops.letEventsRun()) return Level::Ended;
  return removed ? Level::Done : Level::Failed;
}

}  // namespace

ProtectedFolders::ProtectedFolders(const QStringList& folders) {
  folders_ << QStringLiteral("/");
  for (const QString& folder : folders)
    if (!folder.isEmpty()) folders_ << realPath(folder) << QDir::cleanPath(folder);
}

ProtectedFolders ProtectedFolders::forCurrentUser() {
  QStringList folders;
  for (QString home = realPath(QDir::homePath()); !home.isEmpty() && home != QLatin1String("/");
       home = QFileInfo(home).path())
    folders << home;
  folders << QDir::homePath();
  const QStandardPaths::StandardLocation locations[] = {
      QStandardPaths::DesktopLocation,      QStandardPaths::DocumentsLocation,     QStandardPaths::DownloadLocation,
      QStandardPaths::MusicLocation,        QStandardPaths::PicturesLocation,      QStandardPaths::MoviesLocation,
      QStandardPaths::GenericDataLocation,  QStandardPaths::GenericConfigLocation, QStandardPaths::GenericCacheLocation,
      QStandardPaths::ApplicationsLocation, QStandardPaths::TempLocation,          QStandardPaths::PublicShareLocation,
      QStandardPaths::TemplatesLocation,
  };
  for (const auto location : locations) folders << QStandardPaths::writableLocation(location);
  folders << QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
  return ProtectedFolders(folders);
}

bool ProtectedFolders::contains(const QString& path) const {
  return folders_.contains(QDir::cleanPath(path)) || folders_.contains(realPath(path));
}

QString refusalLine(const QString& folder, const ProtectedFolders& protectedFolders) {
  if (folder.isEmpty()) return QStringLiteral("*** refusé : aucun dossier indiqué");
  if (QDir::isRelativePath(folder))
    return QStringLiteral("*** refusé : ") + folder + QStringLiteral(" (chemin relatif)");
  if (protectedFolders.contains(folder))
    return QStringLiteral("*** refusé : ") + folder + QStringLiteral(" (dossier protégé)");
  if (QFileInfo(QDir::cleanPath(folder)).isSymbolicLink())
    return QStringLiteral("*** refusé : ") + folder + QStringLiteral(" (lien symbolique)");
  return {};
}

bool DeleteFolderTree(const QString& folder, const TreeOps& ops, const ProtectedFolders& protectedFolders) {
  const QString refusal = refusalLine(folder, protectedFolders);
  if (!refusal.isEmpty()) {
    ops.log(refusal);
    return true;
  }
  QString tree = folder;
  if (tree.endsWith(QLatin1Char('/'))) tree.chop(1);
  const QFileInfo info(tree);
  if (!info.isDir() || info.isSymbolicLink()) return true;
  return deleteLevel(tree, ops, protectedFolders) != Level::Ended;
}

}  // namespace tavo::uninstall
