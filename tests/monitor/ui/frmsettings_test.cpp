#include "monitor/ui/frmsettings.h"
#include "monitor/ui/traymenu.h"
#include "tests/support/controls.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace tavo::monitor;

namespace {

struct Calls {
  int saves = 0;
  std::vector<std::pair<int, int>> graph;
  std::vector<bool> logs;
  std::vector<QString> skins;
  int defaults = 0, resets = 0, chooser = 0, quits = 0;
  std::vector<bool> underline;
  std::vector<int> opacity;
  std::vector<QUrl> urls;
};

class FrmSettingsTest : public ::testing::Test {
 protected:
  frmSettings dlg;
  Calls calls;
  void SetUp() override {
    QObject::connect(&dlg, &frmSettings::saveRequested, [this] { ++calls.saves; });
    QObject::connect(&dlg, &frmSettings::graphSettingsTaken,
                     [this](std::int16_t dl, int refresh) { calls.graph.emplace_back(dl, refresh); });
    // As the program answers the log box: the file now written, or none.
    QObject::connect(&dlg, &frmSettings::loggingToggled, [this](bool on) {
      calls.logs.push_back(on);
      dlg.setLogFileText(on ? QStringLiteral("101226-9-5.csv") : QStringLiteral("----"));
    });
    QObject::connect(&dlg, &frmSettings::resetRequested, [this] { ++calls.resets; });
    QObject::connect(&dlg, &frmSettings::transparencyChanged, [this](int v) { calls.opacity.push_back(v); });
    QObject::connect(&dlg, &frmSettings::skinChosen, [this](const QString& p) { calls.skins.push_back(p); });
    QObject::connect(&dlg, &frmSettings::defaultSkinRequested, [this] { ++calls.defaults; });
    QObject::connect(&dlg, &frmSettings::interfaceChooserRequested, [this] { ++calls.chooser; });
    QObject::connect(&dlg, &frmSettings::quitRequested, [this] { ++calls.quits; });
    QObject::connect(&dlg, &frmSettings::graphDirectionChosen, [this](bool dl) { calls.underline.push_back(dl); });
    QObject::connect(&dlg, &frmSettings::openRequested, [this](const QUrl& u) { calls.urls.push_back(u); });
  }
  void showAndFocusLimit() {
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    dlg.tabOptions_Click(1);
    tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->hasFocus(); }, 1000));
  }
};

}  // namespace

TEST(DLLimitClamp, KeepsTheTextBetween10And15000) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case c :
       {Case{"20000", "15000"}, Case{"15000", "15000"}, Case{"15001", "15000"}, Case{"5", "10"}, Case{"", "10"},
        Case{"10", "10"}, Case{"9.6", "10"}, Case{"1024", "1024"}, Case{" 512", " 512"}, Case{"99999999999", "15000"}})
    EXPECT_EQ(clampDLLimitText(c.in), c.out) << c.in;
}

TEST_F(FrmSettingsTest, StartsWithTheDesignState) {
  EXPECT_EQ(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->text(), "1024");
  EXPECT_EQ(tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->count(), 2);
  EXPECT_EQ(tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->itemText(0), "1 minute");
  EXPECT_EQ(tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->itemData(1).toInt(), 60);
  EXPECT_EQ(tavo::test::child<QLabel>(dlg, "lblLogFile")->text(), "----");
  EXPECT_FALSE(tavo::test::child<QPushButton>(dlg, "cmdLogFile")->isEnabled());
  EXPECT_EQ(tavo::test::child<QScrollBar>(dlg, "scrTransp")->minimum(), 0);
  EXPECT_EQ(tavo::test::child<QScrollBar>(dlg, "scrTransp")->maximum(), 255);
  EXPECT_EQ(tavo::test::child<QTabBar>(dlg, "tabOptions")->tabText(0), " Skins et Comportement ");
  EXPECT_EQ(tavo::test::child<QTabBar>(dlg, "tabOptions")->tabText(1), " Graphiques et Compteurs ");
  EXPECT_EQ(dlg.currentPage(), 0);
  EXPECT_EQ(dlg.windowTitle(), "Tavo - 3.05 - Configuration");
  EXPECT_FALSE(tavo::test::child<QLabel>(dlg, "Picture1")->pixmap().isNull());
}

