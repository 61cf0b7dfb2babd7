#include "common/messagebox.h"
#include "common/textfile.h"
#include "monitor/ui/monitorwindows.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/fakeinterfacesource.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavo::monitor;

namespace {

struct BoxCall {
  QMessageBox::Icon icon;
  QString title, text;
  QMessageBox::StandardButtons buttons;
};

class MonitorWindowsMainTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  tavo::net::FakeInterfaceSource src;
  ManualClock clock;
  std::unique_ptr<MonitorEngine> engine;
  // The notification area comes and goes as the test's tray says.
  struct TrayDesktop : tavo::test::FakeDesktop {
    const bool* tray = nullptr;
    bool trayAvailable() override { return *tray; }
  } desktop;
  std::unique_ptr<MonitorWindows> windows;
  MonitorWindows* ui = nullptr;

  bool tray = true;
  QMessageBox::StandardButton answer = QMessageBox::No;
  std::vector<BoxCall> boxes;
  std::vector<std::pair<QString, QString>> notices;
  std::vector<std::pair<QString, QStringList>> started;
  bool startWorks = true;
  bool realStarter = false;
  int ended = 0, minimizedOthers = 0;
  // What the desktop says of the main window; unset: what Qt knows.
  std::optional<bool> desktopShows;

  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    src.set("lo", 1000, 1000);
    src.set("eth0", 5000, 7000);
  }
  void TearDown() override {
    windows.reset();
    engine.reset();
    QLocale::setDefault(QLocale::c());
  }
  void writeIni(const QStringList& lines) { ASSERT_TRUE(tavo::writeLinesAtomically(dir.filePath("Tavo.ini"), lines)); }

  void start() {
    engine = std::make_unique<MonitorEngine>(EngineConfig{dir.path(), &src, &clock, false});
    desktop.tray = &tray;
    desktop.onAsk = [this](const tavo::BoxRequest& box) {
      boxes.push_back({box.icon, box.title, box.text, box.buttons});
      return answer;
    };
    desktop.onNotice = [this](const QString& title, const QString& text) { notices.emplace_back(title, text); };
    desktop.onStart = [this](const tavo::ProgramStart& s) {
      if (realStarter) return desktop.RealDesktop::startProgram(s);
      started.emplace_back(s.program, s.arguments);
      return startWorks;
    };
    desktop.onQuit = [this] { ++ended; };
    desktop.onMinimizeOthers = [this] {
      ++minimizedOthers;
      return 0;
    };
    desktop.onShownOnScreen = [this](const QWidget* w) { return desktopShows ? *desktopShows : w->isVisible(); };
    windows = std::make_unique<MonitorWindows>(*engine, desktop);
    ui = windows.get();
    ASSERT_TRUE(engine->Main(*windows));
  }
  // Runs one event of the tray icon; checks whether it toggled the main
  // window and whether it popped up the tray menu.
  void expectTrayEvent(const std::function<void()>& event, bool toggles, bool popsUp) {
    QMenu* menu = &ui->trayMenu();
    ASSERT_FALSE(menu->isVisible());
    const bool before = ui->net().isVisible();
    event();
    EXPECT_EQ(ui->net().isVisible(), toggles ? !before : before);
    ASSERT_EQ(menu->isVisible(), popsUp);
    if (popsUp) {
      EXPECT_EQ(menu->defaultAction(), tavo::test::child<QAction>(menu, "mnuMinimizeTavo"));
      menu->hide();
    }
  }
  void tick(std::uint64_t rx = 0, std::uint64_t tx = 0) {
    src.add("eth0", rx, tx);
    clock.advanceSeconds(1);
    engine->frmNet_tmrMainTimer_Timer();
  }
};

}  // namespace

