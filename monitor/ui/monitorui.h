#pragma once
// The monitor's windows around the engine: the skinned main window, the
// settings dialog bound to the engine's settings, the tray icon and its
// menu, the quit, the starting of the other programs and the language
// texts. One object, owned by the program; the secondary windows (detailed
// graph, bubble, interface chooser) are reached through SecondaryWindows.
#include "monitor/engine/monitorengine.h"
#include "monitor/ui/frmnet.h"
#include "monitor/ui/frmsettings.h"
#include "monitor/ui/languagetexts.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

namespace tavo::monitor {

// Message boxes go through this, so tests answer them without blocking.
using MessageBoxSeam = std::function<QMessageBox::StandardButton(
    QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons)>;
// The real box, with its buttons in the language that isFrench tells at
// the moment the box is shown.
MessageBoxSeam realMessageBox(std::function<bool()> isFrench);

// What one click on the tray icon is, as the notification area reports it.
enum class TrayClick { LeftPress, LeftRelease, LeftDoubleClick, RightPress, RightRelease, RightDoubleClick, Other };
enum class TrayAction { None, ToggleMainWindow, PopUpMenu };
// The left button's release and double click and the right button's double
// click each show or hide the main window; the right button's release
// opens the menu; nothing else acts.
TrayAction trayActionFor(TrayClick click);

// A notice that asks nothing: shown without blocking, so the tick (and a
// start-up in progress) goes on while it is up.
using NoticeSeam = std::function<void(const QString& title, const QString& text)>;

// Starts a program without waiting; false when it could not be started.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

// What the monitor's windows need of the three secondary windows; each
// entry may stay empty while a window is missing.
struct SecondaryWindows {
  std::function<void()> DrawHoursGraph;           // detailed graph on its 10-hour view
  std::function<void()> openInterfaceChooser;     // modal
  std::function<void(bool visible)> showLogFrame; // detailed graph's log frame
  std::function<void(const QString&)> setLogFileText;
  std::function<void()> armBubble;
  std::function<void()> HideBubble;
  std::function<void(bool isFrench)> applyTexts;  // their own language setters
};

class MonitorUi : public QObject {
  Q_OBJECT
 public:
  struct Seams {
    MessageBoxSeam messageBox;
    NoticeSeam showNotice;
    ProgramStarter startProgram;
    std::function<bool()> trayAvailable;
    // Minimises the other programs' windows; -1 when the desktop cannot.
    std::function<int()> minimizeOtherWindows;
    // Whether a window is really on screen (the desktop may hide it).
    std::function<bool(const QWidget*)> shownOnScreen;
    std::function<bool(const QUrl&)> openUrl;
    std::function<void(QMenu*, const QPoint&)> popupMenu;
    std::function<void()> endProgram;
  };
  // Seams left empty take the real desktop's.
  explicit MonitorUi(MonitorEngine& engine, Seams seams = {});
  ~MonitorUi() override;

  void setSecondaryWindows(SecondaryWindows windows) { secondary_ = std::move(windows); }

  // The window steps of the engine's start-up.
  StartupSteps startupSteps();

  void ApplyLanguage();
  void SetFrenchTexts();
  void SetEnglishTexts();
  void LaunchUpdater();
  void LoadSkins();
  // A saved place on a screen that is gone would lose the window: it then
  // comes to the primary screen's top-left corner.
  void keepMainWindowOnAScreen();
  void AddTrayIcon();
  void RemoveTrayIcon();
  void ConfirmQuit();
  // Run every second: shows the tray icon as soon as a notification area
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

  // Starts TavoStat or TavoLogV from the program folder with the language.
  void startSuiteProgram(const QString& name);

  // Skins chosen in the dialog.
  void changeSkin(const QString& descriptorPath);
  void defaultSkin();

  frmNet& net() { return *net_; }
  frmSettings& settingsDialog() { return *settings_; }
  QSystemTrayIcon* trayIcon() const { return tray_; }
  bool trayShown() const;
  const QString& QuitPrompt() const { return texts_.QuitPrompt; }
  const QString& QuitTitle() const { return texts_.QuitTitle; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createTrayIcon();
  void bindSettings();
  void bindEngine();
  void applyTexts(const MonitorTexts& texts);
  QRadioButton* optionButton(Option o) const;
  QString languageCode() const { return engine_.IsFrench ? QStringLiteral("FR") : QStringLiteral("EN"); }

  MonitorEngine& engine_;
  Seams seams_;
  SecondaryWindows secondary_;
  std::unique_ptr<frmNet> net_;
  std::unique_ptr<frmSettings> settings_;
  QPointer<QSystemTrayIcon> tray_;
  QTimer trayWatch_;
  MonitorTexts texts_;
  // Qt's own words elsewhere (a text box's context menu) in the monitor's
  // language, where the desktop has Qt's translations; the message boxes
  // carry our own words and need none.
  std::unique_ptr<QTranslator> qtTexts_;
  bool trayBusy_ = false;
  // When "Show/Hide" last showed the main window.
  QElapsedTimer shownByUs_;
  static constexpr int kMapDelayMs = 1500;
  bool syncing_ = false;
};

}  // namespace tavo::monitor
