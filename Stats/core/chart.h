#pragma once
// The analyser's charts: a persistent 762 x 322 image drawn with QPainter.
// The per-day and the per-month chart are one drawing parameterised by a
// geometry record; the named procedures are one-line calls of it.
#include "Stats/core/analysis.h"
#include "common/chartpalette.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace tavo::stats {

// A drawing surface that keeps its image until the next clear. Positions
// are pixels from the top-left corner; text is placed by its top-left
// corner and measured in the surface's font.
class ChartSurface {
 public:
  static constexpr int kWidth = 762;
  static constexpr int kHeight = 322;

  explicit ChartSurface(QColor background = Qt::white, QColor textColor = Qt::black);

  const QImage& image() const { return image_; }
  const QFont& font() const { return font_; }
  bool dotted() const { return dotted_; }
  void setDotted(bool dotted) { dotted_ = dotted; }

  void clear();
  // A line between two points, both drawn, in the current line style.
  void line(int x1, int y1, int x2, int y2, const QColor& color);
  // A filled box with both corners included.
  void filledBox(int x1, int y1, int x2, int y2, const QColor& color);
  // A circle of radius r around (cx, cy), filled with the fill colour.
  void circle(int cx, int cy, int r, const QColor& color);
  void setFillColor(const QColor& color) { fill_ = color; }
  void print(int x, int y, const QString& text);
  int textWidth(const QString& text) const;

 private:
  QImage image_;
  QFont font_;
  QColor background_;
  QColor text_;
  QColor fill_;
  bool dotted_ = false;
};

// What differs between the per-day and the per-month chart.
struct ChartGeometry {
  PeriodKind kind;
  int axisX;    // x of both vertical axes, start of the horizontal ones
  int axisEnd;  // end of the horizontal axes and of scale lines
  int x0;       // left edge of the first slot
  int slotWidth;
  int slotLabelDx;  // slot label, right of the slot's left edge
  int firstWindowLabelX;
  int lastWindowLabelX;
};
const ChartGeometry& chartGeometry(PeriodKind kind);

// Everything a chart reads, none of it changed.
struct ChartInputs {
  const PeriodSummary& selection;
  AnalysisWindow window;
  const RegionalFormat& format;
  const ChartPalette& palette;
  QString VolumeUnit;  // " MO" or " MB"
};

enum class ChartSeries { Volumes, MaxRates, MeanRates };
enum class ChartView { All, Volumes, MaxRates, MeanRates };

// The height of a value: value × factor, halves to even, in 16 bits.
int valueHeight(double value, double factor);
// fullHeight / highest when the highest is at least 1, else 0.
double scaleFactor(double fullHeight, std::int64_t highest);

void drawFrame(ChartSurface& s, const ChartInputs& in, PeriodKind kind);
void drawSeries(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartSeries series);
void drawScale(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartSeries series);
void drawReference(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartSeries series);
// A whole redraw, as the view options do: the frame first, then for a
// single quantity its scale, its series and its reference.
void drawView(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartView view);

// The named procedures of both charts.
inline void DrawDayAxes(ChartSurface& s, const ChartInputs& in) { drawFrame(s, in, PeriodKind::Day); }
inline void DrawMonthAxes(ChartSurface& s, const ChartInputs& in) { drawFrame(s, in, PeriodKind::Month); }
inline void DrawDayVolumes(ChartSurface& s, const ChartInputs& in) {
  drawSeries(s, in, PeriodKind::Day, ChartSeries::Volumes);
}
inline void DrawMonthVolumes(ChartSurface& s, const ChartInputs& in) {
  drawSeries(s, in, PeriodKind::Month, ChartSeries::Volumes);
}
inline void DrawDayMaxRates(ChartSurface& s, const ChartInputs& in) {
  drawSeries(s, in, PeriodKind::Day, ChartSeries::MaxRates);
}
inline void DrawMonthMaxRates(ChartSurface& s, const ChartInputs& in) {
  drawSeries(s, in, PeriodKind::Month, ChartSeries::MaxRates);
}
inline void DrawDayMeanRates(ChartSurface& s, const ChartInputs& in) {
  drawSeries(s, in, PeriodKind::Day, ChartSeries::MeanRates);
}
inline void DrawMonthMeanRates(ChartSurface& s, const ChartInputs& in) {
  drawSeries(s, in, PeriodKind::Month, ChartSeries::MeanRates);
}
inline void DrawDayVolumeScale(ChartSurface& s, const ChartInputs& in) {
  drawScale(s, in, PeriodKind::Day, ChartSeries::Volumes);
}
inline void DrawMonthVolumeScale(ChartSurface& s, const ChartInputs& in) {
  drawScale(s, in, PeriodKind::Month, ChartSeries::Volumes);
}
inline void DrawDayMaxRateScale(ChartSurface& s, const ChartInputs& in) {
  drawScale(s, in, PeriodKind::Day, ChartSeries::MaxRates);
}
inline void DrawMonthMaxRateScale(ChartSurface& s, const ChartInputs& in) {
  drawScale(s, in, PeriodKind::Month, ChartSeries::MaxRates);
}
inline void DrawDayMeanRateScale(ChartSurface& s, const ChartInputs& in) {
  drawScale(s, in, PeriodKind::Day, ChartSeries::MeanRates);
}
inline void DrawMonthMeanRateScale(ChartSurface& s, const ChartInputs& in) {
  drawScale(s, in, PeriodKind::Month, ChartSeries::MeanRates);
}
inline void DrawDayVolumeReference(ChartSurface& s, const ChartInputs& in) {
  drawReference(s, in, PeriodKind::Day, ChartSeries::Volumes);
}
inline void DrawMonthVolumeReference(ChartSurface& s, const ChartInputs& in) {
  drawReference(s, in, PeriodKind::Month, ChartSeries::Volumes);
}
inline void DrawDayMaxRateReference(ChartSurface& s, const ChartInputs& in) {
  drawReference(s, in, PeriodKind::Day, ChartSeries::MaxRates);
}
inline void DrawMonthMaxRateReference(ChartSurface& s, const ChartInputs& in) {
  drawReference(s, in, PeriodKind::Month, ChartSeries::MaxRates);
}
inline void DrawDayMeanRateReference(ChartSurface& s, const ChartInputs& in) {
  drawReference(s, in, PeriodKind::Day, ChartSeries::MeanRates);
}
inline void DrawMonthMeanRateReference(ChartSurface& s, const ChartInputs& in) {
  drawReference(s, in, PeriodKind::Month, ChartSeries::MeanRates);
}
inline void DrawDayChart(ChartSurface& s, const ChartInputs& in) { drawView(s, in, PeriodKind::Day, ChartView::All); }
inline void DrawMonthChart(ChartSurface& s, const ChartInputs& in) {
  drawView(s, in, PeriodKind::Month, ChartView::All);
}

}  // namespace tavo::stats
