#include "monitor/ui/frmbig.h"

#include "common/languagetexts.h"
#include "common/platform/desktop/desktop.h"
#include "monitor/core/fixedpalette.h"
#include "monitor/core/monitortexts.h"
#include "monitor/ui/textfit.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace tavo::monitor {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kScaleGround(250, 235, 203);
const QColor kValueGround(254, 251, 226);

void colour(QLabel* l, const QColor& text, const QColor* ground = nullptr) {
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, text);
  if (ground) {
    pal.setColor(QPalette::Window, *ground);
    l->setAutoFillBackground(true);
  }
  l->setPalette(pal);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text = {}) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  return l;
}

QLabel* makeScale(QWidget* parent, const char* name, const QRect& geometry, const QString& text, bool courier) {
  QLabel* l = makeLabel(parent, name, geometry, text);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (courier) {
    QFont f(QStringLiteral("Courier"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(9.75);
    l->setFont(f);
  }
  colour(l, kNavy, &kScaleGround);
  return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(geometry);
  return b;
}

// 16 x 16 pictures for the two launcher buttons: a small bar chart and a
// sheet with lines.
QPixmap statsIcon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.fillRect(2, 9, 3, 6, QColor(0, 128, 0));
  p.fillRect(6, 4, 3, 11, QColor(192, 0, 0));
  p.fillRect(10, 7, 3, 8, QColor(0, 0, 128));
  p.fillRect(1, 15, 14, 1, Qt::black);
  return pm;
}

QPixmap logIcon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.fillRect(3, 1, 10, 14, Qt::white);
  p.setPen(Qt::black);
  p.drawRect(3, 1, 9, 13);
  p.setPen(QColor(0, 128, 0));
  for (int y = 4; y <= 12; y += 3) p.drawLine(5, y, 10, y);
  return pm;
}

}  // namespace

GraphTipArea::GraphTipArea(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_NoSystemBackground);
}

void GraphTipArea::mouseMoveEvent(QMouseEvent* event) {
  emit pointerMoved(static_cast<int>(event->position().x()));
  if (QToolTip::isVisible()) QToolTip::showText(event->globalPosition().toPoint(), toolTip(), this);
}

