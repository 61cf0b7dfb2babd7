#include "installer/ui/pages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/languagetexts.h"

namespace tavo::setup {

namespace {

constexpr int kPageWidth = 620;
constexpr int kPageHeight = 400;
constexpr int kPathRole = Qt::UserRole;

QPushButton* button(const QString& name, QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  return b;
}

QLabel* boldLabel(const QString& name, const QString& text, QWidget* parent, int pointSize = 0) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  QFont f = l->font();
  f.setBold(true);
  if (pointSize > 0) f.setPointSize(pointSize);
  l->setFont(f);
  return l;
}

// The buttons at the page's bottom right, forward button last.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

}  // namespace

frmStock frmStock::make() {
  frmStock s;
  // The title strip: the product word upright on a blue gradient.
  QImage title(100, 214, QImage::Format_RGB888);
  {
    QPainter p(&title);
    QLinearGradient g(0, 0, 0, 214);
    g.setColorAt(0, QColor(16, 48, 112));
    g.setColorAt(1, QColor(64, 140, 210));
    p.fillRect(title.rect(), g);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(34);
    p.setFont(f);
    p.translate(66, 200);
    p.rotate(-90);
    p.drawText(0, 0, QStringLiteral("Tavo"));
  }
  s.imgTitle = QPixmap::fromImage(title);
  // The logo: a small bar graph of download and upload rates.
  QImage logo(107, 140, QImage::Format_ARGB32);
  logo.fill(Qt::white);
  {
    QPainter p(&logo);
    p.setPen(QColor(175, 175, 175));
    p.drawRect(4, 4, 98, 131);
    const int heights[] = {30, 55, 42, 80, 66, 95, 70, 110};
    for (int i = 0; i < 8; ++i) {
      p.fillRect(10 + i * 11, 130 - heights[i], 5, heights[i], QColor(0, 128, 0));
      p.fillRect(15 + i * 11, 130 - heights[i] / 3, 4, heights[i] / 3, QColor(192, 0, 0));
    }
  }
  s.imgLogo = QPixmap::fromImage(logo);
  return s;
}

SetupPage::SetupPage(const QString& objectName) {
  setObjectName(objectName);
  setFixedSize(kPageWidth, kPageHeight);
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(100, 214);
  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setFixedSize(107, 140);
  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameShape(QFrame::VLine);
  Shape1->setFrameShadow(QFrame::Sunken);
  content_ = new QWidget(this);

  auto* pictures = new QVBoxLayout;
  pictures->addWidget(Image1, 0, Qt::AlignHCenter);
  pictures->addWidget(Image2, 0, Qt::AlignHCenter);
  pictures->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(pictures);
  layout->addWidget(Shape1);
  layout->addWidget(content_, 1);
}

void SetupPage::applyTexts(const tavo::WindowTexts& texts) {
  // The tables name only controls the pages make: a name that is missing
  // is reported by applyWindowTexts itself (a warning, and a stop in a
  // debug build).
  static_cast<void>(tavo::applyWindowTexts(this, texts));
}

void SetupPage::setPictures(const frmStock& stock) {
  Image1->setPixmap(stock.imgTitle);
  Image2->setPixmap(stock.imgLogo);
}

void SetupPage::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit queryUnload();
}

void SetupPage::reject() { emit queryUnload(); }

void SetupPage::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Some platform themes (gtk3) let Enter press the focused check box or
  // option button; on these pages Enter is the default button's, whatever
  // has the focus.
  for (QAbstractButton* b : findChildren<QAbstractButton*>())
    if (!qobject_cast<QPushButton*>(b)) {
      b->removeEventFilter(this);
      b->installEventFilter(this);
    }
}

bool SetupPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      if (event->type() == QEvent::KeyPress)
        for (QPushButton* b : findChildren<QPushButton*>())
          if (b->isDefault() && b->isEnabled() && b->isVisible()) {
            b->click();
            break;
          }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A double click opens the folder, as the list's own way of walking.
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

