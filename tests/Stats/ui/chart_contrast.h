#pragma once
// Contrast as the eye reads it (WCAG 2 relative luminance), measured from
// the pixels of a drawn chart: what stands in a small area against the
// colour that area is mostly made of. Shared by the analyser's and the log
// viewer's chart tests.
#include <QApplication>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

namespace tavo::testing {

inline double relativeLuminance(const QColor& c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

inline double contrastRatio(const QColor& a, const QColor& b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct InkOnGround {
  QColor ground;  // the area's most frequent colour
  QColor ink;     // the colour that stands out most from it
  double ratio = 1.0;
};

// The ground of `area` and its most contrasting ink. An area holding only
// its ground gives a ratio of 1.
inline InkOnGround inkOnGround(const QImage& image, const QRect& area) {
  const QRect r = area.intersected(image.rect());
  QHash<QRgb, int> counts;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  QRgb ground = 0;
  int most = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) most = it.value(), ground = it.key();
  InkOnGround result{QColor(ground), QColor(ground), 1.0};
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    const double ratio = contrastRatio(QColor(ground), QColor(it.key()));
    if (ratio > result.ratio) result = {QColor(ground), QColor(it.key()), ratio};
  }
  return result;
}

// A dark desktop theme as Fusion draws it (the palette of Adwaita:dark
// through the gtk3 platform theme): grounds of (36, 36, 36), white text.
inline QPalette darkPalette() {
  QPalette p;
  const QColor ground(36, 36, 36), raised(53, 53, 53), text(255, 255, 255);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Window, ground);
    p.setColor(group, QPalette::Base, ground);
    p.setColor(group, QPalette::AlternateBase, raised);
    p.setColor(group, QPalette::Button, raised);
    p.setColor(group, QPalette::WindowText, text);
    p.setColor(group, QPalette::Text, text);
    p.setColor(group, QPalette::ButtonText, text);
    p.setColor(group, QPalette::BrightText, text);
    p.setColor(group, QPalette::ToolTipBase, raised);
    p.setColor(group, QPalette::ToolTipText, text);
    p.setColor(group, QPalette::Light, QColor(80, 80, 80));
    p.setColor(group, QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(group, QPalette::Mid, QColor(45, 45, 45));
    p.setColor(group, QPalette::Dark, QColor(25, 25, 25));
    p.setColor(group, QPalette::Shadow, QColor(0, 0, 0));
    p.setColor(group, QPalette::Highlight, QColor(21, 83, 158));
    p.setColor(group, QPalette::HighlightedText, text);
  }
  return p;
}

// The application's palette for the life of a test, then the one before.
class AppPalette {
 public:
  explicit AppPalette(const QPalette& p) : old_(QApplication::palette()) { QApplication::setPalette(p); }
  ~AppPalette() { QApplication::setPalette(old_); }

 private:
  QPalette old_;
};

}  // namespace tavo::testing
