#pragma once
// The list window: the logs of the logs folder, one of which is opened.
#include <QWidget>

class QListWidget;

namespace tavo::logv {

class frmMain : public QWidget {
  Q_OBJECT
 public:
  frmMain();

  void setLogNames(const QStringList& names);
  // The selected entry's text, or empty when none is selected.
  QString selectedLogName() const;

 signals:
  void cmdSelectClicked();
  // The window is being closed, by any means.
  void queryUnload();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QListWidget* flLog_;
};

}  // namespace tavo::logv