TEST_F(MonitorWindowsMainTest, StartUpShowsTheSkinnedWindowWithFigures) {
  start();
  frmNet& net = ui->net();
  EXPECT_TRUE(net.isVisible());
  EXPECT_EQ(net.size(), QSize(136, 131));
  EXPECT_TRUE(tavo::test::child<QLabel>(net, "lblDL")->font().underline());
  EXPECT_FALSE(tavo::test::child<QLabel>(net, "lblUL")->font().underline());
  ASSERT_NE(ui->trayIcon(), nullptr);
  EXPECT_EQ(ui->trayIcon()->toolTip(), " Tavo 3.05 ");
  tick();
  tick(131072, 65536);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->text(), "128 kO/s DL");
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->text(), "64 kO/s UL");
  EXPECT_GT(net.bar(0).height(), 0);  // 1024 kbit/s of 1024: full height
  EXPECT_DOUBLE_EQ(net.bar(0).height(), 50);
}

TEST_F(MonitorWindowsMainTest, SettingsFileReachesTheDialogAndTheWindow) {
  writeIni({"Lang=EN", "Transparency=100", "KbitMode=True", "DLLimit=2048", "GraphRefresh=1", "DetailedLog=1",
            "ShowUL=True", "MinimizeTavoMode=True", "WindowPositionX=40", "WindowPositionY=30"});
  start();
  frmSettings& s = ui->settingsDialog();
  EXPECT_EQ(tavo::test::child<QLineEdit>(s, "txtDLLimit")->text(), "2048");
  EXPECT_EQ(tavo::test::child<QComboBox>(s, "cmbGraphDelay")->currentIndex(), 1);
  EXPECT_EQ(tavo::test::child<QScrollBar>(s, "scrTransp")->value(), 100);
  EXPECT_NEAR(ui->net().windowOpacity(), 100 / 255.0, 0.01);
  EXPECT_TRUE(tavo::test::child<QRadioButton>(s, "optInbits")->isChecked());
  EXPECT_FALSE(tavo::test::child<QRadioButton>(s, "optInBytes")->isChecked());
  EXPECT_TRUE(tavo::test::child<QRadioButton>(s, "optUL")->isChecked());
  EXPECT_TRUE(tavo::test::child<QRadioButton>(s, "optMinTavo")->isChecked());
  EXPECT_TRUE(tavo::test::child<QLabel>(ui->net(), "lblUL")->font().underline());
  EXPECT_TRUE(tavo::test::child<QCheckBox>(s, "chkLogging")->isChecked());
  EXPECT_TRUE(tavo::test::child<QPushButton>(s, "cmdLogFile")->isEnabled());
  EXPECT_NE(tavo::test::child<QLabel>(s, "lblLogFile")->text(), "----");
  EXPECT_EQ(ui->net().pos(), QPoint(40, 30));

  // Unticking the log box from the dialog stops the log.
  tavo::test::child<QCheckBox>(s, "chkLogging")->setChecked(false);
  EXPECT_EQ(engine->settings().chkLogging(), 0);
  EXPECT_EQ(engine->LogFilePath, "----");
  EXPECT_EQ(tavo::test::child<QLabel>(s, "lblLogFile")->text(), "----");
  EXPECT_FALSE(tavo::test::child<QPushButton>(s, "cmdLogFile")->isEnabled());
  tavo::test::child<QCheckBox>(s, "chkLogging")->setChecked(true);
  EXPECT_EQ(engine->settings().chkLogging(), 1);
  EXPECT_TRUE(engine->LogFilePath.endsWith(".csv"));
  EXPECT_TRUE(QDir(dir.filePath("logs")).exists());
}

