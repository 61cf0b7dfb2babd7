#include "monitor/core/skinlayout.h"

#include "common/numbers.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavo::monitor {

QColor SkinLayout::color() const {
  auto part = [](std::int16_t v) { return std::clamp<int>(v, 0, 255); };
  return QColor(part(ColorR), part(ColorG), part(ColorB));
}

void setBuiltinValues(SkinLayout& l) {
  l.DLLabelX = 100;
  l.DLLabelY = 93;
  l.DLLabelFont = QStringLiteral("Arial");
  l.DLLabelFontsize = kBuiltinFontSize;
  l.ULLabelX = 100;
  l.ULLabelY = 80;
  l.ULLabelFont = QStringLiteral("Arial");
  l.ULLabelFontsize = kBuiltinFontSize;
  l.SetLabelX = 70;
  l.SetLabelY = 106;
  l.SetLabelFont = QStringLiteral("Arial");
  l.SetLabelFontsize = kBuiltinFontSize;
  l.GraphX = 38;
  l.GraphY = 23;
  l.ColorR = 60;
  l.ColorG = 0;
  l.ColorB = 150;
}

SkinLayout builtinSkinLayout() {
  SkinLayout l;
  setBuiltinValues(l);
  return l;
}

int applyDescriptorPairs(SkinLayout& l, const std::vector<KeyValue>& pairs) {
  int known = 0;
  for (const auto& [key, value] : pairs) {
    std::int16_t* number = nullptr;
    QString* text = nullptr;
    if (key == u"DLLabelX") number = &l.DLLabelX;
    else if (key == u"DLLabelY") number = &l.DLLabelY;
    else if (key == u"DLLabelFont") text = &l.DLLabelFont;
    else if (key == u"DLLabelFontsize") number = &l.DLLabelFontsize;
    else if (key == u"ULLabelX") number = &l.ULLabelX;
    else if (key == u"ULLabelY") number = &l.ULLabelY;
    else if (key == u"ULLabelFont") text = &l.ULLabelFont;
    else if (key == u"ULLabelFontsize") number = &l.ULLabelFontsize;
    else if (key == u"SetLabelX") number = &l.SetLabelX;
    else if (key == u"SetLabelY") number = &l.SetLabelY;
    else if (key == u"SetLabelFont") text = &l.SetLabelFont;
    else if (key == u"SetLabelFontsize") number = &l.SetLabelFontsize;
    else if (key == u"GraphX") number = &l.GraphX;
    else if (key == u"GraphY") number = &l.GraphY;
    else if (key == u"ColorR") number = &l.ColorR;
    else if (key == u"ColorG") number = &l.ColorG;
    else if (key == u"ColorB") number = &l.ColorB;
    else if (key == u"SkinBitmapFile") text = &l.SkinBitmapFile;
    if (number) *number = readInt16(value);
    else if (text) *text = value;
    else continue;
    ++known;
  }
  return known;
}

std::optional<std::vector<KeyValue>> readSkinDescriptor(const QString& path, QString* why) {
  auto fail = [why](const char* text) -> std::optional<std::vector<KeyValue>> {
    if (why) *why = QString::fromLatin1(text);
    return std::nullopt;
  };
  QFileInfo info(path);
  if (path.isEmpty() || !info.exists() || !info.isFile()) return fail("missing");
  if (info.size() > kMaxDescriptorBytes) return fail("too large");
  bool exists = false;
  std::vector<KeyValue> pairs = readKeyValueFile(path, &exists);
  if (!exists) return fail("unreadable");
  SkinLayout probe;
  if (applyDescriptorPairs(probe, pairs) == 0) return fail("no skin value");
  return pairs;
}

QImage makeBuiltinSkinImage() {
  QImage image(kBuiltinSkinWidth, kBuiltinSkinHeight, QImage::Format_RGB888);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  // Brown rim, a lighter brown bevel, then the beige face.
  p.setBrush(QColor(110, 72, 38));
  p.drawEllipse(QRect(1, 0, 134, 131));
  p.setBrush(QColor(160, 112, 62));
  p.drawEllipse(QRect(5, 4, 126, 123));
  p.setBrush(QColor(222, 200, 158));
  p.drawEllipse(QRect(9, 8, 118, 115));
  // A pale panel behind the mini graph and a band behind the figures.
  p.setBrush(QColor(246, 236, 212));
  p.drawRoundedRect(QRect(33, 18, 72, 61), 6, 6);
  p.setBrush(QColor(236, 220, 186));
  p.drawRoundedRect(QRect(24, 80, 86, 26), 5, 5);
  // A few brown studs around the rim.
  p.setBrush(QColor(92, 58, 30));
  for (const QPoint c : {QPoint(68, 5), QPoint(68, 125), QPoint(8, 65), QPoint(128, 65)}) p.drawEllipse(c, 2, 2);
  p.end();
  return image;
}

