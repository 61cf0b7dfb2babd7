#pragma once
// A plain main window for the monitor: the two rate figures and the
// 60-bar mini graph at the built-in layout's places, fed by the engine.
#include "monitor/engine/monitorengine.h"

#include <QLabel>
#include <QWidget>
#include <functional>

namespace tavo::monitor::app {

class frmNet : public QWidget {
  Q_OBJECT
 public:
  explicit frmNet(MonitorEngine& engine, QWidget* parent = nullptr);

  QLabel* lblUL() const { return lblUL_; }
  QLabel* lblDL() const { return lblDL_; }
  const MiniGraphBars& bars() const { return bars_; }

  // What Escape and the context menu's "Quit" run.
  std::function<void()> onQuit;

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;

 private:
  void placeLabel(QLabel* label, int rightX, int topY);
  void underline(bool download);

  MonitorEngine& engine_;
  QLabel* lblUL_;
  QLabel* lblDL_;
  MiniGraphBars bars_{};
  QPoint dragOffset_;
};

}  // namespace tavo::monitor::app