// The dialog is made when it is first opened, with what the settings, the
// log and the watched interface are by then, in the program's language;
// later changes still reach it.
TEST_F(MonitorWindowsMainTest, TheSettingsDialogIsMadeWhenFirstOpenedWithTheStateOfThen) {
  writeIni({"Lang=EN", "DetailedLog=1", "Interface=0"});
  start();
  EXPECT_FALSE(ui->settingsDialogBuilt());
  engine->settings().setDLLimit(4096);
  engine->settings().setOption(Option::Mean, true);
  engine->settings().setScrTransp(180);
  engine->changeInterface(2);
  EXPECT_FALSE(ui->settingsDialogBuilt());
  EXPECT_NEAR(ui->net().windowOpacity(), 180 / 255.0, 0.01);

  tavo::test::child<QAction>(ui->trayMenu(), "mnuSettings")->trigger();
  ASSERT_TRUE(ui->settingsDialogBuilt());
  frmSettings& s = ui->settingsDialog();
  EXPECT_TRUE(s.isVisible());
  EXPECT_EQ(s.windowTitle(), "Tavo - Settings");
  EXPECT_EQ(tavo::test::child<QLineEdit>(s, "txtDLLimit")->text(), "4096");
  EXPECT_TRUE(tavo::test::child<QRadioButton>(s, "optMean")->isChecked());
  EXPECT_EQ(tavo::test::child<QScrollBar>(s, "scrTransp")->value(), 180);
  EXPECT_TRUE(tavo::test::child<QCheckBox>(s, "chkLogging")->isChecked());
  EXPECT_TRUE(tavo::test::child<QPushButton>(s, "cmdLogFile")->isEnabled());
  EXPECT_EQ(tavo::test::child<QLabel>(s, "lblLogFile")->text(), ShortenPath(engine->LogFilePath));
  EXPECT_EQ(tavo::test::child<QLabel>(s, "lblInterface")->text(),
            ShortenText(engine->Interfaces.entries[2].description));

  engine->settings().setDLLimit(512);
  EXPECT_EQ(tavo::test::child<QLineEdit>(s, "txtDLLimit")->text(), "512");
  tavo::test::child<QRadioButton>(s, "optInbits")->setChecked(true);
  EXPECT_TRUE(engine->settings().optInbits());
}

TEST_F(MonitorWindowsMainTest, APlaceOffEveryScreenBringsTheWindowBack) {
  writeIni({"WindowPositionX=5000", "WindowPositionY=-3000"});
  start();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(ui->net().pos(), screen.topLeft());
}

TEST_F(MonitorWindowsMainTest, DialogChangesReachTheEngineAndTheCloseBoxSaves) {
  start();
  frmSettings& s = ui->settingsDialog();
  ui->mnuSettings_Click();
  EXPECT_TRUE(s.isVisible());
  tavo::test::child<QRadioButton>(s, "optCumul")->setChecked(true);
  EXPECT_TRUE(engine->settings().optCumul());
  EXPECT_FALSE(engine->settings().optInBytes());
  tavo::test::child<QScrollBar>(s, "scrTransp")->setValue(200);
  EXPECT_EQ(engine->settings().scrTransp(), 200);
  EXPECT_NEAR(ui->net().windowOpacity(), 200 / 255.0, 0.01);
  tavo::test::child<QComboBox>(s, "cmbGraphDelay")->setCurrentIndex(1);
  tavo::test::child<QLineEdit>(s, "txtDLLimit")->setText("512");
  EXPECT_FALSE(QFile::exists(dir.filePath("Tavo.ini")));  // changing alone saves nothing

  s.close();
  EXPECT_FALSE(s.isVisible());
  EXPECT_EQ(engine->settings().DLLimit(), 512);
  EXPECT_EQ(engine->GraphRefreshPeriod, 60);
  EXPECT_TRUE(engine->GraphRefreshPending);
  const QStringList ini = tavo::readTextLines(dir.filePath("Tavo.ini")).lines;
  EXPECT_TRUE(ini.contains("GraphRefresh=1"));
  EXPECT_TRUE(ini.contains("DLLimit=512"));
  EXPECT_TRUE(ini.contains("Transparency=200"));
  EXPECT_TRUE(ini.contains("CumuledMode=True"));
}

