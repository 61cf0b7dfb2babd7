#include "Stats/ui/chartbox.h"

#include <QPainter>

namespace tavo::stats {

ChartBox::ChartBox(QWidget* parent) : QWidget(parent), surface_(kChartBackground, kChartInk) {
  setObjectName(QStringLiteral("picGr"));
  setFixedSize(ChartSurface::kWidth, ChartSurface::kHeight);
}

void ChartBox::paintEvent(QPaintEvent*) {
  // The surface keeps the chart; a paint only shows it again.
  QPainter(this).drawImage(0, 0, surface_.image());
}

}  // namespace tavo::stats
