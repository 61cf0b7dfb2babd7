#pragma once
// A skin of the main window: a bitmap, whose size is the window's size and
// whose top-left pixel's colour is cut away from the window's shape, plus a
// layout placing the two rate figures, the "set" label and the mini graph.
// No widgets here: the window applies what these functions compute.
#include "common/keyvalue.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tavo::monitor {

struct SkinLayout {
  std::int16_t DLLabelX = 0, DLLabelY = 0;
  QString DLLabelFont;
  std::int16_t DLLabelFontsize = 0;
  std::int16_t ULLabelX = 0, ULLabelY = 0;
  QString ULLabelFont;
  std::int16_t ULLabelFontsize = 0;
  std::int16_t SetLabelX = 0, SetLabelY = 0;
  QString SetLabelFont;
  std::int16_t SetLabelFontsize = 0;
  std::int16_t GraphX = 0, GraphY = 0;
  std::int16_t ColorR = 0, ColorG = 0, ColorB = 0;
  QString SkinBitmapFile;  // inside the skins folder; empty: the built-in bitmap

  bool operator==(const SkinLayout&) const = default;

  // The colour of the texts, bars and frame (each part kept in 0..255).
  QColor color() const;
};

inline constexpr int kGraphWidth = 60;
inline constexpr int kGraphHeight = 50;
inline constexpr int kBuiltinSkinWidth = 136;
inline constexpr int kBuiltinSkinHeight = 131;
inline constexpr int kBuiltinFontSize = 8;

// The built-in values of the 17 layout entries; the bitmap path is empty.
SkinLayout builtinSkinLayout();

// The built-in layout values laid over `layout`, keeping its bitmap path.
void setBuiltinValues(SkinLayout& layout);

// Stores each known descriptor key's value; unknown keys are ignored and a
// later pair wins. Returns how many pairs carried a known key.
int applyDescriptorPairs(SkinLayout& layout, const std::vector<KeyValue>& pairs);

// Reads a descriptor file. Nothing (and *why set) when it is missing,
// unreadable, larger than kMaxDescriptorBytes or holds no known key: the
// caller then keeps the skin it has.
inline constexpr qint64 kMaxDescriptorBytes = 64 * 1024;
std::optional<std::vector<KeyValue>> readSkinDescriptor(const QString& path, QString* why = nullptr);

// The built-in skin's picture, drawn at start: a beige and brown disc on
// black, 136 x 131, 24-bit. Its edge is drawn without smoothing so the key
// colour stays exact black around it.
QImage makeBuiltinSkinImage();

// Loads a skin bitmap: nothing when the file is missing, unreadable, not an
// image, empty or larger than kMaxSkinSide on a side.
inline constexpr int kMaxSkinSide = 2048;
std::optional<QImage> loadSkinBitmap(const QString& path, QString* why = nullptr);

// The shape of a bitmap as one rectangle per run of shape pixels in each
// row: a pixel unlike pixel (0, 0) is a shape pixel; a run never spans two
// rows and a run reaching the right edge ends there.
std::vector<QRect> shapeRuns(const QImage& bitmap);

// The window region of a bitmap, or nothing when it has no shape pixel.
std::optional<QRegion> RegionFromBitmap(const QImage& bitmap);

// The font of a skin label, made from its current one (underline kept): a
// family the system lacks falls back to fallbackFamily (the default font's),
// a size of 0 or below to the built-in size.
QFont skinFont(const QFont& current, const QString& family, std::int16_t pointSize, const QString& fallbackFamily);

// A rate figure's label for one text: its place and its font.
struct RateLabelFit {
  QRect geometry;
  QFont font;
  bool operator==(const RateLabelFit&) const = default;
};

// How far left a rate label whose skin place is `base` may grow: to the
// window's left edge, but not into an obstacle on its rows (the other
// figure, the "set" label, the mini graph) nor past the start of the
// skin's shape on any of its rows (shapeRuns of the bitmap; empty: the
// whole window is shown). Never right of base's own left edge.
int rateLabelLeftLimit(const QRect& base, const std::vector<QRect>& obstacles, const std::vector<QRect>& shapeRuns);

// The label for `text`: the skin's place and font when the text fits in
// it (as every figure of a slower line does); else the label keeps its
// right edge and grows left up to leftLimit; where even that is too
// narrow, the font is made smaller until the text fits whole. Measured
// for `device` (the label), so a scaled screen gets its own widths.
// A grown label leaves out the rows it shares at its top or bottom with the
// other figure's skin place (`other`; the built-in skin stacks them so).
RateLabelFit fitRateLabel(const QString& text, const QFont& font, const QRect& base, int leftLimit,
                          const QRect& other = {}, const QPaintDevice* device = nullptr);

// The width the label needs to show `text` whole in this font.
int rateTextWidth(const QString& text, const QFont& font, const QPaintDevice* device = nullptr);

}  // namespace tavo::monitor
