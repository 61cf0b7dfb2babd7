#include "monitor/ui/bullegraphe.h"

#include "common/platform/desktop/desktop.h"
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

BulleGraphe::BulleGraphe(tavo::monitor::MonitorEngine& engine, tavo::DesktopSeam& desktop, QObject* parent)
    : QObject(parent), engine_(engine), desktop_(desktop) {
  connect(&engine_, &tavo::monitor::MonitorEngine::trackBubble, this, &BulleGraphe::TrackBubble);
  connect(&engine_, &tavo::monitor::MonitorEngine::refreshHistoryCounters, this,
          &BulleGraphe::RefreshHistoryCounters);
  // The log frame is there from the start, logging or not (its button
  // names a new file either way); switching logging off hides it and on
  // shows it again. Kept for a detailed graph that is not made yet.
  connect(&engine_, &tavo::monitor::MonitorEngine::loggingStateChanged, this,
          [this](bool on) { logFrameShown_ = on; });
}

BulleGraphe::~BulleGraphe() {
  if (frmBig_) frmBig_->removeEventFilter(this);
}

// Both windows are made when first needed: most runs never show them, and
// each costs memory and start-up time.
frmBulle& BulleGraphe::bubble() {
  if (!frmBulle_) {
    frmBulle_ = std::make_unique<frmBulle>();
    if (french_) applyBubbleTexts(*french_);
    connect(frmBulle_->tmrShow, &QTimer::timeout, this, &BulleGraphe::tmrShow_Timer);
    connect(frmBulle_.get(), &frmBulle::backgroundMouseMoved, this, &BulleGraphe::HideBubble);
  }
  return *frmBulle_;
}

frmBig& BulleGraphe::big() {
  if (!frmBig_) {
    frmBig_ = std::make_unique<frmBig>();
    if (french_) applyBigTexts(*french_);
    connect(frmBig_.get(), &frmBig::hourViewRequested, this, &BulleGraphe::DrawHoursGraph);
    connect(frmBig_.get(), &frmBig::minuteViewRequested, this, &BulleGraphe::DrawMinutesGraph);
    connect(frmBig_.get(), &frmBig::resetCountersRequested, this, [this] { engine_.ResetCounters(); });
    connect(frmBig_.get(), &frmBig::newLogFileRequested, this, [this] { engine_.StartNewLogFile(true); });
    connect(frmBig_.get(), &frmBig::statsRequested, this, &BulleGraphe::statsRequested);
    connect(frmBig_.get(), &frmBig::logViewerRequested, this, &BulleGraphe::logViewerRequested);
    frmBig_->installEventFilter(this);
    connect(&engine_, &tavo::monitor::MonitorEngine::logFilePathChanged, frmBig_.get(), &frmBig::setLogFileText);
    connect(&engine_, &tavo::monitor::MonitorEngine::loggingStateChanged, frmBig_->frameLog, &QWidget::setVisible);
    frmBig_->setLogFileText(tavo::monitor::ShortenPath(engine_.LogFilePath));
    frmBig_->frameLog->setVisible(logFrameShown_);
  }
  return *frmBig_;
}

void BulleGraphe::setHoverWidget(QWidget* lblGraphe) { hoverWidget_ = lblGraphe; }

std::optional<HoverArea> BulleGraphe::widgetArea() const {
  if (!hoverWidget_ || !hoverWidget_->isVisible()) return std::nullopt;
  return HoverArea::fromTopLeftAndSize(hoverWidget_->mapToGlobal(QPoint(0, 0)), hoverWidget_->size());
}

bool BulleGraphe::BubbleShown() const { return engine_.BubbleShown; }

void BulleGraphe::ShowBubble() {
  bubble().setFigures(makeCounterTexts(counterFigures(engine_.Counters), engine_.regional()));
  bubble().show();
  bubble().raise();
}

void BulleGraphe::HideBubble() {
  engine_.setBubbleShown(false);
  if (!frmBulle_) return;
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
  bubble().move(bubblePosition(p, desktop_.screenGeometryAt(p)));
  ShowBubble();
}

void BulleGraphe::lblGraphe_MouseMove() {
  // Further moves while the delay runs do not restart it.
  if (!engine_.BubbleShown && !bubble().tmrShow->isActive()) bubble().tmrShow->start();
}

void BulleGraphe::tmrShow_Timer() {
  bubble().tmrShow->stop();
  engine_.setBubbleShown(true);
  TrackBubble();
}

void BulleGraphe::DrawHoursGraph() { drawView(true); }
void BulleGraphe::DrawMinutesGraph() { drawView(false); }

void BulleGraphe::drawView(bool hourView) {
  frmBig& window = big();
  window.clearGraph();
  window.markView(hourView);
  RefreshHistoryCounters();
  window.setGraph(computeDetailGraph(detailGraphInput(engine_, hourView)));
  // On the main window's screen; shown normal and in front, also when it
  // was minimised or behind other windows.
  if (!window.isVisible()) tavo::desktop::placeOnScreenOf(&window, hoverWidget_ ? hoverWidget_->window() : nullptr);
  tavo::desktop::showInFront(&window);
}

void BulleGraphe::RefreshHistoryCounters() {
  if (!frmBig_) return;  // made and filled when first opened
  frmBig_->setCounters(makeCounterTexts(counterFigures(engine_.Counters), engine_.regional()));
}

void BulleGraphe::SetFrenchTexts() { applyTexts(true); }
void BulleGraphe::SetEnglishTexts() { applyTexts(false); }

void BulleGraphe::applyTexts(bool french) {
  french_ = french;
  if (frmBig_) applyBigTexts(french);
  if (frmBulle_) applyBubbleTexts(french);
}

void BulleGraphe::applyBigTexts(bool french) { french ? frmBig_->SetFrenchTexts() : frmBig_->SetEnglishTexts(); }
void BulleGraphe::applyBubbleTexts(bool french) {
  french ? frmBulle_->SetFrenchTexts() : frmBulle_->SetEnglishTexts();
}

bool BulleGraphe::eventFilter(QObject* watched, QEvent* event) {
  if (frmBig_ && watched == frmBig_.get()) {
    if (event->type() == QEvent::Show) engine_.setBigGraphVisible(true);
    if (event->type() == QEvent::Hide) engine_.setBigGraphVisible(false);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tavo::monitor
