#include "monitor/ui/monitorwindows.h"

#include <cstdio>
#include <tuple>

#include "common/languagetexts.h"
#include "common/webhost.h"
#include "monitor/core/monitorlog.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QScreen>

namespace tavo::monitor {

TrayAction trayActionFor(TrayClick click) {
  switch (click) {
    case TrayClick::LeftRelease:
    case TrayClick::LeftDoubleClick:
    case TrayClick::RightDoubleClick: return TrayAction::ToggleMainWindow;
    case TrayClick::RightRelease: return TrayAction::PopUpMenu;
    default: return TrayAction::None;
  }
}

CounterFigures counterFigures(const MonitorCounters& c) {
  CounterFigures f;
  f.kbitDL = c.KbitDL;
  f.kbitUL = c.KbitUL;
  f.meanDL = c.MeanDL;
  f.meanUL = c.MeanUL;
  f.mbytesShownDL = c.MBytesShownDL;
  f.mbytesShownUL = c.MBytesShownUL;
  f.maxDL = c.MaxDL;
  f.maxUL = c.MaxUL;
  f.countStart = c.CountStart;
  f.elapsedText = c.ElapsedText;
  return f;
}

DetailGraphInput detailGraphInput(const MonitorEngine& engine, bool hourView) {
  const auto& h = engine.History;
  const auto& dl = hourView ? h.dlPerMinute : h.dlPerSecond;
  const auto& ul = hourView ? h.ulPerMinute : h.ulPerSecond;
  const auto& labels = hourView ? engine.TimeLabels.perMinute : engine.TimeLabels.perSecond;
  DetailGraphInput in;
  in.download.values = dl.values;
  in.download.writeIndex = dl.writeIndex;
  in.upload.values = ul.values;
  in.upload.writeIndex = ul.writeIndex;
  for (int k = 0; k < kColumns; ++k)
    if (!labels[k].isNull()) in.timeLabels[k] = engine.regional().timeOfDay(labels[k]);
  return in;
}

// ================================================================ binding

MonitorWindows::MonitorWindows(MonitorEngine& engine, tavo::DesktopSeam& desktop)
    : engine_(engine), desktop_(desktop), net_(std::make_unique<frmNet>()), trayMenu_(std::make_unique<TrayMenu>()) {
  // Until the language is applied the texts are the French design texts.
  texts_ = monitorTexts(true);
  hoverWidget_ = net_->graphArea();

  // Where the desktop tells when a notification area comes or goes, the
  // tray is looked for only then; asking each second for one that is not
  // there costs a round trip to the X server each time. Elsewhere it is
  // looked for when the program wakes anyway, for the engine's tick or for
  // an event: a timer of its own would wake it once more each second. A
  // test's own answer never comes through the desktop's announcement; the
  // tests that change it ask again themselves.
  if (trayChanges_.heard()) {
    connect(&trayChanges_, &desktop::TrayWatch::trayMayHaveChanged, this, [this] {
      if (trayWatched_) keepMainWindowReachable();
    });
  } else if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, &MonitorWindows::watchTrayWhenDue);
  }
  // The XEmbed tray icon's own clicks, each press, release and double click.
  qApp->installEventFilter(this);

  bindMainWindow();
  bindSettings();
  bindEngine();
  bindTrayMenu();
}

MonitorWindows::~MonitorWindows() {
  qApp->removeEventFilter(this);
  if (frmBig_) frmBig_->removeEventFilter(this);
  RemoveTrayIcon();
  if (qtTexts_) QCoreApplication::removeTranslator(qtTexts_.get());
  // The chooser's parent is the settings dialog.
  chooser_.reset();
}

void MonitorWindows::bindMainWindow() {
  frmNet* net = net_.get();
  connect(net, &frmNet::skinRightPressed, this, &MonitorWindows::skinRightPress);
  connect(net, &frmNet::settingsRequested, this, &MonitorWindows::mnuSettings_Click);
  connect(net, &frmNet::hoursGraphRequested, this, &MonitorWindows::mnuBig_Click);
  connect(net, &frmNet::graphHovered, this, &MonitorWindows::lblGraphe_MouseMove);
  connect(net, &frmNet::pointerLeftGraph, this, &MonitorWindows::HideBubble);
}

