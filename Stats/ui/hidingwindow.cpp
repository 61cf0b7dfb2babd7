#include "Stats/ui/hidingwindow.h"

#include <QCloseEvent>

namespace tavo::stats {

void HidingWindow::closeEvent(QCloseEvent* event) {
  if (programEnding_) {
    event->accept();
    return;
  }
  event->ignore();
  emit closedByUser();
  hide();
}

}  // namespace tavo::stats
