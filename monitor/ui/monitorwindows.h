#pragma once
// The one class that binds the monitor's windows to its engine. It owns
// every window: the skinned main window frmNet, the settings dialog
// frmSettings, the tray icon and its menu, the bubble frmBulle, the
// detailed graph frmBig and the interface chooser frmInterfaces. It shows
// the engine's state on them through their setters, turns what the user did
// (their signals) into the engine's operations and the desktop's, and runs
// the window steps of the engine's start-up. The windows know nothing of
// the engine, and the engine nothing of them. The program makes one after
// its engine and drops it before the engine.
#include "common/desktopseam.h"
#include "common/platform/desktop/desktop.h"
#include "monitor/core/bubbleplacement.h"
#include "monitor/core/countertexts.h"
#include "monitor/core/detailgraph.h"
#include "monitor/core/monitorengine.h"
#include "monitor/core/monitortexts.h"
#include "monitor/ui/frmbig.h"
#include "monitor/ui/frmbulle.h"
#include "monitor/ui/frminterfaces.h"
#include "monitor/ui/frmnet.h"
#include "monitor/ui/frmsettings.h"
#include "monitor/ui/traymenu.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTranslator>

#include <memory>
#include <optional>

namespace tavo::monitor {

// What one click on the tray icon is, as the notification area reports it.
enum class TrayClick { LeftPress, LeftRelease, LeftDoubleClick, RightPress, RightRelease, RightDoubleClick, Other };
enum class TrayAction { None, ToggleMainWindow, PopUpMenu };
// The left button's release and double click and the right button's double
// click each show or hide the main window; the right button's release
// opens the menu; nothing else acts.
TrayAction trayActionFor(TrayClick click);

CounterFigures counterFigures(const MonitorCounters& counters);
// The per-minute rings (hour view) or the per-second rings (minute view).
DetailGraphInput detailGraphInput(const MonitorEngine& engine, bool hourView);

class MonitorWindows : public QObject, public StartupSteps {
  Q_OBJECT
 public:
  // The desktop is the program's (a RealDesktop) or a test's; it outlives this.
  MonitorWindows(MonitorEngine& engine, tavo::DesktopSeam& desktop);
  ~MonitorWindows() override;
  MonitorWindows(const MonitorWindows&) = delete;
  MonitorWindows& operator=(const MonitorWindows&) = delete;

  // ---- the window steps of the engine's start-up: engine.Main(windows) ----
  void ApplyLanguage() override;
  void LaunchUpdater() override;
  void loadSkins() override;
  void AddTrayIcon() override;
  // The main window shown and raised: the last step of start-up.
  void ShowMain() override;

  // ---- language ------------------------------------------------------------
  void SetFrenchTexts() { applyTexts(true); }
  void SetEnglishTexts() { applyTexts(false); }
  // Every window's texts in one language, the windows made later included.
  void applyTexts(bool french);

  // ---- main window, tray, quit and the other programs -----------------------
  // A saved place on a screen that is gone would lose the window: it then
  // comes to the primary screen's top-left corner.
  void keepMainWindowOnAScreen();
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
  void mnuBig_Click() { DrawHoursGraph(); }
  void mnuStats_Click();
  void mnuLogViewer_Click();
  // A right press on the skin: with optMinAll the other windows are
  // minimised; else the main window hides, but only while the tray icon
  // can bring it back.
  void skinRightPress();
  // Skins chosen in the dialog.
  void changeSkin(const QString& descriptorPath);
  void defaultSkin();
  // Starts TavoStat or TavoLogV from the program folder with the language.
  void startSuiteProgram(const QString& name);

  // ---- bubble ----------------------------------------------------------------
  // The mini graph's hover area: the main window's lblGraphe unless a test
  // sets another. While it is unset or hidden the pointer never counts as
  // over the graph.
  void setHoverWidget(const QWidget* graphArea) { hoverWidget_ = graphArea; }
  void ShowBubble();
  void HideBubble();
  void TrackBubble();
  bool BubbleShown() const;
  void lblGraphe_MouseMove();  // arms the hover delay while the bubble is not shown
  void tmrShow_Timer();

  // ---- detailed graph --------------------------------------------------------
  void DrawHoursGraph();
  void DrawMinutesGraph();
  void RefreshHistoryCounters();

  // ---- the windows -------------------------------------------------------------
  frmNet& net() { return *net_; }
  // The settings dialog, the bubble, the detailed graph and the chooser are
  // built when first asked for: most runs never open them.
  frmSettings& settingsDialog();
  bool settingsDialogBuilt() const { return settings_ != nullptr; }
  frmBulle& bubble();
  frmBig& big();
  frmInterfaces& chooser();
  TrayMenu& trayMenu() { return *trayMenu_; }
  QSystemTrayIcon* trayIcon() const { return tray_; }
  bool trayShown() const;
  const QString& QuitPrompt() const { return texts_.QuitPrompt; }
  const QString& QuitTitle() const { return texts_.QuitTitle; }
  tavo::DesktopSeam& desktop() const { return desktop_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void bindMainWindow();
  // What the settings do to the main window, dialog or not.
  void bindSettings();
  // The dialog, when it is made: filled from the settings and the engine,
  // then kept in step with them.
  void bindSettingsDialog();
  void bindTrayMenu();
  void bindEngine();
  void bindBig();

  void createTrayIcon();
  void watchTrayWhenDue();
  void showTexts(const MonitorTexts& texts, bool french);
  // The dialog's lblInterface names the interface the engine watches.
  void showSelectedInterface();
  // The dialog's log box: the rate log starts or stops, and the dialog
  // shows the file now written.
  void takeLoggingBox();
  void setTransparency(int opacity);
  void openInterfaceChooser();
  void drawView(bool hourView);
  std::optional<HoverArea> widgetArea() const;
  QString languageCode() const { return engine_.IsFrench ? QStringLiteral("FR") : QStringLiteral("EN"); }

  MonitorEngine& engine_;
  tavo::DesktopSeam& desktop_;
  std::unique_ptr<frmNet> net_;
  std::unique_ptr<TrayMenu> trayMenu_;
  std::unique_ptr<frmSettings> settings_;
  std::unique_ptr<frmBulle> frmBulle_;
  std::unique_ptr<frmBig> frmBig_;
  std::unique_ptr<frmInterfaces> chooser_;
  QPointer<const QWidget> hoverWidget_;

  // The language last applied; none yet: the windows keep their design texts.
  std::optional<bool> french_;
  MonitorTexts texts_;
  // Qt's own words elsewhere (a text box's context menu) in the monitor's
  // language, where the desktop has Qt's translations; the message boxes
  // carry our own words and need none.
  std::unique_ptr<QTranslator> qtTexts_;
  // Whether the detailed graph's log frame is shown, for one not made yet.
  bool logFrameShown_ = true;

  QPointer<QSystemTrayIcon> tray_;
  desktop::TrayWatch trayChanges_;
  bool trayWatched_ = false;
  // Between two watches of the tray where it is polled; a little under the
  // tick's second so that every tick's wake-up finds it due.
  QDeadlineTimer trayWatchDue_;
  static constexpr int kTrayWatchMs = 900;
  bool trayBusy_ = false;
  // When "Show/Hide" last showed the main window.
  QElapsedTimer shownByUs_;
  static constexpr int kMapDelayMs = 1500;
};

}  // namespace tavo::monitor