void MonitorWindows::bindSettings() {
  MonitorSettings& m = engine_.settings();
  frmNet* net = net_.get();
  connect(&m, &MonitorSettings::optionChanged, this, [net](Option o, bool on) {
    if (on && (o == Option::DL || o == Option::UL)) net->underlineDirection(o == Option::DL);
  });
  connect(&m, &MonitorSettings::scrTranspChanged, this, [net](int v) { SetWindowAlpha(net, v); });
  connect(&m, &MonitorSettings::windowPositionChanged, this, [net](const QPointF& p) { net->move(p.toPoint()); });
  engine_.setWindowPositionQuery([net] { return QPointF(net->pos()); });
}

void MonitorWindows::bindSettingsDialog() {
  MonitorSettings& m = engine_.settings();
  frmSettings* s = settings_.get();

  // The controls show the settings and the engine's state of now ...
  for (int i = 0; i < kOptionCount; ++i) s->setOptionValue(Option(i), m.option(Option(i)));
  s->setChkUpdateValue(m.chkUpdate());
  s->setChkLoggingValue(m.chkLogging());
  s->setTransparencyValue(m.scrTransp());
  s->setDLLimitValue(m.DLLimit());
  s->setGraphDelayIndex(m.GraphRefresh());
  s->setLogFileText(ShortenPath(engine_.LogFilePath));
  s->setNewLogFileEnabled(engine_.isLogging());

  // ... and follow them ...
  connect(s, &frmSettings::optionToggled, s, [&m](Option o, bool on) { m.setOption(o, on); });
  connect(&m, &MonitorSettings::optionChanged, s, &frmSettings::setOptionValue);
  connect(&m, &MonitorSettings::chkUpdateChanged, s, &frmSettings::setChkUpdateValue);
  connect(s, &frmSettings::chkUpdateChanged, s, [&m](int v) { m.setChkUpdate(v); });
  connect(&m, &MonitorSettings::chkLoggingClicked, s, &frmSettings::setChkLoggingValue);
  connect(&m, &MonitorSettings::scrTranspChanged, s, &frmSettings::setTransparencyValue);
  connect(&m, &MonitorSettings::dlLimitChanged, s, &frmSettings::setDLLimitValue);
  connect(&m, &MonitorSettings::graphRefreshChanged, s, &frmSettings::setGraphDelayIndex);
  connect(&engine_, &MonitorEngine::logFilePathChanged, s, &frmSettings::setLogFileText);
  connect(&engine_, &MonitorEngine::loggingStateChanged, s, &frmSettings::setNewLogFileEnabled);
  connect(&engine_, &MonitorEngine::selectedInterfaceChanged, s, [this] { showSelectedInterface(); });

  // ... and the dialog's handlers act on the engine and the main window.
  connect(s, &frmSettings::saveRequested, this, [this] {
    // A failure is told by the engine itself (fileFailed), once.
    std::ignore = engine_.SaveSettings();
  });
  connect(s, &frmSettings::graphSettingsTaken, this,
          [this](std::int16_t dlLimit, int refresh) { engine_.applyGraphSettings(dlLimit, refresh); });
  connect(s, &frmSettings::loggingToggled, this, &MonitorWindows::takeLoggingBox);
  // The twin of the detailed graph window's button: a new file while logging.
  connect(s, &frmSettings::newLogFileRequested, this, [this] {
    if (engine_.settings().chkLogging() == 1) engine_.StartNewLogFile(true);
  });
  connect(s, &frmSettings::resetRequested, this, [this] { engine_.ResetCounters(); });
  connect(s, &frmSettings::transparencyChanged, this, &MonitorWindows::setTransparency);
  connect(s, &frmSettings::skinChosen, this, &MonitorWindows::changeSkin);
  connect(s, &frmSettings::defaultSkinRequested, this, &MonitorWindows::defaultSkin);
  connect(s, &frmSettings::interfaceChooserRequested, this, &MonitorWindows::openInterfaceChooser);
  connect(s, &frmSettings::quitRequested, this, &MonitorWindows::ConfirmQuit);
  connect(s, &frmSettings::graphDirectionChosen, net_.get(), &frmNet::underlineDirection);
  connect(s, &frmSettings::openRequested, this, [this](const QUrl& url) {
    // The desktop's handler shows its own error when it has one; nothing more to tell.
    std::ignore = desktop_.openUrl(url);
  });
}

