#pragma once
// A setup folder made in a temporary folder, with every payload file of the
// shipped table and a few skins, and the helpers the installer tests share.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "common/textfile.h"
#include "installer/core/installerstate.h"

namespace tavo::setup::testing {

inline QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The log's lines: split at CR LF.
inline QStringList logLines(const QString& log) { return log.split(QStringLiteral("\r\n")); }

// Points HOME and every XDG folder at a temporary folder, so that nothing
// the installer makes lands in the account running the tests. Call before
// the first use of QStandardPaths.
class PrivateHome {
 public:
  PrivateHome() {
    const QString home = dir_.path();
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + "/.config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + "/.local/share"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + "/.cache"));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home + "/.local/state"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(home + "/share"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home + "/etc/xdg"));
    qunsetenv("XDG_DESKTOP_DIR");
    QDir(home).mkdir("run");
    QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home + "/run"));
  }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

class SetupFolder {
 public:
  // With every file of the shipped table, the skins ardoise and menthe
  // (descriptor and bitmap) and a third descriptor without a bitmap.
  SetupFolder() {
    for (const SetupFileRow& row : shippedSetupFileTable(QStringLiteral("Tavo")).rows)
      put(row.setupName, "payload of " + row.setupName.toLatin1());
    for (const char* skin : {"ardoise.xs0", "ardoise.bm0", "menthe.xs0", "menthe.bm0", "blue.xs0"})
      put(QString::fromLatin1(skin), QByteArray("skin ") + skin);
  }

  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  void put(const QString& name, const QByteArray& bytes) const { ASSERT_TRUE(writeBytes(file(name), bytes)); }
  void remove(const QString& name) const { QFile::remove(file(name)); }

  // The payload's program Tavo is a real program, so that an installed copy
  // can be started and kept running.
  void makeMonitorARealProgram() const {
    const QString sleeper = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    ASSERT_FALSE(sleeper.isEmpty());
    remove(QStringLiteral("TV0.dat"));
    ASSERT_TRUE(QFile::copy(sleeper, file(QStringLiteral("TV0.dat"))));
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace tavo::setup::testing
