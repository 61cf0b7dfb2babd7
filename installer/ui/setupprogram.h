#pragma once
// The installer program: its state, its four pages and their handlers, the
// start procedure and the end. Message boxes, the registration programs and
// the end of the program go through the desktop seam; the shortcut step and
// the volume list through InstallerSteps; so tests can drive the pages
// offscreen.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "installer/core/installsequence.h"
#include "installer/core/volumes.h"

class QWidget;

namespace tavo {
class DesktopSeam;
}

namespace tavo::setup {

class frmInstall;
class frmShort;
class frmLog;
class frmEnd;

// The installer's own work on the machine that is not a question to the
// desktop: writing the shortcuts, listing the volumes and whether one is
// ready. Tests replace them.
struct InstallerSteps {
  std::function<ShellFolders(const InstallerState&, const ShortcutChoice&)> createShortcuts;
  std::function<QList<Volume>()> volumes;
  std::function<bool(const QString& rootPath)> volumeReady;

  // The user's own desktop folders and the mounted volumes.
  static InstallerSteps real();
};

class SetupProgram : public QObject {
  Q_OBJECT
 public:
  SetupProgram(const InstallerTexts& texts, tavo::DesktopSeam& desktop, InstallerSteps steps = InstallerSteps::real());
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
  tavo::DesktopSeam& desktop_;
  InstallerSteps steps_;
  InstallerState state_;
  std::unique_ptr<frmInstall> install_;
  std::unique_ptr<frmShort> short_;
  std::unique_ptr<frmLog> log_;
  std::unique_ptr<frmEnd> end_;
  bool running_ = false;
  bool ended_ = false;
};

}  // namespace tavo::setup
