#pragma once
// The installer's four pages. They keep their controls, show state through
// setters and pass their events on as signals; SetupProgram decides what
// each click does.
#include <QDialog>
#include <QListWidget>
#include <QPixmap>

#include "installer/core/setupshortcuts.h"
#include "installer/core/setuptexts.h"
#include "installer/core/volumes.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tavo::setup {

// frmStock: the two pictures every page shows.
struct frmStock {
  QPixmap imgTitle;  // 100 x 214
  QPixmap imgLogo;   // 107 x 140
  static frmStock make();
};

// What every page shares: the pictures, the decoration, the same size. A
// close through the title bar or Escape is passed on as queryUnload and
// does nothing by itself.
class SetupPage : public QDialog {
  Q_OBJECT
 public:
  void setPictures(const frmStock& stock);

 signals:
  void queryUnload();

 protected:
  explicit SetupPage(const QString& objectName);
  // The page's own controls go here, right of the pictures.
  QWidget* content() const { return content_; }
  // Puts the page's captions on its controls, by their names.
  void applyTexts(const tavo::WindowTexts& texts);
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  QFrame* Shape1 = nullptr;
  QWidget* content_ = nullptr;
};

// The folder list: the chosen folder's parents down to it, then its
// subfolders; each entry knows its full path.
class FolderList : public QListWidget {
  Q_OBJECT
 public:
  explicit FolderList(QWidget* parent = nullptr);
  void setPath(const QString& path);
  QString path() const { return path_; }
  QString highlightedPath() const;  // the current entry's folder, or path() when none

 signals:
  void lostFocus();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString path_;
};

class frmInstall : public SetupPage {
  Q_OBJECT
 public:
  explicit frmInstall(const InstallerTexts& texts);

  // txtInstallPath: the folder to install into, as typed.
  void setInstallPath(const QString& path);
  QString installPath() const;
  void focusInstallPath();
  // lblFolderError: why the typed folder was refused; hidden until then.
  void showFolderError(const QString& text);
  void hideFolderError();
  // dirList: the folder it shows, and the entry highlighted in it.
  void openFolder(const QString& path);
  QString openedFolder() const;
  QString highlightedFolder() const;

  void setVolumes(const QList<Volume>& volumes);
  const QList<Volume>& volumes() const { return volumes_; }
  // Selects the volume that holds path, without a change event.
  void selectVolumeOf(const QString& path);

 signals:
  void drvListChanged(const QString& rootPath);
  void dirListClicked();
  void dirListLostFocus();
  void cmdInstallClicked();
  void cmdCancelClicked();

 private:
  QLabel* Label3 = nullptr;
  QLineEdit* txtInstallPath = nullptr;
  QLabel* Label2 = nullptr;
  QFrame* Picture1 = nullptr;
  QComboBox* drvList = nullptr;
  FolderList* dirList = nullptr;
  QPushButton* cmdInstall = nullptr;
  QPushButton* cmdCancel = nullptr;
  QLabel* lblFolderError = nullptr;
  QList<Volume> volumes_;
};

class frmShort : public SetupPage {
  Q_OBJECT
 public:
  explicit frmShort(const InstallerTexts& texts);

  // The three check boxes.
  ShortcutChoice shortcutChoice() const;
  // optEN.
  bool englishChosen() const;

 signals:
  void cmdInstallClicked();
  void cmdCancelClicked();

 private:
  QGroupBox* Frame1 = nullptr;
  QCheckBox* chkDesktop = nullptr;
  QCheckBox* chkStart = nullptr;
  QCheckBox* chkStartup = nullptr;
  QGroupBox* Frame2 = nullptr;
  QRadioButton* optFR = nullptr;
  QRadioButton* optEN = nullptr;
  QPushButton* cmdInstall = nullptr;
  QPushButton* cmdCancel = nullptr;
};

class frmLog : public SetupPage {
  Q_OBJECT
 public:
  explicit frmLog(const InstallerTexts& texts);

  // Shows the sequence's log (CR LF line ends) and lets it paint.
  void showLog(const QString& text);
  // cmdFinish: disabled until the sequence has ended.
  void setFinishCaption(const QString& caption);
  QString finishCaption() const;
  // Enables the button and gives it the focus.
  void enableFinish();
  bool finishEnabled() const;

 signals:
  void cmdFinishClicked();

 private:
  QPlainTextEdit* txtLog = nullptr;
  QPushButton* cmdFinish = nullptr;
};

class frmEnd : public SetupPage {
  Q_OBJECT
 public:
  explicit frmEnd(const InstallerTexts& texts);

  // Label2: how the installation went.
  void setOutcomeText(const QString& text);

 signals:
  void cmdFinishClicked();

 private:
  QLabel* Label2 = nullptr;
  QPushButton* cmdFinish = nullptr;
};

}  // namespace tavo::setup