TEST_F(MonitorWindowsMainTest, SkinChangeAndResetFromTheDialog) {
  const QString source = qEnvironmentVariable("TAVO_SOURCE_DIR") + "/monitor/skins/";
  QDir().mkpath(dir.filePath("skins"));
  ASSERT_TRUE(QFile::copy(source + "ardoise.xs0", dir.filePath("skins/ardoise.xsd")));
  ASSERT_TRUE(QFile::copy(source + "ardoise.bm0", dir.filePath("skins/ardoise.bmp")));
  start();
  frmSettings& s = ui->settingsDialog();
  ui->net().setBarHeight(3, 20);
  ui->mnuSettings_Click();
  ASSERT_EQ(tavo::test::child<QListWidget>(s, "filelistSkins")->count(), 1);
  tavo::test::child<QListWidget>(s, "filelistSkins")->setCurrentRow(0);
  s.cmdChangeSkin_Click();
  EXPECT_EQ(ui->net().size(), QSize(176, 84));
  EXPECT_EQ(engine->settings().SkinDescriptorFile(), dir.filePath("skins") + "/ardoise.xsd");
  EXPECT_EQ(ui->net().shape1Rect(), QRect(9, 16, 62, 52));
  EXPECT_DOUBLE_EQ(ui->net().bar(3).height(), 20);
  s.cmdDefaultSkin_Click();
  EXPECT_EQ(ui->net().size(), QSize(136, 131));
  EXPECT_EQ(engine->settings().SkinDescriptorFile(), "default");
}

TEST_F(MonitorWindowsMainTest, TrayActivationTogglesTheMainWindow) {
  start();
  frmNet& net = ui->net();
  net.move(50, 60);
  struct Case {
    QSystemTrayIcon::ActivationReason reason;
    bool toggles;
    bool popsUp;
  };
  for (const Case c : {Case{QSystemTrayIcon::Trigger, true, false}, Case{QSystemTrayIcon::DoubleClick, true, false},
                       Case{QSystemTrayIcon::Context, false, true}, Case{QSystemTrayIcon::MiddleClick, false, false},
                       Case{QSystemTrayIcon::Unknown, false, false}}) {
    SCOPED_TRACE(int(c.reason));
    expectTrayEvent([&] { ui->Picture1_Activated(c.reason); }, c.toggles, c.popsUp);
  }
  if (!net.isVisible()) ui->Picture1_Activated(QSystemTrayIcon::Trigger);
  EXPECT_TRUE(net.isVisible());
  EXPECT_EQ(net.pos(), QPoint(50, 60));  // back where it was hidden
}

TEST_F(MonitorWindowsMainTest, WithoutNotificationAreaTheMainWindowIsNeverLost) {
  tray = false;
  writeIni({"MinimizeTavoMode=True"});
  start();
  EXPECT_EQ(ui->trayIcon(), nullptr);
  frmNet& net = ui->net();
  ui->mnuMinimizeTavo_Click();
  EXPECT_TRUE(net.isVisible());
  QTest::mouseClick(tavo::test::child<QLabel>(net, "lblUL"), Qt::RightButton);
  EXPECT_TRUE(net.isVisible());
  EXPECT_EQ(minimizedOthers, 1);
}

TEST_F(MonitorWindowsMainTest, HiddenWindowComesBackWhenTheNotificationAreaGoes) {
  start();
  ui->Picture1_Activated(QSystemTrayIcon::Trigger);
  ASSERT_FALSE(ui->net().isVisible());
  ui->keepMainWindowReachable();
  EXPECT_FALSE(ui->net().isVisible());  // the icon is there to bring it back
  tray = false;
  ui->keepMainWindowReachable();
  EXPECT_TRUE(ui->net().isVisible());
}

TEST_F(MonitorWindowsMainTest, LogFileButtonStartsANewFileWhileLogging) {
  writeIni({"DetailedLog=1"});
  start();
  const QString first = engine->LogFilePath;
  ASSERT_TRUE(tavo::test::child<QPushButton>(ui->settingsDialog(), "cmdLogFile")->isEnabled());
  clock.advanceSeconds(120);
  QTest::mouseClick(tavo::test::child<QPushButton>(ui->settingsDialog(), "cmdLogFile"), Qt::LeftButton);
  EXPECT_NE(engine->LogFilePath, first);
  EXPECT_EQ(tavo::test::child<QLabel>(ui->settingsDialog(), "lblLogFile")->text(), ShortenPath(engine->LogFilePath));
}

