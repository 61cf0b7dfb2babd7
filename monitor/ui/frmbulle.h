#pragma once
// frmBulle: the hover bubble beside the mini graph. A thin window: it only
// shows the texts it is given; when and where it appears is decided by
// MonitorWindows.
#include "monitor/core/countertexts.h"
#include "monitor/ui/figurelabels.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace tavo::monitor {

class frmBulle : public QWidget, private FigureLabels {
  Q_OBJECT
 public:
  explicit frmBulle(QWidget* parent = nullptr);

  void SetFrenchTexts();
  void SetEnglishTexts();
  void applyTexts(bool french) { french ? SetFrenchTexts() : SetEnglishTexts(); }
  using FigureLabels::setFigures;

  // Starts the delay unless it runs already: further moves do not restart it.
  void armShowDelay() {
    if (!tmrShow->isActive()) tmrShow->start();
  }
  void cancelShowDelay() { tmrShow->stop(); }

 signals:
  // A pointer move over the bubble's background (not over its labels).
  void backgroundMouseMoved();
  // The hover delay ran out.
  void showDelayElapsed();

 protected:
  void fitTitles();
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Title labels and column heads.
  QLabel* Label1;  // instant
  QLabel* Label2;  // "Upload"
  QLabel* Label3;  // "Download"
  QLabel* Label4;  // total
  QLabel* Label5;  // mean
  QLabel* Label6;  // maximum
  QLabel* Label7;  // hint
  // The hover delay.
  QTimer* tmrShow;
};

}  // namespace tavo::monitor