TEST(TrayMenu, SevenEntriesShowHideFirst) {
  TrayMenu menu;
  EXPECT_EQ(menu.objectName(), "mnuInTray");
  EXPECT_EQ(menu.defaultAction(), tavo::test::child<QAction>(menu, "mnuMinimizeTavo"));
  EXPECT_EQ(menu.actions().size(), 7);
  EXPECT_EQ(tavo::test::child<QAction>(menu, "mnuLogViewer")->text(), "Log Viewer");
}

TEST_F(FrmSettingsTest, LimitBoxFiltersKeysAndClamps) {
  showAndFocusLimit();
  QTest::keyClick(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), Qt::Key_End);
  QTest::keyClicks(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), "a-.x");
  EXPECT_EQ(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->text(), "1024");

  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->clear();
  QTest::keyClicks(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), "20000");
  QTest::keyClick(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), Qt::Key_Tab);  // focus leaves: validation
  EXPECT_EQ(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->text(), "15000");

  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->setFocus();
  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->clear();
  QTest::keyClicks(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), "5");
  QTest::keyClick(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), Qt::Key_Return);
  EXPECT_EQ(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->text(), "10");
  EXPECT_FALSE(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->hasFocus());

  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->hasFocus(); }, 1000));
  QTest::keyClick(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), Qt::Key_End);
  QTest::keyClick(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), Qt::Key_Backspace);
  QTest::keyClick(tavo::test::child<QLineEdit>(dlg, "txtDLLimit"), Qt::Key_Backspace);
  EXPECT_EQ(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->text(), "");
  dlg.txtDLLimit_Validate();
  EXPECT_EQ(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->text(), "10");
  EXPECT_TRUE(calls.graph.empty());  // only a proposal until the button
}

TEST_F(FrmSettingsTest, UpdateGraphTakesTheSettingsIntoUse) {
  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->setText("2048");
  tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->setCurrentIndex(1);
  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdUpdateGRaph"), Qt::LeftButton);
  ASSERT_EQ(calls.graph.size(), 1u);
  EXPECT_EQ(calls.graph[0], std::make_pair(2048, 1));
  EXPECT_EQ(tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->currentData().toInt(), 60);
  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->setText("300.5");  // rounded half to even
  tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->setCurrentIndex(0);
  dlg.cmdUpdateGRaph_Click();
  EXPECT_EQ(calls.graph[1], std::make_pair(300, 0));
  EXPECT_EQ(tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->currentData().toInt(), 1);
  tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->setCurrentIndex(-1);  // no entry selected: the first one
  dlg.cmdUpdateGRaph_Click();
  EXPECT_EQ(calls.graph[2], std::make_pair(300, 0));
  EXPECT_EQ(tavo::test::child<QComboBox>(dlg, "cmbGraphDelay")->currentIndex(), 0);
  EXPECT_EQ(calls.saves, 0);
}

TEST_F(FrmSettingsTest, CloseBoxTakesTheTextUnclampedButWithinSixteenBitsSavesAndHides) {
  dlg.show();
  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->setText("40000");
  EXPECT_FALSE(dlg.close());
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(calls.saves, 1);
  ASSERT_EQ(calls.graph.size(), 1u);
  EXPECT_EQ(std::get<0>(calls.graph[0]), 32767);
  EXPECT_EQ(tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->text(), "40000");

  dlg.show();
  tavo::test::child<QLineEdit>(dlg, "txtDLLimit")->setText("20000");  // above the dialog's range, within 16 bits
  dlg.close();
  EXPECT_EQ(std::get<0>(calls.graph[1]), 20000);
  EXPECT_EQ(calls.saves, 2);

  dlg.setEnding(true);  // the program ends: nothing is saved by the dialog
  dlg.show();
  EXPECT_TRUE(dlg.close());
  EXPECT_EQ(calls.saves, 2);
}