TEST_F(MonitorWindowsMainTest, MenuEntriesRunOnce) {
  start();
  auto entry = [&](const char* name) { return tavo::test::child<QAction>(ui->trayMenu(), name); };
  entry("mnuMinimizeAll")->trigger();
  EXPECT_EQ(minimizedOthers, 1);
  entry("mnuSettings")->trigger();
  EXPECT_TRUE(ui->settingsDialog().isVisible());
  entry("mnuStats")->trigger();
  entry("mnuStats")->trigger();  // a second copy: nothing checks
  entry("mnuLogViewer")->trigger();
  ASSERT_EQ(started.size(), 3u);
  EXPECT_EQ(started[0].first, dir.path() + "/TavoStat");
  EXPECT_EQ(started[0].second, QStringList{"FR"});
  EXPECT_EQ(started[2].first, dir.path() + "/TavoLogV");
  EXPECT_EQ(started[2].second, QStringList{"FR"});
  entry("mnuQuit")->trigger();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(ended, 0);
}

TEST_F(MonitorWindowsMainTest, ConfirmQuitNoChangesNothing) {
  start();
  tick();
  answer = QMessageBox::No;
  ui->ConfirmQuit();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Tavo - Confirmez");
  EXPECT_EQ(boxes[0].text, "       Quitter Tavo ?      ");
  EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(ended, 0);
  EXPECT_NE(ui->trayIcon(), nullptr);
  EXPECT_FALSE(QFile::exists(dir.filePath("Tavo.ini")));
}

TEST_F(MonitorWindowsMainTest, ConfirmQuitYesSavesMovesTheSessionLineAndEnds) {
  start();
  for (int i = 0; i < 60; ++i) tick(1000, 1000);
  ASSERT_TRUE(QFile::exists(dir.filePath("session_stats.csv")));
  const QString sessionLine = tavo::readTextLines(dir.filePath("session_stats.csv")).lines.value(0);
  answer = QMessageBox::Yes;
  ui->ConfirmQuit();
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(ui->trayIcon(), nullptr);
  EXPECT_TRUE(QFile::exists(dir.filePath("Tavo.ini")));
  EXPECT_FALSE(QFile::exists(dir.filePath("session_stats.csv")));
  EXPECT_EQ(tavo::readTextLines(dir.filePath("all_stats.csv")).lines.last(), sessionLine);
}

TEST_F(MonitorWindowsMainTest, UpdaterStartsOnlyWhenAskedWithTheLanguage) {
  writeIni({"Lang=EN", "CheckVersion=1"});
  start();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].first, dir.path() + "/Update");
  EXPECT_EQ(started[0].second, (QStringList{"Tavo", "3.05", "EN"}));
}

TEST_F(MonitorWindowsMainTest, AMissingUpdaterIsReportedWithoutStoppingTheStart) {
  realStarter = true;
  writeIni({"CheckVersion=1"});
  start();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].first, "Tavo error");
  EXPECT_EQ(notices[0].second, " Impossible de démarrer Update. ");
  EXPECT_TRUE(ui->net().isVisible());
  EXPECT_NE(ui->trayIcon(), nullptr);
}

TEST_F(MonitorWindowsMainTest, NoUpdaterWithoutTheCheckBox) {
  start();
  EXPECT_TRUE(started.empty());
}

TEST_F(MonitorWindowsMainTest, AProgramThatCannotStartIsReportedAndTheMonitorGoesOn) {
  realStarter = true;  // the folder holds no TavoStat
  writeIni({"Lang=EN"});
  start();
  ui->mnuStats_Click();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].first, "Tavo error");
  EXPECT_EQ(notices[0].second, " TavoStat could not be started. ");
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(ui->net().isVisible());
  tick();
  tick(1024, 0);
  EXPECT_EQ(tavo::test::child<QLabel>(ui->net(), "lblDL")->text(), "1 kB/s DL");
}