void MonitorWindows::bindTrayMenu() {
  const TrayMenu* s = trayMenu_.get();
  connect(s, &TrayMenu::minimizeTavoChosen, this, &MonitorWindows::mnuMinimizeTavo_Click);
  connect(s, &TrayMenu::minimizeAllChosen, this, &MonitorWindows::mnuMinimizeAll_Click);
  connect(s, &TrayMenu::settingsChosen, this, &MonitorWindows::mnuSettings_Click);
  connect(s, &TrayMenu::bigChosen, this, &MonitorWindows::mnuBig_Click);
  connect(s, &TrayMenu::statsChosen, this, &MonitorWindows::mnuStats_Click);
  connect(s, &TrayMenu::logViewerChosen, this, &MonitorWindows::mnuLogViewer_Click);
  connect(s, &TrayMenu::quitChosen, this, &MonitorWindows::ConfirmQuit);
}

void MonitorWindows::bindEngine() {
  frmNet* net = net_.get();
  connect(&engine_, &MonitorEngine::rateTextsChanged, net, &frmNet::setRateTexts);
  connect(&engine_, &MonitorEngine::fileFailed, this, &MonitorWindows::showFileFailure);
  // Not modal: the tick goes on while the box is up.
  connect(&engine_, &MonitorEngine::errorRaised, this,
          [this](const QString& text, const QString& title) { desktop_.notice(title, text); });
  connect(&engine_, &MonitorEngine::miniGraphUpdated, net, [net](const MiniGraphBars& bars) {
    for (int i = 0; i < frmNet::kBars && i < int(bars.size()); ++i) net->setBarHeight(i, bars[i]);
  });
  connect(&engine_, &MonitorEngine::trackBubble, this, &MonitorWindows::TrackBubble);
  connect(&engine_, &MonitorEngine::refreshHistoryCounters, this, &MonitorWindows::RefreshHistoryCounters);
  // The log frame is there from the start, logging or not (its button
  // names a new file either way); switching logging off hides it and on
  // shows it again. Kept for a detailed graph that is not made yet.
  connect(&engine_, &MonitorEngine::loggingStateChanged, this, [this](bool on) { logFrameShown_ = on; });
}

// ================================================================ start-up

void MonitorWindows::ApplyLanguage() {
  if (qtTexts_) QCoreApplication::removeTranslator(qtTexts_.get());
  qtTexts_ = std::make_unique<QTranslator>();
  const QString language = engine_.IsFrench ? QStringLiteral("fr") : QStringLiteral("en");
  if (qtTexts_->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtTexts_.get());
  applyTexts(engine_.IsFrench);
}

void MonitorWindows::LaunchUpdater() {
  if (engine_.settings().chkUpdate() != 1) return;
  const QString program = engine_.programFolder() + QStringLiteral("/Update");
  if (!desktop_.startProgram(
          {program, {QStringLiteral("Tavo"), versionText(), languageCode()}, engine_.programFolder()}))
    desktop_.notice(errorBoxTitle(), launchErrorText(engine_.IsFrench, QStringLiteral("Update")));
}

void MonitorWindows::loadSkins() {
  if (settings_) settings_->refreshSkinList();
  const QString file = engine_.settings().SkinDescriptorFile();
  net_->LoadDefaultSkin(file);
  // A descriptor that cannot be read leaves the built-in skin, which
  // LoadDefaultSkin has just put up: the window shows it, nothing is lost.
  if (!net_->LoadSkinDescriptor(file, engine_.skinsFolder()))
    qCWarning(monitorLog) << "skin descriptor not read, the built-in skin stays:" << file;
  keepMainWindowOnAScreen();
  net_->ApplySkin();
}

void MonitorWindows::AddTrayIcon() {
  // A notification area that starts later is watched for.
  trayWatched_ = true;
  trayWatchDue_.setRemainingTime(kTrayWatchMs);
  if (desktop_.trayAvailable()) createTrayIcon();
}

void MonitorWindows::ShowMain() {
  net_->show();
  net_->raise();
}

// ================================================================ language

void MonitorWindows::applyTexts(bool french) { showTexts(monitorTexts(french), french); }

void MonitorWindows::showTexts(const MonitorTexts& texts, bool french) {
  texts_ = texts;
  french_ = french;
  if (settings_) settings_->applyTexts(texts, french);
  tavo::applyWindowTexts(trayMenu_.get(), texts.trayMenu);
  // The windows not made yet take the language when they are.
  if (frmBig_) frmBig_->applyTexts(french);
  if (frmBulle_) frmBulle_->applyTexts(french);
  if (chooser_) chooser_->applyTexts(french);
  showSelectedInterface();
}

