#include "Chooser/ui/chooserprogram.h"

#include <QDir>

#include "Chooser/core/chooser.h"
#include "Chooser/ui/frmchooser.h"
#include "common/desktopseam.h"

namespace tavo::chooser {

ChooserProgram::ChooserProgram(const QString& folder, tavo::DesktopSeam& desktop)
    : folder_(folder), desktop_(desktop), window_(std::make_unique<frmChooser>()) {
  connect(window_.get(), &frmChooser::cmdENClicked, this, &ChooserProgram::cmdEN_Click);
  connect(window_.get(), &frmChooser::cmdFRClicked, this, &ChooserProgram::cmdFR_Click);
  connect(window_.get(), &frmChooser::cmdCancelClicked, this, &ChooserProgram::end);
  // The title bar ends the chooser as its Cancel button does.
  connect(window_.get(), &frmChooser::queryUnload, this, &ChooserProgram::end);
}

ChooserProgram::~ChooserProgram() = default;

void ChooserProgram::show() { window_->show(); }

void ChooserProgram::cmdEN_Click() { choose(true); }
void ChooserProgram::cmdFR_Click() { choose(false); }

void ChooserProgram::choose(bool english) {
  startInstaller(installerBuild(folder_, english), QDir::currentPath(), desktop_);
  end();
}

void ChooserProgram::end() {
  if (ended_) return;
  ended_ = true;
  window_->hide();
  desktop_.quit();
}

}  // namespace tavo::chooser
