#include "monitor/ui/monitorwindows.h"

namespace tavo::monitor {

MonitorWindows::MonitorWindows(MonitorEngine& engine, MonitorUi::Seams seams)
    : engine_(engine), ui_(std::make_unique<MonitorUi>(engine, std::move(seams))),
      bulle_(std::make_unique<tavo::views::BulleGraphe>(engine)) {
  bulle_->setHoverWidget(ui_->net().lblGraphe);
  openChooser = [this] { chooser().OpenChooser(); };

  SecondaryWindows w;
  w.DrawHoursGraph = [this] { bulle_->DrawHoursGraph(); };
  w.openInterfaceChooser = [this] {
    if (openChooser) openChooser();
  };
  // The bubble module follows the engine's log signals for its window itself.
  w.armBubble = [this] { bulle_->lblGraphe_MouseMove(); };
  w.HideBubble = [this] { bulle_->HideBubble(); };
  w.applyTexts = [this](bool french) {
    bulle_->applyTexts(french);
    chooser().applyTexts(french);
  };
  ui_->setSecondaryWindows(std::move(w));

  MonitorUi* ui = ui_.get();
  QObject::connect(&bulle_->big(), &tavo::views::frmBig::statsRequested, ui, &MonitorUi::mnuStats_Click);
  QObject::connect(&bulle_->big(), &tavo::views::frmBig::logViewerRequested, ui, &MonitorUi::mnuLogViewer_Click);
}

MonitorWindows::~MonitorWindows() {
  chooser_.reset();
  bulle_.reset();
  ui_.reset();
}

tavo::views::frmInterfaces& MonitorWindows::chooser() {
  if (!chooser_) chooser_ = std::make_unique<tavo::views::frmInterfaces>(engine_, &ui_->settingsDialog());
  return *chooser_;
}

}  // namespace tavo::monitor
