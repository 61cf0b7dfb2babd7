#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "LogViewer/ui/frmgraphe.h"
#include "LogViewer/ui/frmmain.h"
#include "LogViewer/ui/logviewerprogram.h"
#include "common/pictures.h"
#include "tests/LogViewer/logviewer_test_util.h"
#include "tests/support/categorywarnings.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

using namespace tavo::logv;
using tavo::logv::testing::frenchLocale;
using tavo::logv::testing::sampleLines;
using tavo::logv::testing::writeLog;

namespace {

using tavo::test::child;

const QDateTime kStart(QDate(2026, 12, 9), QTime(14, 7));

bool anyWindowVisible() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) return true;
  return false;
}

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkdir("logs"));
    desktop.onAsk = [this](const tavo::BoxRequest& box) {
      messages.push_back({box.title, box.text});
      return QMessageBox::Ok;
    };
    desktop.onQuit = [this] { ++quits; };
  }
  void writeSamples(
      const QString& name, int n, int (*dl)(int) = [](int i) { return i % 100; }) {
    ASSERT_TRUE(writeLog(dir.filePath("logs/" + name), sampleLines(format, kStart, n, dl, [](int) { return 7; })));
  }
  std::unique_ptr<LogViewerProgram> startProgram(const char* language = "FR") {
    auto p = std::make_unique<LogViewerProgram>(dir.path(), desktop, frenchLocale());
    QStringList args{"TavoLogV"};
    if (language) args << QString::fromUtf8(language);
    // Whether it ended at once is for each test to look at in the windows.
    static_cast<void>(p->start(args));
    return p;
  }
  // Selects name in the list and clicks cmdSelect, as the user does.
  static void openLog(LogViewerProgram& p, const QString& name) {
    QListWidget* list = child<QListWidget>(&p.mainWindow(), "flLog");
    const auto items = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    list->setCurrentItem(items.first());
    QTest::mouseClick(child<QPushButton>(&p.mainWindow(), "cmdSelect"), Qt::LeftButton);
  }

  QTemporaryDir dir;
  tavo::RegionalFormat format{frenchLocale()};
  tavo::test::FakeDesktop desktop;
  std::vector<std::pair<QString, QString>> messages;
  int quits = 0;
};

