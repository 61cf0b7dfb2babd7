#include "UnInstaller_FR/core/uninstaller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include "installer/core/shortcuts.h"
#include "installer/core/uninstallrecord.h"

namespace tavo::uninstall {

QString missingRecordTitle() { return QStringLiteral("Erreur"); }

QString missingRecordText() {
  return QStringLiteral("    Impossible de désinstaller : uninstall.dat est absent.    \n"
                        "    Please uninstall manually.    ");
}

QString confirmTitle() { return QStringLiteral("Désinstaller"); }
QString confirmText(const QString& productWord) {
  return QStringLiteral("    Désinstaller ") + productWord + QStringLiteral(" ?    ");
}
QString preparingLine(const QString& productWord) {
  return QStringLiteral("----- Préparation de la désinstallation de ") + productWord + QStringLiteral(" -----");
}
QString doneLine(const QString& productWord) {
  return QStringLiteral("----- ") + productWord + QStringLiteral(" a été désinstallé avec succès -----");
}
QString notThisRecordLine(const QString& folder) {
  return QStringLiteral("*** refusé : ") + folder + QStringLiteral(" (ne contient pas ce uninstall.dat)");
}

bool isSameFile(const QString& readPath, const QString& entryPath) {
  struct stat read{}, entry{};
  if (::stat(QFile::encodeName(readPath).constData(), &read) != 0) return false;
  if (::lstat(QFile::encodeName(entryPath).constData(), &entry) != 0) return false;
  return S_ISREG(entry.st_mode) && read.st_dev == entry.st_dev && read.st_ino == entry.st_ino;
}

Uninstaller::Uninstaller(QString programFolder, UninstallerSeams seams, UninstallerDisplay display)
    : programFolder_(std::move(programFolder)), seams_(std::move(seams)), display_(std::move(display)) {}

QString Uninstaller::ownProgram() const { return programFolder_ + QLatin1Char('/') + QLatin1String(kProgramFile); }
QString Uninstaller::recordPath() const {
  return programFolder_ + QLatin1Char('/') + QLatin1String(setup::kUninstallRecordFile);
}

bool Uninstaller::UninstallMain(const QStringList& arguments) {
  // The whole argument text is the record path, blanks included.
  const QString argumentText = arguments.mid(1).join(QLatin1Char(' '));
  if (!argumentText.isEmpty()) return RunUninstall(argumentText);
  if (RelaunchFromTemp()) return false;
  // No copy could run (a temporary folder mounted noexec, say): this run
  // does the work itself; a running program may delete its own file.
  return RunUninstall(recordPath());
}

bool Uninstaller::RelaunchFromTemp() {
  copyPath_.clear();
  // A folder made for this copy alone (mode 700): a fixed name in the
  // shared temporary folder could be a link that another user placed.
  QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/uninst-XXXXXX"));
  if (!folder.isValid()) return false;
  const QString copy = folder.filePath(QLatin1String(kCopyFile));
  if (!QFile::copy(ownProgram(), copy)) return false;
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (!seams_.startProgram(copy, {recordPath()}, folder.path())) return false;
  // The copy stays where it is: it is running from there.
  folder.setAutoRemove(false);
  copyPath_ = copy;
  return true;
}

void Uninstaller::deleteShortcut(const QString& folder, const QString& productWord) {
  // A missing line deletes nothing; a product word with a "/" in it would
  // reach outside the folder.
  if (folder.isEmpty() || QDir::isRelativePath(folder) || productWord.isEmpty() || productWord.contains(QLatin1Char('/')))
    return;
  // unlink removes a file or a link, never a folder.
  ::unlink(QFile::encodeName(folder + QLatin1Char('/') + setup::shortcutFileName(productWord)).constData());
}

bool Uninstaller::RunUninstall(const QString& recordPath) {
  const auto record = QFileInfo(recordPath).isFile() ? setup::ReadUninstallRecord(recordPath) : std::nullopt;
  if (!record) {
    seams_.critical(missingRecordTitle(), missingRecordText());
    return false;
  }
  if (!seams_.question(confirmTitle(), confirmText(record->ProductWord))) return false;

  const QString& word = record->ProductWord;
  display_.log(preparingLine(word));
  display_.log(QStringLiteral(" "));
  if (!display_.pause()) return false;

  const ProtectedFolders protectedFolders = ProtectedFolders::forCurrentUser();
  const TreeOps ops{display_.log, display_.letEventsRun};
  deleteShortcut(record->DesktopFolder, word);
  if (!DeleteFolderTree(record->GroupFolder, ops, protectedFolders)) return false;
  deleteShortcut(record->StartupFolder, word);

  display_.log(QStringLiteral(" "));
  // A record that names another folder than its own (edited by hand, or
  // copied from elsewhere) removes no installation folder.
  const QString install = record->InstallFolder;
  const QString installRecord = QDir::cleanPath(install) + QLatin1Char('/') + QLatin1String(setup::kUninstallRecordFile);
  const QString refusal = refusalLine(install, protectedFolders);
  if (!refusal.isEmpty())
    display_.log(refusal);
  else if (!isSameFile(recordPath, installRecord))
    display_.log(notThisRecordLine(install));
  else if (!DeleteFolderTree(install, ops, protectedFolders))
    return false;
  display_.log(QStringLiteral(" "));
  display_.log(doneLine(word));
  return true;
}

}  // namespace tavo::uninstall
