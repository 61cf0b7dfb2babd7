#include "monitor/ui/monitorwindows.h"

#include "common/platform/desktop/desktop.h"

namespace tavo::monitor {

namespace {

QRadioButton* optionButton(const frmSettings& s, Option o) {
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

}  // namespace

MonitorWindows::MonitorWindows(MonitorEngine& engine, tavo::DesktopSeam& desktop)
    : engine_(engine), ui_(std::make_unique<MonitorUi>(engine, desktop)) {
  bindMainWindow();
  bindSettings();
  QObject::connect(ui_.get(), &MonitorUi::settingsDialogMade, ui_.get(),
                   [this](frmSettings& dialog) { bindSettingsDialog(dialog); });
  bindEngine();
  bindTrayMenu();
  bulle_ = std::make_unique<tavo::monitor::BulleGraphe>(engine, ui_->desktop());
  bulle_->setHoverWidget(ui_->net().lblGraphe);
  bindSecondaryWindows();
}

MonitorWindows::~MonitorWindows() {
  chooser_.reset();
  bulle_.reset();
  ui_.reset();
}

void MonitorWindows::ApplyLanguage() { ui_->ApplyLanguage(); }
void MonitorWindows::LaunchUpdater() { ui_->LaunchUpdater(); }
void MonitorWindows::LoadSkins() { ui_->LoadSkins(); }
void MonitorWindows::AddTrayIcon() { ui_->AddTrayIcon(); }
void MonitorWindows::ShowMain() { ui_->ShowMain(); }

tavo::monitor::frmInterfaces& MonitorWindows::chooser() {
  if (!chooser_) {
    chooser_ = std::make_unique<tavo::monitor::frmInterfaces>(engine_, &ui_->settingsDialog());
    chooser_->applyTexts(engine_.IsFrench);
  }
  return *chooser_;
}

void MonitorWindows::bindMainWindow() {
  MonitorUi* ui = ui_.get();
  frmNet* net = &ui->net();
  QObject::connect(net, &frmNet::skinRightPressed, ui, &MonitorUi::skinRightPress);
  QObject::connect(net, &frmNet::settingsRequested, ui, &MonitorUi::mnuSettings_Click);
  QObject::connect(net, &frmNet::hoursGraphRequested, ui, &MonitorUi::mnuBig_Click);
  // The bubble is made after the main window; it is reached when the pointer moves.
  QObject::connect(net, &frmNet::graphHovered, ui, [this] { bulle_->lblGraphe_MouseMove(); });
  QObject::connect(net, &frmNet::pointerLeftGraph, ui, [this] { bulle_->HideBubble(); });
}

void MonitorWindows::bindSettings() {
  MonitorUi* ui = ui_.get();
  MonitorSettings& m = engine_.settings();
  frmNet* net = &ui->net();
  QObject::connect(&m, &MonitorSettings::optionChanged, ui, [net](Option o, bool on) {
    if (on && (o == Option::DL || o == Option::UL)) net->underlineDirection(o == Option::DL);
  });
  QObject::connect(&m, &MonitorSettings::scrTranspChanged, ui, [net](int v) { SetWindowAlpha(net, v); });
  QObject::connect(&m, &MonitorSettings::windowPositionChanged, ui, [net](const QPointF& p) { net->move(p.toPoint()); });
  engine_.setWindowPositionQuery([net] { return QPointF(net->pos()); });
}

void MonitorWindows::bindSettingsDialog(frmSettings& dialog) {
  MonitorUi* ui = ui_.get();
  MonitorSettings& m = engine_.settings();
  frmSettings* s = &dialog;
  frmNet* net = &ui->net();

  // The controls show the settings and the engine's state of now ...
  for (int i = 0; i < kOptionCount; ++i) frmSettings::setOption(optionButton(*s, Option(i)), m.option(Option(i)));
  frmSettings::setCheckBoxValue(s->chkUpdate, m.chkUpdate());
  frmSettings::setCheckBoxValue(s->chkLogging, m.chkLogging());
  s->scrTransp->setValue(m.scrTransp());
  s->txtDLLimit->setText(QString::number(m.DLLimit()));
  if (m.GraphRefresh() == 0 || m.GraphRefresh() == 1) s->cmbGraphDelay->setCurrentIndex(m.GraphRefresh());
  s->setLogFileText(ShortenPath(engine_.LogFilePath));
  s->cmdLogFile->setEnabled(engine_.isLogging());

  // ... and follow them ...
  for (int i = 0; i < kOptionCount; ++i) {
    const Option o = Option(i);
    QObject::connect(optionButton(*s, o), &QRadioButton::toggled, s, [&m, o](bool on) { m.setOption(o, on); });
  }
  QObject::connect(&m, &MonitorSettings::optionChanged, s,
                   [s](Option o, bool on) { frmSettings::setOption(optionButton(*s, o), on); });
  QObject::connect(&m, &MonitorSettings::chkUpdateChanged, s,
                   [s](int v) { frmSettings::setCheckBoxValue(s->chkUpdate, v); });
  QObject::connect(s->chkUpdate, &QCheckBox::stateChanged, s,
                   [s, &m] { m.setChkUpdate(frmSettings::checkBoxValue(s->chkUpdate)); });
  QObject::connect(&m, &MonitorSettings::chkLoggingClicked, s,
                   [s](int v) { frmSettings::setCheckBoxValue(s->chkLogging, v); });
  QObject::connect(&m, &MonitorSettings::scrTranspChanged, s, [s](int v) { s->scrTransp->setValue(v); });
  QObject::connect(&m, &MonitorSettings::dlLimitChanged, s, [s](int v) { s->txtDLLimit->setText(QString::number(v)); });
  QObject::connect(&m, &MonitorSettings::graphRefreshChanged, s, [s](int v) {
    if (v == 0 || v == 1) s->cmbGraphDelay->setCurrentIndex(v);
  });
  QObject::connect(&engine_, &MonitorEngine::logFilePathChanged, s, &frmSettings::setLogFileText);
  QObject::connect(&engine_, &MonitorEngine::loggingStateChanged, s->cmdLogFile, &QWidget::setEnabled);
  QObject::connect(&engine_, &MonitorEngine::selectedInterfaceChanged, s, [ui] { ui->showSelectedInterface(); });

  // ... and the dialog's handlers act on the engine and the main window.
  QObject::connect(s, &frmSettings::saveRequested, ui, [this] { engine_.SaveSettings(); });
  QObject::connect(s, &frmSettings::graphSettingsTaken, ui,
                   [this](std::int16_t dlLimit, int refresh) { engine_.ApplyGraphSettings(dlLimit, refresh); });
  QObject::connect(s, &frmSettings::loggingToggled, ui, &MonitorUi::takeLoggingBox);
  // The detailed graph's log frame follows whether the engine really logs
  // (a folder it cannot write keeps it off), not the box.
  // The twin of the detailed graph window's button: a new file while logging.
  QObject::connect(s, &frmSettings::newLogFileRequested, ui, [this] {
    if (engine_.settings().chkLogging() == 1) engine_.StartNewLogFile(true);
  });
  QObject::connect(s, &frmSettings::resetRequested, ui, [this] { engine_.ResetCounters(); });
  QObject::connect(s, &frmSettings::transparencyChanged, ui, &MonitorUi::setTransparency);
  QObject::connect(s, &frmSettings::skinChosen, ui, &MonitorUi::changeSkin);
  QObject::connect(s, &frmSettings::defaultSkinRequested, ui, &MonitorUi::defaultSkin);
  QObject::connect(s, &frmSettings::interfaceChooserRequested, ui, [this] {
    frmInterfaces& c = chooser();
    if (c.isVisible()) return tavo::desktop::showInFront(&c);
    tavo::desktop::placeOnScreenOf(&c, &ui_->net());
    c.OpenChooser();
  });
  QObject::connect(s, &frmSettings::quitRequested, ui, &MonitorUi::ConfirmQuit);
  QObject::connect(s, &frmSettings::graphDirectionChosen, net, &frmNet::underlineDirection);
  QObject::connect(s, &frmSettings::openRequested, ui, &MonitorUi::open);
}

void MonitorWindows::bindTrayMenu() {
  MonitorUi* ui = ui_.get();
  const TrayMenu& s = ui->trayMenu();
  QObject::connect(s.mnuMinimizeTavo, &QAction::triggered, ui, &MonitorUi::mnuMinimizeTavo_Click);
  QObject::connect(s.mnuMinimizeAll, &QAction::triggered, ui, &MonitorUi::mnuMinimizeAll_Click);
  QObject::connect(s.mnuSettings, &QAction::triggered, ui, &MonitorUi::mnuSettings_Click);
  QObject::connect(s.mnuBig, &QAction::triggered, ui, &MonitorUi::mnuBig_Click);
  QObject::connect(s.mnuStats, &QAction::triggered, ui, &MonitorUi::mnuStats_Click);
  QObject::connect(s.mnuLogViewer, &QAction::triggered, ui, &MonitorUi::mnuLogViewer_Click);
  QObject::connect(s.mnuQuit, &QAction::triggered, ui, &MonitorUi::ConfirmQuit);
}

void MonitorWindows::bindEngine() {
  MonitorUi* ui = ui_.get();
  frmNet* net = &ui->net();
  QObject::connect(&engine_, &MonitorEngine::rateTextsChanged, net, &frmNet::setRateTexts);
  QObject::connect(&engine_, &MonitorEngine::fileFailed, ui, &MonitorUi::showFileFailure);
  // Not modal: the tick goes on while the box is up.
  QObject::connect(&engine_, &MonitorEngine::errorRaised, ui,
                   [ui](const QString& text, const QString& title) { ui->desktop().notice(title, text); });
  QObject::connect(&engine_, &MonitorEngine::miniGraphUpdated, ui, [net](const MiniGraphBars& bars) {
    for (int i = 0; i < frmNet::kBars && i < int(bars.size()); ++i) net->setBarHeight(i, bars[i]);
  });
}

void MonitorWindows::bindSecondaryWindows() {
  MonitorUi* ui = ui_.get();
  tavo::monitor::BulleGraphe* bulle = bulle_.get();
  QObject::connect(ui, &MonitorUi::hoursGraphRequested, bulle, &tavo::monitor::BulleGraphe::DrawHoursGraph);
  QObject::connect(ui, &MonitorUi::languageApplied, bulle, [this](bool french) {
    bulle_->applyTexts(french);
    // The chooser and the settings dialog are made when first opened.
    if (chooser_) chooser_->applyTexts(french);
  });
  QObject::connect(bulle, &tavo::monitor::BulleGraphe::statsRequested, ui, &MonitorUi::mnuStats_Click);
  QObject::connect(bulle, &tavo::monitor::BulleGraphe::logViewerRequested, ui, &MonitorUi::mnuLogViewer_Click);
}

}  // namespace tavo::monitor
