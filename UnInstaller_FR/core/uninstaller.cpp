#include "UnInstaller_FR/core/uninstaller.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "UnInstaller_FR/core/uninstalllog.h"
#include "common/platform/instance/singleinstance.h"
#include "common/setup/setupentries.h"
#include "common/setup/uninstallrecord.h"

namespace tavo::uninstall {

QString missingRecordTitle() { return QStringLiteral("Erreur"); }

QString missingRecordText() {
  return QStringLiteral(
      "    Impossible de désinstaller : uninstall.dat est absent.    \n"
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
QString notDoneLine(const QString& productWord, const QString& folder) {
  return QStringLiteral("----- ") + productWord + QStringLiteral(" n'a pas été entièrement désinstallé : ") +
         (folder.isEmpty() ? QStringLiteral("aucun dossier d'installation indiqué")
                           : folder + QStringLiteral(" reste")) +
         QStringLiteral(" -----");
}
QString runningLine(const QString& productWord) {
  return QStringLiteral("*** ") + productWord + QStringLiteral(" est en cours d'exécution : quittez-le d'abord");
}
QString notThisRecordLine(const QString& folder) {
  return QStringLiteral("*** refusé : ") + folder + QStringLiteral(" (ne contient pas ce uninstall.dat)");
}

tavo::BoxRequest missingRecordBox() {
  return {nullptr,         QMessageBox::Critical, missingRecordTitle(), missingRecordText(),
          QMessageBox::Ok, QMessageBox::NoButton, Qt::PlainText};
}

tavo::BoxRequest confirmBox(const QString& productWord) {
  return {nullptr,
          QMessageBox::NoIcon,
          confirmTitle(),
          confirmText(productWord),
          QMessageBox::Yes | QMessageBox::No,
          QMessageBox::Yes,
          Qt::PlainText};
}

bool isRegularFile(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isSameFile(const QString& readPath, const QString& entryPath) {
  struct stat read {
  }, entry{};
  if (::lstat(QFile::encodeName(readPath).constData(), &read) != 0) return false;
  if (::lstat(QFile::encodeName(entryPath).constData(), &entry) != 0) return false;
  return S_ISREG(read.st_mode) && S_ISREG(entry.st_mode) && read.st_dev == entry.st_dev && read.st_ino == entry.st_ino;
}

namespace {

// The product word names the entries to delete; the installer names them
// after its own, so any other word (an edited record, one with a "/" that
// would reach outside the folder) names nothing of ours.
bool usableProductWord(const QString& word) { return word == QLatin1String(setup::kProductWord); }

bool usableFolder(const QString& folder) { return !folder.isEmpty() && !QDir::isRelativePath(folder); }

// Removes one file or link by name. The log window lists what goes, not
// what stays: a failure is told to the log category, and the last line
// says whether the installation is gone.
void unlinkOrWarn(const QString& path) {
  if (::unlink(QFile::encodeName(path).constData()) != 0)
    qCWarning(uninstallLog) << "could not delete" << path << ":" << std::strerror(errno);
}

}  // namespace

Uninstaller::Uninstaller(QString programFolder, tavo::DesktopSeam& desktop, UninstallerDisplay display)
    : programFolder_(std::move(programFolder)), desktop_(&desktop), display_(std::move(display)) {}

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
  // A copy that is not executable cannot be started: the start below
  // fails then, and this run does the work itself.
  if (!QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
    qCWarning(uninstallLog) << "could not make the copy executable:" << copy;
  if (!desktop_->startProgram({copy, {recordPath()}, folder.path()})) return false;
  // The copy stays where it is: it is running from there.
  folder.setAutoRemove(false);
  copyPath_ = copy;
  return true;
}

void Uninstaller::deleteEntry(const QString& path) {
  // Only a file or a link of that name: unlink never removes a folder,
  // and a link goes as a link, its target untouched.
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || S_ISDIR(st.st_mode)) return;
  unlinkOrWarn(path);
}

void Uninstaller::deleteShortcut(const QString& folder, const QString& productWord) {
  // A missing line deletes nothing.
  if (!usableFolder(folder) || !usableProductWord(productWord)) return;
  deleteEntry(QDir::cleanPath(folder) + QLatin1Char('/') + setup::shortcutFileName(productWord));
}

void Uninstaller::deleteGroup(const QString& groupFolder, const QString& productWord,
                              const ProtectedFolders& protectedFolders) {
  // Outside the installation folder only what the installer made goes,
  // by name: its entries, then the group folder if nothing else is left
  // in it. Whatever folder the record names, nothing of the user's is
  // touched.
  const QString refusal = refusalLine(groupFolder, protectedFolders);
  if (!refusal.isEmpty()) {
    display_.log(refusal);
    return;
  }
  if (!usableProductWord(productWord)) return;
  const QString group = QDir::cleanPath(groupFolder);
  struct stat st {};
  if (::lstat(QFile::encodeName(group).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
  for (const QString& name : setup::groupEntryNames(productWord)) {
    const QString entry = group + QLatin1Char('/') + name;
    if (::lstat(QFile::encodeName(entry).constData(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
    display_.log(QStringLiteral("delete : ") + entry);
    unlinkOrWarn(entry);
  }
  if (::rmdir(QFile::encodeName(group).constData()) != 0) return;
  display_.log(QStringLiteral("*** remove : ") + group);
  // With the group gone, its submenu goes too: the two files the
  // installer wrote for it, by their names.
  const setup::MenuFiles menu = setup::findMenuFiles(productWord);
  for (const QString& file : {menu.menuFile, menu.directoryFile}) {
    if (::lstat(QFile::encodeName(file).constData(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
    display_.log(QStringLiteral("delete : ") + file);
    unlinkOrWarn(file);
  }
  // The folders the installer made for them, when nothing else is in
  // them (rmdir removes only an empty folder).
  const QString merged = QFileInfo(menu.menuFile).path();
  // A folder that still holds something stays, on purpose: no result.
  for (const QString& folder : {QFileInfo(menu.directoryFile).path(), merged, QFileInfo(merged).path()})
    static_cast<void>(::rmdir(QFile::encodeName(folder).constData()));
}

bool Uninstaller::RunUninstall(const QString& recordPath) {
  const auto record = isRegularFile(recordPath) ? setup::readUninstallRecord(recordPath) : std::nullopt;
  if (!record) {
    // Only OK: nothing to decide.
    static_cast<void>(desktop_->ask(missingRecordBox()));
    return false;
  }
  if (desktop_->ask(confirmBox(record->ProductWord)) != QMessageBox::Yes) return false;

  const QString& word = record->ProductWord;
  display_.log(preparingLine(word));
  display_.log(QStringLiteral(" "));
  if (!display_.pause()) return false;

  // A record that names another folder than its own (edited by hand, or
  // copied from elsewhere) removes no installation folder.
  const ProtectedFolders protectedFolders = ProtectedFolders::forCurrentUser();
  const QString install = record->InstallFolder;
  const QString installRecord =
      QDir::cleanPath(install) + QLatin1Char('/') + QLatin1String(setup::kUninstallRecordFile);
  QString refusal = refusalLine(install, protectedFolders);
  if (refusal.isEmpty() && !isSameFile(recordPath, installRecord)) refusal = notThisRecordLine(install);

  // A monitor running from the folder would go on from a deleted folder,
  // and its quit would write nothing: it holds this lock while it runs.
  // Held here in turn, no monitor can start there during the removal.
  tavo::platform::SingleInstance monitorLock(QDir::cleanPath(install));
  if (refusal.isEmpty() && monitorLock.acquire() == tavo::platform::SingleInstance::Outcome::HeldByAnother) {
    display_.log(runningLine(word));
    display_.log(QStringLiteral(" "));
    display_.log(notDoneLine(word, install));
    return true;
  }

  const TreeOps ops{display_.log, display_.letEventsRun};
  deleteShortcut(record->DesktopFolder, word);
  deleteGroup(record->GroupFolder, word, protectedFolders);
  deleteShortcut(record->StartupFolder, word);

  display_.log(QStringLiteral(" "));
  if (!refusal.isEmpty()) display_.log(refusal);
  else if (!DeleteFolderTree(install, ops, protectedFolders)) return false;
  display_.log(QStringLiteral(" "));
  // Success only when the installation folder is gone.
  const bool gone = refusal.isEmpty() && !QFileInfo::exists(QDir::cleanPath(install)) &&
                    !QFileInfo(QDir::cleanPath(install)).isSymLink();
  display_.log(gone ? doneLine(word) : notDoneLine(word, install));
  return true;
}

}  // namespace tavo::uninstall