void MonitorWindows::showSelectedInterface() {
  const int selected = engine_.Interfaces.SelectedInterface;
  if (settings_ && selected >= 0 && selected < kTableEntries)
    settings_->setInterfaceText(engine_.Interfaces.entries[selected].description);
}

// ================================================================ windows

frmSettings& MonitorWindows::settingsDialog() {
  if (settings_) return *settings_;
  settings_ = std::make_unique<frmSettings>();
  settings_->setProgramFolder(engine_.programFolder());
  settings_->setWebHost(tavo::webHost());
  // The engine makes the folder at start-up; the list is refreshed at each showing.
  settings_->setSkinsFolder(engine_.skinsFolder());
  // Before the language is applied the dialog keeps its design texts.
  if (french_) settings_->applyTexts(texts_, *french_);
  showSelectedInterface();
  bindSettingsDialog();
  return *settings_;
}

frmInterfaces& MonitorWindows::chooser() {
  if (!chooser_) {
    chooser_ = std::make_unique<frmInterfaces>(&settingsDialog());
    chooser_->applyTexts(french_.value_or(engine_.IsFrench));
    connect(chooser_.get(), &frmInterfaces::interfaceChosen, this,
            [this](int index) { engine_.changeInterface(index); });
  }
  return *chooser_;
}

void MonitorWindows::openInterfaceChooser() {
  frmInterfaces& c = chooser();
  if (c.isVisible()) return tavo::desktop::showInFront(&c);
  tavo::desktop::placeOnScreenOf(&c, net_.get());
  // Modal: it returns when the chooser is closed, its choice already taken.
  static_cast<void>(c.openChooser(engine_.Interfaces));
}

// Both windows are made when first needed: most runs never show them, and
// each costs memory and start-up time.
frmBulle& MonitorWindows::bubble() {
  if (!frmBulle_) {
    frmBulle_ = std::make_unique<frmBulle>();
    if (french_) frmBulle_->applyTexts(*french_);
    connect(frmBulle_.get(), &frmBulle::showDelayElapsed, this, &MonitorWindows::tmrShow_Timer);
    connect(frmBulle_.get(), &frmBulle::backgroundMouseMoved, this, &MonitorWindows::HideBubble);
  }
  return *frmBulle_;
}

frmBig& MonitorWindows::big() {
  if (!frmBig_) {
    frmBig_ = std::make_unique<frmBig>();
    if (french_) frmBig_->applyTexts(*french_);
    bindBig();
    frmBig_->setLogFileText(ShortenPath(engine_.LogFilePath));
    frmBig_->setLogFrameShown(logFrameShown_);
  }
  return *frmBig_;
}

void MonitorWindows::bindBig() {
  frmBig* b = frmBig_.get();
  connect(b, &frmBig::hourViewRequested, this, &MonitorWindows::DrawHoursGraph);
  connect(b, &frmBig::minuteViewRequested, this, &MonitorWindows::DrawMinutesGraph);
  connect(b, &frmBig::resetCountersRequested, this, [this] { engine_.ResetCounters(); });
  connect(b, &frmBig::newLogFileRequested, this, [this] { engine_.StartNewLogFile(true); });
  connect(b, &frmBig::statsRequested, this, &MonitorWindows::mnuStats_Click);
  connect(b, &frmBig::logViewerRequested, this, &MonitorWindows::mnuLogViewer_Click);
  b->installEventFilter(this);
  connect(&engine_, &MonitorEngine::logFilePathChanged, b, &frmBig::setLogFileText);
  connect(&engine_, &MonitorEngine::loggingStateChanged, b, &frmBig::setLogFrameShown);
}

// ================================================================ programs

void MonitorWindows::startSuiteProgram(const QString& name) {
  const QString program = engine_.programFolder() + u'/' + name;
  if (!desktop_.startProgram({program, {languageCode()}, engine_.programFolder()}))
    desktop_.notice(errorBoxTitle(), launchErrorText(engine_.IsFrench, name));
}

void MonitorWindows::mnuStats_Click() { startSuiteProgram(QStringLiteral("TavoStat")); }
void MonitorWindows::mnuLogViewer_Click() { startSuiteProgram(QStringLiteral("TavoLogV")); }

// ================================================================ skins

