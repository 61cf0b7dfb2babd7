#pragma once
// The graph window: the visible part of the log drawn on picGr, the zoom
// buttons, the scroll bar and the figures of the whole log and of the
// visible part.
#include "LogViewer/core/loggraph.h"
#include "LogViewer/core/viewermodel.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QScrollBar;

namespace tavo::logv {

// The side of the zoom and print pictures (picPlus, picMoins, picPrint).
inline constexpr int kButtonPictureSide = 24;

// A picture box that keeps its image between redraws.
class GraphPicture : public QWidget {
  Q_OBJECT
 public:
  explicit GraphPicture(QWidget* parent);
  QImage& image() { return image_; }
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage image_;
};

class frmGraphe : public QWidget {
  Q_OBJECT
 public:
  frmGraphe();

  // The figures of the whole log (Frame1) and of its visible part (Frame2).
  void setWholeLogFigures(const StatsLabels& labels);
  void setVisibleFigures(const StatsLabels& labels);
  // Only the two dates of the visible part, while the thumb is dragged.
  void setVisibleDates(const QString& first, const QString& last);
  void setScaleText(const QString& text);
  // A new log's scroll range, the thumb at its first sample, without
  // telling of the change.
  void setScrollRange(bool enabled, std::int32_t minimum, std::int32_t maximum);
  // Draws the graph of in on picGr, on the graph's own colours.
  void drawGraph(LogGraphInput in);
  // After this the window unloads when closed instead of hiding.
  void unload();

 signals:
  void picPlus_Click();
  void picMoins_Click();
  // The thumb released or moved by a step: a new first sample.
  void scrVisible_Change(int value);
  // The thumb dragged, not yet released.
  void scrVisible_Scroll(int value);
  void cmdPrint_Click();
  // The user closed the window from its title bar: it is hidden, not gone.
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  GraphPicture* picGr_;
  QLabel* lblScale_;
  QScrollBar* scrVisible_;
  // The value labels of the two frames, in the order of StatsLabels.
  std::array<QLabel*, 9> wholeValues_{};
  std::array<QLabel*, 9> visibleValues_{};
  bool unloading_ = false;
};

}  // namespace tavo::logv
