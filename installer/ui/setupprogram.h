#pragma once
// The installer program: its state, its four pages and their handlers, the
// start procedure and the end. Message boxes, the end of the program, the
// shortcut step and the volume list come through SetupSeams, so tests can
// drive the pages offscreen.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "installer/core/installsequence.h"
#include "installer/core/volumes.h"

class QWidget;

namespace tavo::setup {

class frmInstall;
class frmShort;
class frmLog;
class frmEnd;

struct SetupSeams {
  // Yes / No question without an icon; true for Yes.
  std::function<bool(QWidget* parent, const QString& title, const QString& text)> askYesNo;
  // Critical message with an OK button.
  std::function<void(QWidget* parent, const QString& title, const QString& text)> critical;
  std::function<void()> quit;
  std::function<void(const QString& program, const QStringList& arguments)> startHidden;
  std::function<ShellFolders(const InstallerState&, const ShortcutChoice&)> createShortcuts;
  std::function<QList<Volume>()> volumes;
  std::function<bool(const QString& rootPath)> volumeReady;

  // Real message boxes in the build's language, QCoreApplication::exit,
  // detached processes, the user's own desktop folders and the mounted
  // volumes.
  static SetupSeams desktop(bool isFrench);
};

class SetupProgram : public QObject {
  Q_OBJECT
 public:
  SetupProgram(const InstallerTexts& texts, SetupSeams seams);
  ~SetupProgram() override;

  // The start procedure: the state (the setup folder is the current
  // folder), the pages' titles and pictures, then the folder page.
  void SetupMain();

  InstallerState& state() { return state_; }
  bool sequenceRunning() const { return running_; }
  bool ended() const { return ended_; }
  frmInstall& folderPage() { return *install_; }
  frmShort& optionsPage() { return *short_; }
  frmLog& progressPage() { return *log_; }
  frmEnd& endPage() { return *end_; }

 private:
  void frmInstall_dirList_Click();
  void frmInstall_dirList_LostFocus();
  void frmInstall_drvList_Change(const QString& rootPath);
  void frmInstall_cmdInstall_Click();
  void frmShort_cmdInstall_Click();
  void frmLog_cmdFinish_Click();
  void frmLog_QueryUnload();
  // Cancel button and title-bar close of the folder and options pages.
  void cmdCancel_Click(QWidget* page);
  void RunInstall();
  void QuitSetup();

  const InstallerTexts& texts_;
  SetupSeams seams_;
  InstallerState state_;
  std::unique_ptr<frmInstall> install_;
  std::unique_ptr<frmShort> short_;
  std::unique_ptr<frmLog> log_;
  std::unique_ptr<frmEnd> end_;
  bool running_ = false;
  bool ended_ = false;
};

}  // namespace tavo::setup
