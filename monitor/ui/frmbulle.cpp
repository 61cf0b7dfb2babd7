#include "monitor/ui/frmbulle.h"

#include "common/languagetexts.h"
#include "monitor/core/fixedpalette.h"
#include "monitor/core/monitortexts.h"
#include "monitor/ui/textfit.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavo::monitor {

namespace {

const QColor kBackground(254, 251, 226);
const QColor kValueGround(250, 235, 203);
const QColor kNavy(0, 0, 128);

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text = {}) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  // Moves over the labels must not count as moves over the background.
  l->setAttribute(Qt::WA_NoMousePropagation);
  return l;
}

// The largest point size, from the design size down, at which every label
// holds its text in its width: a wide system font is stepped down, the
// same for all titles so that they stay alike.
double fittingPointSize(std::initializer_list<QLabel*> labels, double designPointSize) {
  double size = designPointSize;
  for (QLabel* l : labels) {
    QFont f = l->font();
    f.setPointSizeF(size);
    while (size > 6.0 && QFontMetrics(f).horizontalAdvance(l->text()) > l->width()) {
      size -= 0.25;
      f.setPointSizeF(size);
    }
  }
  return size;
}

QLabel* makeTitle(QWidget* parent, const char* name, int y, int width = 131) {
  QLabel* l = makeLabel(parent, name, QRect(6, y, width, 17));
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, kNavy);
  l->setPalette(pal);
  return l;
}

}  // namespace

frmBulle::frmBulle(QWidget* parent)
    // A tool-tip window: placed exactly where asked, above everything, no
    // taskbar entry, never taking the focus.
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("frmBulle"));
  setWindowTitle(QStringLiteral("Tavo - Compteurs"));
  // Every colour is fixed: the column heads and titles never take a
  // theme's text colour onto the cream ground.
  setPalette(fixedLightPalette());
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(287, 127);
  setMouseTracking(true);

  Label3 = makeLabel(this, "Label3", QRect(147, 4, 60, 14), QStringLiteral("Download"));
  Label2 = makeLabel(this, "Label2", QRect(222, 4, 60, 14), QStringLiteral("Upload"));
  Label1 = makeTitle(this, "Label1", 19);
  Label4 = makeTitle(this, "Label4", 39);
  Label5 = makeTitle(this, "Label5", 59);
  Label6 = makeTitle(this, "Label6", 79);
  makeFigureLabels(this, FigureColumns{138, 208, {20, 41, 60, 80}, {20, 40, 60, 80}}, kValueGround);
  // Moves over the figures must not count as moves over the background.
  for (QLabel* l : {lblDinst, lblUinst, lblDtot, lblUtot, lblDmoy, lblUmoy, lblDmax, lblUmax})
    l->setAttribute(Qt::WA_NoMousePropagation);
  Label7 = makeLabel(this, "Label7", QRect(23, 108, 239, 17));
  Label7->setAlignment(Qt::AlignCenter);
  {
    QPalette pal = Label7->palette();
    pal.setColor(QPalette::WindowText, kNavy);
    Label7->setPalette(pal);
  }

  tmrShow = new QTimer(this);
  tmrShow->setObjectName(QStringLiteral("tmrShow"));
  tmrShow->setInterval(500);
  tmrShow->setSingleShot(true);
  connect(tmrShow, &QTimer::timeout, this, &frmBulle::showDelayElapsed);

  SetFrenchTexts();
}

void frmBulle::SetFrenchTexts() {
  tavo::applyWindowTexts(this, bubbleTexts(true));
  fitTitles();
  fitFixedTexts(this);
}

void frmBulle::SetEnglishTexts() {
  tavo::applyWindowTexts(this, bubbleTexts(false));
  fitTitles();
  fitFixedTexts(this);
}

void frmBulle::fitTitles() {
  const double size = fittingPointSize({Label1, Label4, Label5, Label6, Label7}, 8.25);
  for (QLabel* l : {Label1, Label4, Label5, Label6, Label7}) {
    QFont f = l->font();
    f.setPointSizeF(size);
    l->setFont(f);
  }
}

void frmBulle::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit backgroundMouseMoved();
}

void frmBulle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kBackground);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));  // Shape1
}

}  // namespace tavo::monitor
