#pragma once
// A small picture laid over a button: a left click on it does what the
// button does.
#include <QLabel>

namespace tavo {

class ClickablePicture : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tavo
