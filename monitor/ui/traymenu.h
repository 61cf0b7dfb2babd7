#pragma once
// The tray icon's menu mnuInTray. It is made with the tray, apart from the
// settings dialog, so that the dialog is built only when it is opened. Its
// entries stay its own: it tells which one the user chose.
#include <QMenu>

class QAction;

namespace tavo::monitor {

class TrayMenu : public QMenu {
  Q_OBJECT
 public:
  explicit TrayMenu(QWidget* parent = nullptr);

  // Opens at the given point of the screen with "Show/Hide" as its default entry.
  void popUpAt(const QPoint& globalPos);

 signals:
  void minimizeTavoChosen();
  void minimizeAllChosen();
  void settingsChosen();
  void bigChosen();
  void statsChosen();
  void logViewerChosen();
  void quitChosen();

 private:
  QAction* mnuMinimizeTavo = nullptr;
  QAction* mnuMinimizeAll = nullptr;
  QAction* mnuSettings = nullptr;
  QAction* mnuBig = nullptr;
  QAction* mnuStats = nullptr;
  QAction* mnuLogViewer = nullptr;
  QAction* mnuQuit = nullptr;
};

}  // namespace tavo::monitor
