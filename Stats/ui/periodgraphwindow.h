#pragma once
// The analyser's graph windows frmJourGraphe and frmMoisGraphe: one class,
// made for a PeriodKind. The chart of the chosen period in one of four
// views, its figures, and the commands for the raw data, printing and
// another period.
#include "Stats/core/analysis.h"
#include "Stats/core/chart.h"
#include "Stats/core/statsstate.h"
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
  frmGraphe(PeriodKind kind, const StatsState& state);
  PeriodKind kind() const { return kind_; }
  ChartBox* picGr() const { return chart_; }
  QRadioButton* optTout() const { return optTout_; }
  QRadioButton* optTot() const { return optTot_; }
  QRadioButton* optMax() const { return optMax_; }
  QRadioButton* optMoy() const { return optMoy_; }
  QPushButton* cmdRawData() const { return raw_; }
  QPushButton* cmdPrint() const { return print_; }
  QPushButton* cmdAutre() const { return autre_; }
  tavo::ClickablePicture* picRawData() const { return picRaw_; }
  tavo::ClickablePicture* picPrint() const { return picPrint_; }
  tavo::ClickablePicture* picAutre() const { return picAutre_; }

  // Redraws the whole chart in one of the four views.
  void drawChartView(ChartView view);
  // DrawDayChart / DrawMonthChart: the "all" view, marked as chosen.
  void drawChart();
  void setFigures(const PanelTexts& texts);
 signals:
  void cmdRawData_Click();
  void cmdPrint_Click();
  void cmdAutre_Click();

 private:
  PeriodKind kind_;
  const StatsState& state_;
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
