#pragma once
// The analyser's summary window frmMain: the figures of every session, of
// the days and of the months, and the two commands that start an analysis.
#include "Stats/core/analysis.h"

#include <QLabel>
#include <QWidget>

namespace tavo::stats {

class frmMain : public QWidget {
  Q_OBJECT
 public:
  frmMain();
  void setFigures(const SummaryTexts& texts);
 signals:
  void cmdJour_Click();
  void cmdMois_Click();
  void closing();  // Form_QueryUnload: never cancelled
  void hidden();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  SummaryFigures<QLabel*> figures_{};
};

}  // namespace tavo::stats
