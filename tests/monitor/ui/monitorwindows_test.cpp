#include "monitor/ui/monitorwindows.h"
#include "common/textfile.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/fakeinterfacesource.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavo::monitor;

namespace {

class MonitorWindowsTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  tavo::net::FakeInterfaceSource src;
  ManualClock clock;
  std::unique_ptr<MonitorEngine> engine;
  tavo::test::FakeDesktop desktop;
  std::unique_ptr<MonitorWindows> windows;
  std::vector<std::pair<QString, QStringList>> started;
  std::function<QPoint()> pointer;

  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    src.set("lo", 10, 10);
    src.set("eth0", 100, 100);
  }
  void TearDown() override {
    windows.reset();
    engine.reset();
    QLocale::setDefault(QLocale::c());
  }
  void start(const QStringList& ini = {}) {
    if (!ini.isEmpty()) {
      ASSERT_TRUE(tavo::writeLinesAtomically(dir.filePath("Tavo.ini"), ini));
    }
    engine = std::make_unique<MonitorEngine>(EngineConfig{dir.path(), &src, &clock, false});
    desktop.answer = QMessageBox::No;
    desktop.onStart = [this](const tavo::ProgramStart& s) {
      started.emplace_back(s.program, s.arguments);
      return true;
    };
    desktop.trayIsAvailable = true;
    desktop.onPointerPosition = [this] { return pointer ? pointer() : QPoint(); };
    windows = std::make_unique<MonitorWindows>(*engine, desktop);
    ASSERT_TRUE(engine->Main(*windows));
  }
  tavo::monitor::frmBig& big() { return windows->big(); }
};

}  // namespace

TEST_F(MonitorWindowsTest, DoubleClickAndMenuOpenTheTenHourGraph) {
  start();
  EXPECT_FALSE(big().isVisible());
  QTest::mouseDClick(tavo::test::child<QLabel>(windows->net(), "lblGraphe"), Qt::LeftButton);
  EXPECT_TRUE(big().isVisible());
  EXPECT_TRUE(big().hourViewSelected());
  big().hide();
  tavo::test::child<QRadioButton>(big(), "optMin")->setChecked(true);
  tavo::test::child<QAction>(windows->trayMenu(), "mnuBig")->trigger();
  EXPECT_TRUE(big().isVisible());
  EXPECT_TRUE(big().hourViewSelected());
}

TEST_F(MonitorWindowsTest, DetailedGraphButtonsStartTheOtherPrograms) {
  start({"Lang=EN"});
  windows->DrawHoursGraph();
  QTest::mouseClick(tavo::test::child<QPushButton>(big(), "cmdStats"), Qt::LeftButton);
  big().picLogViewer_Click();
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[0], std::make_pair(dir.path() + "/TavoStat", QStringList{"EN"}));
  EXPECT_EQ(started[1], std::make_pair(dir.path() + "/TavoLogV", QStringList{"EN"}));
}

TEST_F(MonitorWindowsTest, LanguageReachesTheSecondaryWindows) {
  start({"Lang=EN"});
  EXPECT_EQ(big().windowTitle(), "Tavo - Detailed Graph");
  EXPECT_EQ(tavo::test::child<QPushButton>(big(), "cmdRAZ")->text(), "Reset");
  EXPECT_EQ(tavo::test::child<QLabel>(windows->bubble(), "Label7")->text(), "Double click on Tavo for detailed graph");
  EXPECT_EQ(windows->chooser().findChild<QLabel*>("Label2")->text(), "Select the interface to monitor");
  EXPECT_EQ(windows->chooser().findChild<QPushButton*>("cmdChange")->toolTip(), " Change interface ");
}

TEST_F(MonitorWindowsTest, FrenchSecondaryTexts) {
  start();
  EXPECT_EQ(big().windowTitle(), "Tavo - Historique");
  EXPECT_EQ(windows->chooser().findChild<QPushButton*>("cmdCancel")->text(), "Abandonner");
}

