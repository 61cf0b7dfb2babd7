#pragma once
// BulleGraphe: the bubble's and the detailed graph's procedures and their
// state (BubbleShown lives in the engine, which the tick reads), over the
// engine's counters and rate rings. The program owns one; it owns the two
// windows frmBulle and frmBig.
//
// Wiring left to the program: the main window's lblGraphe mouse moves call
// lblGraphe_MouseMove(), its other mouse moves call HideBubble(), its double
// clicks and the tray's mnuBig call DrawHoursGraph(); frmBig's
// statsRequested()/logViewerRequested() start the other programs.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>

#include "monitor/views/bubbleplacement.h"
#include "monitor/views/countertexts.h"
#include "monitor/views/detailgraph.h"
#include "monitor/views/frmbig.h"
#include "monitor/views/frmbulle.h"

namespace tavo::monitor {
class MonitorEngine;
struct MonitorCounters;
}  // namespace tavo::monitor

namespace tavo::views {

CounterFigures counterFigures(const tavo::monitor::MonitorCounters& counters);
// The per-minute rings (hour view) or the per-second rings (minute view).
DetailGraphInput detailGraphInput(const tavo::monitor::MonitorEngine& engine, bool hourView);

// The screen under a point: its geometry, else the primary screen's, else
// an empty rectangle when there is no screen at all.
QRect screenGeometryUnder(QPoint point);

class BulleGraphe : public QObject {
  Q_OBJECT
 public:
  explicit BulleGraphe(tavo::monitor::MonitorEngine& engine, QObject* parent = nullptr);
  ~BulleGraphe() override;

  frmBulle& bubble() { return *frmBulle_; }
  frmBig& big() { return *frmBig_; }

  // The mini graph's hover area: the main window's lblGraphe. While it is
  // unset or hidden the pointer never counts as over the graph.
  void setHoverWidget(QWidget* lblGraphe);

  // Seams: the pointer, the screen under it and the hover area, in screen
  // pixels. Defaults: QCursor::pos(), screenGeometryUnder, the hover widget.
  std::function<QPoint()> cursorPos;
  std::function<QRect(QPoint)> screenGeometryAt;
  std::function<std::optional<HoverArea>()> hoverArea;

  // Bubble.
  void ShowBubble();
  void HideBubble();
  void TrackBubble();
  bool BubbleShown() const;
  void lblGraphe_MouseMove();  // arms the hover delay while the bubble is not shown
  void tmrShow_Timer();

  // Detailed graph.
  void DrawHoursGraph();
  void DrawMinutesGraph();
  void RefreshHistoryCounters();

  // Both windows' language texts.
  void SetFrenchTexts();
  void SetEnglishTexts();
  void applyTexts(bool french) { french ? SetFrenchTexts() : SetEnglishTexts(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void drawView(bool hourView);
  std::optional<HoverArea> widgetArea() const;

  tavo::monitor::MonitorEngine& engine_;
  std::unique_ptr<frmBulle> frmBulle_;
  std::unique_ptr<frmBig> frmBig_;
  QPointer<QWidget> hoverWidget_;
};

}  // namespace tavo::views
