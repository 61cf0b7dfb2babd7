#pragma once
// The list window: the logs of the logs folder, one of which is opened.
#include <QWidget>

class QGroupBox;
class QListWidget;
class QPushButton;
class QLabel;

namespace tavo::logv {

class frmMain : public QWidget {
  Q_OBJECT
 public:
  frmMain();

  void setLogNames(const QStringList& names);
  // The selected entry's text, or empty when none is selected.
  QString selectedLogName() const;

  QGroupBox* frameSkins;
  QListWidget* flLog;
  QPushButton* cmdSelect;
  QLabel* Picture3;

 signals:
  void cmdSelectClicked();
  // The window is being closed, by any means.
  void queryUnload();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tavo::logv