TEST_F(MonitorWindowsTest, InterfaceChooserFromTheDialogChangesTheWatchedEntry) {
  start();
  int opened = 0;
  // The chooser is modal: it is answered once it is up.
  QTimer::singleShot(0, [this, &opened] {
    tavo::monitor::frmInterfaces& chooser = windows->chooser();
    if (QApplication::activeModalWidget() != &chooser) return;
    ++opened;
    chooser.findChild<QComboBox*>("cmdInterfaces")->setCurrentIndex(2);
    chooser.cmdChange_Click();
  });
  QTest::mouseClick(tavo::test::child<QPushButton>(windows->settingsDialog(), "cmdInterface"), Qt::LeftButton);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(engine->Interfaces.SelectedInterface, 2);
  EXPECT_EQ(tavo::test::child<QLabel>(windows->settingsDialog(), "lblInterface")->text(), "eth0");
  EXPECT_TRUE(tavo::readTextLines(dir.filePath("Tavo.ini")).lines.contains("Interface=2"));
}

TEST_F(MonitorWindowsTest, MovingOffTheGraphHidesTheBubble) {
  start();
  QLabel* graph = tavo::test::child<QLabel>(windows->net(), "lblGraphe");
  pointer = [graph] { return graph->mapToGlobal(graph->rect().center()); };
  windows->tmrShow_Timer();
  ASSERT_TRUE(engine->BubbleShown);
  // Shown: further moves over the graph arm no new hover.
  QTest::mouseMove(graph, QPoint(6, 6));
  EXPECT_FALSE(tavo::test::child<QTimer>(windows->bubble(), "tmrShow")->isActive());
  EXPECT_TRUE(engine->BubbleShown);
  QTest::mouseMove(tavo::test::child<QLabel>(windows->net(), "lblUL"), QPoint(2, 2));
  EXPECT_FALSE(engine->BubbleShown);
  QTest::mouseMove(tavo::test::child<QLabel>(windows->net(), "lblGraphe"), QPoint(5, 5));
  EXPECT_TRUE(tavo::test::child<QTimer>(windows->bubble(), "tmrShow")->isActive());
}

// "5" typed in the limit box and the dialog closed with its close box: the
// settings file holds the unclamped 5, and so does the box when the dialog
// opens again, however the dialog lost the focus on hiding.
TEST_F(MonitorWindowsTest, TheLimitBoxShowsWhatTheSettingsHold) {
  start();
  windows->mnuSettings_Click();
  frmSettings& dialog = windows->settingsDialog();
  dialog.tabOptions_Click(1);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.activateWindow();
  tavo::test::child<QLineEdit>(dialog, "txtDLLimit")->setFocus();
  tavo::test::child<QLineEdit>(dialog, "txtDLLimit")->selectAll();
  QTest::keyClicks(tavo::test::child<QLineEdit>(dialog, "txtDLLimit"), "5");
  ASSERT_EQ(tavo::test::child<QLineEdit>(dialog, "txtDLLimit")->text(), "5");
  dialog.close();
  QApplication::processEvents();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(engine->settings().DLLimit(), 5);
  EXPECT_TRUE(tavo::readTextLines(dir.filePath("Tavo.ini")).lines.contains("DLLimit=5"));

  windows->mnuSettings_Click();
  QApplication::processEvents();
  EXPECT_EQ(tavo::test::child<QLineEdit>(dialog, "txtDLLimit")->text(), "5");
}

// The running program's detailed graph shows its log frame with logging
// off, from the first opening.
TEST_F(MonitorWindowsTest, TheDetailedGraphShowsItsLogFrameWithLoggingOff) {
  start({"DetailedLog=0"});
  windows->DrawHoursGraph();
  EXPECT_TRUE(tavo::test::child<QGroupBox>(big(), "frameLog")->isVisible());
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblLogFile")->text(), "----");
}
