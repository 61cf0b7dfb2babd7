#include "Stats/ui/statswindows.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "common/pictures.h"

namespace tavo::stats {

namespace {

const QColor kValueBackground(255, 254, 234);
const QColor kGreen(0, 128, 0);
const QColor kDarkRed(192, 0, 0);
constexpr int kLineHeight = 210;  // twips of one text line
// The place a caption was designed for; a width of 0 means "its text's".
constexpr char kDesignGeometry[] = "tavoDesignGeometry";
constexpr int kCaptionGap = 2;  // pixels kept free between a caption and its neighbours

enum class Figure { General, Download, Upload };

QFont windowFont(bool bold) {
  // The layouts were made for a narrow sans serif; Arial's metrics (and
  // those of the fonts made to match them) come closest where that font is
  // missing.
  QFont f;
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(8.25);
  f.setBold(bold);
  return f;
}

QLabel* caption(QWidget* parent, const QString& name, const QString& text, int x, int y, int width = 0,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFont(windowFont(false));
  l->setAlignment(align);
  // fitCaptions starts again from the design place each time.
  l->setProperty(kDesignGeometry, QRect(twips(x), twips(y), width > 0 ? twips(width) : 0, twips(kLineHeight)));
  l->setGeometry(twips(x), twips(y), twips(width), twips(kLineHeight));
  return l;
}

QLabel* heading(QWidget* parent, const QString& name, const QString& text, int x, int y) {
  QLabel* l = caption(parent, name, text, x, y);
  l->setFont(windowFont(true));
  return l;
}

QLabel* value(QWidget* parent, const QString& name, int x, int y, int width, Figure figure,
              const QString& design = QStringLiteral("0")) {
  auto* l = new QLabel(design, parent);
  l->setObjectName(name);
  l->setFont(windowFont(true));
  l->setAlignment(Qt::AlignCenter);
  l->setAutoFillBackground(true);
  QPalette pal = l->palette();
  pal.setColor(QPalette::Window, kValueBackground);
  pal.setColor(QPalette::WindowText, figure == Figure::Upload ? kDarkRed : kGreen);
  l->setPalette(pal);
  l->setGeometry(twips(x), twips(y), twips(width), twips(kLineHeight));
  return l;
}

// One line of a figure table: the caption in the middle, the download
// value left of it and the upload value right of it, and for the lines
// that name a day (month) the period further out behind "le :" ("en :").
struct FigureLine {
  QString captionName;
  QString captionText;
  QString dl;
  QString ul;
  QLabel** dlLabel;
  QLabel** ulLabel;
  QString dlDate = {};  // empty: the line names no period
  QString ulDate = {};
  QLabel** dlDateLabel = nullptr;
  QLabel** ulDateLabel = nullptr;
  QString leftWord = {};
  QString rightWord = {};
};

struct TableColumns {
  int leftWord = 330, leftDate = 705, dl = 1755, caption = 2700, ul = 5370, rightWord = 6390, rightDate = 6765;
  int valueWidth = 960, captionWidth = 2610, dateWidth = 1020;
};

void figureTable(QWidget* parent, const TableColumns& c, int firstY, int step, const QString& periodWord,
                 const std::vector<FigureLine>& lines) {
  int y = firstY;
  for (const FigureLine& line : lines) {
    caption(parent, line.captionName, line.captionText, c.caption, y, c.captionWidth, Qt::AlignCenter);
    *line.dlLabel = value(parent, line.dl, c.dl, y, c.valueWidth, Figure::Download);
    *line.ulLabel = value(parent, line.ul, c.ul, y, c.valueWidth, Figure::Upload);
    if (!line.dlDate.isEmpty()) {
      caption(parent, line.leftWord, periodWord, c.leftWord, y);
      *line.dlDateLabel =
          value(parent, line.dlDate, c.leftDate, y, c.dateWidth, Figure::Download, QStringLiteral("xx/xx/xx"));
      caption(parent, line.rightWord, periodWord, c.rightWord, y);
      *line.ulDateLabel =
          value(parent, line.ulDate, c.rightDate, y, c.dateWidth, Figure::Upload, QStringLiteral("xx/xx/xx"));
    }
    y += step;
  }
}

// The figures of one per-day or per-month table, suffix "_j" or "_m", as
// its four figure lines (mean volume, largest volume, largest average rate,
// mean of the maxima).
std::vector<FigureLine> periodLines(PeriodFigures<QLabel*>& f, const QString& suffix, const char* volCaption,
                                    const QString& volText, const char* maxVol, const char* maxAvg,
                                    const char* meanMax, const char* const words[4]) {
  const auto n = [&suffix](const char* base) { return QString::fromLatin1(base) + suffix; };
  return {{volCaption, volText, n("lblDtot_moy"), n("lblUtot_moy"), &f.lblDtot_moy, &f.lblUtot_moy},
          {maxVol, QStringLiteral("Volume transféré max. (MO)"), n("lblDtot_max"), n("lblUtot_max"), &f.lblDtot_max,
           &f.lblUtot_max, n("lblDtot_max_date"), n("lblUtot_max_date"), &f.lblDtot_max_date, &f.lblUtot_max_date,
           words[0], words[1]},
          {maxAvg, QStringLiteral("Débit moyen max. (kbit/s)"), n("lblDmoy_max"), n("lblUmoy_max"), &f.lblDmoy_max,
           &f.lblUmoy_max, n("lblDmoy_max_date"), n("lblUmoy_max_date"), &f.lblDmoy_max_date, &f.lblUmoy_max_date,
           words[2], words[3]},
          {meanMax, QStringLiteral("Moyenne des débits max. (kbit/s)"), n("lblDmax_moy"), n("lblUmax_moy"),
           &f.lblDmax_moy, &f.lblUmax_moy}};
}

template <class Figures, class Texts>
void showFigures(Figures& labels, const Texts& texts) {
  forEachField(labels, texts, [](QLabel* l, const QString& text) { l->setText(text); });
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QString& tip, int x, int y,
                    int w, int h) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setFont(windowFont(false));
  b->setToolTip(tip);
  b->setGeometry(twips(x), twips(y), twips(w), twips(h));
  return b;
}

}  // namespace