void FolderList::setPath(const QString& path) {
  path_ = QDir::cleanPath(path);
  clear();
  // The parents, root first, each one step further in.
  QStringList chain;
  for (QDir d(path_);;) {
    chain.prepend(d.absolutePath());
    if (d.isRoot() || !d.cdUp()) break;
  }
  int depth = 0;
  QListWidgetItem* current = nullptr;
  for (const QString& folder : chain) {
    const QString name = QDir(folder).isRoot() ? folder : QDir(folder).dirName();
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
    item->setData(kPathRole, folder);
    current = item;
    ++depth;
  }
  const QDir here(path_);
  for (const QString& sub : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + sub, this);
    item->setData(kPathRole, here.filePath(sub));
  }
  setCurrentItem(current);
}

QString FolderList::highlightedPath() const {
  const QListWidgetItem* item = currentItem();
  return item ? item->data(kPathRole).toString() : path_;
}

void FolderList::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  emit lostFocus();
}

frmInstall::frmInstall(const InstallerTexts& texts) : SetupPage(QStringLiteral("frmInstall")) {
  Label3 = boldLabel(QStringLiteral("Label3"), QString(), content());
  txtInstallPath = new QLineEdit(QStringLiteral("/"), content());
  txtInstallPath->setObjectName(QStringLiteral("txtInstallPath"));
  Label2 = boldLabel(QStringLiteral("Label2"), QString(), content());
  Picture1 = new QFrame(content());
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setFrameShape(QFrame::StyledPanel);
  drvList = new QComboBox(Picture1);
  drvList->setObjectName(QStringLiteral("drvList"));
  dirList = new FolderList(Picture1);
  dirList->setObjectName(QStringLiteral("dirList"));
  auto* places = new QVBoxLayout(Picture1);
  places->addWidget(drvList);
  places->addWidget(dirList, 1);
  cmdInstall = button(QStringLiteral("cmdInstall"), content());
  cmdInstall->setDefault(true);
  cmdCancel = button(QStringLiteral("cmdCancel"), content());
  lblFolderError = boldLabel(QStringLiteral("lblFolderError"), QString(), content());
  lblFolderError->setWordWrap(true);
  lblFolderError->setTextFormat(Qt::PlainText);
  lblFolderError->hide();

  auto* layout = new QVBoxLayout(content());
  layout->addWidget(Label3);
  layout->addWidget(txtInstallPath);
  layout->addWidget(lblFolderError);
  layout->addSpacing(8);
  layout->addWidget(Label2);
  layout->addWidget(Picture1, 1);
  layout->addLayout(buttonRow({cmdCancel, cmdInstall}));
  txtInstallPath->setFocus();

  applyTexts(texts.frmInstallTexts);

  connect(drvList, &QComboBox::activated, this,
          [this](int index) { emit drvListChanged(drvList->itemData(index).toString()); });
  connect(dirList, &QListWidget::itemClicked, this, &frmInstall::dirListClicked);
  connect(dirList, &FolderList::lostFocus, this, &frmInstall::dirListLostFocus);
  connect(cmdInstall, &QPushButton::clicked, this, &frmInstall::cmdInstallClicked);
  connect(cmdCancel, &QPushButton::clicked, this, &frmInstall::cmdCancelClicked);
}

void frmInstall::setInstallPath(const QString& path) { txtInstallPath->setText(path); }
QString frmInstall::installPath() const { return txtInstallPath->text(); }
void frmInstall::focusInstallPath() { txtInstallPath->setFocus(); }

void frmInstall::showFolderError(const QString& text) {
  lblFolderError->setText(text);
  lblFolderError->show();
}
void frmInstall::hideFolderError() { lblFolderError->hide(); }

void frmInstall::openFolder(const QString& path) { dirList->setPath(path); }
QString frmInstall::openedFolder() const { return dirList->path(); }
QString frmInstall::highlightedFolder() const { return dirList->highlightedPath(); }

void frmInstall::setVolumes(const QList<Volume>& volumes) {
  volumes_ = volumes;
  drvList->clear();
  for (const Volume& v : volumes)
    drvList->addItem(v.name.isEmpty() ? v.rootPath : v.rootPath + QStringLiteral("  [") + v.name + QLatin1Char(']'),
                     v.rootPath);
}

void frmInstall::selectVolumeOf(const QString& path) { drvList->setCurrentIndex(volumeHolding(volumes_, path)); }

