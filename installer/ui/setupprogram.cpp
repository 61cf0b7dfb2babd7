#include "installer/ui/setupprogram.h"

#include <QDir>
#include <QMessageBox>

#include "common/desktopseam.h"
#include "installer/ui/pages.h"

namespace tavo::setup {

InstallerSteps InstallerSteps::real() {
  InstallerSteps s;
  s.createShortcuts = &CreateSetupShortcuts;
  s.volumes = &tavo::setup::mountedVolumes;
  s.volumeReady = &tavo::setup::volumeReady;
  return s;
}

SetupProgram::SetupProgram(const InstallerTexts& texts, tavo::DesktopSeam& desktop, InstallerSteps steps)
    : texts_(texts),
      desktop_(desktop),
      steps_(std::move(steps)),
      install_(std::make_unique<frmInstall>(texts)),
      short_(std::make_unique<frmShort>(texts)),
      log_(std::make_unique<frmLog>(texts)),
      end_(std::make_unique<frmEnd>(texts)) {
  connect(install_.get(), &frmInstall::dirListClicked, this, [this] { frmInstall_dirList_Click(); });
  connect(install_.get(), &frmInstall::dirListLostFocus, this, [this] { frmInstall_dirList_LostFocus(); });
  connect(install_.get(), &frmInstall::drvListChanged, this, &SetupProgram::frmInstall_drvList_Change);
  connect(install_.get(), &frmInstall::cmdInstallClicked, this, [this] { frmInstall_cmdInstall_Click(); });
  connect(install_.get(), &frmInstall::cmdCancelClicked, this, [this] { cmdCancel_Click(install_.get()); });
  connect(install_.get(), &SetupPage::queryUnload, this, [this] { cmdCancel_Click(install_.get()); });
  connect(short_.get(), &frmShort::cmdInstallClicked, this, [this] { frmShort_cmdInstall_Click(); });
  connect(short_.get(), &frmShort::cmdCancelClicked, this, [this] { cmdCancel_Click(short_.get()); });
  connect(short_.get(), &SetupPage::queryUnload, this, [this] { cmdCancel_Click(short_.get()); });
  connect(log_.get(), &frmLog::cmdFinishClicked, this, [this] { frmLog_cmdFinish_Click(); });
  connect(log_.get(), &SetupPage::queryUnload, this, [this] { frmLog_QueryUnload(); });
  connect(end_.get(), &frmEnd::cmdFinishClicked, this, [this] { QuitSetup(); });
  connect(end_.get(), &SetupPage::queryUnload, this, [this] { QuitSetup(); });
}

SetupProgram::~SetupProgram() = default;

void SetupProgram::SetupMain() {
  // The setup files are taken from the current folder, not from the
  // installer's own: the chooser starts it from there.
  state_ = initialInstallerState(texts_.helpShortcutFile, QDir::currentPath());
  const QString title = state_.ProductWord + texts_.titleSuffix;
  const frmStock stock = frmStock::make();
  for (SetupPage* page : std::initializer_list<SetupPage*>{end_.get(), install_.get(), log_.get(), short_.get()}) {
    page->setWindowTitle(title);
    page->setPictures(stock);
  }
  install_->setInstallPath(state_.InstallFolder);
  install_->setVolumes(steps_.volumes ? steps_.volumes() : QList<Volume>());
  install_->openFolder(state_.SourceFolder);
  install_->selectVolumeOf(state_.SourceFolder);
  install_->show();
}

void SetupProgram::frmInstall_dirList_Click() {
  install_->setInstallPath(installFolderUnder(install_->highlightedFolder()));
  state_.InstallFolder = install_->installPath();
}

void SetupProgram::frmInstall_dirList_LostFocus() { install_->openFolder(install_->highlightedFolder()); }

void SetupProgram::frmInstall_drvList_Change(const QString& rootPath) {
  if (steps_.volumeReady && steps_.volumeReady(rootPath)) {
    install_->openFolder(rootPath);
    return;
  }
  // A volume that is not ready: back to the one the folder list is on.
  install_->selectVolumeOf(install_->openedFolder());
}

void SetupProgram::frmInstall_cmdInstall_Click() {
  const QString typed = install_->installPath();
  // Made absolute before anything is made: the entries and the record
  // must name the folder wherever they are read from.
  const std::optional<QString> folder = absoluteInstallFolder(typed, state_.SourceFolder, QDir::homePath());
  if (!folder) {
    install_->showFolderError(typed.isEmpty() ? texts_.folderEmpty : texts_.folderLineBreak);
    install_->focusInstallPath();
    return;
  }
  install_->hideFolderError();
  state_.InstallFolder = *folder;
  install_->hide();
  short_->show();
}

void SetupProgram::frmShort_cmdInstall_Click() {
  short_->hide();
  log_->show();
  RunInstall();
}

void SetupProgram::RunInstall() {
  InstallChoices choices;
  choices.shortcuts = short_->shortcutChoice();
  choices.english = short_->englishChosen();
  InstallHooks hooks;
  hooks.showLog = [this](const QString& text) { log_->showLog(text); };
  hooks.critical = [this](const QString& text, const QString& title) { desktop_.critical(log_.get(), title, text); };
  hooks.setFinishCaption = [this](const QString& caption) { log_->setFinishCaption(caption); };
  hooks.enableFinish = [this] { log_->enableFinish(); };
  hooks.startHidden = [this](const QString& program, const QStringList& arguments) {
    // The registration is checked in the log's next line, not here: a
    // program that did not start leaves the component unregistered, as a
    // failed registration does.
    static_cast<void>(desktop_.startProgram({program, arguments, QString(), /*quiet=*/true}));
  };
  hooks.createShortcuts = steps_.createShortcuts;
  running_ = true;
  const InstallOutcome outcome = tavo::setup::RunInstall(state_, texts_, choices, hooks);
  running_ = false;
  // The end page claims success only for a complete installation.
  end_->setOutcomeText(outcome == InstallOutcome::Incomplete ? texts_.incompleteLabel : texts_.complete);
}

void SetupProgram::frmLog_cmdFinish_Click() {
  if (log_->finishCaption() == texts_.close) {
    QuitSetup();
    return;
  }
  log_->hide();
  end_->show();
}

void SetupProgram::frmLog_QueryUnload() {
  // Nothing may interrupt the sequence; afterwards the close is the button.
  if (running_ || !log_->finishEnabled()) return;
  frmLog_cmdFinish_Click();
}

void SetupProgram::cmdCancel_Click(QWidget* page) {
  if (desktop_.askYesNo(page, QMessageBox::NoIcon, texts_.cancelTitle, texts_.cancelQuestion)) QuitSetup();
}

void SetupProgram::QuitSetup() {
  if (ended_) return;
  ended_ = true;
  for (SetupPage* page : std::initializer_list<SetupPage*>{end_.get(), install_.get(), log_.get(), short_.get()})
    page->hide();
  desktop_.quit();
}

}  // namespace tavo::setup
