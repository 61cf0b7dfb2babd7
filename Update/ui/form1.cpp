#include "Update/ui/form1.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace tavo::update {

namespace {

// Picture1: a round gauge with the download and upload arrows in the
// suite's colours, drawn rather than shipped.
QPixmap logo() {
  QPixmap pixmap(48, 48);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.setBrush(QColor(255, 254, 234));
  p.drawEllipse(QRectF(2, 2, 44, 44));
  const auto arrow = [&p](qreal x, bool down, const QColor& colour) {
    QPainterPath path;
    const qreal tip = down ? 38 : 10, base = down ? 26 : 22, tail = down ? 10 : 38;
    path.moveTo(x - 3, tail);
    path.lineTo(x + 3, tail);
    path.lineTo(x + 3, base);
    path.lineTo(x + 7, base);
    path.lineTo(x, tip);
    path.lineTo(x - 7, base);
    path.lineTo(x - 3, base);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
  };
  arrow(17, true, QColor(0, 128, 0));
  arrow(31, false, QColor(192, 0, 0));
  return pixmap;
}

QLabel* plainLabel(QWidget* parent, const char* name, const QString& text = QString()) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  // Versions come from the command line and from the server: whatever
  // they hold is shown as it is, never interpreted as markup.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

}  // namespace

Form1::Form1() {
  setObjectName(QStringLiteral("Form1"));
  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPixmap(logo());
  Label1 = plainLabel(this, "Label1");
  lblCurrent = plainLabel(this, "lblCurrent", QStringLiteral("x.xx"));
  Label2 = plainLabel(this, "Label2");
  lblDispo = plainLabel(this, "lblDispo", QStringLiteral("x.xx"));
  Label3 = plainLabel(this, "Label3");
  Label4 = plainLabel(this, "Label4");
  Label4->setCursor(Qt::PointingHandCursor);
  QFont linkFont = Label4->font();
  linkFont.setUnderline(true);
  Label4->setFont(linkFont);
  QPalette linkPalette = Label4->palette();
  linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
  Label4->setPalette(linkPalette);
  Label4->installEventFilter(this);
  cmdClose = new QPushButton(this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  connect(cmdClose, &QPushButton::clicked, this, &Form1::cmdCloseClicked);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Picture1, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(Label1, 0, 1);
  grid->addWidget(lblCurrent, 0, 2);
  grid->addWidget(Label2, 1, 1);
  grid->addWidget(lblDispo, 1, 2);
  grid->addWidget(Label3, 2, 0, 1, 3);
  grid->addWidget(Label4, 3, 0, 1, 3);
  grid->addWidget(cmdClose, 4, 2, Qt::AlignRight);
  setFixedSize(sizeHint());
}

void Form1::applyTexts(std::span<const ControlText> texts) {
  // A name the window does not hold has been warned about; the other
  // texts are on.
  static_cast<void>(applyWindowTexts(this, texts));
  setFixedSize(sizeHint());
}

void Form1::setHomeAddress(const QString& address) {
  Label4->setText(address);
  setFixedSize(sizeHint());
}

void Form1::setCurrentVersion(const QString& version) { lblCurrent->setText(version); }

void Form1::setPublishedVersion(const QString& version) { lblDispo->setText(version); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label4 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit Label4Clicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  emit queryUnload();
}

}  // namespace tavo::update
