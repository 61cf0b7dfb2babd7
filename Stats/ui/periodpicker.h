#pragma once
// The analyser's period pickers frmJourSelect and frmMoisSelect: one class,
// made for a PeriodKind.
#include "Stats/core/analysis.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollBar;

namespace tavo::stats {

class frmSelect : public QWidget {
  Q_OBJECT
 public:
  explicit frmSelect(PeriodKind kind);
  PeriodKind kind() const { return kind_; }
  // A new choice: the scroll bar from offset 0 to lastOffset, at 0, without
  // telling of the change.
  void setOffsets(int lastOffset);
  // The period the scroll bar's offset stands for.
  void setPeriodText(const QString& text);
 signals:
  void scrSelect_Change(int value);
  void cmdOK_Click();

 private:
  PeriodKind kind_;
  QScrollBar* scr_;
  QLabel* period_;
  QPushButton* ok_;
  QPushButton* close_;
};

}  // namespace tavo::stats
