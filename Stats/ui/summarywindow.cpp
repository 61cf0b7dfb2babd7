#include "Stats/ui/summarywindow.h"

#include "Stats/ui/statswindowlayout.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>

namespace tavo::stats {

using namespace layout;

namespace {

// The figures of one per-day or per-month table, suffix "_j" or "_m", as
// its four figure lines (mean volume, largest volume, largest average rate,
// mean of the maxima).
std::vector<FigureLine> periodLines(PeriodFigures<QLabel*>& f, const QString& suffix, const char* volCaption,
                                    const char* maxVol, const char* maxAvg, const char* meanMax,
                                    const char* const words[4]) {
  const auto n = [&suffix](const char* base) { return QString::fromLatin1(base) + suffix; };
  return {{volCaption, n("lblDtot_moy"), n("lblUtot_moy"), &f.lblDtot_moy, &f.lblUtot_moy},
          {maxVol, n("lblDtot_max"), n("lblUtot_max"), &f.lblDtot_max, &f.lblUtot_max, n("lblDtot_max_date"),
           n("lblUtot_max_date"), &f.lblDtot_max_date, &f.lblUtot_max_date, words[0], words[1]},
          {maxAvg, n("lblDmoy_max"), n("lblUmoy_max"), &f.lblDmoy_max, &f.lblUmoy_max, n("lblDmoy_max_date"),
           n("lblUmoy_max_date"), &f.lblDmoy_max_date, &f.lblUmoy_max_date, words[2], words[3]},
          {meanMax, n("lblDmax_moy"), n("lblUmax_moy"), &f.lblDmax_moy, &f.lblUmax_moy}};
}

}  // namespace

frmMain::frmMain() {
  setObjectName(QStringLiteral("frmMain"));
  setFixedSize(twips(8205), twips(7890));
  setFont(windowFont(false));

  const struct {
    const char* caption;
    const char* value;
    QLabel** label;
    int y;
  } top[] = {
      {"Label1", "lblNSes", &figures_.lblNSes, 165},
      {"Label7", "lblDateMin", &figures_.lblDateMin, 435},
      {"Label6", "lblDateMax", &figures_.lblDateMax, 705},
      {"Label8", "lblDur", &figures_.lblDur, 975},
  };
  for (const auto& t : top) {
    caption(this, t.caption, 2115, t.y);
    *t.label = value(this, t.value, 4575, t.y, 1500, Figure::General);
  }
  heading(this, QStringLiteral("Label10"), 1185, 1365);
  heading(this, QStringLiteral("Label14"), 5895, 1365);
  TableColumns topColumns;
  topColumns.caption = 2790;
  topColumns.captionWidth = 2520;
  figureTable(this, topColumns, 1665, 270,
              {{"Label18", "lblDmax", "lblUmax", &figures_.main.lblDmax, &figures_.main.lblUmax, "lblDateDmax",
                "lblDateUmax", &figures_.main.lblDateDmax, &figures_.main.lblDateUmax, "Label38", "Label5"},
               {"Label16", "lblDtot", "lblUTot", &figures_.main.lblDtot, &figures_.main.lblUTot},
               {"Label12", "lblDmoy", "lblUmoy", &figures_.main.lblDmoy, &figures_.main.lblUmoy}});

  // The two frames are laid out alike.
  struct FrameDesign {
    const char* frame;
    int y;
    const char* cmd;
    const char* pic;
    const char* countCaption;
    const char* count;
    const char* durCaption;
    const char* dur;
    const char* headDl;
    const char* headUl;
    const char* volCaption;
    const char* words[4];
    const char *maxVol, *maxAvg, *meanMax;
    const char* suffix;
    QLabel** count_;
    QLabel** dur_;
    PeriodFigures<QLabel*>* figures;
  };
  const FrameDesign frames[] = {
      {"frJour",
       2550,
       "cmdJour",
       "picJour",
       "Label4",
       "lblNJour",
       "Label2",
       "lblDurJour",
       "Label42",
       "Label43",
       "Label25",
       {"Label34", "Label33", "Label32", "Label31"},
       "Label24",
       "Label26",
       "Label20",
       "_j",
       &figures_.lblNJour,
       &figures_.lblDurJour,
       &figures_.days},
      {"frMois",
       5220,
       "cmdMois",
       "picMois",
       "Label49",
       "lblNMois",
       "Label48",
       "lblDurMois",
       "Label44",
       "Label45",
       "Label28",
       {"Label17", "Label15", "Label13", "Label11"},
       "Label29",
       "Label27",
       "Label41",
       "_m",
       &figures_.lblNMois,
       &figures_.lblDurMois,
       &figures_.months},
  };
  for (const FrameDesign& f : frames) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(f.frame);
    frame->setGeometry(twips(120), twips(f.y), twips(7980), twips(2595));
    auto* box = new QWidget(frame);
    box->setObjectName(f.pic);
    box->setGeometry(twips(5145), twips(225), twips(2535), twips(690));
    auto* cmd = button(box, f.cmd, 90, 82, 2355, 525);
    if (f.suffix == QLatin1String("_j")) connect(cmd, &QPushButton::clicked, this, &frmMain::cmdJour_Click);
    else connect(cmd, &QPushButton::clicked, this, &frmMain::cmdMois_Click);
    caption(frame, f.countCaption, 210, 300);
    *f.count_ = value(frame, f.count, 3000, 300, 1500, Figure::General);
    caption(frame, f.durCaption, 210, 570);
    *f.dur_ = value(frame, f.dur, 3000, 570, 1500, Figure::General, QStringLiteral("xxxxx h xx"));
    heading(frame, f.headDl, 1065, 1065);
    heading(frame, f.headUl, 5775, 1065);
    TableColumns cols;
    cols.leftWord = 210;
    cols.leftDate = 585;
    cols.dl = 1635;
    cols.caption = 2670;
    cols.ul = 5250;
    cols.rightWord = 6270;
    cols.rightDate = 6645;
    cols.captionWidth = 2520;
    figureTable(
        frame, cols, 1335, 270,
        periodLines(*f.figures, QString::fromLatin1(f.suffix), f.volCaption, f.maxVol, f.maxAvg, f.meanMax, f.words));
  }
}

void frmMain::setFigures(const SummaryTexts& texts) { showFigures(figures_, texts); }

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closing();
}

void frmMain::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) emit hidden();
}

}  // namespace tavo::stats
