#pragma once
// The uninstaller program: the removal of the core shown in the window
// Dummy; the message boxes, the start of the copy and the end of the
// program go through the desktop seam.
#include <QObject>
#include <memory>

#include "UnInstaller_FR/core/uninstaller.h"

namespace tavo::uninstall {

class Dummy;

class UninstallerProgram : public QObject {
  Q_OBJECT
 public:
  // pauseMs is Timer1's interval, the pause before the deletions.
  UninstallerProgram(const QString& programFolder, tavo::DesktopSeam& desktop, int pauseMs = 2000);
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
  tavo::DesktopSeam& desktop_;
  Uninstaller uninstaller_;
  bool ended_ = false;
};

}  // namespace tavo::uninstall
