#pragma once
// Where the hover bubble goes: pure geometry, in screen pixels.
#include <QPoint>
#include <QRect>

namespace tavo::monitor {

// The bubble's fixed size.
inline constexpr int kBubbleWidth = 287;
inline constexpr int kBubbleHeight = 127;

// The mini graph's hover area on screen. Its right and bottom bounds are
// left + width and top + height, and every bound counts as inside, so the
// column just right of the area and the row just below it still count.
struct HoverArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  static HoverArea fromTopLeftAndSize(QPoint topLeft, QSize size) {
    return {topLeft.x(), topLeft.y(), topLeft.x() + size.width(), topLeft.y() + size.height()};
  }
  bool contains(QPoint p) const { return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom; }
};

// The centre of a screen: its left and top plus half its size, halves
// going to the even neighbour.
QPoint screenCentre(const QRect& screen);

// The bubble's top-left corner: towards the centre of the screen under the
// pointer on each axis, 6 right and 5 below the pointer in the upper-left
// quarter, (px - 254, py - 85) in the lower-right one. A pointer exactly on
// the centre column or row counts as left of or above the centre.
QPoint bubblePosition(QPoint pointer, const QRect& screen);

}  // namespace tavo::monitor