frmShort::frmShort(const InstallerTexts& texts) : SetupPage(QStringLiteral("frmShort")) {
  Frame1 = new QGroupBox(content());
  Frame1->setObjectName(QStringLiteral("Frame1"));
  const auto check = [this](const QString& name, bool on) {
    auto* c = new QCheckBox(Frame1);
    c->setObjectName(name);
    c->setChecked(on);
    return c;
  };
  chkDesktop = check(QStringLiteral("chkDesktop"), false);
  chkStart = check(QStringLiteral("chkStart"), true);
  chkStartup = check(QStringLiteral("chkStartup"), true);
  auto* shortcuts = new QVBoxLayout(Frame1);
  for (QCheckBox* c : {chkDesktop, chkStart, chkStartup}) shortcuts->addWidget(c);

  Frame2 = new QGroupBox(content());
  Frame2->setObjectName(QStringLiteral("Frame2"));
  optFR = new QRadioButton(Frame2);
  optFR->setObjectName(QStringLiteral("optFR"));
  optEN = new QRadioButton(Frame2);
  optEN->setObjectName(QStringLiteral("optEN"));
  (texts.isFrench ? optFR : optEN)->setChecked(true);
  auto* language = new QVBoxLayout(Frame2);
  language->addWidget(optFR);
  language->addWidget(optEN);

  cmdInstall = button(QStringLiteral("cmdInstall"), content());
  cmdInstall->setDefault(true);
  cmdCancel = button(QStringLiteral("cmdCancel"), content());
  auto* layout = new QVBoxLayout(content());
  layout->addWidget(Frame1);
  layout->addWidget(Frame2);
  layout->addStretch();
  layout->addLayout(buttonRow({cmdCancel, cmdInstall}));
  applyTexts(texts.frmShortTexts);
  connect(cmdInstall, &QPushButton::clicked, this, &frmShort::cmdInstallClicked);
  connect(cmdCancel, &QPushButton::clicked, this, &frmShort::cmdCancelClicked);
}

ShortcutChoice frmShort::shortcutChoice() const {
  return {chkDesktop->isChecked(), chkStart->isChecked(), chkStartup->isChecked()};
}

bool frmShort::englishChosen() const { return optEN->isChecked(); }

frmLog::frmLog(const InstallerTexts& texts) : SetupPage(QStringLiteral("frmLog")) {
  txtLog = new QPlainTextEdit(content());
  txtLog->setObjectName(QStringLiteral("txtLog"));
  txtLog->setReadOnly(true);
  txtLog->setLineWrapMode(QPlainTextEdit::NoWrap);
  cmdFinish = button(QStringLiteral("cmdFinish"), content());
  cmdFinish->setDefault(true);
  cmdFinish->setEnabled(false);
  auto* layout = new QVBoxLayout(content());
  layout->addWidget(txtLog, 1);
  layout->addLayout(buttonRow({cmdFinish}));
  applyTexts(texts.frmLogTexts);
  connect(cmdFinish, &QPushButton::clicked, this, &frmLog::cmdFinishClicked);
}

void frmLog::setFinishCaption(const QString& caption) { cmdFinish->setText(caption); }
QString frmLog::finishCaption() const { return cmdFinish->text(); }

void frmLog::enableFinish() {
  cmdFinish->setEnabled(true);
  cmdFinish->setFocus();
}

bool frmLog::finishEnabled() const { return cmdFinish->isEnabled(); }

void frmLog::showLog(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txtLog->setPlainText(shown);
  txtLog->verticalScrollBar()->setValue(txtLog->verticalScrollBar()->maximum());
  // The sequence runs inside a click: let the box paint as it grows.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

frmEnd::frmEnd(const InstallerTexts& texts) : SetupPage(QStringLiteral("frmEnd")) {
  Label2 = boldLabel(QStringLiteral("Label2"), QString(), content(), 12);
  cmdFinish = button(QStringLiteral("cmdFinish"), content());
  cmdFinish->setDefault(true);
  auto* layout = new QVBoxLayout(content());
  layout->addStretch();
  layout->addWidget(Label2, 0, Qt::AlignCenter);
  layout->addStretch();
  layout->addLayout(buttonRow({cmdFinish}));
  applyTexts(texts.frmEndTexts);
  connect(cmdFinish, &QPushButton::clicked, this, &frmEnd::cmdFinishClicked);
}

void frmEnd::setOutcomeText(const QString& text) { Label2->setText(text); }

}  // namespace tavo::setup
