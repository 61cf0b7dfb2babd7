#pragma once
// The detailed graph's picture: the 600 newest values of one pair of rate
// rings as bars, download above its axis and upload below, with the fixed
// axes and dotted scale lines. Everything here is plain data and QPainter
// work so that the drawing can be checked pixel by pixel on a QImage.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <cstdint>

namespace tavo::monitor {

inline constexpr int kColumns = 600;

// One ring as the graph reads it: the slot values in whole kbit/s and the
// slot written last (the newest).
struct RingSnapshot {
  std::array<std::int32_t, kColumns> values{};
  int writeIndex = 0;
};

// What one view of the graph is drawn from: the download and upload rings
// of one period and the time label of each slot ("" when never written).
struct DetailGraphInput {
  RingSnapshot download;
  RingSnapshot upload;
  std::array<QString, kColumns> timeLabels;
};

// DetailGraphColumns: column 0 is the oldest slot, column 599 the newest.
struct DetailGraphColumns {
  std::array<std::int32_t, kColumns> download{};
  std::array<std::int32_t, kColumns> upload{};
  std::array<QString, kColumns> timeLabels;
  // Bar heights in pixels, never more than 99 (a bar stays below the
  // full-scale line) and never negative.
  std::array<int, kColumns> downloadHeight{};
  std::array<int, kColumns> uploadHeight{};
  std::int64_t downloadScale = 100;
  std::int64_t uploadScale = 100;
};

// The smallest whole number of hundreds strictly above the maximum, never
// below 100: 0..99 -> 100, 100 -> 200, 1234 -> 1300.
std::int64_t scaleForMaximum(std::int64_t maximum);

// Bar height for a value on a scale: value * 100 / scale rounded down,
// negative values (a counter that went backwards) drawn as no bar.
int barHeight(std::int64_t value, std::int64_t scale);

DetailGraphColumns computeDetailGraph(const DetailGraphInput& input);

// Geometry of the drawing surface, in pixels from the client area's top-left.
namespace geometry {
inline constexpr int kWidth = 692;
inline constexpr int kHeight = 543;
inline constexpr int kFirstColumnX = 61;
inline constexpr int kDownloadBaseline = 384;  // bottom row of a download bar
inline constexpr int kUploadBaseline = 411;    // top row of an upload bar
inline constexpr int kDownloadAxisY = 385;
inline constexpr int kUploadAxisY = 410;
inline constexpr int kAxisX = 59;
inline constexpr int kDownloadFullY = 285;
inline constexpr int kDownloadHalfY = 335;
inline constexpr int kUploadFullY = 510;
inline constexpr int kUploadHalfY = 460;
inline constexpr int kPanelHeight = 253;  // the upper panel's grey band
}  // namespace geometry

inline const QColor kDownloadColour{0, 128, 0};
inline const QColor kUploadColour{192, 0, 0};
inline const QColor kDottedColour{175, 175, 175};

// Paints the whole surface: white ground, the upper panel band in
// panelColour, bars, then axes and dotted lines over them.
void paintDetailGraph(QPainter& painter, const DetailGraphColumns& columns, const QColor& panelColour);
QImage renderDetailGraph(const DetailGraphColumns& columns, const QColor& panelColour);

// Scale label texts: full and half scale.
QString fullScaleText(std::int64_t scale);
QString halfScaleText(std::int64_t scale);
// "0", "-1" ... "-10" under the time axis.
QString timeScaleText(int k);

// Tooltip of the pointed column: "<value> kbit/s -- <time>" or " ---- "
// when the column's slot was never written. Both areas take the time from
// the download series. Offsets outside 0..599 are clamped.
QString columnTooltip(const DetailGraphColumns& columns, int offset, bool upload);

}  // namespace tavo::monitor
