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
  QScrollBar* scrSelect() const { return scr_; }
  QLabel* lblPeriod() const { return period_; }
  QPushButton* cmdOK() const { return ok_; }
  QPushButton* cmdClose() const { return close_; }
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
