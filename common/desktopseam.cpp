#include "common/desktopseam.h"

#include "common/messagebox.h"
#include "common/platform/desktop/desktop.h"

#include <QCoreApplication>
#include <QProcess>

namespace tavo {

void DesktopSeam::message(QWidget* parent, const QString& title, const QString& text) {
  ask({parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok});
}

void DesktopSeam::critical(QWidget* parent, const QString& title, const QString& text) {
  ask({parent, QMessageBox::Critical, title, text, QMessageBox::Ok});
}

bool DesktopSeam::askYesNo(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  return ask({parent, icon, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No}) == QMessageBox::Yes;
}

RealDesktop::RealDesktop(std::function<bool()> isFrench) : isFrench_(std::move(isFrench)) {}

QMessageBox::StandardButton RealDesktop::ask(const BoxRequest& request) {
  auto box = makeMessageBox(request.icon, request.title, request.text, request.buttons, isFrench(), request.parent);
  if (request.defaultButton != QMessageBox::NoButton) box->setDefaultButton(request.defaultButton);
  box->setTextFormat(request.textFormat);
  return QMessageBox::StandardButton(box->exec());
}

void RealDesktop::notice(const QString& title, const QString& text) {
  showNoticeBox(nullptr, QMessageBox::Critical, title, text, isFrench());
}

bool RealDesktop::startProgram(const ProgramStart& start) {
  if (!start.quiet) return desktop::startProgram(start.program, start.arguments, start.workingFolder);
  QProcess p;
  p.setProgram(start.program);
  p.setArguments(start.arguments);
  p.setWorkingDirectory(start.workingFolder);
  p.setStandardOutputFile(QProcess::nullDevice());
  p.setStandardErrorFile(QProcess::nullDevice());
  return p.startDetached();
}

bool RealDesktop::openUrl(const QUrl& url) { return desktop::openUrl(url); }

void RealDesktop::quit() { QCoreApplication::exit(0); }

bool RealDesktop::trayAvailable() { return desktop::trayAvailable(); }

int RealDesktop::minimizeOtherWindows() { return desktop::minimizeOtherWindows(); }

bool RealDesktop::shownOnScreen(const QWidget* window) { return desktop::isShownOnScreen(window); }

QPoint RealDesktop::pointerPosition() { return desktop::pointerPosition(); }

QRect RealDesktop::screenGeometryAt(QPoint point) { return desktop::screenGeometryUnder(point); }

}  // namespace tavo
