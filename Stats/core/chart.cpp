#include "Stats/core/chart.h"

#include "common/numbers.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace tavo::stats {

namespace {

constexpr int kDlBase = 160;
constexpr int kUlBase = 200;
const QColor kScaleGrey(175, 175, 175);
const QColor kGridGrey(240, 240, 240);

// 96 dots per inch, so that 6.75 points make 9 pixels as on the screen.
constexpr int kDotsPerMeter = 3780;

}  // namespace

ChartSurface::ChartSurface(QColor background, QColor textColor)
    : image_(kWidth, kHeight, QImage::Format_RGB32), background_(background), text_(textColor), fill_(Qt::black) {
  image_.setDotsPerMeterX(kDotsPerMeter);
  image_.setDotsPerMeterY(kDotsPerMeter);
  font_ = QFont(QStringLiteral("Arial"));
  font_.setStyleHint(QFont::SansSerif);
  font_.setPointSizeF(6.75);
  font_.setWeight(QFont::Normal);
  image_.fill(background_);
}

void ChartSurface::clear() { image_.fill(background_); }

void ChartSurface::line(int x1, int y1, int x2, int y2, const QColor& color) {
  QPainter p(&image_);
  QPen pen(color, 0, dotted_ ? Qt::DotLine : Qt::SolidLine);
  p.setPen(pen);
  p.drawLine(x1, y1, x2, y2);
}

void ChartSurface::filledBox(int x1, int y1, int x2, int y2, const QColor& color) {
  QPainter p(&image_);
  // Built by hand: QRect::normalized() loses a pixel row on swapped corners.
  p.fillRect(QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1), color);
}

void ChartSurface::circle(int cx, int cy, int r, const QColor& color) {
  QPainter p(&image_);
  p.setPen(QPen(color, 0));
  p.setBrush(fill_);
  p.drawEllipse(QPoint(cx, cy), r, r);
}

void ChartSurface::print(int x, int y, const QString& text) {
  QPainter p(&image_);
  p.setFont(font_);
  p.setPen(text_);
  p.drawText(QPoint(x, y + QFontMetrics(font_, &image_).ascent()), text);
}

int ChartSurface::textWidth(const QString& text) const { return QFontMetrics(font_, &image_).horizontalAdvance(text); }

const ChartGeometry& chartGeometry(PeriodKind kind) {
  static const ChartGeometry day{PeriodKind::Day, 78, 690, 80, 10, 1, 130, 440};
  static const ChartGeometry month{PeriodKind::Month, 68, 694, 70, 26, 4, 120, 430};
  return kind == PeriodKind::Day ? day : month;
}

int valueHeight(double value, double factor) { return clampToInt16(roundHalfEven(value * factor)); }

double scaleFactor(double fullHeight, std::int64_t highest) {
  return highest >= 1 ? fullHeight / static_cast<double>(highest) : 0.0;
}

