#pragma once
// frmChooser: the chooser's one window. It tells which button was pressed;
// ChooserProgram starts the build and ends the chooser.
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QFrame;

namespace tavo::chooser {

class frmChooser : public QWidget {
  Q_OBJECT
 public:
  frmChooser();

 signals:
  void cmdENClicked();
  void cmdFRClicked();
  void cmdCancelClicked();
  // The window is being closed from its title bar.
  void queryUnload();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QGroupBox* Frame1 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* cmdEN = nullptr;
  QGroupBox* Frame2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* cmdFR = nullptr;
  QPushButton* cmdCancel = nullptr;
  QLabel* Picture1 = nullptr;
  QLabel* Picture2 = nullptr;
  QLabel* Picture3 = nullptr;
  QLabel* Picture4 = nullptr;
  QFrame* Shape1 = nullptr;
};

}  // namespace tavo::chooser
