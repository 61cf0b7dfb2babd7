#pragma once
// Every window of the monitor, wired together: the main window, the
// settings dialog and the tray (MonitorUi), and the secondary windows of
// the bubble, the detailed graph and the interface chooser. This is the one
// place where the windows' signals meet the engine and the procedures. The
// program makes one after its engine and drops it before the engine.
#include "common/desktopseam.h"
#include "monitor/ui/monitorui.h"
#include "monitor/ui/bullegraphe.h"
#include "monitor/ui/frminterfaces.h"

#include <memory>

namespace tavo::monitor {

class MonitorWindows : public StartupSteps {
 public:
  // The desktop is the program's (a RealDesktop) or a test's; it outlives this.
  MonitorWindows(MonitorEngine& engine, tavo::DesktopSeam& desktop);
  ~MonitorWindows() override;
  MonitorWindows(const MonitorWindows&) = delete;
  MonitorWindows& operator=(const MonitorWindows&) = delete;

  // The window steps of the engine's start-up: engine.Main(windows).
  void ApplyLanguage() override;
  void LaunchUpdater() override;
  void LoadSkins() override;
  void AddTrayIcon() override;
  void ShowMain() override;

  MonitorUi& ui() { return *ui_; }
  tavo::monitor::BulleGraphe& bulle() { return *bulle_; }
  // Created on first use, then kept.
  tavo::monitor::frmInterfaces& chooser();

 private:
  void bindMainWindow();
  // What the settings do to the main window, dialog or not.
  void bindSettings();
  // The dialog, when it is made: filled from the settings and the engine,
  // then kept in step with them.
  void bindSettingsDialog(frmSettings& dialog);
  void bindTrayMenu();
  void bindEngine();
  void bindSecondaryWindows();

  MonitorEngine& engine_;
  std::unique_ptr<MonitorUi> ui_;
  std::unique_ptr<tavo::monitor::BulleGraphe> bulle_;
  std::unique_ptr<tavo::monitor::frmInterfaces> chooser_;
};

}  // namespace tavo::monitor
