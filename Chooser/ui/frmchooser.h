#pragma once
// frmChooser: the chooser's one window. Each button starts its installer
// build and the chooser ends.
#include <QWidget>

#include "Chooser/core/chooser.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QFrame;

namespace tavo::chooser {

struct ChooserSeams {
  Starter start;
  Messenger message;
  std::function<void()> quit;
  // Real processes, message boxes and QCoreApplication::exit.
  static ChooserSeams desktop();
};

class frmChooser : public QWidget {
  Q_OBJECT
 public:
  // folder: where the two builds are (the chooser's own folder).
  frmChooser(const QString& folder, ChooserSeams seams);

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
  ChooserSeams seams_;
  bool ended_ = false;
};

}  // namespace tavo::chooser
