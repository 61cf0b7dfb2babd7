#pragma once
// The tray icon's menu mnuInTray. It is made with the tray, apart from the
// settings dialog, so that the dialog is built only when it is opened.
#include <QMenu>

class QAction;

namespace tavo::monitor {

class TrayMenu : public QMenu {
  Q_OBJECT
 public:
  explicit TrayMenu(QWidget* parent = nullptr);

  QAction* mnuMinimizeTavo = nullptr;
  QAction* mnuMinimizeAll = nullptr;
  QAction* mnuSettings = nullptr;
  QAction* mnuBig = nullptr;
  QAction* mnuStats = nullptr;
  QAction* mnuLogViewer = nullptr;
  QAction* mnuQuit = nullptr;
};

}  // namespace tavo::monitor
