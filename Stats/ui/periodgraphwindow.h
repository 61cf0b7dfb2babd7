#pragma once
// The analyser's graph windows frmJourGraphe and frmMoisGraphe: one class,
// made for a PeriodKind. The chart of the chosen period in one of four
// views, its figures, and the commands for the raw data, printing and
// another period.
#include "Stats/core/analysis.h"
#include "Stats/core/chart.h"
#include "Stats/ui/chartbox.h"
#include "Stats/ui/hidingwindow.h"
#include "common/clickablepicture.h"

#include <QLabel>

class QPushButton;
class QRadioButton;

namespace tavo::stats {

// The side of the icons laid over the graph windows' buttons.
inline constexpr int kButtonPictureSide = 16;

class frmGraphe : public HidingWindow {
  Q_OBJECT
 public:
  explicit frmGraphe(PeriodKind kind);
  PeriodKind kind() const { return kind_; }

  // Redraws the whole chart in one of the four views.
  void drawChartView(const ChartInputs& inputs, ChartView view);
  // DrawDayChart / DrawMonthChart: the "all" view, marked as chosen.
  void drawChart(const ChartInputs& inputs);
  void setFigures(const PanelTexts& texts);
 signals:
  // An option chosen in any way (mouse, keyboard, accessibility); choosing
  // the option already shown tells nothing.
  void viewChosen(ChartView view);
  void cmdRawData_Click();
  void cmdPrint_Click();
  void cmdAutre_Click();

 private:
  PeriodKind kind_;
  ChartBox* chart_;
  QRadioButton* optTout_;
  QRadioButton* optTot_;
  QRadioButton* optMax_;
  QRadioButton* optMoy_;
  QPushButton* raw_;
  QPushButton* print_;
  QPushButton* autre_;
  tavo::ClickablePicture* picRaw_;
  tavo::ClickablePicture* picPrint_;
  tavo::ClickablePicture* picAutre_;
  PanelFigures<QLabel*> figures_{};
};

}  // namespace tavo::stats
