#include "monitor/ui/monitorui.h"

#include <cstdio>

#include "common/languagetexts.h"
#include "common/webhost.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QScreen>

namespace tavo::monitor {

TrayAction trayActionFor(TrayClick click) {
  switch (click) {
    case TrayClick::LeftRelease:
    case TrayClick::LeftDoubleClick:
    case TrayClick::RightDoubleClick:
      return TrayAction::ToggleMainWindow;
    case TrayClick::RightRelease:
      return TrayAction::PopUpMenu;
    default:
      return TrayAction::None;
  }
}

MonitorUi::MonitorUi(MonitorEngine& engine, tavo::DesktopSeam& desktop)
    : engine_(engine),
      desktop_(desktop),
      net_(std::make_unique<frmNet>()),
      trayMenu_(std::make_unique<TrayMenu>()) {

  // Until the language is applied the texts are the French design texts.
  texts_ = monitorTexts(true);

  // Where the desktop tells when a notification area comes or goes, the
  // tray is looked for only then; asking each second for one that is not
  // there costs a round trip to the X server each time. Elsewhere (or with
  // a test's own answer) it is looked for when the program wakes anyway,
  // for the engine's tick or for an event: a timer of its own would wake it
  // once more each second. A test's own answer never comes through the
  // desktop's announcement; the tests that change it ask again themselves.
  if (trayChanges_.heard()) {
    connect(&trayChanges_, &desktop::TrayWatch::trayMayHaveChanged, this, [this] {
      if (trayWatched_) keepMainWindowReachable();
    });
  } else if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, &MonitorUi::watchTrayWhenDue);
  }
  // The XEmbed tray icon's own clicks, each press, release and double click.
  qApp->installEventFilter(this);
}

MonitorUi::~MonitorUi() {
  qApp->removeEventFilter(this);
  RemoveTrayIcon();
  if (qtTexts_) QCoreApplication::removeTranslator(qtTexts_.get());
}

void MonitorUi::ShowMain() {
  net_->show();
  net_->raise();
}

// ------------------------------------------------------------- language

void MonitorUi::applyTexts(const MonitorTexts& texts) {
  texts_ = texts;
  textsApplied_ = true;
  if (settings_) settings_->applyTexts(texts, engine_.IsFrench);
  tavo::applyWindowTexts(trayMenu_.get(), texts.trayMenu);
  emit languageApplied(engine_.IsFrench);
  showSelectedInterface();
}

void MonitorUi::showSelectedInterface() {
  const int selected = engine_.Interfaces.SelectedInterface;
  if (settings_ && selected >= 0 && selected < kTableEntries)
    settings_->lblInterface->setText(ShortenText(engine_.Interfaces.entries[selected].description));
}

frmSettings& MonitorUi::settingsDialog() {
  if (settings_) return *settings_;
  settings_ = std::make_unique<frmSettings>();
  settings_->setProgramFolder(engine_.programFolder());
  settings_->setWebHost(tavo::webHost());
  // The engine makes the folder at start-up; the list is refreshed at each showing.
  settings_->setSkinsFolder(engine_.skinsFolder());
  // Before the language is applied the dialog keeps its design texts.
  if (textsApplied_) settings_->applyTexts(texts_, engine_.IsFrench);
  showSelectedInterface();
  emit settingsDialogMade(*settings_);
  return *settings_;
}

void MonitorUi::SetFrenchTexts() { applyTexts(monitorTexts(true)); }
void MonitorUi::SetEnglishTexts() { applyTexts(monitorTexts(false)); }

void MonitorUi::ApplyLanguage() {
  if (qtTexts_) QCoreApplication::removeTranslator(qtTexts_.get());
  qtTexts_ = std::make_unique<QTranslator>();
  const QString language = engine_.IsFrench ? QStringLiteral("fr") : QStringLiteral("en");
  if (qtTexts_->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtTexts_.get());
  if (engine_.IsFrench) SetFrenchTexts();
  else SetEnglishTexts();
}

// ------------------------------------------------------------- programs

void MonitorUi::LaunchUpdater() {
  if (engine_.settings().chkUpdate() != 1) return;
  const QString program = engine_.programFolder() + QStringLiteral("/Update");
  if (!desktop_.startProgram({program, {QStringLiteral("Tavo"), versionText(), languageCode()}, engine_.programFolder()}))
    desktop_.notice(launchErrorTitle(), launchErrorText(engine_.IsFrench, QStringLiteral("Update")));
}

