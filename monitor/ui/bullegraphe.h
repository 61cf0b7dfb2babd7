#pragma once
// BulleGraphe: the bubble's and the detailed graph's procedures and their
// state (BubbleShown lives in the engine, which the tick reads), over the
// engine's counters and rate rings. The program owns one; it owns the two
// windows frmBulle and frmBig.
//
// Wiring left to the program: the main window's lblGraphe mouse moves call
// lblGraphe_MouseMove(), its other mouse moves call HideBubble(), its double
// clicks and the tray's mnuBig call DrawHoursGraph(); statsRequested()/
// logViewerRequested() (frmBig's buttons) start the other programs.
#include "common/desktopseam.h"
#include "monitor/core/bubbleplacement.h"
#include "monitor/core/countertexts.h"
#include "monitor/core/detailgraph.h"
#include "monitor/ui/frmbig.h"
#include "monitor/ui/frmbulle.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

namespace tavo::monitor {
class MonitorEngine;
struct MonitorCounters;
}  // namespace tavo::monitor

namespace tavo::monitor {

CounterFigures counterFigures(const tavo::monitor::MonitorCounters& counters);
// The per-minute rings (hour view) or the per-second rings (minute view).
DetailGraphInput detailGraphInput(const tavo::monitor::MonitorEngine& engine, bool hourView);

class BulleGraphe : public QObject {
  Q_OBJECT
 public:
  // The pointer and the screen under it come from desktop, which outlives this.
  BulleGraphe(tavo::monitor::MonitorEngine& engine, tavo::DesktopSeam& desktop, QObject* parent = nullptr);
  ~BulleGraphe() override;

  // Each window is made on first use.
  frmBulle& bubble();
  frmBig& big();

  // The mini graph's hover area: the main window's lblGraphe. While it is
  // unset or hidden the pointer never counts as over the graph.
  void setHoverWidget(QWidget* lblGraphe);

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
  void applyTexts(bool french);

 signals:
  // frmBig's buttons that start the other programs.
  void statsRequested();
  void logViewerRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void drawView(bool hourView);
  std::optional<HoverArea> widgetArea() const;
  void applyBigTexts(bool french);
  void applyBubbleTexts(bool french);

  tavo::monitor::MonitorEngine& engine_;
  tavo::DesktopSeam& desktop_;
  std::unique_ptr<frmBulle> frmBulle_;
  std::unique_ptr<frmBig> frmBig_;
  QPointer<QWidget> hoverWidget_;
  // What a window made later must show: the language last applied (none
  // yet: the design texts) and whether the log frame is shown.
  std::optional<bool> french_;
  bool logFrameShown_ = true;
};

}  // namespace tavo::monitor