TEST_F(FrmSettingsTest, TabsBringTheirPageToTheFront) {
  dlg.show();
  QTest::mouseClick(tavo::test::child<QTabBar>(dlg, "tabOptions"), Qt::LeftButton, {},
                    tavo::test::child<QTabBar>(dlg, "tabOptions")->tabRect(1).center());
  EXPECT_EQ(dlg.currentPage(), 1);
  EXPECT_TRUE(tavo::test::child<QWidget>(dlg, "fTab1")->isVisible());
  EXPECT_FALSE(tavo::test::child<QWidget>(dlg, "fTab0")->isVisible());
  QTest::mouseClick(tavo::test::child<QTabBar>(dlg, "tabOptions"), Qt::LeftButton, {},
                    tavo::test::child<QTabBar>(dlg, "tabOptions")->tabRect(0).center());
  EXPECT_EQ(dlg.currentPage(), 0);
  EXPECT_TRUE(tavo::test::child<QWidget>(dlg, "fTab0")->isVisible());
}

TEST_F(FrmSettingsTest, LoggingOnAndOff) {
  tavo::test::child<QCheckBox>(dlg, "chkLogging")->setChecked(true);
  EXPECT_EQ(tavo::test::child<QLabel>(dlg, "lblLogFile")->text(), "101226-9-5.csv");
  EXPECT_TRUE(tavo::test::child<QPushButton>(dlg, "cmdLogFile")->isEnabled());
  tavo::test::child<QCheckBox>(dlg, "chkLogging")->setChecked(false);
  EXPECT_EQ(tavo::test::child<QLabel>(dlg, "lblLogFile")->text(), "----");
  EXPECT_FALSE(tavo::test::child<QPushButton>(dlg, "cmdLogFile")->isEnabled());
  EXPECT_EQ(calls.logs, (std::vector<bool>{true, false}));
}

