#pragma once
// frmInterfaces: the modal chooser of the watched interface. A change goes
// to the engine's ChangeInterface, which saves the choice, starts a new log
// when logging is on, closes the old session and restarts the measuring.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tavo::monitor {
class MonitorEngine;
struct InterfaceTable;
}  // namespace tavo::monitor

namespace tavo::monitor {

class frmInterfaces : public QDialog {
  Q_OBJECT
 public:
  explicit frmInterfaces(tavo::monitor::MonitorEngine& engine, QWidget* parent = nullptr);

  void SetFrenchTexts();
  void SetEnglishTexts();
  void applyTexts(bool french) { french ? SetFrenchTexts() : SetEnglishTexts(); }

  // Refills the list from the interface table (entries 0 up to
  // InterfaceCount, never past 10) and selects the watched entry.
  void fillList(const tavo::monitor::InterfaceTable& table);
  // The settings dialog's cmdInterface: refill, then show modal (blocks
  // until the chooser is closed).
  int OpenChooser();

  void cmdChange_Click();
  void cmdCancel_Click();

  QLabel* Label1;
  QLabel* Label2;
  QComboBox* cmdInterfaces;
  QPushButton* cmdChange;
  QPushButton* cmdCancel;

 private:
  tavo::monitor::MonitorEngine& engine_;
};

}  // namespace tavo::monitor
