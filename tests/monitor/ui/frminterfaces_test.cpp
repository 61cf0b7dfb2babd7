#include "monitor/ui/frminterfaces.h"
#include "monitor/ui/monitorwindows.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "tests/monitor/ui/views_fixture.h"

using namespace tavo::monitor;
using tavo::monitor::testing::ViewsTest;

class InterfaceChooserTest : public ViewsTest {};

TEST_F(InterfaceChooserTest, ChoosingAnotherEntrySavesResetsAndClosesTheSession) {
  auto& e = start();
  e.settings().setChkLogging(1);
  ticks(60, 12800, 6400);  // one minute of 100 / 50 kbit/s: a session line and a log exist
  ASSERT_TRUE(QFile::exists(path("session_stats.csv")));
  const QString oldLog = e.LogFilePath;
  ASSERT_GT(e.Counters.KbitDL, 0);
  QSignalSpy changed(&e, &tavo::monitor::MonitorEngine::selectedInterfaceChanged);

  // The chooser as the program has it, bound to the engine.
  MonitorWindows windows(e, desktop);
  frmInterfaces& dlg = windows.chooser();
  dlg.fillList(e.Interfaces);
  dlg.show();
  EXPECT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->currentIndex(), 0);
  EXPECT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->itemText(0), "Toutes les interfaces");
  EXPECT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->itemText(2), "eth0");
  clock.advanceSeconds(61);  // a new log name needs another minute
  dlg.findChild<QComboBox*>("cmdInterfaces")->setCurrentIndex(2);
  QTest::mouseClick(dlg.findChild<QPushButton*>("cmdChange"), Qt::LeftButton);

  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(e.Interfaces.SelectedInterface, 2);
  EXPECT_TRUE(lines("Tavo.ini").contains("Interface=2"));
  ASSERT_EQ(changed.count(), 1);  // lblInterface follows this signal
  EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
  EXPECT_EQ(lines("all_stats.csv").size(), 1);
  EXPECT_FALSE(QFile::exists(path("session_stats.csv")));
  EXPECT_EQ(e.Counters.MBytesDL, 0.0);
  EXPECT_EQ(e.Counters.MaxDL, 0);
  EXPECT_EQ(e.History.dlPerSecond.writeIndex, 0);
  EXPECT_NE(e.LogFilePath, oldLog);
}

TEST_F(InterfaceChooserTest, ValidatingTheWatchedEntryOrNothingOnlyCloses) {
  auto& e = start();
  ticks(5, 12800, 0);
  const auto history = e.History.dlPerSecond.values;
  const int write = e.History.dlPerSecond.writeIndex;
  MonitorWindows windows(e, desktop);
  frmInterfaces& dlg = windows.chooser();
  for (int selection : {0, -1}) {
    dlg.fillList(e.Interfaces);
    dlg.show();
    dlg.findChild<QComboBox*>("cmdInterfaces")->setCurrentIndex(selection);
    QTest::mouseClick(dlg.findChild<QPushButton*>("cmdChange"), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible()) << selection;
    EXPECT_EQ(e.Interfaces.SelectedInterface, 0);
    EXPECT_FALSE(QFile::exists(path("Tavo.ini"))) << "nothing saved";
    EXPECT_EQ(e.History.dlPerSecond.writeIndex, write);
    EXPECT_EQ(e.History.dlPerSecond.values, history);
    EXPECT_GT(e.Counters.KbitDL, 0);
  }
  // Cancel after choosing another entry changes nothing either.
  dlg.fillList(e.Interfaces);
  dlg.show();
  dlg.findChild<QComboBox*>("cmdInterfaces")->setCurrentIndex(3);
  QTest::mouseClick(dlg.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(e.Interfaces.SelectedInterface, 0);
  EXPECT_FALSE(QFile::exists(path("Tavo.ini")));
}

TEST_F(InterfaceChooserTest, FifteenRowsListAllInterfacesAndTheFirstTen) {
  src.rows.clear();
  for (int k = 1; k <= 15; ++k) src.set(QStringLiteral("if%1").arg(k), 100, 100);
  auto& e = start();
  ASSERT_EQ(e.Interfaces.InterfaceCount, 15);
  frmInterfaces dlg;
  dlg.findChild<QComboBox*>("cmdInterfaces")->addItem("left from before");
  dlg.fillList(e.Interfaces);
  ASSERT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->count(), 11);
  EXPECT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->itemText(0), "Toutes les interfaces");
  EXPECT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->itemText(1), "if1");
  EXPECT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->itemText(10), "if10");
  // Reopened: the list is refilled, not appended to.
  dlg.fillList(e.Interfaces);
  EXPECT_EQ(dlg.findChild<QComboBox*>("cmdInterfaces")->count(), 11);
}

TEST_F(InterfaceChooserTest, FrenchAndEnglishTexts) {
  start();
  frmInterfaces dlg;
  EXPECT_EQ(dlg.windowTitle(), "Tavo - Interfaces");
  EXPECT_EQ(dlg.findChild<QLabel*>("Label1")->text(),
            "Attention : changer d'interface entraine la remise à zéro des compteurs et des données statistiques");
  EXPECT_EQ(dlg.findChild<QLabel*>("Label2")->text(), "Sélectionnez l'interface à surveiller");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdChange")->text(), "Valider");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdChange")->toolTip(), " Changer d'interface ");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdCancel")->text(), "Abandonner");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdCancel")->toolTip(), " Ne pas changer d'interface ");
  dlg.applyTexts(false);
  EXPECT_EQ(dlg.windowTitle(), "Tavo - Interfaces");
  EXPECT_EQ(dlg.findChild<QLabel*>("Label1")->text(),
            "Caution : change interface will cause reset of counters and graphs");
  EXPECT_EQ(dlg.findChild<QLabel*>("Label2")->text(), "Select the interface to monitor");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdChange")->text(), "Validate");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdChange")->toolTip(), " Change interface ");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdCancel")->text(), "Cancel");
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdCancel")->toolTip(), " Don't change interface ");
  dlg.applyTexts(true);
  EXPECT_EQ(dlg.findChild<QPushButton*>("cmdCancel")->text(), "Abandonner");
}