void MonitorUi::startSuiteProgram(const QString& name) {
  const QString program = engine_.programFolder() + u'/' + name;
  if (!desktop_.startProgram({program, {languageCode()}, engine_.programFolder()}))
    desktop_.notice(launchErrorTitle(), launchErrorText(engine_.IsFrench, name));
}

// ---------------------------------------------------------------- skins

void MonitorUi::LoadSkins() {
  if (settings_) settings_->refreshSkinList();
  const QString file = engine_.settings().SkinDescriptorFile();
  net_->LoadDefaultSkin(file);
  net_->LoadSkinDescriptor(file, engine_.skinsFolder());
  keepMainWindowOnAScreen();
  net_->ApplySkin();
}

void MonitorUi::keepMainWindowOnAScreen() {
  const QRect place(net_->pos(), net_->picSkin().isNull() ? net_->size() : net_->picSkin().size());
  constexpr int kVisible = 16;  // enough of the window to catch it with the mouse
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect seen = screen->geometry().intersected(place);
    if (seen.width() >= std::min(kVisible, place.width()) && seen.height() >= std::min(kVisible, place.height()))
      return;
  }
  if (QScreen* primary = QGuiApplication::primaryScreen()) net_->move(primary->availableGeometry().topLeft());
}

void MonitorUi::changeSkin(const QString& descriptorPath) {
  engine_.settings().setSkinDescriptorFile(descriptorPath);
  net_->LoadSkinDescriptor(descriptorPath, engine_.skinsFolder());
  net_->ApplySkin();
}

void MonitorUi::defaultSkin() {
  engine_.settings().setSkinDescriptorFile(QStringLiteral("default"));
  net_->LoadDefaultSkin(QStringLiteral("default"));
  net_->ApplySkin();
}

// ----------------------------------------------------------------- tray

bool MonitorUi::trayShown() const { return tray_ && tray_->isVisible() && desktop_.trayAvailable(); }

void MonitorUi::AddTrayIcon() {
  // A notification area that starts later is watched for.
  trayWatched_ = true;
  trayWatchDue_.setRemainingTime(kTrayWatchMs);
  if (desktop_.trayAvailable()) createTrayIcon();
}

void MonitorUi::createTrayIcon() {
  if (tray_) return;
  // Drawn for each size a notification area asks for, not scaled from one.
  QIcon icon;
  for (int side : {16, 22, 24, 32, 44, 48, 64}) icon.addPixmap(makeTrayPicture(side));
  tray_ = new QSystemTrayIcon(icon, this);
  tray_->setToolTip(trayTip());
  connect(tray_, &QSystemTrayIcon::activated, this, &MonitorUi::Picture1_Activated);
  // Once shown, Qt itself follows a notification area that restarts.
  tray_->show();
}

void MonitorUi::keepMainWindowReachable() {
  if (!tray_ && desktop_.trayAvailable()) createTrayIcon();
  if (!net_->isVisible() && !trayShown()) desktop::raiseTopmost(net_.get());
}

void MonitorUi::watchTrayWhenDue() {
  if (!trayWatched_ || !trayWatchDue_.hasExpired()) return;
  trayWatchDue_.setRemainingTime(kTrayWatchMs);
  keepMainWindowReachable();
}

void MonitorUi::RemoveTrayIcon() {
  trayWatched_ = false;
  if (!tray_) return;
  tray_->hide();
  delete tray_;
}

void MonitorUi::Picture1_Activated(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger: Picture1_Click(TrayClick::LeftRelease); break;
    case QSystemTrayIcon::DoubleClick: Picture1_Click(TrayClick::LeftDoubleClick); break;
    case QSystemTrayIcon::Context: Picture1_Click(TrayClick::RightRelease); break;
    default: break;
  }
}

void MonitorUi::Picture1_Click(TrayClick click) {
  if (trayBusy_) return;
  trayBusy_ = true;
  switch (trayActionFor(click)) {
    case TrayAction::ToggleMainWindow:
      mnuMinimizeTavo_Click();
      break;
    case TrayAction::PopUpMenu:
      trayMenu_->setDefaultAction(trayMenu_->mnuMinimizeTavo);
      trayMenu_->popup(desktop_.pointerPosition());
      break;
    case TrayAction::None:
      break;
  }
  trayBusy_ = false;
}

