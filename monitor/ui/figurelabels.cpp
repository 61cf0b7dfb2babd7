#include "monitor/ui/figurelabels.h"

namespace tavo::monitor {

QLabel* makeFigureLabel(QWidget* parent, const char* name, const QRect& geometry, const QColor& text,
                        const QColor& ground) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  QFont f = l->font();
  f.setBold(true);
  f.setPointSizeF(8.25);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, text);
  pal.setColor(QPalette::Window, ground);
  l->setPalette(pal);
  l->setAutoFillBackground(true);
  return l;
}

namespace {

QLabel* makeFigure(QWidget* parent, const char* name, int x, int y, const QColor& text, const QColor& ground) {
  return makeFigureLabel(parent, name, QRect(x, y, 67, 14), text, ground);
}

}  // namespace

void FigureLabels::makeFigureLabels(QWidget* parent, const FigureColumns& c, const QColor& ground) {
  const QColor green(0, 128, 0), red(192, 0, 0);
  const int dx = c.downloadX, ux = c.uploadX;
  lblDinst = makeFigure(parent, "lblDinst", dx, c.downloadY[0], green, ground);
  lblUinst = makeFigure(parent, "lblUinst", ux, c.uploadY[0], red, ground);
  lblDtot = makeFigure(parent, "lblDtot", dx, c.downloadY[1], green, ground);
  lblUtot = makeFigure(parent, "lblUtot", ux, c.uploadY[1], red, ground);
  lblDmoy = makeFigure(parent, "lblDmoy", dx, c.downloadY[2], green, ground);
  lblUmoy = makeFigure(parent, "lblUmoy", ux, c.uploadY[2], red, ground);
  lblDmax = makeFigure(parent, "lblDmax", dx, c.downloadY[3], green, ground);
  lblUmax = makeFigure(parent, "lblUmax", ux, c.uploadY[3], red, ground);
}

void FigureLabels::setFigures(const CounterTexts& t) const {
  lblDinst->setText(t.dInst);
  lblDmoy->setText(t.dMoy);
  lblDtot->setText(t.dTot);
  lblUinst->setText(t.uInst);
  lblUmoy->setText(t.uMoy);
  lblUtot->setText(t.uTot);
  lblUmax->setText(t.uMax);
  lblDmax->setText(t.dMax);
}

}  // namespace tavo::monitor