TEST_F(WindowsTest, StartWithoutArgumentShowsNothingButMakesTheLogsFolder) {
  QTemporaryDir bare;
  LogViewerProgram p(bare.path(), desktop, frenchLocale());
  EXPECT_FALSE(p.start({"TavoLogV"}));
  EXPECT_TRUE(QFileInfo(bare.filePath("logs")).isDir());
  EXPECT_FALSE(anyWindowVisible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(WindowsTest, ListsTheLogsInNameOrderWithFrenchTexts) {
  writeSamples("301126-23-59.csv", 3);
  writeSamples("011226-9-5.csv", 3);
  auto p = startProgram("FR");
  frmMain& m = p->mainWindow();
  EXPECT_TRUE(m.isVisible());
  EXPECT_FALSE(p->graphWindow().isVisible());
  ASSERT_EQ(child<QListWidget>(&m, "flLog")->count(), 2);
  EXPECT_EQ(child<QListWidget>(&m, "flLog")->item(0)->text(), "011226-9-5.csv");
  EXPECT_EQ(child<QListWidget>(&m, "flLog")->item(1)->text(), "301126-23-59.csv");
  EXPECT_EQ(m.windowTitle(), "Tavo - Log Viewer");
  EXPECT_EQ(child<QGroupBox>(&m, "frameSkins")->title(), "Logs disponibles");
  EXPECT_EQ(child<QPushButton>(&m, "cmdSelect")->text(), "Analyser >>");
  EXPECT_EQ(child<QPushButton>(&m, "cmdSelect")->toolTip(), " Analyser le log sélectionné ");
  openLog(*p, "011226-9-5.csv");
  frmGraphe& g = p->graphWindow();
  EXPECT_EQ(child<QLabel>(&g, "lblScale")->text(), "10 heures");
  EXPECT_EQ(child<QGroupBox>(&g, "Frame1")->title(), "Totalité du log");
  EXPECT_EQ(child<QLabel>(&g, "Label4")->text(), "Nombre d'échantillons :");
  EXPECT_EQ(child<QPushButton>(&g, "cmdPrint")->text(), "Imprimer");
  // Every control the French tables name is on its window.
  EXPECT_EQ(p->ApplyLanguageTexts(), QStringList());
}

TEST_F(WindowsTest, EnglishTextsForEnOrAnyOtherArgument) {
  writeSamples("011226-9-5.csv", 3);
  for (const char* language : {"EN", "en", "xyz"}) {
    auto p = startProgram(language);
    EXPECT_EQ(child<QGroupBox>(&p->mainWindow(), "frameSkins")->title(), "Available logs") << language;
    EXPECT_EQ(child<QPushButton>(&p->mainWindow(), "cmdSelect")->text(), "Analyze >>");
    EXPECT_EQ(child<QPushButton>(&p->mainWindow(), "cmdSelect")->toolTip(), " Analyze selected log ");
    openLog(*p, "011226-9-5.csv");
    frmGraphe& g = p->graphWindow();
    EXPECT_EQ(child<QLabel>(&g, "lblScale")->text(), "10 hours");
    EXPECT_EQ(child<QGroupBox>(&g, "Frame1")->title(), "Complete log");
    EXPECT_EQ(child<QGroupBox>(&g, "Frame2")->title(), "Visible part on the graph");
    EXPECT_EQ(child<QLabel>(&g, "Label2")->text(), "Date min. :");
    EXPECT_EQ(child<QLabel>(&g, "Label5")->text(), "Date max. :");
    EXPECT_EQ(child<QLabel>(&g, "Label14")->text(), "Maximum rate (kbit/s)");
    EXPECT_EQ(child<QLabel>(&g, "Label22")->text(), "Average rate (kbit/s)");
    EXPECT_EQ(child<QLabel>(&g, "Label16")->text(), "Total volume transferred (MB)");
    EXPECT_EQ(child<QLabel>(&g, "Label25")->text(), "Number of records :");
    EXPECT_EQ(child<QToolButton>(&g, "picPlus")->toolTip(), " Zoom in... reduce the X axis ");
    EXPECT_EQ(child<QToolButton>(&g, "picMoins")->toolTip(), " Zoom out... enlarge the X axis ");
    EXPECT_EQ(child<QPushButton>(&g, "cmdPrint")->toolTip(), " Print this page ");
    EXPECT_EQ(child<QLabel>(&g, "Label1")->text(), "Download  (kbit/s)");
    child<QToolButton>(&g, "picPlus")->click();
    EXPECT_EQ(child<QLabel>(&g, "lblScale")->text(), "5 hours");
    // Every control the English tables name is on its window.
    EXPECT_EQ(p->ApplyLanguageTexts(), QStringList());
  }
}

TEST_F(WindowsTest, SelectWithoutASelectionDoesNothing) {
  writeSamples("011226-9-5.csv", 3);
  auto p = startProgram();
  QTest::mouseClick(child<QPushButton>(&p->mainWindow(), "cmdSelect"), Qt::LeftButton);
  EXPECT_TRUE(p->mainWindow().isVisible());
  EXPECT_FALSE(p->graphWindow().isVisible());
  EXPECT_TRUE(messages.empty());

  QTemporaryDir empty;
  LogViewerProgram none(empty.path(), desktop, frenchLocale());
  EXPECT_TRUE(none.start({"TavoLogV", "FR"}));
  EXPECT_EQ(child<QListWidget>(&none.mainWindow(), "flLog")->count(), 0);
  QTest::mouseClick(child<QPushButton>(&none.mainWindow(), "cmdSelect"), Qt::LeftButton);
  EXPECT_FALSE(none.graphWindow().isVisible());
}

TEST_F(WindowsTest, OpeningALogShowsItsFigures) {
  writeSamples("log.csv", 700, [](int i) { return i; });
  auto p = startProgram();
  openLog(*p, "log.csv");
  frmGraphe& g = p->graphWindow();
  EXPECT_FALSE(p->mainWindow().isVisible());
  EXPECT_TRUE(g.isVisible());
  EXPECT_EQ(g.windowTitle(), "Tavo - Log Viewer");
  EXPECT_EQ(child<QLabel>(&g, "lblDateMin")->text(), "09/12/26 -- 14:07");
  EXPECT_EQ(child<QLabel>(&g, "lblDmax")->text(), "700");
  EXPECT_EQ(child<QLabel>(&g, "lblUmax")->text(), "7");
  EXPECT_EQ(child<QLabel>(&g, "lblDmoy")->text(), "350");
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant")->text(), "700");
  EXPECT_EQ(child<QLabel>(&g, "lblDmax_s")->text(), "600");
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), "600");
  EXPECT_EQ(child<QLabel>(&g, "lblDateMin_s")->text(), "09/12/26 -- 14:07");
  EXPECT_TRUE(child<QScrollBar>(&g, "scrVisible")->isEnabled());
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->minimum(), 1);
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->maximum(), 700);
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->value(), 1);
  // Dates stand whole in their labels.
  for (QLabel* date : {child<QLabel>(&g, "lblDateMin"), child<QLabel>(&g, "lblDateMax"),
                       child<QLabel>(&g, "lblDateMin_s"), child<QLabel>(&g, "lblDateMax_s")})
    EXPECT_GE(date->contentsRect().width(), date->fontMetrics().horizontalAdvance(date->text())) << date->text();
  // The bars are on the window's picture: sample 600 is the tallest.
  const QImage shown = child<GraphPicture>(&g, "picGr")->grab().toImage();
  EXPECT_EQ(shown.pixelColor(110 + 599, 39), QColor(58, 163, 21));
  EXPECT_TRUE(messages.empty());
}

