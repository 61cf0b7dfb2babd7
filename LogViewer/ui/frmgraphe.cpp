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

#include "LogViewer/core/loggraph.h"
#include "LogViewer/ui/pictures.h"
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

QToolButton* pictureButton(QWidget* parent, const char* name, const QPixmap& pm, const QString& tip) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setIcon(QIcon(pm));
  b->setIconSize(pm.size());
  b->setAutoRaise(true);
  b->setToolTip(tip);
  return b;
}

struct FrameRows {
  QLabel *dateMin, *dateMax, *max, *mean, *volume, *count, *download, *upload;
};

// The rows of one statistics frame: headings, two dates, three figure rows
// with a download and an upload value, and the sample count.
QGridLayout* frameGrid(QGroupBox* frame, const FrameRows& rows, QLabel* const values[9]) {
  auto* g = new QGridLayout(frame);
  g->setVerticalSpacing(2);
  g->addWidget(rows.download, 0, 1, Qt::AlignRight);
  g->addWidget(rows.upload, 0, 2, Qt::AlignRight);
  g->addWidget(rows.dateMin, 1, 0);
  g->addWidget(values[0], 1, 1, 1, 2);
  g->addWidget(rows.dateMax, 2, 0);
  g->addWidget(values[1], 2, 1, 1, 2);
  g->addWidget(rows.max, 3, 0);
  g->addWidget(values[2], 3, 1);
  g->addWidget(values[3], 3, 2);
  g->addWidget(rows.mean, 4, 0);
  g->addWidget(values[4], 4, 1);
  g->addWidget(values[5], 4, 2);
  g->addWidget(rows.volume, 5, 0);
  g->addWidget(values[6], 5, 1);
  g->addWidget(values[7], 5, 2);
  g->addWidget(rows.count, 6, 0);
  g->addWidget(values[8], 6, 1, 1, 2);
  return g;
}

