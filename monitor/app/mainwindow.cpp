#include "monitor/app/mainwindow.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tavo::monitor::app {

namespace {
constexpr int kWidth = 136, kHeight = 131;
constexpr int kGraphX = 38, kGraphY = 23;
const QColor kInk(60, 0, 150);
}  // namespace

frmNet::frmNet(MonitorEngine& engine, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      engine_(engine),
      lblUL_(new QLabel(this)),
      lblDL_(new QLabel(this)) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_TranslucentBackground);
  for (QLabel* l : {lblUL_, lblDL_}) {
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kInk);
    l->setPalette(p);
  }
  placeLabel(lblUL_, 100, 80);
  placeLabel(lblDL_, 100, 93);

  connect(&engine_, &MonitorEngine::rateTextsChanged, this, [this](const QString& ul, const QString& dl) {
    lblUL_->setText(ul);
    lblDL_->setText(dl);
  });
  connect(&engine_, &MonitorEngine::miniGraphUpdated, this, [this](const MiniGraphBars& b) {
    bars_ = b;
    update(QRect(kGraphX - 1, kGraphY - 1, GraphWidth + 2, GraphHeight + 2));
  });
  auto& s = engine_.settings();
  connect(&s, &MonitorSettings::optionChanged, this, [this](Option o, bool on) {
    if (on && (o == Option::DL || o == Option::UL)) underline(o == Option::DL);
  });
  connect(&s, &MonitorSettings::windowPositionChanged, this,
          [this](const QPointF& p) { move(p.toPoint()); });
  connect(&s, &MonitorSettings::scrTranspChanged, this, [this](int v) { setWindowOpacity(v / 255.0); });
  engine_.currentWindowPosition = [this] { return QPointF(pos()); };
}

void frmNet::placeLabel(QLabel* label, int rightX, int topY) {
  const int w = 90, h = 13;
  label->setGeometry(rightX - w, topY, w, h);
}

void frmNet::underline(bool download) {
  QFont d = lblDL_->font(), u = lblUL_->font();
  d.setUnderline(download);
  u.setUnderline(!download);
  lblDL_->setFont(d);
  lblUL_->setFont(u);
}

void frmNet::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath disc;
  disc.addEllipse(QRectF(1, 0, kWidth - 2, kHeight - 1));
  p.fillPath(disc, QColor(232, 214, 178));
  p.setPen(QPen(QColor(120, 80, 40), 2));
  p.drawPath(disc);
  p.setRenderHint(QPainter::Antialiasing, false);
  // Frame one pixel outside the bar area, then the bars (0 = newest, rightmost).
  p.setPen(kInk);
  p.setBrush(Qt::NoBrush);
  p.drawRect(kGraphX - 1, kGraphY - 1, GraphWidth + 1, GraphHeight + 1);
  const int base = kGraphY + GraphHeight;
  for (int i = 0; i < GraphWidth; ++i) {
    const int h = int(bars_[std::size_t(i)]);
    if (h <= 0) continue;
    const int x = kGraphX + GraphWidth - 1 - i;
    p.drawLine(x, base - 1, x, base - h);
  }
}

void frmNet::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && onQuit) {
    onQuit();
    return;
  }
  QWidget::keyPressEvent(e);
}

void frmNet::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menu(this);
  QAction* quit = menu.addAction(engine_.IsFrench ? QStringLiteral("Quitter Tavo") : QStringLiteral("Quit Tavo"));
  if (menu.exec(e->globalPos()) == quit && onQuit) onQuit();
}

void frmNet::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) dragOffset_ = e->position().toPoint();
}

void frmNet::mouseMoveEvent(QMouseEvent* e) {
  if (e->buttons() & Qt::LeftButton) move(e->globalPosition().toPoint() - dragOffset_);
}

void frmNet::moveEvent(QMoveEvent* e) {
  engine_.settings().setWindowPosition(QPointF(e->pos()));
  QWidget::moveEvent(e);
}

}  // namespace tavo::monitor::app