// The program path and each argument go apart, so a blank in the folder
// needs no quoting and the program receives exactly its language word.
TEST(MonitorWindowsPrograms, StartedFromAFolderWithBlanksWithTheirArguments) {
  QTemporaryDir root;
  const QString folder = root.filePath("Program Files/Tavo 3");
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const char* name : {"/TavoLogV", "/Update"}) {
    QFile script(folder + name);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done > \"$0.args\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  ASSERT_TRUE(tavo::writeLinesAtomically(folder + "/Tavo.ini", {"Lang=EN", "CheckVersion=1"}));
  tavo::net::FakeInterfaceSource src;
  src.set("eth0", 1, 1);
  ManualClock clock;
  MonitorEngine engine(EngineConfig{folder, &src, &clock, false});
  int notices = 0;
  tavo::test::FakeDesktop desktop;
  desktop.onNotice = [&notices](const QString&, const QString&) { ++notices; };
  desktop.onStart = [&desktop](const tavo::ProgramStart& s) { return desktop.RealDesktop::startProgram(s); };
  desktop.trayIsAvailable = false;
  MonitorWindows windows(engine, desktop);
  MonitorWindows& ui = windows;
  ASSERT_TRUE(engine.Main(windows));
  ui.mnuLogViewer_Click();
  auto argsOf = [&](const char* name) {
    QFile f(folder + name + QStringLiteral(".args"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return !argsOf("/TavoLogV").isEmpty() && !argsOf("/Update").isEmpty(); }, 10000));
  EXPECT_EQ(argsOf("/TavoLogV"), "[EN]\n");
  EXPECT_EQ(argsOf("/Update"), "[Tavo]\n[3.05]\n[EN]\n");
  EXPECT_EQ(notices, 0);
}

TEST_F(MonitorWindowsMainTest, InterfaceLabelShowsTheWatchedEntryShortened) {
  src.set(QString(70, 'n'), 1, 1);  // a long description
  writeIni({"Interface=3"});
  start();
  const QString shown = tavo::test::child<QLabel>(ui->settingsDialog(), "lblInterface")->text();
  EXPECT_EQ(shown, QString(62, 'n') + "...");
  engine->changeInterface(0);
  EXPECT_EQ(tavo::test::child<QLabel>(ui->settingsDialog(), "lblInterface")->text(), "Toutes les interfaces");
}

// Each click as the notification area reports it: releases and double
// clicks of the left button and the right double click toggle the main
// window, the right release opens the menu, presses do nothing.
TEST_F(MonitorWindowsMainTest, TrayClicksActAsTheyCome) {
  start();
  frmNet& net = ui->net();
  struct Case {
    TrayClick click;
    bool toggles;
    bool popsUp;
  };
  const Case cases[] = {{TrayClick::LeftPress, false, false},      {TrayClick::LeftRelease, true, false},
                        {TrayClick::LeftDoubleClick, true, false}, {TrayClick::RightPress, false, false},
                        {TrayClick::RightRelease, false, true},    {TrayClick::RightDoubleClick, true, false},
                        {TrayClick::Other, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.click));
    expectTrayEvent([&] { ui->Picture1_Click(c.click); }, c.toggles, c.popsUp);
  }
  // A double click on the icon is a release, a double click and a release.
  const bool before = net.isVisible();
  for (TrayClick c : {TrayClick::LeftPress, TrayClick::LeftRelease, TrayClick::LeftDoubleClick, TrayClick::LeftRelease})
    ui->Picture1_Click(c);
  EXPECT_NE(net.isVisible(), before);
}

