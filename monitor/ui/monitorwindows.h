#pragma once
// Every window of the monitor, wired together: the main window, the
// settings dialog, the tray (MonitorUi) and the secondary windows of the
// bubble, the detailed graph and the interface chooser. The program makes
// one after its engine and drops it before the engine.
#include "monitor/ui/monitorui.h"
#include "monitor/views/bullegraphe.h"
#include "monitor/views/frminterfaces.h"

#include <memory>

namespace tavo::monitor {

class MonitorWindows {
 public:
  explicit MonitorWindows(MonitorEngine& engine, MonitorUi::Seams seams = {});
  ~MonitorWindows();

  MonitorUi& ui() { return *ui_; }
  tavo::views::BulleGraphe& bulle() { return *bulle_; }
  // Created on first use, then kept.
  tavo::views::frmInterfaces& chooser();

  // The settings dialog's cmdInterface: shows the chooser modal. Tests
  // replace it so nothing blocks.
  std::function<void()> openChooser;

 private:
  MonitorEngine& engine_;
  std::unique_ptr<MonitorUi> ui_;
  std::unique_ptr<tavo::views::BulleGraphe> bulle_;
  std::unique_ptr<tavo::views::frmInterfaces> chooser_;
};

}  // namespace tavo::monitor
