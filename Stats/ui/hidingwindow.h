#pragma once
// The analyser's windows that hide instead of closing when the user closes
// them, until the program ends: the graph windows and the raw data.
#include <QWidget>

namespace tavo::stats {

class HidingWindow : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  void setProgramEnding(bool ending) { programEnding_ = ending; }
 signals:
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool programEnding_ = false;
};

}  // namespace tavo::stats