// "Show/Hide" goes by what the screen shows: a window that the desktop hid
// behind the program's back is shown again, not hidden a second time.
TEST_F(MonitorWindowsMainTest, ShowHideGoesByWhatTheScreenShows) {
  writeIni({"WindowPositionX=70", "WindowPositionY=80"});
  start();
  frmNet& net = ui->net();
  desktopShows = false;  // "show desktop": Qt still thinks the window visible
  ui->mnuMinimizeTavo_Click();
  EXPECT_TRUE(net.isVisible());
  EXPECT_EQ(net.pos(), QPoint(70, 80));
  desktopShows.reset();
  ui->mnuMinimizeTavo_Click();
  EXPECT_FALSE(net.isVisible());
}

// The default right click minimises the other windows and keeps the meter;
// the tray's "Minimize all" does the same whatever the option.
TEST_F(MonitorWindowsMainTest, MinimizeAllLeavesTheMeterShown) {
  start();
  QTest::mouseClick(tavo::test::child<QLabel>(ui->net(), "lblUL"), Qt::RightButton);
  EXPECT_EQ(minimizedOthers, 1);
  EXPECT_TRUE(ui->net().isVisible());
  tavo::test::child<QRadioButton>(ui->settingsDialog(), "optMinTavo")->setChecked(true);
  tavo::test::child<QAction>(ui->trayMenu(), "mnuMinimizeAll")->trigger();
  EXPECT_EQ(minimizedOthers, 2);
  EXPECT_TRUE(ui->net().isVisible());
}

// The right press on the skin follows the option, and never hides the
// window that only the tray icon could bring back.
TEST_F(MonitorWindowsMainTest, RightClickFollowsTheOptionAndNeverLosesTheWindow) {
  start();
  frmNet& net = ui->net();
  struct Case {
    bool minimizeAll, tray;
    bool visibleAfter;
    int showDesktop;
  };
  for (const Case c : {Case{true, true, true, 1}, Case{false, true, false, 0}, Case{false, false, true, 1},
                       Case{true, false, true, 1}}) {
    SCOPED_TRACE(::testing::Message() << c.minimizeAll << c.tray);
    (c.minimizeAll ? tavo::test::child<QRadioButton>(ui->settingsDialog(), "optMinAll")
                   : tavo::test::child<QRadioButton>(ui->settingsDialog(), "optMinTavo"))
        ->setChecked(true);
    tray = c.tray;
    minimizedOthers = 0;
    net.show();
    QTest::mouseClick(tavo::test::child<QLabel>(net, "lblDL"), Qt::RightButton);
    EXPECT_EQ(net.isVisible(), c.visibleAfter);
    EXPECT_EQ(minimizedOthers, c.showDesktop);
  }
}

// A notification area that appears after the start gets the icon.
TEST_F(MonitorWindowsMainTest, TheTrayIconComesWithALateNotificationArea) {
  tray = false;
  start();
  EXPECT_EQ(ui->trayIcon(), nullptr);
  ui->keepMainWindowReachable();
  EXPECT_EQ(ui->trayIcon(), nullptr);
  tray = true;
  ui->keepMainWindowReachable();
  ASSERT_NE(ui->trayIcon(), nullptr);
  EXPECT_EQ(ui->trayIcon()->toolTip(), " Tavo 3.05 ");
  ui->Picture1_Click(TrayClick::LeftRelease);
  EXPECT_FALSE(ui->net().isVisible());
}

