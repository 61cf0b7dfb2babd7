#pragma once
// frmChooser: the chooser's one window. Each button starts its installer
// build and the chooser ends.
#include <QWidget>

#include "Chooser/core/chooser.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QFrame;

namespace tavo {
class DesktopSeam;
}

namespace tavo::chooser {

class frmChooser : public QWidget {
  Q_OBJECT
 public:
  // folder: where the two builds are (the chooser's own folder); the
  // builds start, the messages show and the chooser ends through desktop.
  frmChooser(const QString& folder, tavo::DesktopSeam& desktop);

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

  bool ended() const { return ended_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void cmdEN_Click();
  void cmdFR_Click();
  void choose(bool english);
  void end();

  QString folder_;
  tavo::DesktopSeam& desktop_;
  bool ended_ = false;
};

}  // namespace tavo::chooser