bool MonitorUi::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
    return false;
  // The XEmbed icon is Qt's own widget; it turns a press into "Trigger" and
  // drops the releases and the right double click, so its mouse events are
  // taken here, each as the click it is.
  if (!tray_ || !watched->isWidgetType() || qstrcmp(watched->metaObject()->className(), "QSystemTrayIconSys") != 0)
    return false;
  const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
  TrayClick click = TrayClick::Other;
  if (button == Qt::LeftButton)
    click = type == QEvent::MouseButtonPress ? TrayClick::LeftPress
            : type == QEvent::MouseButtonRelease ? TrayClick::LeftRelease
                                                 : TrayClick::LeftDoubleClick;
  else if (button == Qt::RightButton)
    click = type == QEvent::MouseButtonPress ? TrayClick::RightPress
            : type == QEvent::MouseButtonRelease ? TrayClick::RightRelease
                                                 : TrayClick::RightDoubleClick;
  Picture1_Click(click);
  return true;
}

void MonitorUi::mnuMinimizeTavo_Click() {
  // What the screen shows counts, not what was last asked: a desktop that
  // hid every window ("show desktop") leaves Qt believing the window
  // visible. Hidden, the window could only come back through the tray icon.
  // Just shown by us, the window may not be on screen yet (the window
  // manager maps it a moment later): a quick second click hides it again.
  const bool justShown = shownByUs_.isValid() && shownByUs_.elapsed() < kMapDelayMs;
  if (net_->isVisible() && (justShown || desktop_.shownOnScreen(net_.get())) && trayShown()) {
    net_->hide();
    shownByUs_.invalidate();
    return;
  }
  desktop::raiseTopmost(net_.get());
  shownByUs_.start();
}

void MonitorUi::mnuMinimizeAll_Click() { desktop_.minimizeOtherWindows(); }

void MonitorUi::skinRightPress() {
  if (engine_.settings().optMinAll()) {
    desktop_.minimizeOtherWindows();
    return;
  }
  // Hidden, the window comes back only through the tray icon: without a
  // notification area it must stay, so only the others are put away.
  if (trayShown()) net_->hide();
  else desktop_.minimizeOtherWindows();
}

void MonitorUi::takeLoggingBox() {
  // The box's own state counts: a third state stays a third state.
  frmSettings& dialog = settingsDialog();
  engine_.settings().setChkLogging(frmSettings::checkBoxValue(dialog.chkLogging));
  dialog.setLogFileText(ShortenPath(engine_.LogFilePath));
}

void MonitorUi::setTransparency(int opacity) {
  engine_.settings().setScrTransp(opacity);
  SetWindowAlpha(net_.get(), opacity);
}

void MonitorUi::open(const QUrl& url) { desktop_.openUrl(url); }

void MonitorUi::mnuSettings_Click() {
  frmSettings& dialog = settingsDialog();
  dialog.refreshSkinList();
  if (!dialog.isVisible()) {
    // The limit box shows what the settings hold, also a value its own
    // check would not let through (one taken unclamped at the close box).
    dialog.txtDLLimit->setText(QString::number(engine_.settings().DLLimit()));
    desktop::placeOnScreenOf(&dialog, net_.get());
  }
  desktop::showInFront(&dialog);
}

void MonitorUi::mnuBig_Click() { emit hoursGraphRequested(); }

void MonitorUi::mnuStats_Click() { startSuiteProgram(QStringLiteral("TavoStat")); }
void MonitorUi::mnuLogViewer_Click() { startSuiteProgram(QStringLiteral("TavoLogV")); }

// ----------------------------------------------------------------- quit

void MonitorUi::ConfirmQuit() {
  const auto answer = desktop_.ask({settings_ && settings_->isVisible() ? settings_.get() : nullptr,
                                    QMessageBox::Question, texts_.QuitTitle, texts_.QuitPrompt,
                                    QMessageBox::Yes | QMessageBox::No});
  if (answer != QMessageBox::Yes) return;
  const QList<FileFailure> failures = engine_.QuitSave();
  if (!failures.isEmpty()) {
    // Said before the program ends, told before or not: the last chance.
    QStringList texts;
    for (const FileFailure& f : failures) {
      texts << fileFailureText(f, engine_.IsFrench);
      std::fprintf(stderr, "%s: %s\n", qPrintable(MonitorEngine::errorTitle()), qPrintable(texts.back().simplified()));
    }
    desktop_.message(nullptr, MonitorEngine::errorTitle(), texts.join(QStringLiteral("\n\n")));
  }
  RemoveTrayIcon();
  if (settings_) settings_->setEnding(true);
  desktop_.quit();
}

void MonitorUi::showFileFailure(const FileFailure& failure) {
  const QString text = fileFailureText(failure, engine_.IsFrench);
  std::fprintf(stderr, "%s: %s\n", qPrintable(MonitorEngine::errorTitle()), qPrintable(text.simplified()));
  // The tick goes on while the box is up.
  desktop_.notice(MonitorEngine::errorTitle(), text);
}

}  // namespace tavo::monitor
