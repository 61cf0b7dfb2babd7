#include "monitor/ui/frmsettings.h"

#include "common/languagetexts.h"
#include "common/numbers.h"
#include "common/pictures.h"
#include "monitor/core/displaytexts.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tavo::monitor {

QString clampDLLimitText(const QString& text) {
  QString result = text;
  if (leadingNumber(result) > kMaxDLLimit) result = QString::number(kMaxDLLimit);
  if (leadingNumber(result) < kMinDLLimit) result = QString::number(kMinDLLimit);
  return result;
}

namespace {

template <typename W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QGroupBox* frame(const char* name, const char* title) { return named(new QGroupBox(QString::fromUtf8(title)), name); }

}  // namespace

QPixmap makeTrayPicture(int side) { return tavo::trayPicture(side); }

frmSettings::frmSettings(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmSettings"));
  setWindowTitle(designSettingsCaption());

  tabOptions = named(new QTabBar, "tabOptions");
  tabOptions->setExpanding(false);
  pages = named(new QStackedWidget, "pages");
  fTab[0] = named(new QWidget, "fTab0");
  fTab[1] = named(new QWidget, "fTab1");
  pages->addWidget(fTab[0]);
  pages->addWidget(fTab[1]);

  // Page 1: update check, skins, translucency, right click.
  frameUpdate = frame("frameUpdate", "Update");
  chkUpdate = named(new QCheckBox, "chkUpdate");
  (new QVBoxLayout(frameUpdate))->addWidget(chkUpdate);

  frameSkins = frame("frameSkins", "Skins");
  filelistSkins = named(new QListWidget, "filelistSkins");
  filelistSkins->setMinimumHeight(70);
  filelistSkins->setMaximumHeight(110);
  cmdChangeSkin = named(new QPushButton, "cmdChangeSkin");
  cmdDefaultSkin = named(new QPushButton, "cmdDefaultSkin");
  {
    auto* l = new QHBoxLayout(frameSkins);
    l->addWidget(filelistSkins, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdChangeSkin);
    buttons->addWidget(cmdDefaultSkin);
    buttons->addStretch();
    l->addLayout(buttons);
  }

  frameTransp = frame("frameTransp", "");
  scrTransp = named(new QScrollBar(Qt::Horizontal), "scrTransp");
  scrTransp->setRange(0, 255);
  scrTransp->setValue(255);
  scrTransp->setTracking(true);
  (new QVBoxLayout(frameTransp))->addWidget(scrTransp);

  frameVarious = frame("frameVarious", "");
  optMinAll = named(new QRadioButton, "optMinAll");
  optMinTavo = named(new QRadioButton, "optMinTavo");
  {
    auto* l = new QVBoxLayout(frameVarious);
    l->addWidget(optMinAll);
    l->addWidget(optMinTavo);
  }
  {
    auto* l = new QVBoxLayout(fTab[0]);
    l->addWidget(frameUpdate);
    l->addWidget(frameSkins);
    l->addWidget(frameTransp);
    l->addWidget(frameVarious);
    l->addStretch();
  }

  // Page 2: mini graph, display, rate log, interface.
  frameGraph = frame("frameGraph", "");
  optDL = named(new QRadioButton(QStringLiteral("Download")), "optDL");
  optUL = named(new QRadioButton(QStringLiteral("Upload")), "optUL");
  Label2 = named(new QLabel, "Label2");
  txtDLLimit = named(new QLineEdit(QStringLiteral("1024")), "txtDLLimit");
  txtDLLimit->setMaximumWidth(80);
  Label4 = named(new QLabel, "Label4");
  cmbGraphDelay = named(new QComboBox, "cmbGraphDelay");
  cmbGraphDelay->addItem(QStringLiteral("1 minute"), 1);
  cmbGraphDelay->addItem(QStringLiteral("60 minutes"), 60);
  cmdUpdateGRaph = named(new QPushButton, "cmdUpdateGRaph");
  {
    auto* l = new QVBoxLayout(frameGraph);
    auto* dir = new QHBoxLayout;
    dir->addWidget(optDL);
    dir->addWidget(optUL);
    dir->addStretch();
    l->addLayout(dir);
    auto* y = new QHBoxLayout;
    y->addWidget(Label2);
    y->addWidget(txtDLLimit);
    y->addStretch();
    l->addLayout(y);
    auto* x = new QHBoxLayout;
    x->addWidget(Label4);
    x->addWidget(cmbGraphDelay);
    x->addStretch();
    l->addLayout(x);
    l->addWidget(cmdUpdateGRaph, 0, Qt::AlignRight);
  }

  FrameCounters = frame("FrameCounters", "");
  optInbits = named(new QRadioButton, "optInbits");
  optInBytes = named(new QRadioButton, "optInBytes");
  optCumul = named(new QRadioButton, "optCumul");
  optMean = named(new QRadioButton, "optMean");
  cmdReset = named(new QPushButton, "cmdReset");
  {
    auto* l = new QVBoxLayout(FrameCounters);
    for (QWidget* w : {optInbits, optInBytes, optCumul, optMean}) l->addWidget(w);
    l->addWidget(cmdReset, 0, Qt::AlignRight);
  }

  frameLog = frame("frameLog", "");
  chkLogging = named(new QCheckBox, "chkLogging");
  cmdLogFile = named(new QPushButton, "cmdLogFile");
  label13 = named(new QLabel, "label13");
  lblLogFile = named(new QLabel(QStringLiteral("----")), "lblLogFile");
  {
    auto* l = new QVBoxLayout(frameLog);
    auto* top = new QHBoxLayout;
    top->addWidget(chkLogging);
    top->addStretch();
    top->addWidget(cmdLogFile);
    l->addLayout(top);
    auto* now = new QHBoxLayout;
    now->addWidget(label13);
    now->addWidget(lblLogFile, 1);
    l->addLayout(now);
  }

  frameInface = frame("frameInface", "");
  cmdInterface = named(new QPushButton, "cmdInterface");
  lblInterface = named(new QLabel, "lblInterface");
  lblInterface->setWordWrap(true);
  {
    auto* l = new QHBoxLayout(frameInface);
    l->addWidget(lblInterface, 1);
    l->addWidget(cmdInterface);
  }
  {
    auto* l = new QVBoxLayout(fTab[1]);
    l->addWidget(frameGraph);
    l->addWidget(FrameCounters);
    l->addWidget(frameLog);
    l->addWidget(frameInface);
    l->addStretch();
  }

  // Outside the pages.
  frameNet = frame("frameNet", "Internet");
  lblFindSkins = named(new QLabel, "lblFindSkins");
  lblFindSkins->setCursor(Qt::PointingHandCursor);
  // The theme's own link colour: readable on the theme's background, dark or light.
  QPalette link = lblFindSkins->palette();
  link.setColor(QPalette::WindowText, link.color(QPalette::Link));
  lblFindSkins->setPalette(link);
  (new QVBoxLayout(frameNet))->addWidget(lblFindSkins);
  cmdHelp = named(new QPushButton, "cmdHelp");
  Picture10 = named(new QLabel, "Picture10");
  Picture10->setPixmap(tavo::iconPicture(tavo::PictureKind::Help, kActionPictureSide, QColor(40, 90, 170)));
  Picture10->setCursor(Qt::PointingHandCursor);
  cmdQuit = named(new QPushButton, "cmdQuit");
  picQuit = named(new QLabel, "picQuit");
  picQuit->setPixmap(tavo::iconPicture(tavo::PictureKind::Quit, kActionPictureSide, QColor(190, 30, 30)));
  picQuit->setCursor(Qt::PointingHandCursor);
  Picture1 = named(new QLabel(this), "Picture1");
  Picture1->setPixmap(makeTrayPicture());
  Picture1->hide();

  // Everything scrolls inside the window: on a screen too small for the
  // dialog (a large scale) the window gets the screen's size, and its lower
  // rows stay reachable rather than cut off below the screen.
  body_ = named(new QWidget, "body");
  auto* main = new QVBoxLayout(body_);
  main->addWidget(tabOptions);
  main->addWidget(pages);
  main->addWidget(frameNet);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Picture10);
  bottom->addWidget(cmdHelp);
  bottom->addStretch();
  bottom->addWidget(cmdQuit);
  bottom->addWidget(picQuit);
  main->addLayout(bottom);
  scroll_ = named(new QScrollArea, "scroll");
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setWidget(body_);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll_);

  groupDisplay_ = new QButtonGroup(this);
  for (QRadioButton* b : {optInbits, optInBytes, optCumul, optMean}) groupDisplay_->addButton(b);
  groupDirection_ = new QButtonGroup(this);
  groupDirection_->addButton(optDL);
  groupDirection_->addButton(optUL);
  groupRightClick_ = new QButtonGroup(this);
  groupRightClick_->addButton(optMinAll);
  groupRightClick_->addButton(optMinTavo);

  // Starting state of the controls.
  optDL->setChecked(true);
  optInBytes->setChecked(true);
  optMinAll->setChecked(true);
  cmbGraphDelay->setCurrentIndex(0);
  cmdLogFile->setEnabled(false);

  connect(tabOptions, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index >= 0) tabOptions_Click(index);
  });
  connect(tabOptions, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0) tabOptions_Click(index);
  });
  txtDLLimit->installEventFilter(this);
  connect(cmdUpdateGRaph, &QPushButton::clicked, this, &frmSettings::cmdUpdateGRaph_Click);
  connect(chkLogging, &QCheckBox::stateChanged, this, &frmSettings::chkLogging_Click);
  // The twin of the detailed graph window's button: a new log file.
  connect(cmdLogFile, &QPushButton::clicked, this, &frmSettings::newLogFileRequested);
  connect(cmdInterface, &QPushButton::clicked, this, &frmSettings::cmdInterface_Click);
  connect(cmdReset, &QPushButton::clicked, this, &frmSettings::cmdReset_Click);
  connect(cmdChangeSkin, &QPushButton::clicked, this, &frmSettings::cmdChangeSkin_Click);
  connect(cmdDefaultSkin, &QPushButton::clicked, this, &frmSettings::cmdDefaultSkin_Click);
  connect(cmdHelp, &QPushButton::clicked, this, &frmSettings::cmdHelp_Click);
  connect(cmdQuit, &QPushButton::clicked, this, &frmSettings::cmdQuit_Click);
  connect(scrTransp, &QScrollBar::valueChanged, this, &frmSettings::scrTransp_Change);
  connect(optDL, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optDL_Click();
  });
  connect(optUL, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optUL_Click();
  });
  for (QLabel* clickable : {lblFindSkins, Picture10, picQuit}) clickable->installEventFilter(this);
  for (int i = 0; i < kOptionCount; ++i) {
    const Option o = Option(i);
    connect(optionButton(o), &QRadioButton::toggled, this, [this, o](bool on) { emit optionToggled(o, on); });
  }
  connect(chkUpdate, &QCheckBox::stateChanged, this, [this] { emit chkUpdateChanged(checkBoxValue(chkUpdate)); });

  Form_Load();
}

