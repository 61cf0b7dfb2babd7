#include "common/clickablepicture.h"

#include <QMouseEvent>

namespace tavo {

void ClickablePicture::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
  // Like a button: the click counts when released over the picture.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace tavo