namespace {

QDate nextSlot(PeriodKind kind, const QDate& d) { return kind == PeriodKind::Day ? NextDay(d) : NextMonth(d); }

// What one quantity reads from the rows and the selection, and where its
// scale stands.
struct Quantity {
  double fullHeight;
  std::int64_t (*dl)(const PeriodRow&);
  std::int64_t (*ul)(const PeriodRow&);
  std::int64_t highestDl;
  std::int64_t highestUl;
  std::int64_t referenceDl;
  std::int64_t referenceUl;
  QString unit;
  int scaleTop, scaleBottom, scaleLabelTop, scaleLabelBottom;
};

Quantity quantity(ChartSeries series, const ChartInputs& in) {
  const PeriodSummary& s = in.selection;
  const QString rate = QStringLiteral(" kbit/s");
  switch (series) {
    case ChartSeries::Volumes:
      return {100.0,
              [](const PeriodRow& r) { return r.dlVol; },
              [](const PeriodRow& r) { return r.ulVol; },
              s.maxDlVol,
              s.maxUlVol,
              floorQuotient(s.totalDlVol, s.count),
              floorQuotient(s.totalUlVol, s.count),
              in.VolumeUnit,
              60,
              300,
              50,
              298};
    case ChartSeries::MaxRates:
      return {100.0,
              [](const PeriodRow& r) { return std::int64_t{r.dlMax}; },
              [](const PeriodRow& r) { return std::int64_t{r.ulMax}; },
              s.maxDl,
              s.maxUl,
              s.meanMaxDl,
              s.meanMaxUl,
              rate,
              60,
              300,
              50,
              298};
    case ChartSeries::MeanRates: break;
  }
  return {80.0,
          [](const PeriodRow& r) { return std::int64_t{r.dlAvg}; },
          [](const PeriodRow& r) { return std::int64_t{r.ulAvg}; },
          s.maxDlAvg,
          s.maxUlAvg,
          s.dlAvg,
          s.ulAvg,
          rate,
          80,
          280,
          70,
          278};
}

// Walks the slots of the window; each row is drawn in the slot whose date
// has its label, a slot without a row is reported as empty.
template <typename Draw, typename Empty>
void walkSlots(const ChartInputs& in, PeriodKind kind, Draw draw, Empty empty) {
  const ChartGeometry& g = chartGeometry(kind);
  const auto& rows = in.selection.rows;
  const std::int32_t n = std::min<std::int32_t>(in.selection.count, static_cast<std::int32_t>(rows.size()));
  std::int32_t i = 0;
  int x = g.x0;
  for (QDate d = in.window.start; i < n && d.isValid() && d <= in.window.end; d = nextSlot(kind, d)) {
    if (rows[static_cast<std::size_t>(i)].label == periodLabel(kind, in.format, d)) {
      draw(rows[static_cast<std::size_t>(i)], x);
      ++i;
    } else {
      empty();
    }
    x += g.slotWidth;
  }
}

}  // namespace

void drawFrame(ChartSurface& s, const ChartInputs& in, PeriodKind kind) {
  const ChartGeometry& g = chartGeometry(kind);
  const QColor black(0, 0, 0);
  s.clear();
  s.line(g.axisX, 162, g.axisX, 60, black);
  s.line(g.axisX, 162, g.axisEnd, 162, black);
  s.line(g.axisX, 198, g.axisX, 300, black);
  s.line(g.axisX, 198, g.axisEnd, 198, black);
  int x = g.x0;
  bool upper = true;
  for (QDate d = in.window.start; d.isValid() && d <= in.window.end; d = nextSlot(kind, d)) {
    const QString label = kind == PeriodKind::Day ? QString::number(d.day())
                                                  : in.format.locale().monthName(d.month(), QLocale::ShortFormat);
    s.print(x + g.slotLabelDx, upper ? 163 : 187, label);
    const int shade = kind == PeriodKind::Day ? 220 + d.day() : 215 + 3 * d.month();
    s.filledBox(x, 174, x + g.slotWidth, 186, QColor(shade, shade, 255));
    s.line(x + g.slotWidth, 160, x + g.slotWidth, 60, kGridGrey);
    s.line(x + g.slotWidth, 200, x + g.slotWidth, 300, kGridGrey);
    x += g.slotWidth;
    upper = !upper;
  }
  const auto windowLabel = [&](const QDate& d) {
    return kind == PeriodKind::Day ? in.format.monthLabel(d) : QString::number(d.year());
  };
  s.print(g.firstWindowLabelX, 175, windowLabel(in.window.start));
  s.print(g.lastWindowLabelX, 175, windowLabel(in.window.end));
}

