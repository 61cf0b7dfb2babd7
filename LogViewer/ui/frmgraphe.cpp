#include "LogViewer/ui/frmgraphe.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

#include "LogViewer/core/loggraph.h"
#include "common/pictures.h"

namespace tavo::logv {

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent), image_(makeGraphImage()) {
  setObjectName(QStringLiteral("picGr"));
  setFixedSize(kGraphWidth, kGraphHeight);
}

void GraphPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

namespace {

QLabel* label(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

QLabel* value(QWidget* parent, const char* name) {
  QLabel* l = label(parent, name);
  l->setMinimumWidth(44);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QToolButton* pictureButton(QWidget* parent, const char* name, tavo::PictureKind kind) {
  const QPixmap pm = tavo::iconPicture(kind, kButtonPictureSide);
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setIcon(QIcon(pm));
  b->setIconSize(pm.size());
  b->setAutoRaise(true);
  return b;
}

// One statistics frame as designed: the captions of its rows, the two
// column headings and the nine value labels in the order of StatsLabels.
struct StatsFrameDesign {
  const char* name;
  const char* captions[6];  // dates min and max, maximum, mean, volume, sample count
  const char* headings[2];  // "Download", "Upload"
  const char* values[9];
};

// Builds a frame and lays out its rows: headings, two dates, three figure
// rows with a download and an upload value, and the sample count.
QGroupBox* buildStatsFrame(QWidget* window, const StatsFrameDesign& d, std::array<QLabel*, 9>& values) {
  auto* frame = new QGroupBox(window);
  frame->setObjectName(QString::fromLatin1(d.name));
  auto* g = new QGridLayout(frame);
  g->setVerticalSpacing(2);
  for (int i = 0; i < 2; ++i) {
    QLabel* h = label(frame, d.headings[i]);
    g->addWidget(h, 0, i + 1, Qt::AlignRight);
  }
  for (int i = 0; i < 9; ++i) values[i] = value(frame, d.values[i]);
  // Room for the longest date, so that a date set later is never cut.
  const int dateWidth = values[0]->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00 -- 00:00")) + 8;
  // Row by row: the caption and its values (one spanning both columns, or download and upload).
  const int firstValue[6] = {0, 1, 2, 4, 6, 8};
  for (int row = 0; row < 6; ++row) {
    QLabel* c = label(frame, d.captions[row]);
    g->addWidget(c, row + 1, 0);
    QLabel* first = values[firstValue[row]];
    if (row == 0 || row == 1 || row == 5) {
      g->addWidget(first, row + 1, 1, 1, 2);
      if (row < 2) first->setMinimumWidth(dateWidth);
    } else {
      g->addWidget(first, row + 1, 1);
      g->addWidget(values[firstValue[row] + 1], row + 1, 2);
    }
  }
  return frame;
}

void setLabels(const StatsLabels& l, const std::array<QLabel*, 9>& values) {
  values[0]->setText(l.dateMin);
  values[1]->setText(l.dateMax);
  values[2]->setText(l.downloadMax);
  values[3]->setText(l.uploadMax);
  values[4]->setText(l.downloadMean);
  values[5]->setText(l.uploadMean);
  values[6]->setText(l.downloadVolume);
  values[7]->setText(l.uploadVolume);
  values[8]->setText(l.sampleCount);
}

}  // namespace

frmGraphe::frmGraphe() {
  setObjectName(QStringLiteral("frmGraphe"));

  picGr_ = new GraphPicture(this);
  QLabel* Label1 = label(picGr_, "Label1");
  Label1->move(4, 4);
  QLabel* Label6 = label(picGr_, "Label6");
  Label6->move(4, kGraphHeight - 20);
  // The captions stand on the graph's own ground, not on the window's:
  // in the graph's ink, whatever the theme.
  for (QLabel* caption : {Label1, Label6}) {
    QPalette pal = caption->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      pal.setColor(group, QPalette::WindowText, kChartInk);
    caption->setPalette(pal);
  }

  const StatsFrameDesign whole = {
      "Frame1",
      {"Label2", "Label3", "Label18", "Label12", "Label16", "Label4"},
      {"Label43", "Label42"},
      {"lblDateMin", "lblDateMax", "lblDmax", "lblUmax", "lblDmoy", "lblUmoy", "lblDtot", "lblUTot", "lblNEchant"}};
  const StatsFrameDesign visible = {"Frame2",
                                    {"Label7", "Label5", "Label14", "Label22", "Label23", "Label25"},
                                    {"Label8", "Label9"},
                                    {"lblDateMin_s", "lblDateMax_s", "lblDmax_s", "lblUmax_s", "lblDmoy_s", "lblUmoy_s",
                                     "lblDtot_s", "lblUtot_s", "lblNEchant_s"}};
  QGroupBox* Frame1 = buildStatsFrame(this, whole, wholeValues_);
  QGroupBox* Frame2 = buildStatsFrame(this, visible, visibleValues_);
  scrVisible_ = new QScrollBar(Qt::Horizontal, Frame2);
  scrVisible_->setObjectName(QStringLiteral("scrVisible"));
  scrVisible_->setTracking(false);  // the graph follows when the thumb is released
  scrVisible_->setSingleStep(1);
  scrVisible_->setPageStep(30);
  scrVisible_->setRange(1, 1);
  static_cast<QGridLayout*>(Frame2->layout())->addWidget(scrVisible_, 7, 0, 1, 3);

  auto* picPlus = pictureButton(this, "picPlus", tavo::PictureKind::ZoomIn);
  auto* picMoins = pictureButton(this, "picMoins", tavo::PictureKind::ZoomOut);
  // The scale comes with each log shown.
  lblScale_ = label(this, "lblScale");
  lblScale_->setAlignment(Qt::AlignCenter);
  lblScale_->setMinimumWidth(70);
  auto* cmdPrint = new QPushButton(this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  auto* picPrint = pictureButton(this, "picPrint", tavo::PictureKind::Printer);

  auto* zoomRow = new QHBoxLayout;
  zoomRow->addWidget(picPlus);
  zoomRow->addWidget(lblScale_);
  zoomRow->addWidget(picMoins);
  auto* printRow = new QHBoxLayout;
  printRow->addWidget(picPrint);
  printRow->addWidget(cmdPrint);
  auto* middle = new QVBoxLayout;
  middle->addLayout(zoomRow);
  middle->addStretch();
  middle->addLayout(printRow);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Frame1);
  bottom->addLayout(middle);
  bottom->addWidget(Frame2);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the picture has a fixed size; so has the window
  layout->addWidget(picGr_, 0, Qt::AlignHCenter);
  layout->addLayout(bottom);

  connect(picPlus, &QToolButton::clicked, this, &frmGraphe::picPlus_Click);
  connect(picMoins, &QToolButton::clicked, this, &frmGraphe::picMoins_Click);
  connect(scrVisible_, &QScrollBar::valueChanged, this, &frmGraphe::scrVisible_Change);
  connect(scrVisible_, &QScrollBar::sliderMoved, this, &frmGraphe::scrVisible_Scroll);
  connect(cmdPrint, &QPushButton::clicked, this, &frmGraphe::cmdPrint_Click);
  connect(picPrint, &QToolButton::clicked, this, &frmGraphe::cmdPrint_Click);
}

void frmGraphe::setWholeLogFigures(const StatsLabels& labels) { setLabels(labels, wholeValues_); }

void frmGraphe::setVisibleFigures(const StatsLabels& labels) { setLabels(labels, visibleValues_); }

void frmGraphe::setVisibleDates(const QString& first, const QString& last) {
  visibleValues_[0]->setText(first);
  visibleValues_[1]->setText(last);
}

void frmGraphe::setScaleText(const QString& text) { lblScale_->setText(text); }

void frmGraphe::setScrollRange(bool enabled, std::int32_t minimum, std::int32_t maximum) {
  const QSignalBlocker block(scrVisible_);
  scrVisible_->setEnabled(enabled);
  scrVisible_->setMinimum(minimum);
  scrVisible_->setValue(1);
  scrVisible_->setMaximum(maximum);
}

void frmGraphe::drawGraph(LogGraphInput in) {
  in.background = kChartBackground;
  in.text = kChartInk;
  DrawLogGraph(picGr_->image(), in);
  picGr_->update();
}

void frmGraphe::unload() {
  unloading_ = true;
  close();
}

void frmGraphe::closeEvent(QCloseEvent* event) {
  if (unloading_) {
    event->accept();
    return;
  }
  event->ignore();
  hide();
  emit closedByUser();
}

}  // namespace tavo::logv