TEST_F(WindowsTest, PictureButtonsShowTheSuitesSharedPictures) {
  auto p = startProgram();
  const frmGraphe& g = p->graphWindow();
  const std::pair<QToolButton*, tavo::PictureKind> buttons[] = {
      {child<QToolButton>(&g, "picPlus"), tavo::PictureKind::ZoomIn},
      {child<QToolButton>(&g, "picMoins"), tavo::PictureKind::ZoomOut},
      {child<QToolButton>(&g, "picPrint"), tavo::PictureKind::Printer}};
  for (const auto& [button, kind] : buttons) {
    const QImage expected = tavo::iconPicture(kind, kButtonPictureSide).toImage();
    EXPECT_EQ(button->iconSize(), expected.size()) << button->objectName().toStdString();
    EXPECT_EQ(button->icon().pixmap(button->iconSize()).toImage(), expected) << button->objectName().toStdString();
  }
}

TEST_F(WindowsTest, ZoomButtonsChangeTheWindowFromTheSameFirstSample) {
  writeSamples("log.csv", 1000, [](int i) { return i; });
  auto p = startProgram();
  openLog(*p, "log.csv");
  frmGraphe& g = p->graphWindow();
  child<QScrollBar>(&g, "scrVisible")->setValue(200);
  EXPECT_EQ(child<QLabel>(&g, "lblDmax_s")->text(), "799");
  QTest::mouseClick(child<QToolButton>(&g, "picPlus"), Qt::LeftButton);
  EXPECT_EQ(child<QLabel>(&g, "lblScale")->text(), "5 heures");
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), "300");
  EXPECT_EQ(child<QLabel>(&g, "lblDmax_s")->text(), "499");
  QTest::mouseClick(child<QToolButton>(&g, "picMoins"), Qt::LeftButton);
  QTest::mouseClick(child<QToolButton>(&g, "picMoins"), Qt::LeftButton);
  EXPECT_EQ(child<QLabel>(&g, "lblScale")->text(), "10 heures");
  const QImage before = child<GraphPicture>(&g, "picGr")->image().copy();
  QTest::mouseClick(child<QToolButton>(&g, "picMoins"), Qt::LeftButton);  // already at 10: the same picture again
  EXPECT_EQ(child<GraphPicture>(&g, "picGr")->image(), before);
  EXPECT_EQ(child<QLabel>(&g, "lblDmax")->text(), "1000");  // the whole-log figures never follow the zoom
}

TEST_F(WindowsTest, DraggingTheThumbMovesOnlyTheTwoDates) {
  writeSamples("log.csv", 1000, [](int i) { return i; });
  auto p = startProgram();
  openLog(*p, "log.csv");
  frmGraphe& g = p->graphWindow();
  const QImage before = child<GraphPicture>(&g, "picGr")->image().copy();
  const QString count = child<QLabel>(&g, "lblNEchant_s")->text(), max = child<QLabel>(&g, "lblDmax_s")->text(),
                mean = child<QLabel>(&g, "lblDmoy_s")->text();

  child<QScrollBar>(&g, "scrVisible")->setSliderDown(true);
  child<QScrollBar>(&g, "scrVisible")->setSliderPosition(300);
  EXPECT_EQ(child<QLabel>(&g, "lblDateMin_s")->text(), format.dayHourMinuteShort(kStart.addSecs(60 * 299)));
  EXPECT_EQ(child<QLabel>(&g, "lblDateMax_s")->text(), format.dayHourMinuteShort(kStart.addSecs(60 * 898)));
  EXPECT_EQ(child<QLabel>(&g, "lblDmax_s")->text(), max);
  EXPECT_EQ(child<QLabel>(&g, "lblDmoy_s")->text(), mean);
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), count);
  EXPECT_EQ(child<GraphPicture>(&g, "picGr")->image(), before);
  // Near the end the last date stops at the last sample.
  child<QScrollBar>(&g, "scrVisible")->setSliderPosition(950);
  EXPECT_EQ(child<QLabel>(&g, "lblDateMax_s")->text(), format.dayHourMinuteShort(kStart.addSecs(60 * 999)));

  child<QScrollBar>(&g, "scrVisible")->setSliderDown(false);  // released
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->value(), 950);
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), "51");
  EXPECT_EQ(child<QLabel>(&g, "lblDmax_s")->text(), "1000");
  EXPECT_NE(child<GraphPicture>(&g, "picGr")->image(), before);
}

