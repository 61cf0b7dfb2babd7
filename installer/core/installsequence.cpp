#include "installer/core/installsequence.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/setup/uninstallrecord.h"
#include "common/textfile.h"
#include "installer/core/setuplog.h"

namespace tavo::setup {

void InstallLog::append(const QString& s) {
  text_ += s;
  if (changed_) changed_(text_);
}

void InstallLog::heading(const QString& text) { append(QStringLiteral("\r\n\r\n") + text); }
void InstallLog::ok() { append(QStringLiteral("  OK")); }
void InstallLog::line(const QString& text) { append(QStringLiteral("\r\n") + text); }

std::optional<QString> absoluteInstallFolder(const QString& typed, const QString& currentFolder,
                                             const QString& homeFolder) {
  if (typed.isEmpty() || typed.contains(QLatin1Char('\n')) || typed.contains(QLatin1Char('\r'))) return std::nullopt;
  QString path = typed;
  if (path == QLatin1String("~")) path = homeFolder;
  else if (path.startsWith(QLatin1String("~/"))) path = homeFolder + path.mid(1);
  else if (QDir::isRelativePath(path)) path = QDir(currentFolder).absoluteFilePath(path);
  return QDir::cleanPath(path);
}

bool setupFileExists(const QString& path) {
  const QFileInfo fi(path);
  return fi.isFile() && fi.isReadable() && !fi.fileName().startsWith(QLatin1Char('.'));
}

int dayNumber(const QDateTime& time) {
  const QDate d = time.toLocalTime().date();
  return d.year() * 10000 + d.month() * 100 + d.day();
}

bool copyOverInPlace(const QString& from, const QString& to) {
  QFile src(from);
  if (!src.open(QIODevice::ReadOnly)) return false;
  const QFileInfo target(to);
  // Opening the source itself for writing would empty it.
  if (target.exists() && target.canonicalFilePath() == QFileInfo(from).canonicalFilePath()) return true;
  QFile dst(to);
  if (!dst.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  char buffer[64 * 1024];
  for (;;) {
    const qint64 n = src.read(buffer, sizeof buffer);
    if (n < 0) return false;
    if (n == 0) break;
    if (dst.write(buffer, n) != n) return false;
  }
  if (!dst.flush()) return false;
  return dst.setPermissions(src.permissions());
}

namespace {

QString inFolder(const QString& folder, const QString& name) { return folder + QLatin1Char('/') + name; }

// The setup name with its last character replaced: blue.xs0 -> blue.xsd.
QString installedSkinName(const QString& setupName, QChar last) { return setupName.left(setupName.size() - 1) + last; }

class Sequence {
 public:
  Sequence(InstallerState& state, const InstallerTexts& texts, const InstallChoices& choices, const InstallHooks& hooks)
      : s_(state), t_(texts), c_(choices), h_(hooks), log_(hooks.showLog) {}

  InstallOutcome run() {
    if (!requiredFiles()) return stop(t_.missingMessage, InstallOutcome::MissingFiles);
    folders();
    components();
    if (!programFiles()) return stop(t_.copyMessage, InstallOutcome::CopyFailed);
    shortcuts();
    skins();
    // The Lang line and the record come before the last heading, so that
    // the heading says how it went.
    const bool languageWritten = language();
    const bool recordWritten = record();
    if (languageWritten && recordWritten) {
      log_.heading(t_.finished);
    } else {
      log_.heading(t_.incomplete);
      if (!languageWritten) log_.line(t_.notWrittenBefore + QStringLiteral("Tavo.ini") + t_.notWrittenAfter);
      if (!recordWritten)
        log_.line(t_.notWrittenBefore + QString::fromLatin1(kUninstallRecordFile) + t_.notWrittenAfter);
    }
    if (h_.enableFinish) h_.enableFinish();
    return languageWritten && recordWritten ? InstallOutcome::Completed : InstallOutcome::Incomplete;
  }

 private:
  InstallOutcome stop(const QString& message, InstallOutcome outcome) {
    if (h_.setFinishCaption) h_.setFinishCaption(t_.close);
    if (h_.critical) h_.critical(message, t_.errorTitle);
    if (h_.enableFinish) h_.enableFinish();
    return outcome;
  }

  bool requiredFiles() {
    log_.heading(t_.necessaryFiles);
    bool missing = false;
    for (const SetupFileRow& row : s_.Files.rows) {
      if (setupFileExists(inFolder(s_.SourceFolder, row.setupName))) continue;
      log_.line(t_.missingBefore + row.setupName + t_.missingAfter);
      missing = true;
    }
    if (!missing) log_.ok();
    return !missing;
  }

  void folders() {
    log_.heading(t_.folderCreation);
    // One level only: the parent must exist. A folder that could not be
    // made still gets its OK here: the copy into it then fails and the log
    // says so at that file.
    for (const QString& folder : {s_.InstallFolder, inFolder(s_.InstallFolder, QStringLiteral("skins"))})
      if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) qCWarning(setupLog) << "could not make" << folder;
    log_.ok();
  }

  void components() {
    log_.heading(t_.registering);
    const QString system32 = inFolder(s_.WindowsFolder, QStringLiteral("system32"));
    for (int i = 0; i < s_.Files.ComponentCount && i < s_.Files.FileCount(); ++i) {
      const QString name = s_.Files.rows.at(i).setupName;
      const QString installed = inFolder(system32, name);
      const QString setup = inFolder(s_.SourceFolder, name);
      if (!setupFileExists(installed)) {
        // The log says "registered" all the same: the registration below
        // is what puts the component in place, whoever copied it.
        if (!QFile::copy(setup, installed)) qCWarning(setupLog) << "could not copy" << setup << "to" << installed;
        for (const char* folder : {"system", "system32"}) {
          const QString program =
              inFolder(inFolder(s_.WindowsFolder, QLatin1String(folder)), QStringLiteral("regsvr32"));
          if (setupFileExists(program) && h_.startHidden) h_.startHidden(program, {QStringLiteral("/s"), installed});
        }
        log_.line(QStringLiteral("  - ") + name + t_.registered);
      } else if (dayNumber(QFileInfo(setup).lastModified()) > dayNumber(QFileInfo(installed).lastModified())) {
        log_.line(QStringLiteral("  - ") + name + t_.olderPresent);
      } else {
        log_.line(QStringLiteral("  - ") + name + t_.alreadyPresent);
      }
    }
  }

  bool programFiles() {
    log_.heading(t_.copying);
    for (int i = s_.Files.ComponentCount; i < s_.Files.FileCount(); ++i) {
      const SetupFileRow& row = s_.Files.rows.at(i);
      if (!copyOverInPlace(inFolder(s_.SourceFolder, row.setupName), inFolder(s_.InstallFolder, row.installedName))) {
        log_.line(QStringLiteral("  - ") + row.installedName + t_.inUse);
        return false;
      }
    }
    log_.ok();
    return true;
  }

  void shortcuts() {
    log_.heading(t_.shortcuts);
    if (h_.createShortcuts) s_.Folders = h_.createShortcuts(s_, c_.shortcuts);
    log_.ok();
  }

  void skins() {
    log_.heading(t_.skins);
    const QDir source(s_.SourceFolder);
    const QString target = inFolder(s_.InstallFolder, QStringLiteral("skins"));
    int count = 0;
    for (const QString& name : source.entryList({QStringLiteral("*.xs0")}, QDir::Files, QDir::Unsorted)) {
      copySkinFile(source.filePath(name), inFolder(target, installedSkinName(name, QLatin1Char('d'))));
      ++count;  // also when the copy failed
    }
    for (const QString& name : source.entryList({QStringLiteral("*.bm0")}, QDir::Files, QDir::Unsorted))
      copySkinFile(source.filePath(name), inFolder(target, installedSkinName(name, QLatin1Char('p'))));
    log_.line(QStringLiteral("  - ") + QString::number(count) + t_.skinsCounted);
  }

  // A skin that could not be copied is missing from the monitor's list;
  // the count and the log stay as they are, the reason goes to the log
  // category.
  static void copySkinFile(const QString& from, const QString& to) {
    if (!copyOverInPlace(from, to)) qCWarning(setupLog) << "could not copy the skin file" << from << "to" << to;
  }

  [[nodiscard]] bool language() {
    const QString path = inFolder(s_.InstallFolder, QStringLiteral("Tavo.ini"));
    QString error;
    if (appendLineDurably(path, c_.english ? QStringLiteral("Lang=EN") : QStringLiteral("Lang=FR"), &error))
      return true;
    qCWarning(setupLog) << "could not append the Lang line to" << path << ":" << error;
    return false;
  }

  [[nodiscard]] bool record() {
    const QString path = inFolder(s_.InstallFolder, QString::fromLatin1(kUninstallRecordFile));
    if (writeUninstallRecord(path, {s_.ProductWord, s_.InstallFolder, s_.Folders.DesktopFolder, s_.Folders.GroupFolder,
                                    s_.Folders.StartupFolder}))
      return true;
    qCWarning(setupLog) << "could not write the uninstall record" << path;
    return false;
  }

  InstallerState& s_;
  const InstallerTexts& t_;
  const InstallChoices& c_;
  const InstallHooks& h_;
  InstallLog log_;
};

}  // namespace

InstallOutcome RunInstall(InstallerState& state, const InstallerTexts& texts, const InstallChoices& choices,
                          const InstallHooks& hooks) {
  return Sequence(state, texts, choices, hooks).run();
}

}  // namespace tavo::setup