// The quit question of the real box: buttons in the monitor's language and
// room for the whole title.
TEST(MonitorWindowsQuitBox, ButtonsSpeakTheLanguageAndTheTitleFits) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
  for (const bool french : {true, false}) {
    SCOPED_TRACE(french);
    QTemporaryDir dir;
    ASSERT_TRUE(tavo::writeLinesAtomically(dir.filePath("Tavo.ini"), {french ? "Lang=FR" : "Lang=EN"}));
    tavo::net::FakeInterfaceSource src;
    src.set("eth0", 1, 1);
    ManualClock clock;
    MonitorEngine engine(EngineConfig{dir.path(), &src, &clock, false});
    int ended = 0;
    // The real box, in the monitor's language, clicked by the test.
    tavo::RealDesktop real([&engine] { return engine.IsFrench; });
    tavo::test::FakeDesktop desktop;
    desktop.onAsk = [&real](const tavo::BoxRequest& box) { return real.ask(box); };
    desktop.onQuit = [&ended] { ++ended; };
    desktop.trayIsAvailable = false;
    MonitorWindows windows(engine, desktop);
    MonitorWindows& ui = windows;
    ASSERT_TRUE(engine.Main(windows));

    QStringList buttons;
    QString title;
    int width = 0;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      width = box->width();
      for (QAbstractButton* b : box->buttons()) buttons << b->text().remove(u'&');
      box->button(QMessageBox::No)->click();
    });
    ui.ConfirmQuit();
    EXPECT_EQ(ended, 0);
    buttons.sort();
    EXPECT_EQ(buttons, french ? QStringList({"Non", "Oui"}) : QStringList({"No", "Yes"}));
    EXPECT_EQ(title, french ? "Tavo - Confirmez" : "Tavo - Please confirm");
    EXPECT_GE(width, tavo::titleBarWidth(title));
  }
  QLocale::setDefault(QLocale::c());
}

namespace {

// Whether the figure's rectangle of the grabbed window holds a full-width
// line of text-coloured pixels below its glyphs: the underline.
bool underlineDrawn(const QImage& window, const QRect& label, const QColor& text) {
  int left = label.right(), right = label.left();
  auto isText = [&](int x, int y) {
    const QColor c = window.pixelColor(x, y);
    return std::abs(c.red() - text.red()) + std::abs(c.green() - text.green()) + std::abs(c.blue() - text.blue()) < 90;
  };
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x)
      if (isText(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  if (right - left < 10) return false;
  for (int y = label.top(); y <= label.bottom(); ++y) {
    int run = 0;
    for (int x = left; x <= right; ++x) run += isText(x, y) ? 1 : 0;
    if (run >= (right - left + 1) * 9 / 10) return true;
  }
  return false;
}

}  // namespace

// The direction the mini graph shows is underlined from the start and after
// every change of fonts (skins, the built-in skin again, the other direction).
TEST_F(MonitorWindowsMainTest, TheGraphDirectionStaysUnderlinedThroughFontChanges) {
  const QString source = qEnvironmentVariable("TAVO_SOURCE_DIR") + "/monitor/skins/";
  QDir().mkpath(dir.filePath("skins"));
  for (const char* skin : {"ardoise", "menthe"}) {
    ASSERT_TRUE(QFile::copy(source + skin + ".xs0", dir.filePath(QString("skins/%1.xsd").arg(skin))));
    ASSERT_TRUE(QFile::copy(source + skin + ".bm0", dir.filePath(QString("skins/%1.bmp").arg(skin))));
  }
  start();
  tick();
  tick(2048, 1024);
  frmNet& net = ui->net();
  auto check = [&](bool download) {
    EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->font().underline(), download);
    EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->font().underline(), !download);
    const QImage shot = net.grab().toImage();
    EXPECT_EQ(underlineDrawn(shot, tavo::test::child<QLabel>(net, "lblDL")->geometry(), net.skinColor()), download);
    EXPECT_EQ(underlineDrawn(shot, tavo::test::child<QLabel>(net, "lblUL")->geometry(), net.skinColor()), !download);
  };
  {
    SCOPED_TRACE("start, built-in skin");
    check(true);
  }
  const QString skins = dir.filePath("skins");
  for (const bool download : {true, false}) {
    (download ? tavo::test::child<QRadioButton>(ui->settingsDialog(), "optDL")
              : tavo::test::child<QRadioButton>(ui->settingsDialog(), "optUL"))
        ->setChecked(true);
    for (const QString& descriptor : {skins + "/ardoise.xsd", skins + "/menthe.xsd", QString()}) {
      SCOPED_TRACE(descriptor.toStdString() + (download ? " download" : " upload"));
      if (descriptor.isEmpty()) ui->defaultSkin();
      else ui->changeSkin(descriptor);
      check(download);
    }
  }
}
