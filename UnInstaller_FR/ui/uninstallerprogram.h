#pragma once
// The uninstaller program: the removal of the core shown in the window
// Dummy, with the desktop's message boxes and program start.
#include <QObject>
#include <functional>
#include <memory>

#include "UnInstaller_FR/core/uninstaller.h"

namespace tavo::uninstall {

class Dummy;

// Real message boxes (plain text) and QProcess::startDetached.
UninstallerSeams desktopSeams();

class UninstallerProgram : public QObject {
  Q_OBJECT
 public:
  // quit ends the program (leaves the event loop); pauseMs is Timer1's
  // interval, the pause before the deletions.
  UninstallerProgram(const QString& programFolder, UninstallerSeams seams, std::function<void()> quit,
                     int pauseMs = 2000);
  ~UninstallerProgram() override;

  // UninstallMain. True when the log window stays open until cmdDone or
  // its close box; false when the program ends now.
  bool start(const QStringList& arguments);

  bool ended() const { return ended_; }
  Dummy& window() { return *dummy_; }
  Uninstaller& uninstaller() { return uninstaller_; }

 private:
  void AppendUninstallLog(const QString& line);
  bool pause();
  bool letEventsRun();
  void endProgram();

  std::unique_ptr<Dummy> dummy_;
  std::function<void()> quit_;
  Uninstaller uninstaller_;
  bool ended_ = false;
};

}  // namespace tavo::uninstall
