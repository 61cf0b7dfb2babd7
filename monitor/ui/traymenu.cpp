#include "monitor/ui/traymenu.h"

#include <QAction>

namespace tavo::monitor {

TrayMenu::TrayMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuInTray"));
  auto action = [this](const char* name, void (TrayMenu::*chosen)()) {
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1(name));
    addAction(a);
    connect(a, &QAction::triggered, this, chosen);
    return a;
  };
  mnuMinimizeTavo = action("mnuMinimizeTavo", &TrayMenu::minimizeTavoChosen);
  mnuMinimizeAll = action("mnuMinimizeAll", &TrayMenu::minimizeAllChosen);
  mnuSettings = action("mnuSettings", &TrayMenu::settingsChosen);
  mnuBig = action("mnuBig", &TrayMenu::bigChosen);
  mnuStats = action("mnuStats", &TrayMenu::statsChosen);
  mnuLogViewer = action("mnuLogViewer", &TrayMenu::logViewerChosen);
  mnuLogViewer->setText(QStringLiteral("Log Viewer"));
  mnuQuit = action("mnuQuit", &TrayMenu::quitChosen);
  setDefaultAction(mnuMinimizeTavo);
}

void TrayMenu::popUpAt(const QPoint& globalPos) {
  setDefaultAction(mnuMinimizeTavo);
  popup(globalPos);
}

}  // namespace tavo::monitor
