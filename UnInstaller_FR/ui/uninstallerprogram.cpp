#include "UnInstaller_FR/ui/uninstallerprogram.h"

#include <QCoreApplication>

#include "UnInstaller_FR/core/uninstallerwindowtexts.h"
#include "UnInstaller_FR/ui/dummy.h"

namespace tavo::uninstall {

UninstallerProgram::UninstallerProgram(const QString& programFolder, tavo::DesktopSeam& desktop, int pauseMs)
    : dummy_(std::make_unique<Dummy>()),
      desktop_(desktop),
      uninstaller_(programFolder, desktop,
                   UninstallerDisplay{[this](const QString& line) { AppendUninstallLog(line); },
                                      [this] { return pause(); }, [this] { return letEventsRun(); }}) {
  // A name the window does not hold has been warned about; the other
  // texts are on.
  static_cast<void>(applyWindowTexts(dummy_.get(), uninstallerWindowTexts()));
  dummy_->setPauseMs(pauseMs);
  connect(dummy_.get(), &Dummy::cmdDoneClicked, this, &UninstallerProgram::endProgram);
  connect(dummy_.get(), &Dummy::queryUnload, this, &UninstallerProgram::endProgram);
}

UninstallerProgram::~UninstallerProgram() = default;

bool UninstallerProgram::start(const QStringList& arguments) {
  const bool stays = uninstaller_.UninstallMain(arguments);
  if (!stays || ended_) {
    ended_ = true;
    return false;
  }
  return true;
}

void UninstallerProgram::AppendUninstallLog(const QString& line) {
  dummy_->show();
  dummy_->appendLine(line);
}

bool UninstallerProgram::pause() {
  dummy_->startPause();
  while (dummy_->pauseRunning() && !ended_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return !ended_;
}

bool UninstallerProgram::letEventsRun() {
  QCoreApplication::processEvents();
  return !ended_;
}

void UninstallerProgram::endProgram() {
  if (ended_) return;
  ended_ = true;
  dummy_->hide();
  desktop_.quit();
}

}  // namespace tavo::uninstall