void setCaption(QWidget* w, const QString& text) {
  if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
  else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
  else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(text);
  else w->setWindowTitle(text);
}

QString captionOf(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  return w->windowTitle();
}

void fitCaptions(QWidget* window) {
  std::vector<QLabel*> captions;
  for (QLabel* l : window->findChildren<QLabel*>())
    if (l->property(kDesignGeometry).isValid()) captions.push_back(l);
  for (QLabel* l : captions) {
    const QRect design = l->property(kDesignGeometry).toRect();
    const int textWidth = l->fontMetrics().horizontalAdvance(l->text());
    QRect r = design;
    if (design.width() == 0) {
      r.setWidth(textWidth);
    } else if (textWidth > design.width()) {
      // Wider than designed: grow away from the edge the text is aligned on.
      const int grow = textWidth - design.width();
      if (l->alignment() & Qt::AlignRight) r.setLeft(r.left() - grow);
      else if (l->alignment() & Qt::AlignHCenter) r.adjust(-grow / 2, 0, grow - grow / 2, 0);
      else r.setWidth(textWidth);
    }
    // The free room on its line, between the labels left and right of its design place.
    int left = 0;
    int right = l->parentWidget()->width();
    for (QObject* o : l->parentWidget()->children()) {
      auto* other = qobject_cast<QLabel*>(o);
      if (!other || other == l || other->isWindow()) continue;
      const QRect g = other->geometry();
      if (g.bottom() < r.top() || g.top() > r.bottom()) continue;
      if (g.center().x() < design.center().x() && g.left() < design.left()) left = std::max(left, g.right() + 1 + kCaptionGap);
      else if (g.left() >= design.left()) right = std::min(right, g.left() - kCaptionGap);
    }
    if (r.right() >= right) r.moveRight(right - 1);
    if (r.left() < left) r.moveLeft(left);
    if (r.right() >= right) r.setRight(right - 1);
    l->setGeometry(r);
  }
}

ChartBox::ChartBox(QWidget* parent)
    : QWidget(parent), surface_(kChartBackground, kChartInk) {
  setObjectName(QStringLiteral("picGr"));
  setFixedSize(ChartSurface::kWidth, ChartSurface::kHeight);
}

void ChartBox::paintEvent(QPaintEvent*) {
  // The surface keeps the chart; a paint only shows it again.
  QPainter(this).drawImage(0, 0, surface_.image());
}

