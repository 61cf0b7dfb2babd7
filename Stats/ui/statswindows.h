#pragma once
// The analyser's windows. They only show what the program hands them and
// pass their commands on; the figures come from the core library. The
// per-day and per-month pickers (frmJourSelect, frmMoisSelect) and graph
// windows (frmJourGraphe, frmMoisGraphe) are one class each, made for a
// PeriodKind.
#include "Stats/core/analysis.h"
#include "Stats/core/chart.h"
#include "Stats/core/statsstate.h"
#include "common/clickablepicture.h"

#include <QLabel>
#include <QWidget>

class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tavo::stats {

// Twips of the window layouts to pixels.
constexpr int twips(int t) { return (t + 7) / 15; }

// The side of the icons laid over the graph windows' buttons.
inline constexpr int kButtonPictureSide = 16;

// Sets the caption or text of a label, button, group box or window.
void setCaption(QWidget* w, const QString& text);
// The caption or text of one of those.
QString captionOf(const QWidget* w);

// Lays the window's fixed captions out anew for their texts: each is as
// wide as its text, in its design place when it fits there, otherwise
// moved or widened towards the free room, never over the labels beside it
// on its line. Captions that fit keep their design geometry.
void fitCaptions(QWidget* window);

// The chart's picture box: shows the persistent image of its surface.
class ChartBox : public QWidget {
 public:
  explicit ChartBox(QWidget* parent);
  ChartSurface& surface() { return surface_; }
  // Called after each drawing of the surface.
  void refresh() {
    ++redrawCount_;
    update();
  }
  int redrawCount() const { return redrawCount_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  ChartSurface surface_;
  int redrawCount_ = 0;
};

// Windows that hide instead of closing when the user closes them, until
// the program ends.
class HidingWindow : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  void setProgramEnding(bool ending) { programEnding_ = ending; }
 signals:
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool programEnding_ = false;
};

// The summary window frmMain.
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

// The period pickers frmJourSelect and frmMoisSelect.
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

// The graph windows frmJourGraphe and frmMoisGraphe.
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

// The raw-data window frmRawData.
class frmRawData : public HidingWindow {
  Q_OBJECT
 public:
  frmRawData();
  QListWidget* lstData() const { return list_; }
  void setLines(const QStringList& lines);

 private:
  QListWidget* list_;
};

}  // namespace tavo::stats
