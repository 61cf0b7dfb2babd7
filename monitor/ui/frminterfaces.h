#pragma once
// frmInterfaces: the modal chooser of the watched interface. A change is
// told by interfaceChosen; the program's engine then saves the choice,
// starts a new log when logging is on, closes the old session and restarts
// the measuring.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tavo::monitor {
struct InterfaceTable;
}  // namespace tavo::monitor

namespace tavo::monitor {

class frmInterfaces : public QDialog {
  Q_OBJECT
 public:
  explicit frmInterfaces(QWidget* parent = nullptr);

  void SetFrenchTexts();
  void SetEnglishTexts();
  void applyTexts(bool french) { french ? SetFrenchTexts() : SetEnglishTexts(); }

  // Refills the list from the interface table (entries 0 up to
  // InterfaceCount, never past 10) and selects the watched entry.
  void fillList(const tavo::monitor::InterfaceTable& table);
  // The settings dialog's cmdInterface: refill, then show modal (blocks
  // until the chooser is closed).
  int openChooser(const tavo::monitor::InterfaceTable& table);

  void cmdChange_Click();
  void cmdCancel_Click();

 signals:
  // Another entry than the watched one was validated.
  void interfaceChosen(int index);

 private:
  // Reached by their object names, the design's control names.
  QLabel* Label1;
  QLabel* Label2;
  QComboBox* cmdInterfaces;
  QPushButton* cmdChange;
  QPushButton* cmdCancel;
  // The entry watched when the list was filled.
  int watched_ = 0;
};

}  // namespace tavo::monitor
