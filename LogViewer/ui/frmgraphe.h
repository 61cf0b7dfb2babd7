#pragma once
// The graph window: the visible part of the log drawn on picGr, the zoom
// buttons, the scroll bar and the figures of the whole log and of the
// visible part.
#include <QImage>
#include <array>
#include <QWidget>

#include "LogViewer/core/viewermodel.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;
class QPrinter;

namespace tavo::logv {

// The side of the zoom and print pictures (picPlus, picMoins, picPrint).
inline constexpr int kButtonPictureSide = 24;

// A picture box that keeps its image between redraws.
class GraphPicture : public QWidget {
 public:
  explicit GraphPicture(QWidget* parent);
  QImage& image() { return image_; }
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage image_;
};

class frmGraphe : public QWidget {
  Q_OBJECT
 public:
  explicit frmGraphe(LogViewerModel& model);

  // The graph of a newly read log: whole-log figures, 10 hours, first sample.
  void ShowLogGraph();
  void ZoomIn();
  void ZoomOut();
  // After this the window unloads when closed instead of hiding.
  void unload();

  void setPrinter(QPrinter* printer) { printer_ = printer; }
  void cmdPrint_Click();

  GraphPicture* picGr;
  QToolButton* picPlus;
  QToolButton* picMoins;
  QLabel* lblScale;
  QScrollBar* scrVisible;
  QPushButton* cmdPrint;
  QToolButton* picPrint;
  QGroupBox* Frame1;
  QGroupBox* Frame2;
  QLabel *Label1, *Label6;
  QLabel *Label2, *Label3, *Label18, *Label12, *Label16, *Label4, *Label43, *Label42;
  QLabel *Label7, *Label5, *Label14, *Label22, *Label23, *Label25, *Label8, *Label9;
  QLabel *lblDateMin, *lblDateMax, *lblDmax, *lblUmax, *lblDmoy, *lblUmoy, *lblDtot, *lblUTot, *lblNEchant;
  QLabel *lblDateMin_s, *lblDateMax_s, *lblDmax_s, *lblUmax_s, *lblDmoy_s, *lblUmoy_s, *lblDtot_s, *lblUtot_s,
      *lblNEchant_s;

 signals:
  // The user closed the window from its title bar: it is hidden, not gone.
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void scrVisible_Change(int value);
  void scrVisible_Scroll(int value);
  void visibleSequence();
  void FillWholeLogLabels();
  void FillVisibleLabels();
  void DrawLogGraph();

  LogViewerModel& model_;
  // The value labels of the two frames, in the order of StatsLabels.
  std::array<QLabel*, 9> wholeValues_{};
  std::array<QLabel*, 9> visibleValues_{};
  QPrinter* printer_ = nullptr;
  bool unloading_ = false;
};

}  // namespace tavo::logv