void HidingWindow::closeEvent(QCloseEvent* event) {
  if (programEnding_) {
    event->accept();
    return;
  }
  event->ignore();
  emit closedByUser();
  hide();
}

// ---------------------------------------------------------------- frmMain

frmMain::frmMain() {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Tavo - Statistiques - Résumé"));
  setFixedSize(twips(8205), twips(7890));
  setFont(windowFont(false));

  const struct { const char* caption; const char* text; const char* value; QLabel** label; int y; } top[] = {
      {"Label1", "Nombre de sessions enregistrées :", "lblNSes", &figures_.lblNSes, 165},
      {"Label7", "Date inférieure :", "lblDateMin", &figures_.lblDateMin, 435},
      {"Label6", "Date supérieure :", "lblDateMax", &figures_.lblDateMax, 705},
      {"Label8", "Durée totale enregistrée :", "lblDur", &figures_.lblDur, 975},
  };
  for (const auto& t : top) {
    caption(this, t.caption, QString::fromUtf8(t.text), 2115, t.y);
    *t.label = value(this, t.value, 4575, t.y, 1500, Figure::General);
  }
  heading(this, QStringLiteral("Label10"), QStringLiteral("Download"), 1185, 1365);
  heading(this, QStringLiteral("Label14"), QStringLiteral("Upload"), 5895, 1365);
  TableColumns topColumns;
  topColumns.caption = 2790;
  topColumns.captionWidth = 2520;
  figureTable(this, topColumns, 1665, 270, QStringLiteral("le :"),
              {{"Label18", QStringLiteral("Débit maximum constaté (kbit/s)"), "lblDmax", "lblUmax", &figures_.main.lblDmax,
                &figures_.main.lblUmax, "lblDateDmax", "lblDateUmax", &figures_.main.lblDateDmax,
                &figures_.main.lblDateUmax, "Label38", "Label5"},
               {"Label16", QStringLiteral("Volume total transféré (MO)"), "lblDtot", "lblUTot", &figures_.main.lblDtot,
                &figures_.main.lblUTot},
               {"Label12", QStringLiteral("Débit moyen (kbit/s)"), "lblDmoy", "lblUmoy", &figures_.main.lblDmoy,
                &figures_.main.lblUmoy}});

  // The two frames are laid out alike.
  struct FrameTexts {
    const char* frame; QString title; int y;
    const char* cmd; QString cmdText; const char* pic;
    const char* countCaption; QString countText; const char* count;
    const char* durCaption; QString durText; const char* dur;
    const char* headDl; const char* headUl;
    const char* volCaption; QString volText; QString word; const char* words[4];
    const char *maxVol, *maxAvg, *meanMax;
    const char* suffix;
    QLabel** count_; QLabel** dur_; PeriodFigures<QLabel*>* figures;
  };
  const FrameTexts frames[] = {
      {"frJour", QStringLiteral("Par journée"), 2550, "cmdJour", QStringLiteral("Analyse par jour"), "picJour",
       "Label4", QStringLiteral("Nombre de journées concernées :"), "lblNJour", "Label2",
       QStringLiteral("Durée moyenne par journée :"), "lblDurJour", "Label42", "Label43", "Label25",
       QStringLiteral("Volume moyen par jour (MO)"), QStringLiteral("le :"), {"Label34", "Label33", "Label32", "Label31"},
       "Label24", "Label26", "Label20", "_j", &figures_.lblNJour, &figures_.lblDurJour, &figures_.days},
      {"frMois", QStringLiteral("Par mois"), 5220, "cmdMois", QStringLiteral("Analyse par mois"), "picMois",
       "Label49", QStringLiteral("Nombre de mois concernés :"), "lblNMois", "Label48",
       QStringLiteral("Durée moyenne par mois :"), "lblDurMois", "Label44", "Label45", "Label28",
       QStringLiteral("Volume moyen par mois (MO)"), QStringLiteral("en :"), {"Label17", "Label15", "Label13", "Label11"},
       "Label29", "Label27", "Label41", "_m", &figures_.lblNMois, &figures_.lblDurMois, &figures_.months},
  };
  for (const FrameTexts& f : frames) {
    auto* frame = new QGroupBox(f.title, this);
    frame->setObjectName(f.frame);
    frame->setGeometry(twips(120), twips(f.y), twips(7980), twips(2595));
    auto* box = new QWidget(frame);
    box->setObjectName(f.pic);
    box->setGeometry(twips(5145), twips(225), twips(2535), twips(690));
    auto* cmd = button(box, f.cmd, f.cmdText, QStringLiteral(" Analyser plus finement (par %1) une période choisie ")
                                                  .arg(f.suffix == QLatin1String("_j") ? QStringLiteral("jour")
                                                                                       : QStringLiteral("mois")),
                       90, 82, 2355, 525);
    if (f.suffix == QLatin1String("_j")) connect(cmd, &QPushButton::clicked, this, &frmMain::cmdJour_Click);
    else connect(cmd, &QPushButton::clicked, this, &frmMain::cmdMois_Click);
    caption(frame, f.countCaption, f.countText, 210, 300);
    *f.count_ = value(frame, f.count, 3000, 300, 1500, Figure::General);
    caption(frame, f.durCaption, f.durText, 210, 570);
    *f.dur_ = value(frame, f.dur, 3000, 570, 1500, Figure::General, QStringLiteral("xxxxx h xx"));
    heading(frame, f.headDl, QStringLiteral("Download"), 1065, 1065);
    heading(frame, f.headUl, QStringLiteral("Upload"), 5775, 1065);
    TableColumns cols;
    cols.leftWord = 210; cols.leftDate = 585; cols.dl = 1635; cols.caption = 2670; cols.ul = 5250;
    cols.rightWord = 6270; cols.rightDate = 6645; cols.captionWidth = 2520;
    figureTable(frame, cols, 1335, 270, f.word,
                periodLines(*f.figures, QString::fromLatin1(f.suffix), f.volCaption, f.volText, f.maxVol, f.maxAvg,
                            f.meanMax, f.words));
  }
  fitCaptions(this);
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

// --------------------------------------------------------------- pickers

frmSelect::frmSelect(PeriodKind kind) : kind_(kind) {
  const bool day = kind == PeriodKind::Day;
  setObjectName(day ? QStringLiteral("frmJourSelect") : QStringLiteral("frmMoisSelect"));
  setWindowTitle(QStringLiteral("Tavo - Statistiques - Choix de la période"));
  setWindowFlags(Qt::Dialog);
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(twips(6300), twips(2250));
  setFont(windowFont(false));
  caption(this, QStringLiteral("Label1"),
          day ? QStringLiteral("Sélectionnez la période d'analyse - période de 2 mois (61 jours)")
              : QStringLiteral("Sélectionnez la période d'analyse - période de 2 ans (24 mois)"),
          120, 120);
  scr_ = new QScrollBar(Qt::Horizontal, this);
  scr_->setObjectName(QStringLiteral("scrSelect"));
  scr_->setSingleStep(1);
  scr_->setPageStep(1);
  scr_->setGeometry(twips(120), twips(480), twips(6060), twips(255));
  caption(this, QStringLiteral("Label3"), QStringLiteral("période ="), 1500, 960);
  period_ = value(this, QStringLiteral("lblPeriod"), 2700, 960, 2100, Figure::General, QString());
  ok_ = button(this, QStringLiteral("cmdOK"), QStringLiteral("Valider"), QStringLiteral(" Valider la période choisie "),
               3300, 1500, 1500, 450);
  close_ = button(this, QStringLiteral("cmdClose"), QStringLiteral("Abandonner"),
                  QStringLiteral(" Ne pas choisir de période "), 1500, 1500, 1500, 450);
  // Change and Scroll do the same: valueChanged follows the thumb too.
  connect(scr_, &QScrollBar::valueChanged, this, &frmSelect::scrSelect_Change);
  connect(ok_, &QPushButton::clicked, this, [this] {
    hide();
    emit cmdOK_Click();
  });
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
  fitCaptions(this);
}

// ---------------------------------------------------------- graph windows

frmGraphe::frmGraphe(PeriodKind kind, const StatsState& state) : kind_(kind), state_(state) {
  const bool day = kind == PeriodKind::Day;
  setObjectName(day ? QStringLiteral("frmJourGraphe") : QStringLiteral("frmMoisGraphe"));
  setWindowTitle(day ? QStringLiteral("Tavo - Statistiques - Par jour") : QStringLiteral("Tavo - Statistiques - Par mois"));
  setFixedSize(twips(11700), twips(8160));
  setFont(windowFont(false));

  chart_ = new ChartBox(this);
  chart_->move(twips(90), twips(day ? 3105 : 3090));

  // Period, count and durations at the top left.
  caption(this, QStringLiteral("Label3"), QStringLiteral("Période choisie : "), 120, 120);
  PanelFigures<QLabel*>& f = figures_;
  f.lblDateMin = value(this, QStringLiteral("lblDateMin"), 2700, 120, 1020, Figure::General, QStringLiteral("xx/xx/xx"));
  f.lblDateMax = value(this, QStringLiteral("lblDateMax"), 3780, 120, 1020, Figure::General, QStringLiteral("xx/xx/xx"));
  caption(this, QStringLiteral("Label4"), day ? QStringLiteral("Nombre de journées :") : QStringLiteral("Nombre de mois :"),
          120, 360);
  f.count = value(this, day ? QStringLiteral("lblNJour") : QStringLiteral("lblNMois"), 2700, 360, 1020, Figure::General);
  caption(this, QStringLiteral("Label8"), QStringLiteral("Durée totale enregistrée :"), 120, 600);
  f.lblDur = value(this, QStringLiteral("lblDur"), 2700, 600, 1500, Figure::General, QStringLiteral("xxxxx h xx"));
  caption(this, QStringLiteral("Label2"),
          day ? QStringLiteral("Durée moyenne par journée :") : QStringLiteral("Durée moyenne par mois :"), 120, 840);
  f.meanDuration = value(this, day ? QStringLiteral("lblDurJour") : QStringLiteral("lblDurMois"), 2700, 840, 1500,
                         Figure::General, QStringLiteral("xxxxx h xx"));

  // The four views, left to right, and the three commands.
  auto* frame = new QGroupBox(QStringLiteral("Focus"), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(twips(4950), twips(60), twips(6630), twips(600));
  const auto option = [frame](const char* name, const QString& text, int x, int w) {
    auto* o = new QRadioButton(text, frame);
    o->setObjectName(name);
    o->setFont(windowFont(false));
    o->setGeometry(twips(x), twips(250), twips(w), twips(285));
    return o;
  };
  optTout_ = option("optTout", QStringLiteral("Tout"), 120, 1100);
  optTot_ = option("optTot", QStringLiteral("Volumes"), 1300, 1400);
  optMax_ = option("optMax", QStringLiteral("Débits max."), 2800, 1700);
  optMoy_ = option("optMoy", QStringLiteral("Débits moyens"), 4600, 1950);
  // An option chosen in any way (mouse, keyboard, accessibility) redraws
  // the chart once; choosing the option already shown would draw the same
  // picture again, so nothing is drawn then.
  const std::pair<QRadioButton*, ChartView> views[] = {{optTout_, ChartView::All},
                                                       {optTot_, ChartView::Volumes},
                                                       {optMax_, ChartView::MaxRates},
                                                       {optMoy_, ChartView::MeanRates}};
  for (const auto& [option, view] : views) {
    connect(option, &QRadioButton::toggled, this, [this, view = view](bool checked) {
      if (checked) drawChartView(view);
    });
  }

  raw_ = button(this, QStringLiteral("cmdRawData"), QStringLiteral("Données brutes"),
                QStringLiteral(" Voir les données brutes correspondantes "), 4950, 780, 2130, 450);
  print_ = button(this, QStringLiteral("cmdPrint"), QStringLiteral("Imprimer"), QStringLiteral(" Imprimer cette page "),
                  7200, 780, 2130, 450);
  autre_ = button(this, QStringLiteral("cmdAutre"), QStringLiteral("Autre période"),
                  QStringLiteral(" Sélectionner une autre période "), 9450, 780, 2130, 450);
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
  heading(this, QStringLiteral("Label1"), QStringLiteral("Download"), 1185, 1320);
  heading(this, QStringLiteral("Label6"), QStringLiteral("Upload"), 5895, 1320);
  const QString word = day ? QStringLiteral("le :") : QStringLiteral("en :");
  const QString suffix = day ? QStringLiteral("_j") : QStringLiteral("_m");
  const auto n = [&suffix](const char* base) { return QString::fromLatin1(base) + suffix; };
  MainFigures<QLabel*>& m = f.main;
  PeriodFigures<QLabel*>& p = f.period;
  TableColumns cols;
  // The captions start clear of the download values.
  cols.caption = 2745;
  cols.captionWidth = 2565;
  figureTable(
      this, cols, 1545, 215, word,
      {{"Label16", QStringLiteral("Volume total transféré (MO)"), "lblDtot", "lblUTot", &m.lblDtot, &m.lblUTot},
       {"Label25", day ? QStringLiteral("Volume moyen par jour (MO)") : QStringLiteral("Volume moyen par mois (MO)"),
        n("lblDtot_moy"), n("lblUtot_moy"), &p.lblDtot_moy, &p.lblUtot_moy},
       {"Label24", QStringLiteral("Volume transféré max. (MO)"), n("lblDtot_max"), n("lblUtot_max"), &p.lblDtot_max,
        &p.lblUtot_max, n("lblDtot_max_date"), n("lblUtot_max_date"), &p.lblDtot_max_date, &p.lblUtot_max_date,
        "Label31", "Label32"},
       {"Label18", QStringLiteral("Débit maximum constaté (kbit/s)"), "lblDmax", "lblUmax", &m.lblDmax, &m.lblUmax,
        "lblDateDmax", "lblDateUmax", &m.lblDateDmax, &m.lblDateUmax, "Label33", "Label34"},
       {"Label20", QStringLiteral("Moyenne des débits max. (kbit/s)"), n("lblDmax_moy"), n("lblUmax_moy"),
        &p.lblDmax_moy, &p.lblUmax_moy},
       {"Label12", QStringLiteral("Débit moyen (kbit/s)"), "lblDmoy", "lblUmoy", &m.lblDmoy, &m.lblUmoy},
       {"Label26", QStringLiteral("Débit moyen max. (kbit/s)"), n("lblDmoy_max"), n("lblUmoy_max"), &p.lblDmoy_max,
        &p.lblUmoy_max, n("lblDmoy_max_date"), n("lblUmoy_max_date"), &p.lblDmoy_max_date, &p.lblUmoy_max_date,
        "Label5", "Label38"}});
  fitCaptions(this);
}

void frmGraphe::drawChartView(ChartView view) {
  drawView(chart_->surface(), state_.chartInputs(), kind_, view);
  chart_->refresh();
}

void frmGraphe::drawChart() {
  {
    // Marking the option must not draw a second time.
    const QSignalBlocker block(optTout_);
    optTout_->setChecked(true);
  }
  drawChartView(ChartView::All);
}

void frmGraphe::setFigures(const PanelTexts& texts) { showFigures(figures_, texts); }

// --------------------------------------------------------------- raw data

frmRawData::frmRawData() {
  setObjectName(QStringLiteral("frmRawData"));
  setWindowTitle(QStringLiteral("Tavo - Statistiques - Données brutes"));
  setFixedSize(twips(10740), twips(7650));
  setFont(windowFont(false));
  const struct { const char* name; const char* text; } headings[] = {
      {"Label1", "Date"},        {"Label2", "Durée"},   {"Label7", "Déb. max DL"}, {"Label4", "Déb. max UL"},
      {"Label5", "Vol. DL"},     {"Label6", "Vol. UL"}, {"Label3", "Déb. moy DL"}, {"Label8", "Déb. moy UL"},
  };
  int k = 0;
  for (const auto& h : headings) {
    caption(this, h.name, QString::fromUtf8(h.text), 165 + 1260 * k, 150, 1230, Qt::AlignRight | Qt::AlignVCenter);
    ++k;
  }
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstData"));
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::Monospace);
  mono.setPointSizeF(8.25);
  // Twelve characters make one 1260-twip column under its heading, as with
  // Courier New at this size; other fixed fonts are spaced to match.
  const double advance = QFontMetricsF(mono).horizontalAdvance(QLatin1Char('0'));
  mono.setLetterSpacing(QFont::AbsoluteSpacing, 1260.0 / 15.0 / 12.0 - advance);
  list_->setFont(mono);
  list_->setGeometry(twips(60), twips(420), twips(10620), twips(7170));
  fitCaptions(this);
}

void frmRawData::setLines(const QStringList& lines) {
  list_->clear();
  list_->addItems(lines);
}

}  // namespace tavo::stats
