#include "monitor/core/bubbleplacement.h"

#include "common/numbers.h"

namespace tavo::monitor {

QPoint screenCentre(const QRect& screen) {
  const int cx = static_cast<int>(roundHalfEven(screen.left() + screen.width() / 2.0));
  const int cy = static_cast<int>(roundHalfEven(screen.top() + screen.height() / 2.0));
  return {cx, cy};
}

QPoint bubblePosition(QPoint pointer, const QRect& screen) {
  const QPoint c = screenCentre(screen);
  const int sx = pointer.x() > c.x() ? -1 : 1;
  const int sy = pointer.y() > c.y() ? -1 : 1;
  return {pointer.x() + 130 * sx - 124, pointer.y() + 45 * sy - 40};
}

}  // namespace tavo::monitor
