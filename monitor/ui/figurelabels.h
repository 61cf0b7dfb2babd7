#pragma once
// The eight figures that the bubble and the detailed graph window both
// show, download and upload side by side: instant, total, mean and maximum.
// Both windows hold them as their own lblDinst ... lblUmax.
#include "monitor/core/countertexts.h"

#include <QColor>
#include <QLabel>

#include <array>

namespace tavo::monitor {

// Where the two columns stand in their parent, rows in the order instant,
// total, mean, maximum; every figure is 67 x 14.
struct FigureColumns {
  int downloadX = 0;
  int uploadX = 0;
  std::array<int, 4> downloadY{};
  std::array<int, 4> uploadY{};
};

// One figure: bold, centred on its ground, in its colour.
QLabel* makeFigureLabel(QWidget* parent, const char* name, const QRect& geometry, const QColor& text,
                        const QColor& ground);

struct FigureLabels {
  QLabel* lblDinst = nullptr;
  QLabel* lblUinst = nullptr;
  QLabel* lblDtot = nullptr;
  QLabel* lblUtot = nullptr;
  QLabel* lblDmoy = nullptr;
  QLabel* lblUmoy = nullptr;
  QLabel* lblDmax = nullptr;
  QLabel* lblUmax = nullptr;

  // Bold figures centred on their ground, green for download, red for
  // upload.
  void makeFigureLabels(QWidget* parent, const FigureColumns& columns, const QColor& ground);
  // Writes the eight figures in the order lblDinst, lblDmoy, lblDtot,
  // lblUinst, lblUmoy, lblUtot, lblUmax, lblDmax.
  void setFigures(const CounterTexts& texts) const;
};

}  // namespace tavo::monitor
