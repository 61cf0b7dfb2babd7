#include "Stats/ui/periodgraphwindow.h"

#include "Stats/ui/statswindowlayout.h"
#include "common/pictures.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tavo::stats {

using namespace layout;

frmGraphe::frmGraphe(PeriodKind kind) : kind_(kind) {
  const bool day = kind == PeriodKind::Day;
  setObjectName(day ? QStringLiteral("frmJourGraphe") : QStringLiteral("frmMoisGraphe"));
  setFixedSize(twips(11700), twips(8160));
  setFont(windowFont(false));

  chart_ = new ChartBox(this);
  chart_->move(twips(90), twips(day ? 3105 : 3090));

  // Period, count and durations at the top left.
  caption(this, QStringLiteral("Label3"), 120, 120);
  PanelFigures<QLabel*>& f = figures_;
  f.lblDateMin =
      value(this, QStringLiteral("lblDateMin"), 2700, 120, 1020, Figure::General, QStringLiteral("xx/xx/xx"));
  f.lblDateMax =
      value(this, QStringLiteral("lblDateMax"), 3780, 120, 1020, Figure::General, QStringLiteral("xx/xx/xx"));
  caption(this, QStringLiteral("Label4"), 120, 360);
  f.count =
      value(this, day ? QStringLiteral("lblNJour") : QStringLiteral("lblNMois"), 2700, 360, 1020, Figure::General);
  caption(this, QStringLiteral("Label8"), 120, 600);
  f.lblDur = value(this, QStringLiteral("lblDur"), 2700, 600, 1500, Figure::General, QStringLiteral("xxxxx h xx"));
  caption(this, QStringLiteral("Label2"), 120, 840);
  f.meanDuration = value(this, day ? QStringLiteral("lblDurJour") : QStringLiteral("lblDurMois"), 2700, 840, 1500,
                         Figure::General, QStringLiteral("xxxxx h xx"));

  // The four views, left to right, and the three commands.
  auto* frame = new QGroupBox(this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(twips(4950), twips(60), twips(6630), twips(600));
  const auto option = [frame](const char* name, int x, int w) {
    auto* o = new QRadioButton(frame);
    o->setObjectName(name);
    o->setFont(windowFont(false));
    o->setGeometry(twips(x), twips(250), twips(w), twips(285));
    return o;
  };
  optTout_ = option("optTout", 120, 1100);
  optTot_ = option("optTot", 1300, 1400);
  optMax_ = option("optMax", 2800, 1700);
  optMoy_ = option("optMoy", 4600, 1950);
  // An option chosen in any way (mouse, keyboard, accessibility) asks for
  // the chart once; choosing the option already shown would draw the same
  // picture again, so nothing is asked then.
  const std::pair<QRadioButton*, ChartView> views[] = {{optTout_, ChartView::All},
                                                       {optTot_, ChartView::Volumes},
                                                       {optMax_, ChartView::MaxRates},
                                                       {optMoy_, ChartView::MeanRates}};
  for (const auto& [option, view] : views) {
    connect(option, &QRadioButton::toggled, this, [this, view = view](bool checked) {
      if (checked) emit viewChosen(view);
    });
  }

  raw_ = button(this, QStringLiteral("cmdRawData"), 4950, 780, 2130, 450);
  print_ = button(this, QStringLiteral("cmdPrint"), 7200, 780, 2130, 450);
  autre_ = button(this, QStringLiteral("cmdAutre"), 9450, 780, 2130, 450);
  const auto icon = [this](const char* name, QPushButton* over, tavo::PictureKind kind) {
    auto* p = new tavo::ClickablePicture(this);
    p->setObjectName(name);
    p->setPixmap(tavo::iconPicture(kind, kButtonPictureSide));
    p->setGeometry(over->x() + twips(120), over->y() + twips(120), kButtonPictureSide, kButtonPictureSide);
    p->raise();
    return p;
  };
  picRaw_ = icon("picRawData", raw_, tavo::PictureKind::Details);
  picPrint_ = icon("picPrint", print_, tavo::PictureKind::Save);
  picAutre_ = icon("picAutre", autre_, tavo::PictureKind::Reload);
  connect(raw_, &QPushButton::clicked, this, &frmGraphe::cmdRawData_Click);
  connect(picRaw_, &tavo::ClickablePicture::clicked, this, &frmGraphe::cmdRawData_Click);
  connect(print_, &QPushButton::clicked, this, &frmGraphe::cmdPrint_Click);
  connect(picPrint_, &tavo::ClickablePicture::clicked, this, &frmGraphe::cmdPrint_Click);
  connect(autre_, &QPushButton::clicked, this, &frmGraphe::cmdAutre_Click);
  connect(picAutre_, &tavo::ClickablePicture::clicked, this, &frmGraphe::cmdAutre_Click);

  // The statistics panel.
  heading(this, QStringLiteral("Label1"), 1185, 1320);
  heading(this, QStringLiteral("Label6"), 5895, 1320);
  const QString suffix = day ? QStringLiteral("_j") : QStringLiteral("_m");
  const auto n = [&suffix](const char* base) { return QString::fromLatin1(base) + suffix; };
  MainFigures<QLabel*>& m = f.main;
  PeriodFigures<QLabel*>& p = f.period;
  TableColumns cols;
  // The captions start clear of the download values.
  cols.caption = 2745;
  cols.captionWidth = 2565;
  figureTable(this, cols, 1545, 215,
              {{"Label16", "lblDtot", "lblUTot", &m.lblDtot, &m.lblUTot},
               {"Label25", n("lblDtot_moy"), n("lblUtot_moy"), &p.lblDtot_moy, &p.lblUtot_moy},
               {"Label24", n("lblDtot_max"), n("lblUtot_max"), &p.lblDtot_max, &p.lblUtot_max, n("lblDtot_max_date"),
                n("lblUtot_max_date"), &p.lblDtot_max_date, &p.lblUtot_max_date, "Label31", "Label32"},
               {"Label18", "lblDmax", "lblUmax", &m.lblDmax, &m.lblUmax, "lblDateDmax", "lblDateUmax", &m.lblDateDmax,
                &m.lblDateUmax, "Label33", "Label34"},
               {"Label20", n("lblDmax_moy"), n("lblUmax_moy"), &p.lblDmax_moy, &p.lblUmax_moy},
               {"Label12", "lblDmoy", "lblUmoy", &m.lblDmoy, &m.lblUmoy},
               {"Label26", n("lblDmoy_max"), n("lblUmoy_max"), &p.lblDmoy_max, &p.lblUmoy_max, n("lblDmoy_max_date"),
                n("lblUmoy_max_date"), &p.lblDmoy_max_date, &p.lblUmoy_max_date, "Label5", "Label38"}});
}

void frmGraphe::drawChartView(const ChartInputs& inputs, ChartView view) {
  drawView(chart_->surface(), inputs, kind_, view);
  chart_->refresh();
}

void frmGraphe::drawChart(const ChartInputs& inputs) {
  {
    // Marking the option must not draw a second time.
    const QSignalBlocker block(optTout_);
    optTout_->setChecked(true);
  }
  drawChartView(inputs, ChartView::All);
}

void frmGraphe::setFigures(const PanelTexts& texts) { showFigures(figures_, texts); }

}  // namespace tavo::stats
