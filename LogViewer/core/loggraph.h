#pragma once
// Drawing the log graph: download bars above one axis, upload bars below a
// second one, each scaled so the highest visible rate is 100 pixels tall,
// with dotted full-scale lines, mean lines and time ticks.
#include <QColor>
#include <QFont>
#include <QImage>

#include "LogViewer/core/logfile.h"
#include "LogViewer/core/zoom.h"
#include "common/chartpalette.h"
#include "common/regionaltext.h"

namespace tavo::logv {

inline constexpr int kGraphWidth = 772;  // 11580 x 4500 twips
inline constexpr int kGraphHeight = 300;
inline const QColor kFullScaleGrey{175, 175, 175};

struct LogGraphInput {
  const LogSampleArray& samples;
  const RangeStats& visible;
  const ZoomGeometry& zoom;
  const ChartPalette& palette;
  const RegionalFormat& format;
  QColor background = Qt::white;
  QColor text = Qt::black;
};

// The picture of the graph: 772 x 300 pixels at 96 dots per inch, so the
// text keeps its pixel size whatever the screen.
QImage makeGraphImage();

// The graph's text font: Arial 8.25 points (or the nearest sans serif).
QFont graphFont();

// Scale of a visible maximum: 100 / maximum, 0 below 1.
double barScale(std::int32_t maximum);

// Clears image and draws the whole graph: DrawGraphAxes, DrawSampleBars,
// DrawMaximumLines, DrawMeanLines.
void DrawLogGraph(QImage& image, const LogGraphInput& in);

}  // namespace tavo::logv