void drawSeries(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartSeries series) {
  const ChartGeometry& g = chartGeometry(kind);
  const Quantity q = quantity(series, in);
  const double fDl = scaleFactor(q.fullHeight, q.highestDl);
  const double fUl = scaleFactor(q.fullHeight, q.highestUl);
  const int barRight = g.slotWidth - 2;
  const ChartPalette& pal = in.palette;

  switch (series) {
    case ChartSeries::Volumes:
      walkSlots(
          in, kind,
          [&](const PeriodRow& r, int x) {
            if (const int h = valueHeight(static_cast<double>(q.dl(r)), fDl); h > 0)
              s.filledBox(x, kDlBase, x + barRight, kDlBase - h, pal[6]);
            if (const int h = valueHeight(static_cast<double>(q.ul(r)), fUl); h > 0)
              s.filledBox(x, kUlBase, x + barRight, kUlBase + h, pal[2]);
          },
          [] {});
      break;
    case ChartSeries::MaxRates:
      walkSlots(
          in, kind,
          [&](const PeriodRow& r, int x) {
            if (const int h = valueHeight(static_cast<double>(q.dl(r)), fDl); h > 0)
              s.filledBox(x, kDlBase - h, x + barRight, kDlBase - 2 - h, pal[0]);
            if (const int h = valueHeight(static_cast<double>(q.ul(r)), fUl); h > 0)
              s.filledBox(x, kUlBase + h, x + barRight, kUlBase + 2 + h, pal[5]);
          },
          [] {});
      break;
    case ChartSeries::MeanRates: {
      // The previous point of each direction; none when a slot had no row
      // or a zero height, which breaks that direction's line.
      std::optional<QPoint> prevDl, prevUl;
      const int dx = g.slotWidth / 2 - 1;
      auto point = [&](std::optional<QPoint>& prev, int h, int x, int y, const QColor& color) {
        s.setFillColor(color);
        if (h <= 0) {
          prev.reset();
          return;
        }
        s.circle(x, y, 2, color);
        if (prev) s.line(prev->x(), prev->y(), x, y, color);
        prev = QPoint(x, y);
      };
      walkSlots(
          in, kind,
          [&](const PeriodRow& r, int x) {
            const int hd = valueHeight(static_cast<double>(q.dl(r)), fDl);
            point(prevDl, hd, x + dx, kDlBase - hd, pal[1]);
            const int hu = valueHeight(static_cast<double>(q.ul(r)), fUl);
            point(prevUl, hu, x + dx, kUlBase + hu, pal[5]);
          },
          [&] {
            prevDl.reset();
            prevUl.reset();
          });
      break;
    }
  }
}

void drawScale(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartSeries series) {
  const ChartGeometry& g = chartGeometry(kind);
  const Quantity q = quantity(series, in);
  s.setDotted(true);
  s.line(g.x0, q.scaleTop, g.axisEnd, q.scaleTop, kScaleGrey);
  s.line(g.x0, q.scaleBottom, g.axisEnd, q.scaleBottom, kScaleGrey);
  s.setDotted(false);
  const QString dl = QString::number(q.highestDl) + q.unit;
  s.print(g.x0 - s.textWidth(dl) - 10, q.scaleLabelTop, dl);
  const QString ul = QString::number(q.highestUl) + q.unit;
  s.print(g.x0 - s.textWidth(ul) - 10, q.scaleLabelBottom, ul);
}

void drawReference(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartSeries series) {
  const ChartGeometry& g = chartGeometry(kind);
  const Quantity q = quantity(series, in);
  const int levelDl = valueHeight(static_cast<double>(q.referenceDl), scaleFactor(q.fullHeight, q.highestDl));
  const int levelUl = valueHeight(static_cast<double>(q.referenceUl), scaleFactor(q.fullHeight, q.highestUl));
  s.setDotted(true);
  s.line(g.x0, kDlBase - levelDl, g.axisEnd, kDlBase - levelDl, kScaleGrey);
  s.line(g.x0, kUlBase + levelUl, g.axisEnd, kUlBase + levelUl, kScaleGrey);
  s.setDotted(false);
  const QString dl = QString::number(q.referenceDl) + q.unit;
  s.print(g.x0 - s.textWidth(dl) - 10, kDlBase - 2 - levelDl, dl);
  const QString ul = QString::number(q.referenceUl) + q.unit;
  s.print(g.x0 - s.textWidth(ul) - 10, kUlBase - 10 + levelUl, ul);
}

void drawView(ChartSurface& s, const ChartInputs& in, PeriodKind kind, ChartView view) {
  drawFrame(s, in, kind);
  if (view == ChartView::All) {
    drawSeries(s, in, kind, ChartSeries::Volumes);
    drawSeries(s, in, kind, ChartSeries::MaxRates);
    drawSeries(s, in, kind, ChartSeries::MeanRates);
    return;
  }
  const ChartSeries series = view == ChartView::Volumes    ? ChartSeries::Volumes
                             : view == ChartView::MaxRates ? ChartSeries::MaxRates
                                                           : ChartSeries::MeanRates;
  drawScale(s, in, kind, series);
  drawSeries(s, in, kind, series);
  drawReference(s, in, kind, series);
}

}  // namespace tavo::stats