TEST_F(FrmSettingsTest, SkinListChangeAndReset) {
  QTemporaryDir dir;
  for (const char* name : {"/b.xsd", "/a.xsd", "/a.bmp", "/notes.txt"}) {
    QFile f(dir.path() + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  dlg.setSkinsFolder(dir.path());
  ASSERT_EQ(tavo::test::child<QListWidget>(dlg, "filelistSkins")->count(), 2);
  EXPECT_EQ(tavo::test::child<QListWidget>(dlg, "filelistSkins")->item(0)->text(), "a.xsd");

  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdChangeSkin"), Qt::LeftButton);  // nothing selected
  EXPECT_TRUE(calls.skins.empty());
  tavo::test::child<QListWidget>(dlg, "filelistSkins")->setCurrentRow(1);
  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdChangeSkin"), Qt::LeftButton);
  ASSERT_EQ(calls.skins.size(), 1u);
  EXPECT_EQ(calls.skins[0], dir.path() + "/b.xsd");

  {
    QFile f(dir.path() + "/c.xsd");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  dlg.refreshSkinList();
  EXPECT_EQ(tavo::test::child<QListWidget>(dlg, "filelistSkins")->count(), 3);
  EXPECT_EQ(tavo::test::child<QListWidget>(dlg, "filelistSkins")->currentItem()->text(), "b.xsd");  // the choice stays

  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdDefaultSkin"), Qt::LeftButton);
  EXPECT_EQ(calls.defaults, 1);
}

TEST_F(FrmSettingsTest, ButtonsAndPicturesReachTheirActions) {
  dlg.setProgramFolder("/opt/tavo");
  dlg.setWebHost("http://host.test");
  dlg.show();
  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdReset"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdInterface"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdQuit"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<QLabel>(dlg, "picQuit"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<QPushButton>(dlg, "cmdHelp"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<QLabel>(dlg, "Picture10"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<QLabel>(dlg, "lblFindSkins"), Qt::LeftButton);
  EXPECT_EQ(calls.resets, 1);
  EXPECT_EQ(calls.chooser, 1);
  EXPECT_EQ(calls.quits, 2);
  ASSERT_EQ(calls.urls.size(), 3u);
  EXPECT_EQ(calls.urls[0], QUrl::fromLocalFile("/opt/tavo/Tavo_FR.pdf"));
  EXPECT_EQ(calls.urls[1], calls.urls[0]);
  EXPECT_EQ(calls.urls[2], QUrl("http://host.test/tavo.php"));

  dlg.applyTexts(monitorTexts(false), false);
  dlg.lblFindSkins_Click();
  dlg.cmdHelp_Click();
  EXPECT_EQ(calls.urls[3], QUrl("http://host.test/english.php"));
  EXPECT_EQ(calls.urls[4], QUrl::fromLocalFile("/opt/tavo/Tavo_EN.pdf"));
}

TEST_F(FrmSettingsTest, DirectionAndTranslucencyApplyAtOnce) {
  tavo::test::child<QRadioButton>(dlg, "optUL")->setChecked(true);
  tavo::test::child<QRadioButton>(dlg, "optDL")->setChecked(true);
  EXPECT_EQ(calls.underline, (std::vector<bool>{false, true}));
  tavo::test::child<QScrollBar>(dlg, "scrTransp")->setValue(120);
  tavo::test::child<QScrollBar>(dlg, "scrTransp")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(calls.opacity, (std::vector<int>{120, 121}));
}

TEST(FrmSettingsOptions, OffSwitchesNoOtherOn) {
  frmSettings dlg;
  frmSettings::setOption(tavo::test::child<QRadioButton>(dlg, "optInbits"), true);
  EXPECT_FALSE(tavo::test::child<QRadioButton>(dlg, "optInBytes")->isChecked());
  frmSettings::setOption(tavo::test::child<QRadioButton>(dlg, "optInbits"), false);
  for (QRadioButton* b :
       {tavo::test::child<QRadioButton>(dlg, "optInbits"), tavo::test::child<QRadioButton>(dlg, "optInBytes"),
        tavo::test::child<QRadioButton>(dlg, "optCumul"), tavo::test::child<QRadioButton>(dlg, "optMean")})
    EXPECT_FALSE(b->isChecked());
  frmSettings::setOption(tavo::test::child<QRadioButton>(dlg, "optMean"), true);
  EXPECT_TRUE(tavo::test::child<QRadioButton>(dlg, "optMean")->isChecked());
  frmSettings::setOption(tavo::test::child<QRadioButton>(dlg, "optCumul"), true);
  EXPECT_FALSE(tavo::test::child<QRadioButton>(dlg, "optMean")->isChecked());
}

// The tray icon at each size a notification area asks for: the ring lies
// whole inside the square (its four sides reached, its corners empty) and
// no pixel of the bars lies on or beyond the ring's inner edge.
TEST(TrayPicture, BarsStayInsideTheRingAndTheRingInsideTheSquare) {
  for (const int side : {16, 22, 32, 44, 64}) {
    SCOPED_TRACE(side);
    const QImage img = makeTrayPicture(side).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(img.size(), QSize(side, side));
    const double pen = std::max(1.0, side / 10.0);
    const double inner = side / 2.0 - pen;  // the ring's inner edge
    int barPixels = 0;
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) {
        const QColor c = img.pixelColor(x, y);
        const bool bar = c.alpha() > 0 && c.blue() > c.red() + 30 && c.blue() > c.green() + 30;
        if (!bar) continue;
        ++barPixels;
        // The pixel's farthest corner from the centre.
        const double dx = std::max(std::abs(x - side / 2.0), std::abs(x + 1 - side / 2.0));
        const double dy = std::max(std::abs(y - side / 2.0), std::abs(y + 1 - side / 2.0));
        EXPECT_LE(std::hypot(dx, dy), inner) << "bar pixel at " << x << "," << y;
      }
    EXPECT_GT(barPixels, side / 2) << "no bars";
    // The ring's stroke reaches each side of the square ...
    for (const QPoint edge :
         {QPoint(side / 2, 0), QPoint(0, side / 2), QPoint(side - 1, side / 2), QPoint(side / 2, side - 1)})
      EXPECT_GT(img.pixelColor(edge).alpha(), 100) << edge.x() << "," << edge.y();
    // ... and leaves the corners empty.
    for (const QPoint corner : {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
      EXPECT_EQ(img.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
  }
}