TEST_F(WindowsTest, ArrowAndPageStepsOfTheScrollBar) {
  writeSamples("log.csv", 1000, [](int i) { return i; });
  auto p = startProgram();
  openLog(*p, "log.csv");
  frmGraphe& g = p->graphWindow();
  child<QScrollBar>(&g, "scrVisible")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->value(), 2);
  EXPECT_EQ(child<QLabel>(&g, "lblDmax_s")->text(), "601");
  child<QScrollBar>(&g, "scrVisible")->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->value(), 32);
  EXPECT_EQ(child<QLabel>(&g, "lblDateMin_s")->text(), format.dayHourMinuteShort(kStart.addSecs(60 * 31)));
}

TEST_F(WindowsTest, ALogLongerThanSixteenBitsScrollsToItsEnd) {
  writeSamples("long.csv", 40000, [](int i) { return i; });
  auto p = startProgram();
  openLog(*p, "long.csv");
  frmGraphe& g = p->graphWindow();
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->maximum(), 40000);
  child<QScrollBar>(&g, "scrVisible")->setValue(40000);
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), "1");
  EXPECT_EQ(child<QLabel>(&g, "lblDmax_s")->text(), "40000");
  EXPECT_EQ(child<QLabel>(&g, "lblDateMin_s")->text(), format.dayHourMinuteShort(kStart.addSecs(60LL * 39999)));
}

TEST_F(WindowsTest, SixtySamplesLeaveTheScrollBarDisabled) {
  writeSamples("60.csv", 60);
  writeSamples("61.csv", 61);
  auto p = startProgram();
  openLog(*p, "60.csv");
  EXPECT_FALSE(child<QScrollBar>(&p->graphWindow(), "scrVisible")->isEnabled());
  p->graphWindow().close();
  openLog(*p, "61.csv");
  EXPECT_TRUE(child<QScrollBar>(&p->graphWindow(), "scrVisible")->isEnabled());
  EXPECT_EQ(child<QScrollBar>(&p->graphWindow(), "scrVisible")->maximum(), 61);
}

TEST_F(WindowsTest, CloseBoxOfTheGraphBringsTheListBackAndTheListEndsTheProgram) {
  writeSamples("a.csv", 1000);
  writeSamples("b.csv", 10);
  auto p = startProgram();
  openLog(*p, "a.csv");
  frmGraphe& g = p->graphWindow();
  child<QToolButton>(&g, "picPlus")->click();
  child<QScrollBar>(&g, "scrVisible")->setValue(300);
  g.close();
  EXPECT_FALSE(g.isVisible());
  EXPECT_TRUE(p->mainWindow().isVisible());
  EXPECT_EQ(p->mainWindow().selectedLogName(), "a.csv");
  EXPECT_EQ(quits, 0);

  // Reopened: 10 hours from the first sample again.
  QTest::mouseClick(child<QPushButton>(&p->mainWindow(), "cmdSelect"), Qt::LeftButton);
  EXPECT_TRUE(g.isVisible());
  EXPECT_EQ(child<QLabel>(&g, "lblScale")->text(), "10 heures");
  EXPECT_EQ(child<QScrollBar>(&g, "scrVisible")->value(), 1);
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), "600");
  g.close();

  p->mainWindow().close();
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(p->ended());
  EXPECT_FALSE(anyWindowVisible());
}

TEST_F(WindowsTest, ALogGoneBeforeItIsOpenedIsReportedAndEndsTheProgram) {
  writeSamples("gone.csv", 10);
  auto p = startProgram("EN");
  ASSERT_TRUE(QFile::remove(dir.filePath("logs/gone.csv")));
  openLog(*p, "gone.csv");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Tavo - Error");
  EXPECT_EQ(messages[0].second, "     I did not find this log file.     ");
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(p->ended());
  EXPECT_FALSE(anyWindowVisible());
}

