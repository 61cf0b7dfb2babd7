#include "LogViewer/ui/seams.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tavo::logv {

LogViewerSeams LogViewerSeams::desktop() {
  LogViewerSeams s;
  s.message = [](QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
  };
  s.quit = [] { QCoreApplication::exit(0); };
  return s;
}

}  // namespace tavo::logv
