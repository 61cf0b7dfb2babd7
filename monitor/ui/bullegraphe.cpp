#include "monitor/ui/bullegraphe.h"

#include "monitor/core/monitorengine.h"

#include <QEvent>

namespace tavo::monitor {

CounterFigures counterFigures(const tavo::monitor::MonitorCounters& c) {
  CounterFigures f;
  f.kbitDL = c.KbitDL;
  f.kbitUL = c.KbitUL;
  f.meanDL = c.MeanDL;
  f.meanUL = c.MeanUL;
  f.mbytesShownDL = c.MBytesShownDL;
  f.mbytesShownUL = c.MBytesShownUL;
  f.maxDL = c.MaxDL;
  f.maxUL = c.MaxUL;
  f.countStart = c.CountStart;
  f.elapsedText = c.ElapsedText;
  return f;
}

DetailGraphInput detailGraphInput(const tavo::monitor::MonitorEngine& engine, bool hourView) {
  const auto& h = engine.History;
  const auto& dl = hourView ? h.dlPerMinute : h.dlPerSecond;
  const auto& ul = hourView ? h.ulPerMinute : h.ulPerSecond;
  const auto& labels = hourView ? engine.TimeLabels.perMinute : engine.TimeLabels.perSecond;
  DetailGraphInput in;
  in.download.values = dl.values;
  in.download.writeIndex = dl.writeIndex;
  in.upload.values = ul.values;
  in.upload.writeIndex = ul.writeIndex;
  for (int k = 0; k < kColumns; ++k)
    if (!labels[k].isNull()) in.timeLabels[k] = engine.regional().timeOfDay(labels[k]);
  return in;
}

BulleGraphe::BulleGraphe(tavo::monitor::MonitorEngine& engine, tavo::desktop::DesktopQueries desktop, QObject* parent)
    : QObject(parent),
      engine_(engine),
      desktop_(desktop.withRealDefaults()),
      frmBulle_(std::make_unique<frmBulle>()),
      frmBig_(std::make_unique<frmBig>()) {

  connect(frmBulle_->tmrShow, &QTimer::timeout, this, &BulleGraphe::tmrShow_Timer);
  connect(frmBulle_.get(), &frmBulle::backgroundMouseMoved, this, &BulleGraphe::HideBubble);

  connect(frmBig_.get(), &frmBig::hourViewRequested, this, &BulleGraphe::DrawHoursGraph);
  connect(frmBig_.get(), &frmBig::minuteViewRequested, this, &BulleGraphe::DrawMinutesGraph);
  connect(frmBig_.get(), &frmBig::resetCountersRequested, this, [this] { engine_.ResetCounters(); });
  connect(frmBig_.get(), &frmBig::newLogFileRequested, this, [this] { engine_.StartNewLogFile(true); });
  frmBig_->installEventFilter(this);

  connect(&engine_, &tavo::monitor::MonitorEngine::trackBubble, this, &BulleGraphe::TrackBubble);
  connect(&engine_, &tavo::monitor::MonitorEngine::refreshHistoryCounters, this,
          &BulleGraphe::RefreshHistoryCounters);
  connect(&engine_, &tavo::monitor::MonitorEngine::logFilePathChanged, frmBig_.get(), &frmBig::setLogFileText);
  connect(&engine_, &tavo::monitor::MonitorEngine::loggingStateChanged, frmBig_->frameLog, &QWidget::setVisible);
  frmBig_->setLogFileText(tavo::monitor::ShortenPath(engine_.LogFilePath));
  // Made after the settings were loaded, the frame starts as logging is.
  frmBig_->frameLog->setVisible(engine_.settings().chkLogging() == 1);
}

BulleGraphe::~BulleGraphe() { frmBig_->removeEventFilter(this); }

void BulleGraphe::setHoverWidget(QWidget* lblGraphe) { hoverWidget_ = lblGraphe; }

std::optional<HoverArea> BulleGraphe::widgetArea() const {
  if (!hoverWidget_ || !hoverWidget_->isVisible()) return std::nullopt;
  return HoverArea::fromTopLeftAndSize(hoverWidget_->mapToGlobal(QPoint(0, 0)), hoverWidget_->size());
}

bool BulleGraphe::BubbleShown() const { return engine_.BubbleShown; }

void BulleGraphe::ShowBubble() {
  frmBulle_->setFigures(makeCounterTexts(counterFigures(engine_.Counters), engine_.regional()));
  frmBulle_->show();
  frmBulle_->raise();
}

void BulleGraphe::HideBubble() {
  engine_.setBubbleShown(false);
  frmBulle_->tmrShow->stop();
  frmBulle_->hide();
}

void BulleGraphe::TrackBubble() {
  const QPoint p = desktop_.pointerPosition();
  const std::optional<HoverArea> area = widgetArea();
  if (!area || !area->contains(p)) {
    HideBubble();
    return;
  }
  frmBulle_->move(bubblePosition(p, desktop_.screenGeometryAt(p)));
  ShowBubble();
}

void BulleGraphe::lblGraphe_MouseMove() {
  // Further moves while the delay runs do not restart it.
  if (!engine_.BubbleShown && !frmBulle_->tmrShow->isActive()) frmBulle_->tmrShow->start();
}

void BulleGraphe::tmrShow_Timer() {
  frmBulle_->tmrShow->stop();
  engine_.setBubbleShown(true);
  TrackBubble();
}

void BulleGraphe::DrawHoursGraph() { drawView(true); }
void BulleGraphe::DrawMinutesGraph() { drawView(false); }

void BulleGraphe::drawView(bool hourView) {
  frmBig_->clearGraph();
  frmBig_->markView(hourView);
  RefreshHistoryCounters();
  frmBig_->setGraph(computeDetailGraph(detailGraphInput(engine_, hourView)));
  frmBig_->show();
  frmBig_->raise();
  frmBig_->activateWindow();
}

void BulleGraphe::RefreshHistoryCounters() {
  frmBig_->setCounters(makeCounterTexts(counterFigures(engine_.Counters), engine_.regional()));
}

void BulleGraphe::SetFrenchTexts() {
  frmBig_->SetFrenchTexts();
  frmBulle_->SetFrenchTexts();
}

void BulleGraphe::SetEnglishTexts() {
  frmBig_->SetEnglishTexts();
  frmBulle_->SetEnglishTexts();
}

bool BulleGraphe::eventFilter(QObject* watched, QEvent* event) {
  if (watched == frmBig_.get()) {
    if (event->type() == QEvent::Show) engine_.setBigGraphVisible(true);
    if (event->type() == QEvent::Hide) engine_.setBigGraphVisible(false);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tavo::monitor