TEST_F(WindowsTest, ALogThatCannotBeReadIsReportedAndTheListComesBack) {
  writeSamples("odd.csv", 10);
  writeSamples("good.csv", 10);
  auto p = startProgram("EN");
  ASSERT_TRUE(QFile::remove(dir.filePath("logs/odd.csv")));
  ASSERT_TRUE(QDir(dir.path()).mkdir("logs/odd.csv"));
  openLog(*p, "odd.csv");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].second, "     I could not read this log file.     ");
  EXPECT_EQ(quits, 0);
  EXPECT_TRUE(p->mainWindow().isVisible());
  EXPECT_FALSE(p->graphWindow().isVisible());
  openLog(*p, "good.csv");
  EXPECT_TRUE(p->graphWindow().isVisible());
  EXPECT_EQ(child<QLabel>(&p->graphWindow(), "lblNEchant")->text(), "10");
}

TEST_F(WindowsTest, UnreadableLinesAreCountedInOneMessageAfterReading) {
  QStringList lines = sampleLines(
      format, kStart, 5, [](int i) { return i; }, [](int) { return 1; });
  lines.insert(2, "garbage");
  lines.insert(4, "09/12/2026 14:30:00;5");
  lines << ""
        << "31/13/2026 10:00:00;1;2";
  ASSERT_TRUE(writeLog(dir.filePath("logs/bad.csv"), lines));
  auto p = startProgram("FR");
  openLog(*p, "bad.csv");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Tavo - Erreur");
  EXPECT_EQ(messages[0].second, "     3 lignes illisibles de ce log ont été ignorées.     ");
  EXPECT_TRUE(p->graphWindow().isVisible());
  EXPECT_EQ(child<QLabel>(&p->graphWindow(), "lblNEchant")->text(), "5");
  EXPECT_EQ(quits, 0);
}

TEST_F(WindowsTest, ALogWithoutSamplesShowsAnEmptyGraph) {
  ASSERT_TRUE(writeLog(dir.filePath("logs/empty.csv"), {}));
  auto p = startProgram();
  openLog(*p, "empty.csv");
  frmGraphe& g = p->graphWindow();
  EXPECT_TRUE(g.isVisible());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant")->text(), "0");
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), "0");
  EXPECT_EQ(child<QLabel>(&g, "lblDateMin")->text(), "");
  EXPECT_EQ(child<QLabel>(&g, "lblDateMax_s")->text(), "");
  EXPECT_EQ(child<QLabel>(&g, "lblDmoy")->text(), "0");
  EXPECT_FALSE(child<QScrollBar>(&g, "scrVisible")->isEnabled());
  child<QToolButton>(&g, "picPlus")->click();
  EXPECT_EQ(child<QLabel>(&g, "lblNEchant_s")->text(), "0");
  const QImage image = child<GraphPicture>(&g, "picGr")->image();
  for (int x = 110; x < 712; x += 7) EXPECT_EQ(image.pixelColor(x, 100), QColor(255, 255, 255)) << x;
}

TEST_F(WindowsTest, PrintButtonAndPicturePrintTheGraphWindow) {
  writeSamples("log.csv", 100);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = dir.filePath("print.pdf");
  printer.setOutputFileName(pdf);
  desktop.printerToUse = &printer;
  auto p = startProgram();
  openLog(*p, "log.csv");
  QTest::mouseClick(child<QPushButton>(&p->graphWindow(), "cmdPrint"), Qt::LeftButton);
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
  ASSERT_TRUE(QFile::remove(pdf));
  QTest::mouseClick(child<QToolButton>(&p->graphWindow(), "picPrint"), Qt::LeftButton);
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(WindowsTest, APageThatCannotBeMadeIsLoggedNotDropped) {
  writeSamples("log.csv", 100);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("no such folder/print.pdf"));
  desktop.printerToUse = &printer;
  auto p = startProgram();
  openLog(*p, "log.csv");
  const tavo::test::CategoryWarnings log("tavo.logviewer");
  QTest::mouseClick(child<QPushButton>(&p->graphWindow(), "cmdPrint"), Qt::LeftButton);
  EXPECT_EQ(log.messages().size(), 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(p->graphWindow().isVisible());
}

TEST_F(WindowsTest, ALogsFolderThatCannotBeMadeIsReported) {
  QTemporaryDir other;
  ASSERT_TRUE(writeLog(other.filePath("logs"), {"a file, not a folder"}));
  LogViewerProgram p(other.path(), desktop, frenchLocale());
  EXPECT_TRUE(p.start({"TavoLogV", "EN"}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Tavo - Error");
  EXPECT_TRUE(messages[0].second.startsWith("     I could not create the logs folder "));
  EXPECT_TRUE(p.mainWindow().isVisible());
  EXPECT_EQ(child<QListWidget>(&p.mainWindow(), "flLog")->count(), 0);
}

}  // namespace
