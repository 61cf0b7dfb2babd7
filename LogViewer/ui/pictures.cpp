#include "LogViewer/ui/pictures.h"

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

QPixmap zoomPicture(bool zoomIn) {
  QPixmap pm(24, 24);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  p.drawEllipse(QRectF(3, 3, 13, 13));
  p.drawLine(QPointF(14, 14), QPointF(21, 21));
  p.setPen(QPen(Qt::black, 1.5));
  p.drawLine(QPointF(6.5, 9.5), QPointF(12.5, 9.5));
  if (zoomIn) p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
  return pm;
}

QPixmap printerPicture() {
  QPixmap pm(24, 24);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(7, 2, 10, 7);
  p.setBrush(QColor(160, 160, 160));
  p.drawRect(2, 9, 20, 8);
  p.setBrush(Qt::white);
  p.drawRect(7, 14, 10, 8);
  return pm;
}

}  // namespace tavo::logv