std::optional<QImage> loadSkinBitmap(const QString& path, QString* why) {
  auto fail = [why](const char* text) -> std::optional<QImage> {
    if (why) *why = QString::fromLatin1(text);
    return std::nullopt;
  };
  QFileInfo info(path);
  if (path.isEmpty() || !info.exists() || !info.isFile()) return fail("missing");
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  if (!reader.canRead()) return fail("not an image");
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxSkinSide || size.height() > kMaxSkinSide)) return fail("too large");
  QImage image = reader.read();
  if (image.isNull()) return fail("unreadable");
  if (image.width() <= 0 || image.height() <= 0) return fail("empty");
  if (image.width() > kMaxSkinSide || image.height() > kMaxSkinSide) return fail("too large");
  return image;
}

std::vector<QRect> shapeRuns(const QImage& bitmap) {
  std::vector<QRect> runs;
  if (bitmap.isNull()) return runs;
  const QImage img = bitmap.convertToFormat(QImage::Format_RGB32);
  const int w = img.width();
  const int h = img.height();
  const QRgb key = img.pixel(0, 0);
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    int start = -1;
    for (int x = 0; x < w; ++x) {
      const bool shape = line[x] != key;
      if (shape && start < 0) {
        start = x;
      } else if (!shape && start >= 0) {
        runs.emplace_back(start, y, x - start, 1);
        start = -1;
      }
    }
    if (start >= 0) runs.emplace_back(start, y, w - start, 1);
  }
  return runs;
}

std::optional<QRegion> RegionFromBitmap(const QImage& bitmap) {
  const std::vector<QRect> runs = shapeRuns(bitmap);
  if (runs.empty()) return std::nullopt;
  // The runs are banded and sorted by row then column, as setRects wants.
  QRegion region;
  region.setRects(runs.data(), int(runs.size()));
  return region;
}

QFont skinFont(const QFont& current, const QString& family, std::int16_t pointSize, const QString& fallbackFamily) {
  QFont font = current;
  const bool known = !family.isEmpty() && QFontDatabase::hasFamily(family);
  font.setFamily(known ? family : fallbackFamily);
  font.setPointSize(pointSize > 0 ? pointSize : kBuiltinFontSize);
  return font;
}

int rateLabelLeftLimit(const QRect& base, const std::vector<QRect>& obstacles, const std::vector<QRect>& shapeRuns) {
  int limit = 0;
  for (const QRect& o : obstacles) {
    if (o.isEmpty() || o.bottom() < base.top() || o.top() > base.bottom()) continue;  // not on its rows
    // Only what stands left of the label's own place can be grown into;
    // what overlaps that place already is the skin's choice.
    if (o.right() < base.left()) limit = std::max(limit, o.right() + 1);
  }
  for (const QRect& run : shapeRuns) {
    if (run.top() < base.top() || run.top() > base.bottom()) continue;
    if (run.left() <= base.right() && run.right() >= base.right()) limit = std::max(limit, run.left());
  }
  return std::min(limit, base.left());
}

int rateTextWidth(const QString& text, const QFont& font, const QPaintDevice* device) {
  const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
  const QRectF ink = fm.boundingRect(text);
  // A right-aligned label ends the text's advance at its right edge; ink
  // left of the text's start would be cut as well.
  const qreal width = fm.horizontalAdvance(text) - std::min<qreal>(0.0, ink.left());
  return int(std::ceil(width - 1e-6));
}

RateLabelFit fitRateLabel(const QString& text, const QFont& font, const QRect& base, int leftLimit, const QRect& other,
                          const QPaintDevice* device) {
  const int needed = rateTextWidth(text, font, device);
  if (needed <= base.width()) return {base, font};
  const int right = base.left() + base.width();  // one past the label's last column
  // A grown label keeps a column of room before its text.
  const int left = std::min(base.left(), std::max(leftLimit, right - needed - 1));
  int top = base.top();
  int bottom = base.bottom();
  if (!other.isEmpty() && other.left() < right && other.right() >= left) {
    if (other.top() <= top && other.bottom() >= top && other.bottom() < bottom) top = other.bottom() + 1;
    if (other.bottom() >= bottom && other.top() <= bottom && other.top() > top) bottom = other.top() - 1;
  }
  RateLabelFit fit{QRect(left, top, right - left, bottom - top + 1), font};
  if (needed < fit.geometry.width()) return fit;
  // Too wide even so: the largest smaller size that fits.
  const bool points = font.pointSizeF() > 0;
  const qreal size = points ? font.pointSizeF() : qreal(font.pixelSize());
  constexpr qreal kStep = 0.25;
  for (qreal s = size - kStep; s >= 1.0; s -= kStep) {
    if (points) fit.font.setPointSizeF(s);
    else fit.font.setPixelSize(int(std::floor(s)));
    if (rateTextWidth(text, fit.font, device) < fit.geometry.width()) break;
  }
  return fit;
}

}  // namespace tavo::monitor