void setLabels(const StatsLabels& l, QLabel* const values[9]) {
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

  const QString dateMin = QStringLiteral("Date inférieure :");
  const QString dateMax = QStringLiteral("Date supérieure :");
  const QString maxRate = QStringLiteral("Débit maximum constaté (kbit/s)");
  const QString meanRate = QStringLiteral("Débit moyen (kbit/s)");
  const QString volume = QStringLiteral("Volume total transféré (MO)");
  const QString count = QStringLiteral("Nombre d'échantillons :");

  Frame1 = new QGroupBox(QStringLiteral("Totalité du log"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Label2 = label(Frame1, "Label2", dateMin);
  Label3 = label(Frame1, "Label3", dateMax);
  Label18 = label(Frame1, "Label18", maxRate);
  Label12 = label(Frame1, "Label12", meanRate);
  Label16 = label(Frame1, "Label16", volume);
  Label4 = label(Frame1, "Label4", count);
  Label43 = label(Frame1, "Label43", QStringLiteral("Download"));
  Label42 = label(Frame1, "Label42", QStringLiteral("Upload"));
  lblDateMin = value(Frame1, "lblDateMin");
  lblDateMax = value(Frame1, "lblDateMax");
  lblDmax = value(Frame1, "lblDmax");
  lblUmax = value(Frame1, "lblUmax");
  lblDmoy = value(Frame1, "lblDmoy");
  lblUmoy = value(Frame1, "lblUmoy");
  lblDtot = value(Frame1, "lblDtot");
  lblUTot = value(Frame1, "lblUTot");
  lblNEchant = value(Frame1, "lblNEchant");
  QLabel* const whole[9] = {lblDateMin, lblDateMax, lblDmax, lblUmax, lblDmoy, lblUmoy, lblDtot, lblUTot, lblNEchant};
  frameGrid(Frame1, {Label2, Label3, Label18, Label12, Label16, Label4, Label43, Label42}, whole);
  // Room for the longest date, so that a date set later is never cut.
  const int dateWidth = lblDateMin->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00 -- 00:00")) + 8;
  for (QLabel* l : {lblDateMin, lblDateMax}) l->setMinimumWidth(dateWidth);

  Frame2 = new QGroupBox(QStringLiteral("Partie visible sur le graphique"), this);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Label7 = label(Frame2, "Label7", dateMin);
  Label5 = label(Frame2, "Label5", dateMax);
  Label14 = label(Frame2, "Label14", maxRate);
  Label22 = label(Frame2, "Label22", meanRate);
  Label23 = label(Frame2, "Label23", volume);
  Label25 = label(Frame2, "Label25", count);
  Label8 = label(Frame2, "Label8", QStringLiteral("Download"));
  Label9 = label(Frame2, "Label9", QStringLiteral("Upload"));
  lblDateMin_s = value(Frame2, "lblDateMin_s");
  lblDateMax_s = value(Frame2, "lblDateMax_s");
  lblDmax_s = value(Frame2, "lblDmax_s");
  lblUmax_s = value(Frame2, "lblUmax_s");
  lblDmoy_s = value(Frame2, "lblDmoy_s");
  lblUmoy_s = value(Frame2, "lblUmoy_s");
  lblDtot_s = value(Frame2, "lblDtot_s");
  lblUtot_s = value(Frame2, "lblUtot_s");
  lblNEchant_s = value(Frame2, "lblNEchant_s");
  QLabel* const visible[9] = {lblDateMin_s, lblDateMax_s, lblDmax_s, lblUmax_s, lblDmoy_s,
                              lblUmoy_s,    lblDtot_s,    lblUtot_s, lblNEchant_s};
  QGridLayout* grid2 = frameGrid(Frame2, {Label7, Label5, Label14, Label22, Label23, Label25, Label8, Label9}, visible);
  for (QLabel* l : {lblDateMin_s, lblDateMax_s}) l->setMinimumWidth(dateWidth);
  scrVisible = new QScrollBar(Qt::Horizontal, Frame2);
  scrVisible->setObjectName(QStringLiteral("scrVisible"));
  scrVisible->setTracking(false);  // the graph follows when the thumb is released
  scrVisible->setSingleStep(1);
  scrVisible->setPageStep(30);
  scrVisible->setRange(1, 1);
  grid2->addWidget(scrVisible, 7, 0, 1, 3);

  picPlus = pictureButton(this, "picPlus", zoomPicture(true),
                          QStringLiteral(" Zoom in... réduire la taille de la plage visible sur le graphique "));
  picMoins = pictureButton(this, "picMoins", zoomPicture(false),
                           QStringLiteral(" Zoom out... augmenter la taille de la plage visible sur le graphique "));
  lblScale = label(this, "lblScale", QStringLiteral("10 heures"));
  lblScale->setAlignment(Qt::AlignCenter);
  lblScale->setMinimumWidth(70);
  cmdPrint = new QPushButton(QStringLiteral("Imprimer"), this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  cmdPrint->setToolTip(QStringLiteral(" Imprimer cette page "));
  picPrint = pictureButton(this, "picPrint", printerPicture(), QStringLiteral(" Imprimer cette page "));

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

void frmGraphe::FillWholeLogLabels() {
  QLabel* const values[9] = {lblDateMin, lblDateMax, lblDmax, lblUmax, lblDmoy, lblUmoy, lblDtot, lblUTot, lblNEchant};
  setLabels(model_.FillWholeLogLabels(), values);
}

void frmGraphe::FillVisibleLabels() {
  QLabel* const values[9] = {lblDateMin_s, lblDateMax_s, lblDmax_s, lblUmax_s, lblDmoy_s,
                             lblUmoy_s,    lblDtot_s,    lblUtot_s, lblNEchant_s};
  setLabels(model_.FillVisibleLabels(), values);
}

void frmGraphe::DrawLogGraph() {
  const QPalette& pal = picGr->palette();
  logv::DrawLogGraph(picGr->image(), {model_.samples(), model_.VisibleStats, model_.zoom(), model_.palette(),
                                      model_.format(), pal.color(QPalette::Base), pal.color(QPalette::Text)});
  picGr->update();
}

void frmGraphe::cmdPrint_Click() { PrintGraphWindow(this, model_.isFrench, printer_); }

void frmGraphe::ApplyEnglishTexts() {
  picMoins->setToolTip(QStringLiteral(" Zoom out... enlarge the X axis "));
  picPlus->setToolTip(QStringLiteral(" Zoom in... reduce the X axis "));
  Frame1->setTitle(QStringLiteral("Complete log"));
  Frame2->setTitle(QStringLiteral("Visible part on the graph"));
  for (QLabel* l : {Label2, Label7}) l->setText(QStringLiteral("Date min. :"));
  for (QLabel* l : {Label3, Label5}) l->setText(QStringLiteral("Date max. :"));
  for (QLabel* l : {Label18, Label14}) l->setText(QStringLiteral("Maximum rate (kbit/s)"));
  for (QLabel* l : {Label12, Label22}) l->setText(QStringLiteral("Average rate (kbit/s)"));
  for (QLabel* l : {Label16, Label23}) l->setText(QStringLiteral("Total volume transferred (MB)"));
  for (QLabel* l : {Label4, Label25}) l->setText(QStringLiteral("Number of records :"));
  cmdPrint->setText(QStringLiteral("Print"));
  cmdPrint->setToolTip(QStringLiteral(" Print this page "));
  picPrint->setToolTip(QStringLiteral(" Print this page "));
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
