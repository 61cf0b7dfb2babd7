#include "monitor/ui/monitorui.h"

#include "common/messagebox.h"
#include "common/platform/desktop/desktop.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>

namespace tavo::monitor {

MessageBoxSeam realMessageBox(std::function<bool()> isFrench) {
  return [isFrench = std::move(isFrench)](QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons) {
    return tavo::askMessageBox(parent, icon, title, text, buttons, isFrench());
  };
}

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

MonitorUi::MonitorUi(MonitorEngine& engine, Seams seams)
    : engine_(engine), seams_(std::move(seams)), net_(std::make_unique<frmNet>()),
      settings_(std::make_unique<frmSettings>()) {
  if (!seams_.messageBox) seams_.messageBox = realMessageBox([this] { return engine_.IsFrench; });
  if (!seams_.showNotice) {
    seams_.showNotice = [this](const QString& title, const QString& text) {
      tavo::showNoticeBox(nullptr, QMessageBox::Critical, title, text, engine_.IsFrench);
    };
  }
  if (!seams_.startProgram) {
    const QString folder = engine_.programFolder();
    seams_.startProgram = [folder](const QString& program, const QStringList& args) {
      return QProcess::startDetached(program, args, folder);
    };
  }
  if (!seams_.trayAvailable) seams_.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
  if (!seams_.minimizeOtherWindows) seams_.minimizeOtherWindows = [] { return desktop::minimizeOtherWindows(); };
  if (!seams_.shownOnScreen) seams_.shownOnScreen = [](const QWidget* w) { return desktop::isShownOnScreen(w); };
  if (!seams_.openUrl) seams_.openUrl = [](const QUrl& url) { return desktop::openUrl(url); };
  if (!seams_.popupMenu) seams_.popupMenu = [](QMenu* menu, const QPoint& at) { menu->popup(at); };
  if (!seams_.endProgram) seams_.endProgram = [] { QCoreApplication::exit(0); };

  settings_->setProgramFolder(engine_.programFolder());
  settings_->setWebHost(QStringLiteral(TAVO_WEB_HOST));
  // The engine makes the folder at start-up; the list is refreshed at each showing.
  settings_->setSkinsFolder(engine_.skinsFolder());

  net_->setHooks({
      [this] { return engine_.settings().optMinAll(); },
      [this] { return trayShown(); },
      [this] { seams_.minimizeOtherWindows(); },
      [this] { mnuSettings_Click(); },
      [this] { mnuBig_Click(); },
      [this] { return engine_.BubbleShown; },
      [this] {
        if (secondary_.armBubble) secondary_.armBubble();
      },
      [this] {
        if (secondary_.HideBubble) secondary_.HideBubble();
      },
  });

  bindSettings();
  bindEngine();

  frmSettings& s = *settings_;
  connect(s.mnuMinimizeTavo, &QAction::triggered, this, &MonitorUi::mnuMinimizeTavo_Click);
  connect(s.mnuMinimizeAll, &QAction::triggered, this, &MonitorUi::mnuMinimizeAll_Click);
  connect(s.mnuSettings, &QAction::triggered, this, &MonitorUi::mnuSettings_Click);
  connect(s.mnuBig, &QAction::triggered, this, &MonitorUi::mnuBig_Click);
  connect(s.mnuStats, &QAction::triggered, this, &MonitorUi::mnuStats_Click);
  connect(s.mnuLogViewer, &QAction::triggered, this, &MonitorUi::mnuLogViewer_Click);
  connect(s.mnuQuit, &QAction::triggered, this, &MonitorUi::ConfirmQuit);

  // Until the language is applied the texts are the French design texts.
  texts_ = monitorTexts(true);

  trayWatch_.setInterval(1000);
  connect(&trayWatch_, &QTimer::timeout, this, &MonitorUi::keepMainWindowReachable);
  // The XEmbed tray icon's own clicks, each press, release and double click.
  qApp->installEventFilter(this);
}

MonitorUi::~MonitorUi() {
  qApp->removeEventFilter(this);
  RemoveTrayIcon();
  if (qtTexts_) QCoreApplication::removeTranslator(qtTexts_.get());
}

QRadioButton* MonitorUi::optionButton(Option o) const {
  frmSettings& s = *settings_;
  switch (o) {
    case Option::Inbits: return s.optInbits;
    case Option::InBytes: return s.optInBytes;
    case Option::Cumul: return s.optCumul;
    case Option::Mean: return s.optMean;
    case Option::DL: return s.optDL;
    case Option::UL: return s.optUL;
    case Option::MinAll: return s.optMinAll;
    case Option::MinTavo: return s.optMinTavo;
  }
  return nullptr;
}

void MonitorUi::bindSettings() {
  MonitorSettings& m = engine_.settings();
  frmSettings& s = *settings_;

  // Controls follow the settings object (the loader sets it) ...
  for (int i = 0; i < kOptionCount; ++i) {
    const Option o = Option(i);
    frmSettings::setOption(optionButton(o), m.option(o));
    connect(optionButton(o), &QRadioButton::toggled, this, [this, o](bool on) {
      engine_.settings().setOption(o, on);
    });
  }
  connect(&m, &MonitorSettings::optionChanged, this, [this](Option o, bool on) {
    frmSettings::setOption(optionButton(o), on);
    if (on && (o == Option::DL || o == Option::UL)) net_->underlineDirection(o == Option::DL);
  });
  auto checkState = [](int value) {
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
  };
  auto checkValue = [](Qt::CheckState state) { return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0; };
  auto setBox = [checkState](QCheckBox* box, int value) {
    if (value == 2) box->setTristate(true);
    box->setCheckState(checkState(value));
  };
  setBox(s.chkUpdate, m.chkUpdate());
  connect(&m, &MonitorSettings::chkUpdateChanged, this, [setBox, this](int v) { setBox(settings_->chkUpdate, v); });
  connect(s.chkUpdate, &QCheckBox::stateChanged, this, [this, checkValue](int state) {
    engine_.settings().setChkUpdate(checkValue(Qt::CheckState(state)));
  });
  connect(&m, &MonitorSettings::chkLoggingClicked, this,
          [setBox, this](int v) { setBox(settings_->chkLogging, v); });
  s.scrTransp->setValue(m.scrTransp());
  connect(&m, &MonitorSettings::scrTranspChanged, this, [this](int v) {
    settings_->scrTransp->setValue(v);
    SetWindowAlpha(net_.get(), v);
  });
  connect(&m, &MonitorSettings::dlLimitChanged, this,
          [this](int v) { settings_->txtDLLimit->setText(QString::number(v)); });
  connect(&m, &MonitorSettings::graphRefreshChanged, this, [this](int v) {
    if (v == 0 || v == 1) settings_->cmbGraphDelay->setCurrentIndex(v);
  });
  connect(&m, &MonitorSettings::windowPositionChanged, this,
          [this](const QPointF& p) { net_->move(p.toPoint()); });
  engine_.currentWindowPosition = [this] { return QPointF(net_->pos()); };

  // ... and the dialog's handlers act on the engine.
  frmSettings::Hooks hooks;
  hooks.SaveSettings = [this] { engine_.SaveSettings(); };
  hooks.takeGraphSettings = [this](std::int16_t dlLimit, int refresh, int) {
    engine_.ApplyGraphSettings(dlLimit, refresh);
  };
  hooks.StartNewLogFile = [this, checkValue](bool) {
    engine_.settings().setChkLogging(checkValue(settings_->chkLogging->checkState()));
    return ShortenPath(engine_.LogFilePath);
  };
  hooks.showBigLogFrame = [this](bool visible) {
    if (secondary_.showLogFrame) secondary_.showLogFrame(visible);
  };
  hooks.resetCounters = [this] { engine_.ResetCounters(); };
  hooks.setTransparency = [this](int v) {
    engine_.settings().setScrTransp(v);
    SetWindowAlpha(net_.get(), v);
  };
  hooks.changeSkin = [this](const QString& path) { changeSkin(path); };
  hooks.defaultSkin = [this] { defaultSkin(); };
  hooks.openInterfaceChooser = [this] {
    if (secondary_.openInterfaceChooser) secondary_.openInterfaceChooser();
  };
  hooks.confirmQuit = [this] { ConfirmQuit(); };
  hooks.underlineDirection = [this](bool download) { net_->underlineDirection(download); };
  hooks.openUrl = [this](const QUrl& url) { return seams_.openUrl(url); };
  s.setHooks(std::move(hooks));

  // The cmdLogFile twin in the detailed graph window starts a new file too.
  disconnect(s.cmdLogFile, &QPushButton::clicked, nullptr, nullptr);
  connect(s.cmdLogFile, &QPushButton::clicked, this, [this] {
    if (engine_.settings().chkLogging() == 1) engine_.StartNewLogFile(true);
  });
}

void MonitorUi::bindEngine() {
  connect(&engine_, &MonitorEngine::rateTextsChanged, this, [this](const QString& ul, const QString& dl) {
    net_->lblUL->setText(ul);
    net_->lblDL->setText(dl);
  });
  connect(&engine_, &MonitorEngine::miniGraphUpdated, this, [this](const MiniGraphBars& bars) {
    for (int i = 0; i < frmNet::kBars && i < int(bars.size()); ++i) net_->setBarHeight(i, bars[i]);
  });
  connect(&engine_, &MonitorEngine::logFilePathChanged, this, [this](const QString& text) {
    settings_->lblLogFile->setText(text);
    if (secondary_.setLogFileText) secondary_.setLogFileText(text);
  });
  connect(&engine_, &MonitorEngine::loggingStateChanged, this, [this](bool on) {
    settings_->cmdLogFile->setEnabled(on);
    if (secondary_.showLogFrame) secondary_.showLogFrame(on);
  });
  connect(&engine_, &MonitorEngine::selectedInterfaceChanged, this, [this](int index) {
    if (index >= 0 && index < kTableEntries)
      settings_->lblInterface->setText(ShortenText(engine_.Interfaces.entries[index].description));
  });
}

StartupSteps MonitorUi::startupSteps() {
  StartupSteps steps;
  steps.ApplyLanguage = [this] { ApplyLanguage(); };
  steps.LaunchUpdater = [this] { LaunchUpdater(); };
  steps.LoadSkins = [this] { LoadSkins(); };
  steps.AddTrayIcon = [this] { AddTrayIcon(); };
  steps.ShowMain = [this] {
    net_->show();
    net_->raise();
  };
  return steps;
}

// ------------------------------------------------------------- language

void MonitorUi::applyTexts(const MonitorTexts& texts) {
  texts_ = texts;
  settings_->applyTexts(texts, engine_.IsFrench);
  if (secondary_.applyTexts) secondary_.applyTexts(engine_.IsFrench);
  const int selected = engine_.Interfaces.SelectedInterface;
  if (selected >= 0 && selected < kTableEntries)
    settings_->lblInterface->setText(ShortenText(engine_.Interfaces.entries[selected].description));
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
  if (!seams_.startProgram(program, {QStringLiteral("Tavo"), versionText(), languageCode()}))
    seams_.showNotice(launchErrorTitle(), launchErrorText(engine_.IsFrench, QStringLiteral("Update")));
}

void MonitorUi::startSuiteProgram(const QString& name) {
  const QString program = engine_.programFolder() + u'/' + name;
  if (!seams_.startProgram(program, {languageCode()}))
    seams_.showNotice(launchErrorTitle(), launchErrorText(engine_.IsFrench, name));
}

// ---------------------------------------------------------------- skins

void MonitorUi::LoadSkins() {
  settings_->refreshSkinList();
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

bool MonitorUi::trayShown() const { return tray_ && tray_->isVisible() && seams_.trayAvailable(); }

void MonitorUi::AddTrayIcon() {
  // A notification area that starts later is watched for.
  trayWatch_.start();
  if (seams_.trayAvailable()) createTrayIcon();
}

void MonitorUi::createTrayIcon() {
  if (tray_) return;
  tray_ = new QSystemTrayIcon(QIcon(settings_->Picture1->pixmap()), this);
  tray_->setToolTip(trayTip());
  connect(tray_, &QSystemTrayIcon::activated, this, &MonitorUi::Picture1_Activated);
  // Once shown, Qt itself follows a notification area that restarts.
  tray_->show();
}

void MonitorUi::keepMainWindowReachable() {
  if (!tray_ && seams_.trayAvailable()) createTrayIcon();
  if (!net_->isVisible() && !trayShown()) desktop::raiseTopmost(net_.get());
}

void MonitorUi::RemoveTrayIcon() {
  trayWatch_.stop();
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
      settings_->mnuInTray->setDefaultAction(settings_->mnuMinimizeTavo);
      seams_.popupMenu(settings_->mnuInTray, QCursor::pos());
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
  if (net_->isVisible() && (justShown || seams_.shownOnScreen(net_.get())) && trayShown()) {
    net_->hide();
    shownByUs_.invalidate();
    return;
  }
  desktop::raiseTopmost(net_.get());
  shownByUs_.start();
}

void MonitorUi::mnuMinimizeAll_Click() { seams_.minimizeOtherWindows(); }

void MonitorUi::mnuSettings_Click() {
  settings_->refreshSkinList();
  settings_->show();
  settings_->raise();
  settings_->activateWindow();
}

void MonitorUi::mnuBig_Click() {
  if (secondary_.DrawHoursGraph) secondary_.DrawHoursGraph();
}

void MonitorUi::mnuStats_Click() { startSuiteProgram(QStringLiteral("TavoStat")); }
void MonitorUi::mnuLogViewer_Click() { startSuiteProgram(QStringLiteral("TavoLogV")); }

// ----------------------------------------------------------------- quit

void MonitorUi::ConfirmQuit() {
  const auto answer = seams_.messageBox(settings_->isVisible() ? settings_.get() : nullptr, QMessageBox::Question,
                                        texts_.QuitTitle, texts_.QuitPrompt, QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  engine_.QuitSave();
  RemoveTrayIcon();
  settings_->setEnding(true);
  seams_.endProgram();
}

}  // namespace tavo::monitor
