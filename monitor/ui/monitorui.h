#pragma once
// The procedures of the monitor's main windows around the engine: the
// skinned main window and the settings dialog it owns, the tray icon and
// its menu, the quit, the starting of the other programs and the language
// texts. One object, owned by MonitorWindows, which connects the windows'
// signals to it; what concerns the secondary windows (detailed graph,
// bubble, interface chooser) it signals.
#include "common/desktopseam.h"
#include "common/platform/desktop/desktop.h"
#include "monitor/core/monitorengine.h"
#include "monitor/ui/frmnet.h"
#include "monitor/ui/frmsettings.h"
#include "monitor/ui/traymenu.h"
#include "monitor/core/languagetexts.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace tavo::monitor {

// What one click on the tray icon is, as the notification area reports it.
enum class TrayClick { LeftPress, LeftRelease, LeftDoubleClick, RightPress, RightRelease, RightDoubleClick, Other };
enum class TrayAction { None, ToggleMainWindow, PopUpMenu };
// The left button's release and double click and the right button's double
// click each show or hide the main window; the right button's release
// opens the menu; nothing else acts.
TrayAction trayActionFor(TrayClick click);

class MonitorUi : public QObject {
  Q_OBJECT
 public:
  // The desktop is the program's (a RealDesktop) or a test's; it outlives this.
  MonitorUi(MonitorEngine& engine, tavo::DesktopSeam& desktop);
  ~MonitorUi() override;

  void ApplyLanguage();
  void SetFrenchTexts();
  void SetEnglishTexts();
  void LaunchUpdater();
  void LoadSkins();
  // A saved place on a screen that is gone would lose the window: it then
  // comes to the primary screen's top-left corner.
  void keepMainWindowOnAScreen();
  void AddTrayIcon();
  // The main window shown and raised: the last step of start-up.
  void ShowMain();
  void RemoveTrayIcon();
  void ConfirmQuit();
  // A file the engine could not use: a box that does not block, and stderr.
  void showFileFailure(const tavo::monitor::FileFailure& failure);
  // Run about every second: shows the tray icon as soon as a notification area
  // appears (one that starts after the monitor), and brings the main window
  // back when it is hidden and the notification area has gone away.
  void keepMainWindowReachable();

  // The tray icon's clicks, as Picture1 received them: Qt's activation
  // (notification areas that report only that) and the clicks themselves
  // (the XEmbed tray, which tells each press, release and double click).
  void Picture1_Activated(QSystemTrayIcon::ActivationReason reason);
  void Picture1_Click(TrayClick click);
  void mnuMinimizeTavo_Click();
  void mnuMinimizeAll_Click();
  void mnuSettings_Click();
  void mnuBig_Click();
  void mnuStats_Click();
  void mnuLogViewer_Click();
  // A right press on the skin: with optMinAll the other windows are
  // minimised; else the main window hides, but only while the tray icon
  // can bring it back.
  void skinRightPress();
  // The settings dialog's log box: the rate log starts or stops, and the
  // dialog shows the file now written.
  void takeLoggingBox();
  void setTransparency(int opacity);
  // Opens a page or a file with the desktop's handler.
  void open(const QUrl& url);

  // Starts TavoStat or TavoLogV from the program folder with the language.
  void startSuiteProgram(const QString& name);

  // Skins chosen in the dialog.
  void changeSkin(const QString& descriptorPath);
  void defaultSkin();

  frmNet& net() { return *net_; }
  // The settings dialog is built when it is first asked for (opened from
  // the tray or the detailed graph, or by a test): most runs never open it.
  frmSettings& settingsDialog();
  bool settingsDialogBuilt() const { return settings_ != nullptr; }
  // The dialog's lblInterface names the interface the engine watches.
  void showSelectedInterface();
  TrayMenu& trayMenu() { return *trayMenu_; }
  QSystemTrayIcon* trayIcon() const { return tray_; }
  bool trayShown() const;
  const QString& QuitPrompt() const { return texts_.QuitPrompt; }
  const QString& QuitTitle() const { return texts_.QuitTitle; }
  tavo::DesktopSeam& desktop() const { return desktop_; }

 signals:
  void hoursGraphRequested();        // the tray's mnuBig
  void languageApplied(bool isFrench);
  // The settings dialog has just been built; it shows the designed state
  // until it is filled.
  void settingsDialogMade(frmSettings& dialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createTrayIcon();
  void watchTrayWhenDue();
  void applyTexts(const MonitorTexts& texts);
  QString languageCode() const { return engine_.IsFrench ? QStringLiteral("FR") : QStringLiteral("EN"); }

  MonitorEngine& engine_;
  tavo::DesktopSeam& desktop_;
  std::unique_ptr<frmNet> net_;
  std::unique_ptr<frmSettings> settings_;
  std::unique_ptr<TrayMenu> trayMenu_;
  bool textsApplied_ = false;
  QPointer<QSystemTrayIcon> tray_;
  desktop::TrayWatch trayChanges_;
  bool trayWatched_ = false;
  // Between two watches of the tray where it is polled; a little under the
  // tick's second so that every tick's wake-up finds it due.
  QDeadlineTimer trayWatchDue_;
  static constexpr int kTrayWatchMs = 900;
  MonitorTexts texts_;
  // Qt's own words elsewhere (a text box's context menu) in the monitor's
  // language, where the desktop has Qt's translations; the message boxes
  // carry our own words and need none.
  std::unique_ptr<QTranslator> qtTexts_;
  bool trayBusy_ = false;
  // When "Show/Hide" last showed the main window.
  QElapsedTimer shownByUs_;
  static constexpr int kMapDelayMs = 1500;
};

}  // namespace tavo::monitor
