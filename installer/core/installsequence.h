#pragma once
// RunInstall: the installer's work, run once from the options page. Checks
// the setup folder, makes the folders, puts missing system components in
// place, copies the program files, makes the shortcuts, copies the skins,
// appends the Lang line to Tavo.ini and writes uninstall.dat, logging
// every step. The pages only drive it through the hooks below.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "installer/core/installerstate.h"
#include "installer/core/setupshortcuts.h"
#include "installer/core/setuptexts.h"

namespace tavo::setup {

struct InstallChoices {
  ShortcutChoice shortcuts;
  bool english = false;  // optEN: the Lang line follows it, not the build
};

struct InstallHooks {
  // The whole log text after every log operation (lines end with CR LF).
  std::function<void(const QString& logText)> showLog;
  // A critical message with an OK button; returns when it is closed.
  std::function<void(const QString& text, const QString& title)> critical;
  // The progress page's button.
  std::function<void(const QString& caption)> setFinishCaption;
  std::function<void()> enableFinish;
  // Starts a registration program hidden, without waiting.
  std::function<void(const QString& program, const QStringList& arguments)> startHidden;
  // The shortcut step; returns the three folders for the record.
  std::function<ShellFolders(const InstallerState&, const ShortcutChoice&)> createShortcuts;
};

// Incomplete: everything was copied, but the Lang line or the uninstall
// record could not be written; the log says which, and the end page does
// not claim success.
enum class InstallOutcome { MissingFiles, CopyFailed, Completed, Incomplete };

// The log box: headings, OK marks and lines, as the sequence writes them.
class InstallLog {
 public:
  explicit InstallLog(std::function<void(const QString&)> changed) : changed_(std::move(changed)) {}
  void heading(const QString& text);  // CR LF, CR LF, text
  void ok();                          // "  OK" on the heading's line
  void line(const QString& text);     // CR LF, text
  const QString& text() const { return text_; }

 private:
  void append(const QString& s);
  QString text_;
  std::function<void(const QString&)> changed_;
};

[[nodiscard]] InstallOutcome RunInstall(InstallerState& state, const InstallerTexts& texts,
                                        const InstallChoices& choices, const InstallHooks& hooks);

// The installation folder as the folder page's text gives it, made
// absolute: a leading "~/" (or "~" alone) is the home folder, a relative
// text is taken against currentFolder (the folder the installer runs in).
// Nothing when the text is empty or holds a line break: such a name
// would shift the lines of the uninstall record.
[[nodiscard]] std::optional<QString> absoluteInstallFolder(const QString& typed, const QString& currentFolder,
                                                           const QString& homeFolder);

// A file counts when it is a regular file that can be read and its name is
// not hidden (no leading dot).
bool setupFileExists(const QString& path);

// The day of a time as the number yyyymmdd (local time).
int dayNumber(const QDateTime& time);

// Copies from over to, writing into an existing file in place: it is never
// deleted or renamed over, so a program that is running there cannot be
// replaced (the kernel refuses to open it for writing) and the copy fails.
// The new file gets the source's permissions. Copying a file onto itself
// succeeds and changes nothing.
[[nodiscard]] bool copyOverInPlace(const QString& from, const QString& to);

}  // namespace tavo::setup
