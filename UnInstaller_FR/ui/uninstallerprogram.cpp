#include "UnInstaller_FR/ui/uninstallerprogram.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "UnInstaller_FR/ui/dummy.h"
#include "common/messagebox.h"

namespace tavo::uninstall {

UninstallerSeams desktopSeams() {
  UninstallerSeams s;
  // The product word comes from a file: never shown as markup.
  // The uninstaller speaks French: "Oui" and "Non" on its buttons.
  s.critical = [](const QString& title, const QString& text) {
    auto box = makeMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, /*isFrench=*/true);
    box->setTextFormat(Qt::PlainText);
    box->exec();
  };
  s.question = [](const QString& title, const QString& text) {
    auto box = makeMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, /*isFrench=*/true);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Yes);
    return box->exec() == QMessageBox::Yes;
  };
  s.startProgram = [](const QString& program, const QStringList& arguments, const QString& workingFolder) {
    return QProcess::startDetached(program, arguments, workingFolder);
  };
  return s;
}

UninstallerProgram::UninstallerProgram(const QString& programFolder, UninstallerSeams seams,
                                       std::function<void()> quit, int pauseMs)
    : dummy_(std::make_unique<Dummy>()),
      quit_(std::move(quit)),
      uninstaller_(programFolder, std::move(seams),
                   UninstallerDisplay{[this](const QString& line) { AppendUninstallLog(line); },
                                      [this] { return pause(); }, [this] { return letEventsRun(); }}) {
  dummy_->Timer1->setInterval(pauseMs);
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
  dummy_->Timer1->start();
  while (dummy_->Timer1->isActive() && !ended_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
  if (quit_) quit_();
}

}  // namespace tavo::uninstall
