#include "monitor/core/detailgraph.h"

#include <algorithm>

namespace tavo::monitor {

std::int64_t scaleForMaximum(std::int64_t maximum) {
  if (maximum < 0) maximum = 0;
  return (maximum / 100 + 1) * 100;
}

int barHeight(std::int64_t value, std::int64_t scale) {
  if (value <= 0 || scale <= 0) return 0;
  const std::int64_t h = value * 100 / scale;
  return static_cast<int>(std::min<std::int64_t>(h, 100));
}

DetailGraphColumns computeDetailGraph(const DetailGraphInput& input) {
  DetailGraphColumns out;
  std::int64_t maxDL = 0;
  std::int64_t maxUL = 0;
  for (int i = 0; i < kColumns; ++i) {
    maxDL = std::max<std::int64_t>(maxDL, input.download.values[i]);
    maxUL = std::max<std::int64_t>(maxUL, input.upload.values[i]);
  }
  out.downloadScale = scaleForMaximum(maxDL);
  out.uploadScale = scaleForMaximum(maxUL);

  // A write index outside the ring (hand-made input) is folded back in
  // rather than read past the end.
  auto start = [](int writeIndex) { return ((writeIndex % kColumns) + kColumns + 1) % kColumns; };
  const int dlStart = start(input.download.writeIndex);
  const int ulStart = start(input.upload.writeIndex);
  for (int c = 0; c < kColumns; ++c) {
    const int dlSlot = (dlStart + c) % kColumns;
    out.download[c] = input.download.values[dlSlot];
    out.downloadHeight[c] = barHeight(out.download[c], out.downloadScale);
    out.timeLabels[c] = input.timeLabels[dlSlot];
    const int ulSlot = (ulStart + c) % kColumns;
    out.upload[c] = input.upload.values[ulSlot];
    out.uploadHeight[c] = barHeight(out.upload[c], out.uploadScale);
  }
  return out;
}

void paintDetailGraph(QPainter& p, const DetailGraphColumns& cols, const QColor& panelColour) {
  using namespace geometry;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(0, 0, kWidth, kHeight, Qt::white);
  p.fillRect(0, 0, kWidth, kPanelHeight, panelColour);

  for (int c = 0; c < kColumns; ++c) {
    const int x = kFirstColumnX + c;
    if (const int h = cols.downloadHeight[c]; h > 0) p.fillRect(x, kDownloadBaseline - h + 1, 1, h, kDownloadColour);
    if (const int h = cols.uploadHeight[c]; h > 0) p.fillRect(x, kUploadBaseline, 1, h, kUploadColour);
  }

  QPen dotted(kDottedColour, 1, Qt::DotLine);
  dotted.setCosmetic(true);
  p.setPen(dotted);
  const int lastX = kFirstColumnX + kColumns - 1;
  for (int y : {kDownloadFullY, kDownloadHalfY, kUploadFullY, kUploadHalfY}) p.drawLine(kFirstColumnX, y, lastX, y);
  for (int k = 1; k <= 10; ++k) p.drawLine(60 + 60 * k, kDownloadFullY, 60 + 60 * k, kUploadFullY);

  QPen solid(Qt::black, 1, Qt::SolidLine);
  solid.setCosmetic(true);
  p.setPen(solid);
  p.drawLine(kAxisX, kDownloadFullY, kAxisX, kDownloadAxisY);
  p.drawLine(kAxisX, kDownloadAxisY, 660, kDownloadAxisY);
  p.drawLine(kAxisX, kUploadAxisY, kAxisX, kUploadFullY);
  p.drawLine(kAxisX, kUploadAxisY, 660, kUploadAxisY);
  p.restore();
}

QImage renderDetailGraph(const DetailGraphColumns& columns, const QColor& panelColour) {
  QImage image(geometry::kWidth, geometry::kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  paintDetailGraph(p, columns, panelColour);
  return image;
}

QString fullScaleText(std::int64_t scale) { return QString::number(scale); }
QString halfScaleText(std::int64_t scale) { return QString::number(scale / 2); }
QString timeScaleText(int k) { return k == 0 ? QStringLiteral("0") : QStringLiteral("-%1").arg(k); }

QString columnTooltip(const DetailGraphColumns& cols, int offset, bool upload) {
  const int c = std::clamp(offset, 0, kColumns - 1);
  const QString& label = cols.timeLabels[c];
  if (label.isEmpty()) return QStringLiteral(" ---- ");
  return QString::number(upload ? cols.upload[c] : cols.download[c]) + QStringLiteral(" kbit/s -- ") + label;
}

}  // namespace tavo::monitor
