#pragma once
// The ten chart colours shared by the analyser and the log viewer.
#include <QColor>
#include <array>

namespace tavo {

using ChartPalette = std::array<QColor, 10>;

// The ground and the ink of every chart: fixed, whatever the desktop's
// theme. The series colours, the pale day and month bands and the grey scale
// lines are fixed colours made for a light ground; a dark theme's ground (or
// its light text on the pale bands) would leave axes and labels unreadable.
inline const QColor kChartBackground{255, 255, 255};
inline const QColor kChartInk{0, 0, 0};

inline ChartPalette makeChartPalette() {
  return {QColor(255, 0, 0),   QColor(255, 89, 37), QColor(246, 165, 46),  QColor(254, 223, 134), QColor(0, 0, 0),
          QColor(58, 163, 21), QColor(153, 204, 0), QColor(218, 255, 113), QColor(0, 0, 0),       QColor(0, 0, 0)};
}

}  // namespace tavo
