#include "LogViewer/ui/listdecoration.h"

#include <QPainter>

#include "common/chartpalette.h"

namespace tavo::logv {

QPixmap listDecoration() {
  const ChartPalette palette = makeChartPalette();
  QPixmap pm(64, 48);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(Qt::black);
  p.drawLine(4, 24, 60, 24);
  const int heights[] = {8, 14, 20, 11, 17, 6, 19, 13, 9};
  for (int i = 0; i < 9; ++i) {
    p.fillRect(QRect(6 + i * 6, 23 - heights[i], 4, heights[i]), palette[5]);
    p.fillRect(QRect(6 + i * 6, 26, 4, heights[8 - i] / 2 + 1), palette[1]);
  }
  return pm;
}

}  // namespace tavo::logv
