#include "monitor/core/fixedpalette.h"

#include <cmath>

namespace tavo::monitor {

QPalette fixedLightPalette() {
  const QColor face(240, 240, 240), black(0, 0, 0), white(255, 255, 255), grey(120, 120, 120);
  QPalette p;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool off = group == QPalette::Disabled;
    const QColor text = off ? grey : black;
    p.setColor(group, QPalette::Window, face);
    p.setColor(group, QPalette::WindowText, text);
    p.setColor(group, QPalette::Base, off ? face : white);
    p.setColor(group, QPalette::AlternateBase, QColor(233, 231, 227));
    p.setColor(group, QPalette::Text, text);
    p.setColor(group, QPalette::PlaceholderText, grey);
    p.setColor(group, QPalette::Button, face);
    p.setColor(group, QPalette::ButtonText, text);
    p.setColor(group, QPalette::BrightText, white);
    p.setColor(group, QPalette::Light, white);
    p.setColor(group, QPalette::Midlight, QColor(227, 227, 227));
    p.setColor(group, QPalette::Mid, QColor(160, 160, 160));
    p.setColor(group, QPalette::Dark, QColor(160, 160, 160));
    p.setColor(group, QPalette::Shadow, QColor(105, 105, 105));
    p.setColor(group, QPalette::Highlight, off ? QColor(200, 200, 200) : QColor(0, 120, 215));
    p.setColor(group, QPalette::HighlightedText, white);
    p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(group, QPalette::ToolTipText, black);
    p.setColor(group, QPalette::Link, QColor(0, 0, 192));
    p.setColor(group, QPalette::LinkVisited, QColor(82, 24, 139));
  }
  return p;
}

namespace {

double luminance(const QColor& c) {
  auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& ground, const QColor& preferred) {
  constexpr double kReadable = 4.5;
  QColor c = preferred;
  for (int step = 0; step < 20 && contrastRatio(ground, c) < kReadable; ++step)
    c = luminance(ground) < 0.5 ? c.lighter(115) : c.darker(115);
  return c;
}

}  // namespace tavo::monitor
