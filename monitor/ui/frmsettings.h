#pragma once
// The settings dialog. Its controls hold most of the monitor's settings and
// its handlers apply a change at once; what a change does beyond the dialog
// it signals. It also carries the tray icon's picture Picture1, which is
// never shown on the dialog itself.
#include "monitor/core/monitorsettings.h"
#include "monitor/core/monitortexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QUrl>
#include <QWidget>

#include <cstdint>

namespace tavo::monitor {

// The limit text box keeps the mini graph's full scale in this range.
inline constexpr int kMinDLLimit = 10;
inline constexpr int kMaxDLLimit = 15000;

// The clamp of the limit text: above 15000 becomes "15000", then below 10
// becomes "10"; other texts stay as typed.
QString clampDLLimitText(const QString& text);

class frmSettings : public QWidget {
  Q_OBJECT
 public:
  explicit frmSettings(QWidget* parent = nullptr);

  void setProgramFolder(const QString& folder) { programFolder_ = folder; }
  void setWebHost(const QString& host) { webHost_ = host; }
  void setSkinsFolder(const QString& folder);
  QString skinsFolder() const { return skinsFolder_; }
  void refreshSkinList();

  // Puts the texts of one language on the dialog and its tray menu.
  void applyTexts(const MonitorTexts& texts, bool isFrench);
  bool isFrench() const { return isFrench_; }

  // Sets an option button; on switches the others of its group off, off
  // switches no other on (so a group may end with none on).
  static void setOption(QRadioButton* option, bool on);
  // A settings box's value: 0 off, 1 on, 2 the third state, which a box
  // shows only once a value 2 was put on it.
  static int checkBoxValue(const QCheckBox* box);
  static void setCheckBoxValue(QCheckBox* box, int value);

  // The page in front: 0 or 1.
  int currentPage() const { return pages->currentIndex(); }

  // Handlers, public so the program and tests can run them as the user would.
  void Form_Load();
  void tabOptions_Click(int tabIndex);
  void txtDLLimit_Validate();
  void cmdUpdateGRaph_Click();
  void chkLogging_Click();
  void cmdInterface_Click();
  void cmdReset_Click();
  void cmdChangeSkin_Click();
  void cmdDefaultSkin_Click();
  void lblFindSkins_Click();
  void cmdHelp_Click();
  void cmdQuit_Click();
  void optDL_Click();
  void optUL_Click();
  void scrTransp_Change(int value);
  // The close box: the graph settings taken unclamped, settings saved,
  // dialog hidden; returns whether the close is cancelled.
  bool Form_QueryUnload(bool byCloseBox);
  // The program ends: closing then really closes.
  void setEnding(bool ending) { ending_ = ending; }

  // The skins page and the help file for the current language.
  QUrl skinsPageUrl() const;
  QString helpFilePath() const;

  // The name of the rate log now written (already shortened), or "----".
  void setLogFileText(const QString& text);

  // The state the dialog shows, set by the program; none of these tells
  // the program back, except where the control's own signal does.
  void setOptionValue(Option option, bool on);
  void setChkUpdateValue(int value) { setCheckBoxValue(chkUpdate, value); }
  void setChkLoggingValue(int value) { setCheckBoxValue(chkLogging, value); }
  int chkLoggingValue() const { return checkBoxValue(chkLogging); }
  void setTransparencyValue(int opacity);
  void setDLLimitValue(int limit);
  // 0 "1 minute", 1 "60 minutes"; any other index leaves the list as it is.
  void setGraphDelayIndex(int index);
  void setNewLogFileEnabled(bool enabled);
  // The watched interface's description (shortened here).
  void setInterfaceText(const QString& description);

  // The dialog's whole content, scrolled when the window is smaller.
  QScrollArea* scrollArea() const { return scroll_; }
  QSize sizeHint() const override;

 signals:
  void saveRequested();
  // An option button switched on or off, by the user or by the program.
  void optionToggled(tavo::monitor::Option option, bool on);
  // chkUpdate's new value (0, 1 or 2).
  void chkUpdateChanged(int value);
  // DLLimit and GraphRefresh taken into use; the mini
  // graph is to be redrawn at the next tick.
  void graphSettingsTaken(std::int16_t dlLimit, int graphRefresh);
  // The log box ticked (on) or unticked: the rate log starts or stops.
  void loggingToggled(bool on);
  void newLogFileRequested();  // cmdLogFile
  void resetRequested();
  void transparencyChanged(int opacity);
  void skinChosen(const QString& descriptorPath);
  void defaultSkinRequested();
  void interfaceChooserRequested();
  void quitRequested();
  void graphDirectionChosen(bool download);
  void openRequested(const QUrl& url);  // a page or the help file

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QTabBar* tabOptions = nullptr;
  QStackedWidget* pages = nullptr;
  QWidget* fTab[2] = {nullptr, nullptr};

  QGroupBox* frameUpdate = nullptr;
  QCheckBox* chkUpdate = nullptr;
  QGroupBox* frameSkins = nullptr;
  QListWidget* filelistSkins = nullptr;
  QPushButton* cmdChangeSkin = nullptr;
  QPushButton* cmdDefaultSkin = nullptr;
  QGroupBox* frameTransp = nullptr;
  QScrollBar* scrTransp = nullptr;
  QGroupBox* frameVarious = nullptr;
  QRadioButton* optMinAll = nullptr;
  QRadioButton* optMinTavo = nullptr;

  QGroupBox* frameGraph = nullptr;
  QRadioButton* optDL = nullptr;
  QRadioButton* optUL = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtDLLimit = nullptr;
  QLabel* Label4 = nullptr;
  QComboBox* cmbGraphDelay = nullptr;
  QPushButton* cmdUpdateGRaph = nullptr;
  QGroupBox* FrameCounters = nullptr;
  QRadioButton* optInbits = nullptr;
  QRadioButton* optInBytes = nullptr;
  QRadioButton* optCumul = nullptr;
  QRadioButton* optMean = nullptr;
  QPushButton* cmdReset = nullptr;
  QGroupBox* frameLog = nullptr;
  QCheckBox* chkLogging = nullptr;
  QPushButton* cmdLogFile = nullptr;
  QLabel* label13 = nullptr;
  QLabel* lblLogFile = nullptr;
  QGroupBox* frameInface = nullptr;
  QPushButton* cmdInterface = nullptr;
  QLabel* lblInterface = nullptr;

  QGroupBox* frameNet = nullptr;
  QLabel* lblFindSkins = nullptr;
  QPushButton* cmdHelp = nullptr;
  QLabel* Picture10 = nullptr;
  QPushButton* cmdQuit = nullptr;
  QLabel* picQuit = nullptr;

  QLabel* Picture1 = nullptr;  // holds the tray icon's picture

  void takeGraphSettings();
  QRadioButton* optionButton(Option option) const;

  QString programFolder_;
  QString webHost_;
  QString skinsFolder_;
  // The side of the help and quit pictures.
  static constexpr int kActionPictureSide = 20;
  QWidget* body_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  bool isFrench_ = true;
  bool ending_ = false;
  QButtonGroup* groupDisplay_ = nullptr;
  QButtonGroup* groupDirection_ = nullptr;
  QButtonGroup* groupRightClick_ = nullptr;
};

// The tray icon's picture, the monitor's own emblem.
QPixmap makeTrayPicture(int side = 32);

}  // namespace tavo::monitor
