#include "common/seams.h"

#include "common/messagebox.h"
#include "common/platform/desktop/desktop.h"

#include <QCoreApplication>

namespace tavo {

void DesktopSeams::message(QWidget* parent, const QString& title, const QString& text) const {
  ask(parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}

DesktopSeams DesktopSeams::withDesktopDefaults(std::function<bool()> isFrench, const QString& workingFolder) const {
  DesktopSeams s = *this;
  if (!isFrench) isFrench = [] { return false; };
  if (!s.ask) {
    s.ask = [isFrench](QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                       QMessageBox::StandardButtons buttons) {
      return askMessageBox(parent, icon, title, text, buttons, isFrench());
    };
  }
  if (!s.notice) {
    s.notice = [isFrench](const QString& title, const QString& text) {
      showNoticeBox(nullptr, QMessageBox::Critical, title, text, isFrench());
    };
  }
  if (!s.startProgram) {
    s.startProgram = [workingFolder](const QString& program, const QStringList& arguments) {
      return desktop::startProgram(program, arguments, workingFolder);
    };
  }
  if (!s.quit) s.quit = [] { QCoreApplication::exit(0); };
  return s;
}

}  // namespace tavo