void MonitorWindows::keepMainWindowOnAScreen() {
  const QRect place(net_->pos(), net_->picSkin().isNull() ? net_->size() : net_->picSkin().size());
  constexpr int kVisible = 16;  // enough of the window to catch it with the mouse
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect seen = screen->geometry().intersected(place);
    if (seen.width() >= std::min(kVisible, place.width()) && seen.height() >= std::min(kVisible, place.height()))
      return;
  }
  if (QScreen* primary = QGuiApplication::primaryScreen()) net_->move(primary->availableGeometry().topLeft());
}

void MonitorWindows::changeSkin(const QString& descriptorPath) {
  engine_.settings().setSkinDescriptorFile(descriptorPath);
  // A descriptor that cannot be read keeps the skin shown.
  if (!net_->LoadSkinDescriptor(descriptorPath, engine_.skinsFolder()))
    qCWarning(monitorLog) << "skin descriptor not read, the skin shown stays:" << descriptorPath;
  net_->ApplySkin();
}

void MonitorWindows::defaultSkin() {
  engine_.settings().setSkinDescriptorFile(builtInSkinName());
  net_->LoadDefaultSkin(builtInSkinName());
  net_->ApplySkin();
}

// ================================================================ tray

bool MonitorWindows::trayShown() const { return tray_ && tray_->isVisible() && desktop_.trayAvailable(); }

void MonitorWindows::createTrayIcon() {
  if (tray_) return;
  // Drawn for each size a notification area asks for, not scaled from one.
  QIcon icon;
  for (int side : {16, 22, 24, 32, 44, 48, 64}) icon.addPixmap(makeTrayPicture(side));
  tray_ = new QSystemTrayIcon(icon, this);
  tray_->setToolTip(trayTip());
  connect(tray_, &QSystemTrayIcon::activated, this, &MonitorWindows::Picture1_Activated);
  // Once shown, Qt itself follows a notification area that restarts.
  tray_->show();
}

void MonitorWindows::keepMainWindowReachable() {
  if (!tray_ && desktop_.trayAvailable()) createTrayIcon();
  if (!net_->isVisible() && !trayShown()) desktop::raiseTopmost(net_.get());
}

void MonitorWindows::watchTrayWhenDue() {
  if (!trayWatched_ || !trayWatchDue_.hasExpired()) return;
  trayWatchDue_.setRemainingTime(kTrayWatchMs);
  keepMainWindowReachable();
}

void MonitorWindows::RemoveTrayIcon() {
  trayWatched_ = false;
  if (!tray_) return;
  tray_->hide();
  delete tray_;
}

void MonitorWindows::Picture1_Activated(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger: Picture1_Click(TrayClick::LeftRelease); break;
    case QSystemTrayIcon::DoubleClick: Picture1_Click(TrayClick::LeftDoubleClick); break;
    case QSystemTrayIcon::Context: Picture1_Click(TrayClick::RightRelease); break;
    default: break;
  }
}

void MonitorWindows::Picture1_Click(TrayClick click) {
  if (trayBusy_) return;
  trayBusy_ = true;
  switch (trayActionFor(click)) {
    case TrayAction::ToggleMainWindow: mnuMinimizeTavo_Click(); break;
    case TrayAction::PopUpMenu: trayMenu_->popUpAt(desktop_.pointerPosition()); break;
    case TrayAction::None: break;
  }
  trayBusy_ = false;
}

bool MonitorWindows::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (frmBig_ && watched == frmBig_.get()) {
    if (type == QEvent::Show) engine_.setBigGraphVisible(true);
    if (type == QEvent::Hide) engine_.setBigGraphVisible(false);
    return QObject::eventFilter(watched, event);
  }
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
    click = type == QEvent::MouseButtonPress     ? TrayClick::LeftPress
            : type == QEvent::MouseButtonRelease ? TrayClick::LeftRelease
                                                 : TrayClick::LeftDoubleClick;
  else if (button == Qt::RightButton)
    click = type == QEvent::MouseButtonPress     ? TrayClick::RightPress
            : type == QEvent::MouseButtonRelease ? TrayClick::RightRelease
                                                 : TrayClick::RightDoubleClick;
  Picture1_Click(click);
  return true;
}