frmBig::frmBig(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmBig"));
  // Its colours are fixed (a white graph, cream figures): the panel and its
  // buttons are fixed too, so a dark theme leaves every text readable.
  setPalette(fixedLightPalette());
  setAutoFillBackground(true);
  setFixedSize(geometry::kWidth, geometry::kHeight);
  // A title bar with its close box only.
  tavo::desktop::closeBoxOnly(this);

  // Upper panel.
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(15, 5, 226, 72);
  QFont arial(QStringLiteral("Arial"));
  optHour = new QRadioButton(Frame1);
  optHour->setObjectName(QStringLiteral("optHour"));
  optHour->setGeometry(12, 20, 205, 20);
  optHour->setFont(arial);
  optMin = new QRadioButton(Frame1);
  optMin->setObjectName(QStringLiteral("optMin"));
  optMin->setGeometry(12, 44, 205, 20);
  optMin->setFont(arial);
  optHour->setChecked(true);

  cmdStats = makeButton(this, "cmdStats", QRect(42, 94, 169, 32));
  picStats = new tavo::ClickablePicture(cmdStats);
  picStats->setObjectName(QStringLiteral("picStats"));
  picStats->setGeometry(13, 7, 16, 16);
  picStats->setPixmap(statsIcon());
  cmdLogViewer = makeButton(this, "cmdLogViewer", QRect(42, 137, 169, 32));
  cmdLogViewer->setText(QStringLiteral("Log Viewer >>"));
  picLogViewer = new tavo::ClickablePicture(cmdLogViewer);
  picLogViewer->setObjectName(QStringLiteral("picLogViewer"));
  picLogViewer->setGeometry(13, 8, 16, 16);
  picLogViewer->setPixmap(logIcon());

  Frame2 = new QGroupBox(this);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Frame2->setGeometry(248, 5, 431, 188);
  cmdRAZ = makeButton(Frame2, "cmdRAZ", QRect(306, 18, 115, 26));
  Label10 = makeLabel(Frame2, "Label10", QRect(10, 22, 140, 16));
  Label11 = makeLabel(Frame2, "Label11", QRect(10, 44, 140, 16));
  const QColor startColour(0, 0, 192), green(0, 128, 0);
  lblStart = makeFigureLabel(Frame2, "lblStart", QRect(155, 23, 140, 14), startColour, kValueGround);
  lblDuring = makeFigureLabel(Frame2, "lblDuring", QRect(155, 45, 140, 14), startColour, kValueGround);
  Label7 = makeLabel(Frame2, "Label7", QRect(222, 70, 67, 16), QStringLiteral("Download"));
  Label8 = makeLabel(Frame2, "Label8", QRect(300, 70, 67, 16), QStringLiteral("Upload"));
  Label7->setAlignment(Qt::AlignCenter);
  Label8->setAlignment(Qt::AlignCenter);
  Label9 = makeLabel(Frame2, "Label9", QRect(10, 90, 205, 16));
  Label6 = makeLabel(Frame2, "Label6", QRect(10, 112, 205, 16));
  Label5 = makeLabel(Frame2, "Label5", QRect(10, 134, 205, 16));
  Label12 = makeLabel(Frame2, "Label12", QRect(10, 156, 205, 16));
  makeFigureLabels(Frame2, FigureColumns{222, 300, {91, 113, 135, 157}, {91, 113, 135, 157}}, kValueGround);

  frameLog = new QGroupBox(this);
  frameLog->setObjectName(QStringLiteral("frameLog"));
  frameLog->setGeometry(15, 194, 664, 50);
  label13 = makeLabel(frameLog, "label13", QRect(10, 22, 95, 16));
  lblLogFile = makeLabel(frameLog, "lblLogFile", QRect(108, 22, 440, 16));
  colour(lblLogFile, green);
  cmdChangeLog = makeButton(frameLog, "cmdChangeLog", QRect(560, 16, 95, 26));

  // Graph part.
  QFont titleFont(QStringLiteral("Arial"));
  titleFont.setBold(true);
  titleFont.setPointSizeF(9.75);
  Label1 = makeLabel(this, "Label1", QRect(281, 262, 138, 19), QStringLiteral("Download (kbit/s)"));
  Label2 = makeLabel(this, "Label2", QRect(285, 518, 129, 19), QStringLiteral("Upload (kbit/s)"));
  for (QLabel* l : {Label1, Label2}) {
    l->setFont(titleFont);
    colour(l, kNavy);
  }
  lblD1 = makeScale(this, "lblD1", QRect(14, 279, 42, 15), QStringLiteral("1024"), false);
  lblD2 = makeScale(this, "lblD2", QRect(14, 329, 42, 15), QStringLiteral("1024"), false);
  lblU1 = makeScale(this, "lblU1", QRect(14, 502, 42, 15), QStringLiteral("1024"), false);
  lblU2 = makeScale(this, "lblU2", QRect(14, 453, 42, 15), QStringLiteral("1024"), false);
  for (int k = 0; k <= 10; ++k) {
    const QByteArray name = "lblScaleX(" + QByteArray::number(k) + ")";
    lblScaleX[k] = makeScale(this, name.constData(), QRect(647 - 60 * k, 391, 30, 15), timeScaleText(k), true);
  }
  Label3 = new GraphTipArea(this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(geometry::kFirstColumnX, geometry::kDownloadFullY, kColumns, 100);
  Label4 = new GraphTipArea(this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setGeometry(geometry::kFirstColumnX, geometry::kUploadBaseline, kColumns, 100);

  connect(optHour, &QRadioButton::clicked, this, &frmBig::optHour_Click);
  connect(optMin, &QRadioButton::clicked, this, &frmBig::optMin_Click);
  connect(cmdRAZ, &QPushButton::clicked, this, &frmBig::cmdRAZ_Click);
  connect(cmdChangeLog, &QPushButton::clicked, this, &frmBig::cmdChangeLog_Click);
  connect(cmdStats, &QPushButton::clicked, this, &frmBig::cmdStats_Click);
  connect(cmdLogViewer, &QPushButton::clicked, this, &frmBig::cmdLogViewer_Click);
  connect(picStats, &tavo::ClickablePicture::clicked, this, &frmBig::picStats_Click);
  connect(picLogViewer, &tavo::ClickablePicture::clicked, this, &frmBig::picLogViewer_Click);
  connect(Label3, &GraphTipArea::pointerMoved, this, &frmBig::Label3_MouseMove);
  connect(Label4, &GraphTipArea::pointerMoved, this, &frmBig::Label4_MouseMove);

  clearGraph();
  SetFrenchTexts();
}

void frmBig::SetFrenchTexts() {
  tavo::applyWindowTexts(this, bigGraphTexts(true));
  fitFixedTexts(this);
}

void frmBig::SetEnglishTexts() {
  tavo::applyWindowTexts(this, bigGraphTexts(false));
  fitFixedTexts(this);
}

void frmBig::clearGraph() {
  image_ = renderDetailGraph(DetailGraphColumns{}, palette().color(QPalette::Button));
  update();
}

void frmBig::markView(bool hourView) {
  // Setting the option from code does not emit clicked, so the view is not
  // drawn twice.
  (hourView ? optHour : optMin)->setChecked(true);
}

void frmBig::setGraph(const DetailGraphColumns& columns) {
  columns_ = columns;
  lblD1->setText(fullScaleText(columns.downloadScale));
  lblD2->setText(halfScaleText(columns.downloadScale));
  lblU1->setText(fullScaleText(columns.uploadScale));
  lblU2->setText(halfScaleText(columns.uploadScale));
  image_ = renderDetailGraph(columns, palette().color(QPalette::Button));
  update();
}

void frmBig::setCounters(const CounterTexts& t) {
  lblStart->setText(t.start);
  lblDuring->setText(t.during);
  setFigures(t);
}

void frmBig::setLogFileText(const QString& text) { lblLogFile->setText(text); }

void frmBig::Label3_MouseMove(int offset) { Label3->setToolTip(columnTooltip(columns_, offset, false)); }
void frmBig::Label4_MouseMove(int offset) { Label4->setToolTip(columnTooltip(columns_, offset, true)); }

void frmBig::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

void frmBig::closeEvent(QCloseEvent* event) {
  // The close box only hides the window; it is shown again by drawing it.
  event->ignore();
  hide();
}

}  // namespace tavo::monitor
