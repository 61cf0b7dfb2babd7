#include "common/pictures.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace tavo {

namespace {

// The magnifier and the printer were designed on a 24-pixel grid; other
// sides scale that grid rather than redraw it.
constexpr int kGrid = 24;

void scaleToGrid(QPainter& p, int side) {
  // Left alone at the design size: even a unit scale could move an edge.
  if (side != kGrid) p.scale(double(side) / kGrid, double(side) / kGrid);
}

void drawMagnifier(QPainter& p, int side, const QColor& ink, bool plus) {
  scaleToGrid(p, side);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(ink, 2));
  p.drawEllipse(QRectF(3, 3, 13, 13));
  p.drawLine(QPointF(14, 14), QPointF(21, 21));
  p.setPen(QPen(ink, 1.5));
  p.drawLine(QPointF(6.5, 9.5), QPointF(12.5, 9.5));
  if (plus) p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
}

void drawPrinter(QPainter& p, int side, const QColor& ink) {
  scaleToGrid(p, side);
  p.setPen(ink);
  p.setBrush(Qt::white);
  p.drawRect(7, 2, 10, 7);  // the sheet going in
  p.setBrush(QColor(160, 160, 160));
  p.drawRect(2, 9, 20, 8);
  p.setBrush(Qt::white);
  p.drawRect(7, 14, 10, 8);  // the printed sheet
}

void drawDisk(QPainter& p, int side, const QColor& fill) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawEllipse(QRectF(0, 0, side, side));
}

void drawHelp(QPainter& p, int side, const QColor& fill) {
  drawDisk(p, side, fill);
  p.setPen(Qt::white);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(side * 3 / 4);
  p.setFont(f);
  p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("?"));
}

void drawQuit(QPainter& p, int side, const QColor& fill) {
  drawDisk(p, side, fill);
  p.setPen(QPen(Qt::white, side / 8.0));
  const double m = side * 0.3;
  p.drawLine(QPointF(m, m), QPointF(side - m, side - m));
  p.drawLine(QPointF(side - m, m), QPointF(m, side - m));
}

QPixmap styleIcon(QStyle::StandardPixmap which, int side) {
  const QPixmap icon = QApplication::style()->standardIcon(which).pixmap(side, side);
  const QSizeF shown = icon.deviceIndependentSize();
  if (shown == QSizeF(side, side)) return icon;
  // A style whose largest icon is smaller: centred, so the picture still
  // takes the room laid out for it, at the screen's pixel ratio.
  const qreal ratio = icon.devicePixelRatio();
  QPixmap pm(QSizeF(side * ratio, side * ratio).toSize());
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.drawPixmap(QPointF((side - shown.width()) / 2, (side - shown.height()) / 2), icon);
  return pm;
}

}  // namespace

QPixmap trayPicture(int side) {
  if (side <= 0) return {};
  QPixmap pix(side, side);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  // The ring's stroke lies wholly inside the square: its outer edge touches
  // the square's sides, never beyond.
  const double pen = std::max(1.0, side / 10.0);
  const QRectF ring(pen / 2, pen / 2, side - pen, side - pen);
  p.setPen(QPen(QColor(110, 72, 38), pen));
  p.setBrush(QColor(222, 200, 158));
  p.drawEllipse(ring);
  // The bars stand in the square inscribed in the ring's inner edge, less a
  // pixel for the smoothing of their edges: no corner can reach the ring.
  const double inner = side / 2.0 - pen;
  const double half = inner / std::sqrt(2.0) - 1.0;
  const QPointF centre(side / 2.0, side / 2.0);
  const double barWidth = 2 * half / 5.5;  // four bars, three half-bar gaps
  const double heights[] = {0.36, 0.82, 0.55, 1.0};
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 0, 150));
  for (int i = 0; i < 4; ++i) {
    const double h = heights[i] * 2 * half;
    p.drawRect(QRectF(centre.x() - half + i * barWidth * 1.5, centre.y() + half - h, barWidth, h));
  }
  return pix;
}

QPixmap iconPicture(PictureKind kind, int side, const QColor& colour) {
  if (side <= 0) return {};
  switch (kind) {
    case PictureKind::Details: return styleIcon(QStyle::SP_FileDialogDetailedView, side);
    case PictureKind::Save: return styleIcon(QStyle::SP_DialogSaveButton, side);
    case PictureKind::Reload: return styleIcon(QStyle::SP_BrowserReload, side);
    default: break;
  }
  QPixmap pm(side, side);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  switch (kind) {
    case PictureKind::ZoomIn: drawMagnifier(p, side, colour, true); break;
    case PictureKind::ZoomOut: drawMagnifier(p, side, colour, false); break;
    case PictureKind::Printer: drawPrinter(p, side, colour); break;
    case PictureKind::Help: drawHelp(p, side, colour); break;
    case PictureKind::Quit: drawQuit(p, side, colour); break;
    default: break;
  }
  return pm;
}

}  // namespace tavo