QSize frmSettings::sizeHint() const {
  // The whole dialog, as if nothing scrolled; a scroll area alone would
  // offer a fraction of it.
  return body_->sizeHint();
}

void frmSettings::Form_Load() {
  while (tabOptions->count()) tabOptions->removeTab(0);
  tabOptions->addTab(designTabCaption(0));
  tabOptions->addTab(designTabCaption(1));
  tabOptions->setCurrentIndex(0);
  pages->setCurrentIndex(0);
}

void frmSettings::tabOptions_Click(int tabIndex) {
  if (tabIndex < 0 || tabIndex > 1) return;
  if (tabOptions->currentIndex() != tabIndex) tabOptions->setCurrentIndex(tabIndex);
  pages->setCurrentIndex(tabIndex);
}

void frmSettings::setOption(QRadioButton* option, bool on) {
  if (option->isChecked() == on) return;
  if (on) {
    option->setChecked(true);
    return;
  }
  QButtonGroup* group = option->group();
  const bool exclusive = group && group->exclusive();
  if (group) group->setExclusive(false);
  option->setChecked(false);
  if (group) group->setExclusive(exclusive);
}

int frmSettings::checkBoxValue(const QCheckBox* box) {
  const Qt::CheckState state = box->checkState();
  return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

void frmSettings::setCheckBoxValue(QCheckBox* box, int value) {
  if (value == 2) box->setTristate(true);
  box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void frmSettings::setSkinsFolder(const QString& folder) {
  skinsFolder_ = folder;
  refreshSkinList();
}

void frmSettings::refreshSkinList() {
  const QString selected = filelistSkins->currentItem() ? filelistSkins->currentItem()->text() : QString();
  filelistSkins->clear();
  if (skinsFolder_.isEmpty()) return;
  const QStringList names =
      QDir(skinsFolder_).entryList({QStringLiteral("*.xsd")}, QDir::Files | QDir::Readable, QDir::Name);
  filelistSkins->addItems(names);
  if (!selected.isEmpty()) {
    const auto found = filelistSkins->findItems(selected, Qt::MatchExactly);
    if (!found.isEmpty()) filelistSkins->setCurrentItem(found.first());
  }
}

void frmSettings::applyTexts(const MonitorTexts& texts, bool isFrench) {
  isFrench_ = isFrench;
  applyWindowTexts(this, texts.settings);
}

bool frmSettings::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtDLLimit) {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        txtDLLimit_Validate();
        cmdUpdateGRaph->setFocus(Qt::OtherFocusReason);
        return true;
      }
      if (key->key() == Qt::Key_Backspace) return false;
      const QString typed = key->text();
      // Only the typed characters are filtered; moving keys and shortcuts
      // carry no text and pass.
      if (!typed.isEmpty() && typed.at(0).isPrint()) {
        const QChar c = typed.at(0);
        if (c < u'0' || c > u'9') return true;
      }
    } else if (event->type() == QEvent::FocusOut) {
      // Only moving to another control of the dialog validates the text;
      // the dialog going away (its close box, another window) leaves it as
      // typed, as the settings took it.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) txtDLLimit_Validate();
    }
    return false;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* e = static_cast<QMouseEvent*>(event);
    if (e->button() == Qt::LeftButton) {
      if (watched == lblFindSkins) lblFindSkins_Click();
      else if (watched == Picture10) cmdHelp_Click();
      else if (watched == picQuit) cmdQuit_Click();
      else return QWidget::eventFilter(watched, event);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmSettings::txtDLLimit_Validate() {
  const QString clamped = clampDLLimitText(txtDLLimit->text());
  if (clamped != txtDLLimit->text()) txtDLLimit->setText(clamped);
}

void frmSettings::takeGraphSettings() {
  // The 16-bit holder clamps, so an unclamped text taken at the close box
  // can never wrap around.
  const std::int16_t dlLimit = readInt16(txtDLLimit->text());
  if (cmbGraphDelay->currentIndex() < 0) cmbGraphDelay->setCurrentIndex(0);
  const int refresh = cmbGraphDelay->currentIndex();
  emit graphSettingsTaken(dlLimit, refresh);
}

void frmSettings::cmdUpdateGRaph_Click() { takeGraphSettings(); }

void frmSettings::setLogFileText(const QString& text) { lblLogFile->setText(text); }

QRadioButton* frmSettings::optionButton(Option o) const {
  switch (o) {
    case Option::Inbits: return optInbits;
    case Option::InBytes: return optInBytes;
    case Option::Cumul: return optCumul;
    case Option::Mean: return optMean;
    case Option::DL: return optDL;
    case Option::UL: return optUL;
    case Option::MinAll: return optMinAll;
    case Option::MinTavo: return optMinTavo;
  }
  return nullptr;
}

void frmSettings::setOptionValue(Option option, bool on) {
  if (QRadioButton* button = optionButton(option)) setOption(button, on);
}

void frmSettings::setTransparencyValue(int opacity) { scrTransp->setValue(opacity); }

void frmSettings::setDLLimitValue(int limit) { txtDLLimit->setText(QString::number(limit)); }

void frmSettings::setGraphDelayIndex(int index) {
  if (index == 0 || index == 1) cmbGraphDelay->setCurrentIndex(index);
}

void frmSettings::setNewLogFileEnabled(bool enabled) { cmdLogFile->setEnabled(enabled); }

void frmSettings::setInterfaceText(const QString& description) { lblInterface->setText(ShortenText(description)); }

void frmSettings::chkLogging_Click() {
  const bool on = chkLogging->checkState() == Qt::Checked;
  emit loggingToggled(on);
  cmdLogFile->setEnabled(on);
}

void frmSettings::cmdInterface_Click() { emit interfaceChooserRequested(); }

void frmSettings::cmdReset_Click() { emit resetRequested(); }

void frmSettings::cmdChangeSkin_Click() {
  QListWidgetItem* item = filelistSkins->currentItem();
  if (!item || !item->isSelected()) return;
  emit skinChosen(skinsFolder_ + u'/' + item->text());
}

void frmSettings::cmdDefaultSkin_Click() { emit defaultSkinRequested(); }

QUrl frmSettings::skinsPageUrl() const {
  return QUrl(webHost_ + (isFrench_ ? QStringLiteral("/tavo.php") : QStringLiteral("/english.php")));
}

QString frmSettings::helpFilePath() const {
  return programFolder_ + (isFrench_ ? QStringLiteral("/Tavo_FR.pdf") : QStringLiteral("/Tavo_EN.pdf"));
}

void frmSettings::lblFindSkins_Click() { emit openRequested(skinsPageUrl()); }

void frmSettings::cmdHelp_Click() { emit openRequested(QUrl::fromLocalFile(helpFilePath())); }

void frmSettings::cmdQuit_Click() { emit quitRequested(); }

void frmSettings::optDL_Click() { emit graphDirectionChosen(true); }

void frmSettings::optUL_Click() { emit graphDirectionChosen(false); }

void frmSettings::scrTransp_Change(int value) { emit transparencyChanged(value); }

bool frmSettings::Form_QueryUnload(bool byCloseBox) {
  if (!byCloseBox) return false;
  takeGraphSettings();
  emit saveRequested();
  hide();
  return true;
}

void frmSettings::closeEvent(QCloseEvent* event) {
  if (Form_QueryUnload(!ending_)) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace tavo::monitor