void MonitorWindows::mnuMinimizeTavo_Click() {
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

void MonitorWindows::mnuMinimizeAll_Click() {
  // A desktop that cannot leaves the windows as they are: there is nothing to undo or tell.
  if (desktop_.minimizeOtherWindows() < 0) qCDebug(monitorLog) << "the desktop cannot minimise the other windows";
}

void MonitorWindows::skinRightPress() {
  // Hidden, the window comes back only through the tray icon: without a
  // notification area it must stay, so only the others are put away.
  if (!engine_.settings().optMinAll() && trayShown()) net_->hide();
  else mnuMinimizeAll_Click();
}

void MonitorWindows::takeLoggingBox() {
  // The box's own state counts: a third state stays a third state.
  frmSettings& dialog = settingsDialog();
  engine_.settings().setChkLogging(dialog.chkLoggingValue());
  dialog.setLogFileText(ShortenPath(engine_.LogFilePath));
}

void MonitorWindows::setTransparency(int opacity) {
  engine_.settings().setScrTransp(opacity);
  SetWindowAlpha(net_.get(), opacity);
}

void MonitorWindows::mnuSettings_Click() {
  frmSettings& dialog = settingsDialog();
  dialog.refreshSkinList();
  if (!dialog.isVisible()) {
    // The limit box shows what the settings hold, also a value its own
    // check would not let through (one taken unclamped at the close box).
    dialog.setDLLimitValue(engine_.settings().DLLimit());
    desktop::placeOnScreenOf(&dialog, net_.get());
  }
  desktop::showInFront(&dialog);
}

// ================================================================ quit

void MonitorWindows::ConfirmQuit() {
  const auto answer =
      desktop_.ask({settings_ && settings_->isVisible() ? settings_.get() : nullptr, QMessageBox::Question,
                    texts_.QuitTitle, texts_.QuitPrompt, QMessageBox::Yes | QMessageBox::No});
  if (answer != QMessageBox::Yes) return;
  const QList<FileFailure> failures = engine_.quitSave();
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

void MonitorWindows::showFileFailure(const FileFailure& failure) {
  const QString text = fileFailureText(failure, engine_.IsFrench);
  std::fprintf(stderr, "%s: %s\n", qPrintable(MonitorEngine::errorTitle()), qPrintable(text.simplified()));
  // The tick goes on while the box is up.
  desktop_.notice(MonitorEngine::errorTitle(), text);
}

// ================================================================ bubble

std::optional<HoverArea> MonitorWindows::widgetArea() const {
  if (!hoverWidget_ || !hoverWidget_->isVisible()) return std::nullopt;
  return HoverArea::fromTopLeftAndSize(hoverWidget_->mapToGlobal(QPoint(0, 0)), hoverWidget_->size());
}

bool MonitorWindows::BubbleShown() const { return engine_.BubbleShown; }

void MonitorWindows::ShowBubble() {
  bubble().setFigures(makeCounterTexts(counterFigures(engine_.Counters), engine_.regional()));
  bubble().show();
  bubble().raise();
}

void MonitorWindows::HideBubble() {
  engine_.setBubbleShown(false);
  if (!frmBulle_) return;
  frmBulle_->cancelShowDelay();
  frmBulle_->hide();
}

void MonitorWindows::TrackBubble() {
  const QPoint p = desktop_.pointerPosition();
  const std::optional<HoverArea> area = widgetArea();
  if (!area || !area->contains(p)) {
    HideBubble();
    return;
  }
  bubble().move(bubblePosition(p, desktop_.screenGeometryAt(p)));
  ShowBubble();
}

void MonitorWindows::lblGraphe_MouseMove() {
  if (!engine_.BubbleShown) bubble().armShowDelay();
}

void MonitorWindows::tmrShow_Timer() {
  bubble().cancelShowDelay();
  engine_.setBubbleShown(true);
  TrackBubble();
}

// ================================================================ detailed graph

void MonitorWindows::DrawHoursGraph() { drawView(true); }
void MonitorWindows::DrawMinutesGraph() { drawView(false); }

void MonitorWindows::drawView(bool hourView) {
  frmBig& window = big();
  window.clearGraph();
  window.markView(hourView);
  RefreshHistoryCounters();
  window.setGraph(computeDetailGraph(detailGraphInput(engine_, hourView)));
  // On the main window's screen; shown normal and in front, also when it
  // was minimised or behind other windows.
  if (!window.isVisible()) tavo::desktop::placeOnScreenOf(&window, hoverWidget_ ? hoverWidget_->window() : nullptr);
  tavo::desktop::showInFront(&window);
}

void MonitorWindows::RefreshHistoryCounters() {
  if (!frmBig_) return;  // made and filled when first opened
  frmBig_->setCounters(makeCounterTexts(counterFigures(engine_.Counters), engine_.regional()));
}

}  // namespace tavo::monitor
