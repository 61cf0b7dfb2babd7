#pragma once
// The chooser program: its window frmChooser and what its buttons do. Each
// button starts its installer build and the chooser ends; the builds start,
// the messages show and the chooser ends through the desktop seam.
#include <QObject>
#include <QString>

#include <memory>

namespace tavo {
class DesktopSeam;
}

namespace tavo::chooser {

class frmChooser;

class ChooserProgram : public QObject {
  Q_OBJECT
 public:
  // folder: where the two builds are (the chooser's own folder).
  ChooserProgram(const QString& folder, tavo::DesktopSeam& desktop);
  ~ChooserProgram() override;

  void show();
  bool ended() const { return ended_; }
  frmChooser& window() { return *window_; }

 private:
  void cmdEN_Click();
  void cmdFR_Click();
  void choose(bool english);
  void end();

  QString folder_;
  tavo::DesktopSeam& desktop_;
  std::unique_ptr<frmChooser> window_;
  bool ended_ = false;
};

}  // namespace tavo::chooser
