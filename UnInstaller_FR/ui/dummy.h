#pragma once
// The uninstaller's log window: the lines of the removal, the button that
// ends the program, and the timer of the pause before the deletions.
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace tavo::uninstall {

class Dummy : public QWidget {
  Q_OBJECT
 public:
  Dummy();

  // One more line at the end of the log.
  void appendLine(const QString& line);
  // The lines shown, in order.
  QStringList lines() const;

  // The pause before the deletions: Timer1, 2000 ms unless set, runs
  // until its first tick.
  void setPauseMs(int ms);
  void startPause();
  bool pauseRunning() const;

 signals:
  void cmdDoneClicked();
  // The window is being closed from its close box.
  void queryUnload();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Dummy_Timer1_Timer();

  QPlainTextEdit* Text1;
  QPushButton* cmdDone;
  // Disabled until the pause; its first tick disables it.
  QTimer* Timer1;
  QStringList lines_;
};

}  // namespace tavo::uninstall
