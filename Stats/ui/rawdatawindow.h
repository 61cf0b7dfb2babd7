#pragma once
// The analyser's raw-data window frmRawData: one line per day or month of
// the chosen period.
#include "Stats/ui/hidingwindow.h"

class QListWidget;

namespace tavo::stats {

class frmRawData : public HidingWindow {
  Q_OBJECT
 public:
  frmRawData();
  void setLines(const QStringList& lines);

 private:
  QListWidget* list_;
};

}  // namespace tavo::stats
