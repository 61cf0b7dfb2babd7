#pragma once
// A user of their own for the uninstaller's tests: HOME, the XDG folders
// and the temporary folder inside one temporary folder, an installation
// laid out there as the installer makes it, and a picture of a tree to
// show what changed.
#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <vector>

#include "common/setup/setupentries.h"
#include "common/setup/uninstallrecord.h"

namespace tavo::uninstall::testing {

inline bool writeFile(const QString& path, const QByteArray& bytes = "x") {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Points HOME, every XDG_* folder and TMPDIR into a fresh folder for the
// life of the object, and puts the old values back afterwards.
class FakeUser {
 public:
  FakeUser() {
    root_ = QDir(dir_.path()).canonicalPath();
    set("HOME", home());
    set("XDG_CONFIG_HOME", home() + "/.config");
    set("XDG_DATA_HOME", home() + "/.local/share");
    set("XDG_CACHE_HOME", home() + "/.cache");
    set("XDG_STATE_HOME", home() + "/.local/state");
    set("XDG_DATA_DIRS", root_ + "/usr/share");
    set("XDG_CONFIG_DIRS", root_ + "/etc/xdg");
    set("TMPDIR", tmp());
    set("XDG_RUNTIME_DIR", root_ + "/runtime");
    QDir().mkpath(root_ + "/runtime");
    QFile::setPermissions(root_ + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& folder : {home(), tmp(), home() + "/Desktop", home() + "/Documents",
                                  home() + "/.config/autostart", home() + "/.local/share/applications"})
      QDir().mkpath(folder);
  }
  ~FakeUser() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->wasSet) qputenv(it->name.constData(), it->value);
      else qunsetenv(it->name.constData());
    }
  }
  FakeUser(const FakeUser&) = delete;
  FakeUser& operator=(const FakeUser&) = delete;

  bool isValid() const { return dir_.isValid(); }
  QString root() const { return root_; }
  QString home() const { return root_ + "/home"; }
  QString tmp() const { return root_ + "/tmp"; }

 private:
  struct Saved {
    QByteArray name;
    bool wasSet;
    QByteArray value;
  };
  void set(const char* name, const QString& value) {
    saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, QFile::encodeName(value));
  }
  QTemporaryDir dir_;
  QString root_;
  std::vector<Saved> saved_;
};

// Every entry under root, by relative path: "d" for a folder, "l>" and the
// target for a link (never followed), "f" and a digest for a file.
inline QMap<QString, QString> snapshot(const QString& root) {
  QMap<QString, QString> entries;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QFileInfo info(path);
    QString kind;
    if (info.isSymbolicLink()) {
      kind = "l>" + info.symLinkTarget();
    } else if (info.isDir()) {
      kind = "d";
    } else {
      QFile f(path);
      f.open(QIODevice::ReadOnly);
      kind = "f" + QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5).toHex());
    }
    entries.insert(QDir(root).relativeFilePath(path), kind);
  }
  return entries;
}

// The entries of before that are not under one of the removed paths.
inline QMap<QString, QString> without(QMap<QString, QString> before, const QString& root, const QStringList& removed) {
  for (auto it = before.begin(); it != before.end();) {
    const QString path = root + '/' + it.key();
    bool gone = false;
    for (const QString& r : removed) gone = gone || path == r || path.startsWith(r + '/');
    it = gone ? before.erase(it) : std::next(it);
  }
  return before;
}

// What the installer leaves for the user: the installation folder with
// the programs, settings, statistics, logs and skins, the three desktop
// entries and the group, and the record naming them.
struct Installation {
  QString folder;
  setup::UninstallRecord record;
  QString recordPath() const { return folder + '/' + setup::kUninstallRecordFile; }
  // The paths the uninstaller is to remove (the folder of the directory
  // entry was made by the installer for it alone).
  QStringList removed() const {
    const setup::MenuFiles menu = setup::findMenuFiles("Tavo");
    return {folder,
            record.DesktopFolder + "/Tavo.desktop",
            record.GroupFolder,
            record.StartupFolder + "/Tavo.desktop",
            menu.menuFile,
            QFileInfo(menu.directoryFile).path()};
  }
};

inline Installation makeInstallation(const FakeUser& user, const QString& folderName = "Programmes/Tavo 3") {
  Installation inst;
  inst.folder = user.home() + '/' + folderName;
  const setup::ShellFolders shell = setup::findShellFolders("Tavo");
  inst.record = {"Tavo", inst.folder, shell.DesktopFolder, shell.GroupFolder, shell.StartupFolder};
  for (const char* name : {"Tavo", "Uninstall", "Update", "TavoStat", "TavoLogV", "Tavo_FR.pdf", "Tavo_EN.pdf",
                           "session_stats.csv", "all_stats.csv", "logs/091226-14-7.csv", "logs/101226-9-0.csv",
                           "skins/ardoise.xsd", "skins/ardoise.bmp", "skins/menthe.xsd", "skins/menthe.bmp"})
    writeFile(inst.folder + '/' + name, QByteArray("content of ") + name);
  writeFile(inst.folder + "/Tavo.ini", "Lang=FR\r\n");
  QFile::setPermissions(inst.folder + "/Tavo", QFile::ReadOwner | QFile::ExeOwner);
  for (const QString& entry :
       {shell.DesktopFolder + "/Tavo.desktop", shell.GroupFolder + "/Tavo.desktop", shell.GroupFolder + "/Aide.desktop",
        shell.GroupFolder + "/Uninstall.desktop", shell.StartupFolder + "/Tavo.desktop"})
    writeFile(entry, "[Desktop Entry]\n");
  const setup::MenuFiles menu = setup::findMenuFiles("Tavo");
  writeFile(menu.menuFile, "<Menu/>\n");
  writeFile(menu.directoryFile, "[Desktop Entry]\n");
  if (!setup::writeUninstallRecord(inst.recordPath(), inst.record)) ADD_FAILURE() << "no record written";
  return inst;
}

// What belongs to the user and must outlive the uninstallation.
inline void makeBystanders(const FakeUser& user) {
  const setup::ShellFolders shell = setup::findShellFolders("Tavo");
  for (const QString& path :
       {shell.DesktopFolder + "/Other.desktop", shell.StartupFolder + "/Other.desktop",
        QFileInfo(shell.GroupFolder).path() + "/Other.desktop", user.home() + "/Documents/letter.txt",
        QFileInfo(setup::findMenuFiles("Tavo").menuFile).path() + "/Other.menu",
        user.home() + "/Programmes/Other/Other", user.home() + "/.bashrc"})
    writeFile(path, "mine");
}

}  // namespace tavo::uninstall::testing

// Failure messages list a snapshot's entries with their paths.
inline void PrintTo(const QMap<QString, QString>& entries, std::ostream* os) {
  for (auto it = entries.begin(); it != entries.end(); ++it)
    *os << "\n  " << it.key().toStdString() << ' ' << it->toStdString();
}
