#include "monitor/ui/traymenu.h"

#include <QAction>

namespace tavo::monitor {

TrayMenu::TrayMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuInTray"));
  auto action = [this](const char* name) {
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1(name));
    addAction(a);
    return a;
  };
  mnuMinimizeTavo = action("mnuMinimizeTavo");
  mnuMinimizeAll = action("mnuMinimizeAll");
  mnuSettings = action("mnuSettings");
  mnuBig = action("mnuBig");
  mnuStats = action("mnuStats");
  mnuLogViewer = action("mnuLogViewer");
  mnuLogViewer->setText(QStringLiteral("Log Viewer"));
  mnuQuit = action("mnuQuit");
  setDefaultAction(mnuMinimizeTavo);
}

}  // namespace tavo::monitor
