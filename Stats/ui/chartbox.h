#pragma once
// The chart's picture box of the analyser's graph windows (picGr).
#include "Stats/core/chart.h"

#include <QWidget>

namespace tavo::stats {

// Shows the persistent image of its surface.
class ChartBox : public QWidget {
  Q_OBJECT
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

}  // namespace tavo::stats
