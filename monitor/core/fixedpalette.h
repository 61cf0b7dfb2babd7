#pragma once
// The windows whose colours are fixed (the bubble, the detailed graph) set
// every colour they show, so that no desktop theme, dark or light, puts a
// theme's text colour on one of their fixed grounds.
#include <QColor>
#include <QPalette>

namespace tavo::monitor {

// A complete light palette: every role of every colour group is set.
QPalette fixedLightPalette();

// A text colour close to `preferred` that stays readable on `ground`: the
// preferred colour on a light ground, a lighter shade of it on a dark one.
QColor readableOn(const QColor& ground, const QColor& preferred);

// The contrast ratio of two colours (1 to 21), as used to judge legibility.
double contrastRatio(const QColor& a, const QColor& b);

}  // namespace tavo::monitor
