#include "LogViewer/core/loggraph.h"

#include <QFontMetrics>
#include <QPainter>

#include "common/numbers.h"

namespace tavo::logv {

namespace {

constexpr int kDpm96 = 3780;  // 96 dots per inch in dots per metre
constexpr int kLeft = 110;
constexpr int kRight = 712;
constexpr int kDownloadAxis = 140;
constexpr int kUploadAxis = 160;
constexpr int kDownloadBase = 138;
constexpr int kUploadBase = 162;
constexpr int kDownloadTop = 38;
constexpr int kUploadBottom = 262;

int scaled(std::int32_t rate, double scale) { return static_cast<int>(clampToInt32(roundHalfEven(rate * scale))); }

// A filled box with both corners inside it, outline and inside one colour.
void box(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c) {
  p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), c);
}

void line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c) {
  p.setPen(QPen(c, 0));
  p.drawLine(x1, y1, x2, y2);
}

// One pixel on, one off, from x1 to x2.
void dottedLine(QPainter& p, int x1, int x2, int y, const QColor& c) {
  p.setPen(QPen(c, 0));
  for (int x = x1; x <= x2; x += 2) p.drawPoint(x, y);
}

// Text whose left edge is at x and top at y.
void textAt(QPainter& p, int x, int y, const QString& s, const QColor& c) {
  p.setPen(QPen(c, 0));
  p.drawText(x, y + p.fontMetrics().ascent(), s);
}

// Text whose right edge is at x 100: left edge at 110 - width - 10.
void textRightOfScale(QPainter& p, int y, const QString& s, const QColor& c) {
  textAt(p, kLeft - p.fontMetrics().horizontalAdvance(s) - 10, y, s, c);
}

void DrawGraphAxes(QPainter& p, const LogGraphInput& in) {
  p.fillRect(QRect(0, 0, kGraphWidth, kGraphHeight), in.background);
  const QColor black(0, 0, 0);
  line(p, 108, kDownloadAxis, 108, kDownloadTop, black);
  line(p, 108, kDownloadAxis, kRight, kDownloadAxis, black);
  line(p, 108, kUploadAxis, 108, kUploadBottom, black);
  line(p, 108, kUploadAxis, kRight, kUploadAxis, black);
}

void drawTick(QPainter& p, const LogGraphInput& in, const LogSample& s, int x) {
  const auto tick = DrawTimeTick(in.zoom.ZoomLevel, s.time(), x, in.format);
  if (!tick) return;
  const QColor black(0, 0, 0);
  line(p, tick->x, kDownloadAxis, tick->x, kDownloadAxis + 3, black);
  line(p, tick->x, kUploadAxis, tick->x, kUploadAxis - 3, black);
  textAt(p, tick->x - p.fontMetrics().horizontalAdvance(tick->label) / 2, 144, tick->label, in.text);
}

void DrawSampleBars(QPainter& p, const LogGraphInput& in) {
  const double dScale = barScale(in.visible.downloadMax);
  const double uScale = barScale(in.visible.uploadMax);
  const QColor& dColour = in.palette[5];
  const QColor& uColour = in.palette[1];
  int x = kLeft;
  const std::int32_t last = std::min(in.visible.last, in.samples.count());
  for (std::int32_t i = std::max(in.visible.first, 1); i <= last; ++i) {
    const LogSample s = in.samples.at(i);
    drawTick(p, in, s, x);
    const int dh = scaled(s.download, dScale);
    if (dh > 0) box(p, x, kDownloadBase, x + in.zoom.BarWidth, kDownloadBase - dh, dColour);
    const int uh = scaled(s.upload, uScale);
    if (uh > 0) box(p, x, kUploadBase, x + in.zoom.BarWidth, kUploadBase + uh, uColour);
    x += in.zoom.PixelStep;
  }
}

void DrawMaximumLines(QPainter& p, const LogGraphInput& in) {
  dottedLine(p, kLeft, kRight, kDownloadTop, kFullScaleGrey);
  dottedLine(p, kLeft, kRight, kUploadBottom, kFullScaleGrey);
  textRightOfScale(p, 28, QString::number(in.visible.downloadMax), in.text);
  textRightOfScale(p, 260, QString::number(in.visible.uploadMax), in.text);
}

void DrawMeanLines(QPainter& p, const LogGraphInput& in) {
  const int yd = kDownloadBase - scaled(in.visible.downloadMean, barScale(in.visible.downloadMax));
  line(p, kLeft, yd, kRight, yd, in.palette[1]);
  const int yu = kUploadBase + scaled(in.visible.uploadMean, barScale(in.visible.uploadMax));
  line(p, kLeft, yu, kRight, yu, in.palette[5]);
  textRightOfScale(p, yd - 2, QString::number(in.visible.downloadMean), in.text);
  textRightOfScale(p, yu - 10, QString::number(in.visible.uploadMean), in.text);
}

}  // namespace

QImage makeGraphImage() {
  QImage image(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDpm96);
  image.setDotsPerMeterY(kDpm96);
  image.fill(Qt::white);
  return image;
}

QFont graphFont() {
  QFont f(QStringLiteral("Arial"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(8.25);
  return f;
}

double barScale(std::int32_t maximum) { return maximum >= 1 ? 100.0 / maximum : 0.0; }

void DrawLogGraph(QImage& image, const LogGraphInput& in) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setFont(graphFont());
  DrawGraphAxes(p, in);
  DrawSampleBars(p, in);
  DrawMaximumLines(p, in);
  DrawMeanLines(p, in);
}

}  // namespace tavo::logv
