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
#include "common/printgraph.h"

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

QLabel* label(QWidget* parent, const char* name, const QString& text = {}) {
  auto* l = new QLabel(text, parent);
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

QToolButton* pictureButton(QWidget* parent, const char* name, tavo::PictureKind kind, const QString& tip) {
  const QPixmap pm = tavo::iconPicture(kind, kButtonPictureSide);
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setIcon(QIcon(pm));
  b->setIconSize(pm.size());
  b->setAutoRaise(true);
  b->setToolTip(tip);
  return b;
}

// One statistics frame as designed: its title, the captions of its rows,
// the two column headings and the nine value labels in the order of
// StatsLabels, each with the window member that holds it.
struct Named {
  const char* name;
  QLabel* frmGraphe::*member;
};
struct StatsFrameDesign {
  const char* name;
  const char* title;
  QGroupBox* frmGraphe::*frame;
  Named captions[6];  // dates min and max, maximum, mean, volume, sample count
  Named headings[2];  // "Download", "Upload"
  Named values[9];
};

// Builds a frame and lays out its rows: headings, two dates, three figure
// rows with a download and an upload value, and the sample count.
QGridLayout* buildStatsFrame(frmGraphe& w, const StatsFrameDesign& d, std::array<QLabel*, 9>& values) {
  static const QString captionTexts[6] = {QStringLiteral("Date inférieure :"),
                                          QStringLiteral("Date supérieure :"),
                                          QStringLiteral("Débit maximum constaté (kbit/s)"),
                                          QStringLiteral("Débit moyen (kbit/s)"),
                                          QStringLiteral("Volume total transféré (MO)"),
                                          QStringLiteral("Nombre d'échantillons :")};
  auto* frame = new QGroupBox(QString::fromUtf8(d.title), &w);
  frame->setObjectName(QString::fromLatin1(d.name));
  w.*d.frame = frame;
  auto* g = new QGridLayout(frame);
  g->setVerticalSpacing(2);
  for (int i = 0; i < 2; ++i) {
    QLabel* h = label(frame, d.headings[i].name, i == 0 ? QStringLiteral("Download") : QStringLiteral("Upload"));
    w.*d.headings[i].member = h;
    g->addWidget(h, 0, i + 1, Qt::AlignRight);
  }
  for (int i = 0; i < 9; ++i) values[i] = w.*d.values[i].member = value(frame, d.values[i].name);
  // Room for the longest date, so that a date set later is never cut.
  const int dateWidth = values[0]->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00 -- 00:00")) + 8;
  // Row by row: the caption and its values (one spanning both columns, or download and upload).
  const int firstValue[6] = {0, 1, 2, 4, 6, 8};
  for (int row = 0; row < 6; ++row) {
    QLabel* c = label(frame, d.captions[row].name, captionTexts[row]);
    w.*d.captions[row].member = c;
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
  return g;
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

frmGraphe::frmGraphe(LogViewerModel& model) : model_(model) {
  setObjectName(QStringLiteral("frmGraphe"));
  setWindowTitle(QStringLiteral("Tavo - Log Viewer"));

  picGr = new GraphPicture(this);
  Label1 = label(picGr, "Label1", QStringLiteral("Download  (kbit/s)"));
  Label1->move(4, 4);
  Label6 = label(picGr, "Label6", QStringLiteral("Upload (kbit/s)"));
  Label6->move(4, kGraphHeight - 20);
  // The captions stand on the graph's own ground, not on the window's:
  // in the graph's ink, whatever the theme.
  for (QLabel* caption : {Label1, Label6}) {
    QPalette pal = caption->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      pal.setColor(group, QPalette::WindowText, kChartInk);
    caption->setPalette(pal);
  }

  using W = frmGraphe;
  const StatsFrameDesign whole = {
      "Frame1", "Totalité du log", &W::Frame1,
      {{"Label2", &W::Label2}, {"Label3", &W::Label3}, {"Label18", &W::Label18}, {"Label12", &W::Label12},
       {"Label16", &W::Label16}, {"Label4", &W::Label4}},
      {{"Label43", &W::Label43}, {"Label42", &W::Label42}},
      {{"lblDateMin", &W::lblDateMin}, {"lblDateMax", &W::lblDateMax}, {"lblDmax", &W::lblDmax},
       {"lblUmax", &W::lblUmax}, {"lblDmoy", &W::lblDmoy}, {"lblUmoy", &W::lblUmoy}, {"lblDtot", &W::lblDtot},
       {"lblUTot", &W::lblUTot}, {"lblNEchant", &W::lblNEchant}}};
  const StatsFrameDesign visible = {
      "Frame2", "Partie visible sur le graphique", &W::Frame2,
      {{"Label7", &W::Label7}, {"Label5", &W::Label5}, {"Label14", &W::Label14}, {"Label22", &W::Label22},
       {"Label23", &W::Label23}, {"Label25", &W::Label25}},
      {{"Label8", &W::Label8}, {"Label9", &W::Label9}},
      {{"lblDateMin_s", &W::lblDateMin_s}, {"lblDateMax_s", &W::lblDateMax_s}, {"lblDmax_s", &W::lblDmax_s},
       {"lblUmax_s", &W::lblUmax_s}, {"lblDmoy_s", &W::lblDmoy_s}, {"lblUmoy_s", &W::lblUmoy_s},
       {"lblDtot_s", &W::lblDtot_s}, {"lblUtot_s", &W::lblUtot_s}, {"lblNEchant_s", &W::lblNEchant_s}}};
  buildStatsFrame(*this, whole, wholeValues_);
  QGridLayout* grid2 = buildStatsFrame(*this, visible, visibleValues_);
  scrVisible = new QScrollBar(Qt::Horizontal, Frame2);
  scrVisible->setObjectName(QStringLiteral("scrVisible"));
  scrVisible->setTracking(false);  // the graph follows when the thumb is released
  scrVisible->setSingleStep(1);
  scrVisible->setPageStep(30);
  scrVisible->setRange(1, 1);
  grid2->addWidget(scrVisible, 7, 0, 1, 3);

  picPlus = pictureButton(this, "picPlus", tavo::PictureKind::ZoomIn,
                          QStringLiteral(" Zoom in... réduire la taille de la plage visible sur le graphique "));
  picMoins = pictureButton(this, "picMoins", tavo::PictureKind::ZoomOut,
                           QStringLiteral(" Zoom out... augmenter la taille de la plage visible sur le graphique "));
  lblScale = label(this, "lblScale", QStringLiteral("10 heures"));
  lblScale->setAlignment(Qt::AlignCenter);
  lblScale->setMinimumWidth(70);
  cmdPrint = new QPushButton(QStringLiteral("Imprimer"), this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  cmdPrint->setToolTip(QStringLiteral(" Imprimer cette page "));
  picPrint = pictureButton(this, "picPrint", tavo::PictureKind::Printer, QStringLiteral(" Imprimer cette page "));

  auto* zoomRow = new QHBoxLayout;
  zoomRow->addWidget(picPlus);
  zoomRow->addWidget(lblScale);
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
  layout->addWidget(picGr, 0, Qt::AlignHCenter);
  layout->addLayout(bottom);

  connect(picPlus, &QToolButton::clicked, this, &frmGraphe::ZoomIn);
  connect(picMoins, &QToolButton::clicked, this, &frmGraphe::ZoomOut);
  connect(scrVisible, &QScrollBar::valueChanged, this, &frmGraphe::scrVisible_Change);
  connect(scrVisible, &QScrollBar::sliderMoved, this, &frmGraphe::scrVisible_Scroll);
  connect(cmdPrint, &QPushButton::clicked, this, &frmGraphe::cmdPrint_Click);
  connect(picPrint, &QToolButton::clicked, this, &frmGraphe::cmdPrint_Click);
}

void frmGraphe::ShowLogGraph() {
  model_.ShowLogGraph();
  FillWholeLogLabels();
  lblScale->setText(model_.scaleLabel());
  {
    const QSignalBlocker block(scrVisible);
    scrVisible->setEnabled(model_.scrollEnabled());
    scrVisible->setMinimum(model_.scrollMinimum());
    scrVisible->setValue(1);
    scrVisible->setMaximum(model_.scrollMaximum());
  }
  visibleSequence();
  show();
}

void frmGraphe::ZoomIn() {
  model_.ZoomIn();
  lblScale->setText(model_.scaleLabel());
  visibleSequence();
}

void frmGraphe::ZoomOut() {
  model_.ZoomOut();
  lblScale->setText(model_.scaleLabel());
  visibleSequence();
}

void frmGraphe::scrVisible_Change(int value) {
  model_.setScrollValue(value);
  visibleSequence();
}

void frmGraphe::scrVisible_Scroll(int value) {
  const auto [first, last] = model_.dragDates(value);
  lblDateMin_s->setText(first);
  lblDateMax_s->setText(last);
}

void frmGraphe::visibleSequence() {
  FillVisibleLabels();
  DrawLogGraph();
}

void frmGraphe::FillWholeLogLabels() { setLabels(model_.FillWholeLogLabels(), wholeValues_); }

void frmGraphe::FillVisibleLabels() { setLabels(model_.FillVisibleLabels(), visibleValues_); }

void frmGraphe::DrawLogGraph() {
  logv::DrawLogGraph(picGr->image(), {model_.samples(), model_.VisibleStats, model_.zoom(), model_.palette(),
                                      model_.format(), kChartBackground, kChartInk});
  picGr->update();
}

void frmGraphe::cmdPrint_Click() { PrintGraphWindow(this, model_.isFrench, printer_); }

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
