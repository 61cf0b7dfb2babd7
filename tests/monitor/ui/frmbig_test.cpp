#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <string>

#include "monitor/ui/monitorwindows.h"
#include "tests/monitor/ui/views_fixture.h"
#include "tests/support/controls.h"

using namespace tavo::monitor;
using tavo::monitor::testing::moveOver;
using tavo::monitor::testing::ViewsTest;

namespace {

QRgb rgb(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }
QRgb rgb(const QColor& c) { return c.rgb() & 0xFFFFFF; }

// Bar heights counted from the baseline. The dotted half-scale rows lie
// over the bars; the columns checked here fall in the gaps of their dots.
int downloadBar(const QImage& img, int c) {
  int h = 0;
  while (h < 100 && rgb(img, 61 + c, 384 - h) == rgb(kDownloadColour)) ++h;
  return h;
}

int uploadBar(const QImage& img, int c) {
  int h = 0;
  while (h < 100 && rgb(img, 61 + c, 411 + h) == rgb(kUploadColour)) ++h;
  return h;
}

}  // namespace

class DetailGraphWindowTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    start();
    bg = std::make_unique<MonitorWindows>(*engine, desktop);
  }
  void TearDown() override {
    bg.reset();
    ViewsTest::TearDown();
  }
  frmBig& big() { return bg->big(); }
  // The time scale's label k, lblScaleX(k).
  QLabel* scaleX(int k) { return tavo::test::child<QLabel>(big(), ("lblScaleX(" + std::to_string(k) + ")").c_str()); }
  std::unique_ptr<MonitorWindows> bg;
};

TEST_F(DetailGraphWindowTest, EmptyHistoriesOpenOnTheHourView) {
  EXPECT_FALSE(big().isVisible());
  bg->DrawHoursGraph();
  EXPECT_TRUE(big().isVisible());
  EXPECT_TRUE(engine->BigGraphVisible);
  EXPECT_TRUE(tavo::test::child<QRadioButton>(big(), "optHour")->isChecked());
  EXPECT_FALSE(tavo::test::child<QRadioButton>(big(), "optMin")->isChecked());
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblD1")->text(), "100");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblD2")->text(), "50");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblU1")->text(), "100");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblU2")->text(), "50");
  for (int c : {0, 300, 598}) {
    EXPECT_EQ(downloadBar(big().graphImage(), c), 0);
    EXPECT_EQ(uploadBar(big().graphImage(), c), 0);
  }
  EXPECT_EQ(big().size(), QSize(692, 543));
  for (int k = 0; k <= 10; ++k) {
    EXPECT_EQ(scaleX(k)->text(), k == 0 ? QString("0") : QString("-%1").arg(k));
    EXPECT_EQ(scaleX(k)->geometry(), QRect(647 - 60 * k, 391, 30, 15));
  }
}

TEST_F(DetailGraphWindowTest, ScalesAndBarHeightsOfTheHourView) {
  auto& h = history();
  h.dlPerMinute.writeIndex = 10;
  h.dlPerMinute.values[9] = 100;  // column 598: the maximum, scale 200, bar 50
  h.dlPerMinute.values[11] = 40;  // column 0: bar 20
  h.ulPerMinute.writeIndex = 10;
  h.ulPerMinute.values[9] = 1234;  // scale 1300: bar 94
  h.ulPerMinute.values[8] = 99;    // column 597: 99 * 100 / 1300 = 7
  h.dlPerSecond.values[5] = 5000;  // the minute view's rings are not drawn here
  bg->DrawHoursGraph();
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblD1")->text(), "200");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblD2")->text(), "100");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblU1")->text(), "1300");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblU2")->text(), "650");
  const QImage& img = big().graphImage();
  EXPECT_EQ(downloadBar(img, 598), 50);
  EXPECT_EQ(downloadBar(img, 0), 20);
  EXPECT_EQ(downloadBar(img, 597), 0);
  EXPECT_EQ(uploadBar(img, 598), 94);
  EXPECT_EQ(uploadBar(img, 597), 7);
  EXPECT_NE(rgb(img, 659, 285), rgb(kDownloadColour));  // never up to the full-scale line
  // What the window shows is that picture, labels on top of it.
  const QImage shown = big().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(692, 543));
  EXPECT_EQ(rgb(shown, 659, 384), rgb(kDownloadColour));
  EXPECT_EQ(rgb(shown, 659, 336), rgb(kDownloadColour));
  EXPECT_EQ(rgb(shown, 659, 333), 0xFFFFFFu);
  EXPECT_EQ(rgb(shown, 659, 411 + 93), rgb(kUploadColour));
  EXPECT_EQ(rgb(shown, 659, 411 + 94), 0xFFFFFFu);
}

TEST_F(DetailGraphWindowTest, MinuteViewTwoMinutesAfterStart) {
  bg->DrawHoursGraph();
  ticks(120, 12800, 6400);  // 100 and 50 kbit/s; the last tick at 14:07:30
  QTest::mouseClick(tavo::test::child<QRadioButton>(big(), "optMin"), Qt::LeftButton);
  EXPECT_TRUE(tavo::test::child<QRadioButton>(big(), "optMin")->isChecked());
  EXPECT_FALSE(tavo::test::child<QRadioButton>(big(), "optHour")->isChecked());
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblD1")->text(), "200");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblU1")->text(), "100");
  const auto& cols = big().columns();
  EXPECT_EQ(cols.download[599], 100);
  EXPECT_EQ(cols.upload[599], 50);
  EXPECT_EQ(cols.download[0], 0);
  EXPECT_EQ(downloadBar(big().graphImage(), 598), 50);
  EXPECT_EQ(uploadBar(big().graphImage(), 598), 50);
  EXPECT_EQ(downloadBar(big().graphImage(), 300), 0);

  moveOver(tavo::test::child<GraphTipArea>(big(), "Label3"), {599, 50});
  EXPECT_EQ(tavo::test::child<GraphTipArea>(big(), "Label3")->toolTip(), "100 kbit/s -- 14:07:30");
  moveOver(tavo::test::child<GraphTipArea>(big(), "Label3"), {598, 50});
  EXPECT_EQ(tavo::test::child<GraphTipArea>(big(), "Label3")->toolTip(), "100 kbit/s -- 14:07:29");
  moveOver(tavo::test::child<GraphTipArea>(big(), "Label3"), {100, 50});
  EXPECT_EQ(tavo::test::child<GraphTipArea>(big(), "Label3")->toolTip(), " ---- ");
  moveOver(tavo::test::child<GraphTipArea>(big(), "Label4"), {599, 10});
  EXPECT_EQ(tavo::test::child<GraphTipArea>(big(), "Label4")->toolTip(), "50 kbit/s -- 14:07:30");
  moveOver(tavo::test::child<GraphTipArea>(big(), "Label4"), {0, 10});
  EXPECT_EQ(tavo::test::child<GraphTipArea>(big(), "Label4")->toolTip(), " ---- ");
  // Only the newest columns carry a time.
  int labelled = 0;
  for (const QString& t : cols.timeLabels) labelled += !t.isEmpty();
  EXPECT_GE(labelled, 118);
  EXPECT_LE(labelled, 120);
  EXPECT_FALSE(cols.timeLabels[600 - labelled].isEmpty());
  EXPECT_TRUE(cols.timeLabels[599 - labelled].isEmpty());

  // Opening it again from the main window or the tray: back to the hour view.
  bg->DrawHoursGraph();
  EXPECT_TRUE(tavo::test::child<QRadioButton>(big(), "optHour")->isChecked());
  EXPECT_FALSE(tavo::test::child<QRadioButton>(big(), "optMin")->isChecked());
}

TEST_F(DetailGraphWindowTest, UploadTooltipTakesTheDownloadColumnsTime) {
  auto& h = history();
  h.dlPerSecond.writeIndex = 20;
  h.ulPerSecond.writeIndex = 19;  // one counter stood still once: the upload ring lags
  h.dlPerSecond.values[20] = 300;
  h.ulPerSecond.values[19] = 12;
  timeLabels().perSecond[20] = QTime(9, 10, 11);
  timeLabels().perSecond[19] = QTime(9, 10, 10);
  bg->DrawMinutesGraph();
  moveOver(tavo::test::child<GraphTipArea>(big(), "Label4"), {599, 10});
  EXPECT_EQ(tavo::test::child<GraphTipArea>(big(), "Label4")->toolTip(), "12 kbit/s -- 09:10:11");
  moveOver(tavo::test::child<GraphTipArea>(big(), "Label3"), {599, 10});
  EXPECT_EQ(tavo::test::child<GraphTipArea>(big(), "Label3")->toolTip(), "300 kbit/s -- 09:10:11");
}

TEST_F(DetailGraphWindowTest, TickRefreshesTheCountersButNotTheBars) {
  ticks(3, 12800, 6400);
  bg->DrawMinutesGraph();
  const QImage before = big().graphImage();
  const auto columnsBefore = big().columns().download;
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDinst")->text(), "100");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblStart")->text(), "08/12/26 -- 14:05");
  tick(1 << 20, 0);
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDinst")->text(), "8192");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblUinst")->text(), "0");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDmax")->text(), "8192");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblUmax")->text(), "50");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDmoy")->text(), QString::number(engine->Counters.MeanDL));
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblUmoy")->text(), QString::number(engine->Counters.MeanUL));
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDtot")->text(),
            engine->regional().oneDecimal(engine->Counters.MBytesShownDL));
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblUtot")->text(),
            engine->regional().oneDecimal(engine->Counters.MBytesShownUL));
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDuring")->text(), engine->Counters.ElapsedText);
  EXPECT_EQ(big().graphImage(), before);
  EXPECT_EQ(big().columns().download, columnsBefore);

  // Hidden by its close box: the tick leaves it alone; reopening draws again.
  big().close();
  EXPECT_FALSE(big().isVisible());
  EXPECT_FALSE(engine->BigGraphVisible);
  tick(12800, 0);
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDinst")->text(), "8192");
  bg->DrawHoursGraph();
  EXPECT_TRUE(big().isVisible());
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblDinst")->text(), "100");
}

TEST_F(DetailGraphWindowTest, ButtonsResetCountLogAndStartTheOtherPrograms) {
  ticks(3, 12800, 6400);
  bg->DrawHoursGraph();
  clock.advanceSeconds(120);
  QTest::mouseClick(tavo::test::child<QPushButton>(big(), "cmdRAZ"), Qt::LeftButton);
  EXPECT_EQ(engine->Counters.MaxDL, 0);
  EXPECT_EQ(engine->Counters.MBytesDL, 0.0);
  EXPECT_EQ(engine->Counters.CountStart, clock.now().addSecs(-1));
  tick();
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblStart")->text(), "08/12/26 -- 14:07");

  const QString before = engine->LogFilePath;
  QTest::mouseClick(tavo::test::child<QPushButton>(big(), "cmdChangeLog"), Qt::LeftButton);
  EXPECT_NE(engine->LogFilePath, before);
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblLogFile")->text(), tavo::monitor::ShortenPath(engine->LogFilePath));

  QSignalSpy stats(&big(), &frmBig::statsRequested);
  QSignalSpy viewer(&big(), &frmBig::logViewerRequested);
  QTest::mouseClick(tavo::test::child<QPushButton>(big(), "cmdStats"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<tavo::ClickablePicture>(big(), "picStats"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<QPushButton>(big(), "cmdLogViewer"), Qt::LeftButton);
  QTest::mouseClick(tavo::test::child<tavo::ClickablePicture>(big(), "picLogViewer"), Qt::LeftButton);
  EXPECT_EQ(stats.count(), 2);
  EXPECT_EQ(viewer.count(), 2);
}

// The log frame is there from the start, with logging off too: "----" as
// the current file and a "Change" button that names a new file; the log
// box then hides and shows it.
TEST_F(DetailGraphWindowTest, LogFrameShownFromTheStartThenFollowsLogging) {
  ASSERT_NE(engine->settings().chkLogging(), 1);
  EXPECT_FALSE(tavo::test::child<QGroupBox>(big(), "frameLog")->isHidden());
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblLogFile")->text(), "----");
  EXPECT_TRUE(tavo::test::child<QPushButton>(big(), "cmdChangeLog")->isEnabled());
  QTest::mouseClick(tavo::test::child<QPushButton>(big(), "cmdChangeLog"), Qt::LeftButton);
  EXPECT_NE(engine->LogFilePath, "----");
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblLogFile")->text(), tavo::monitor::ShortenPath(engine->LogFilePath));

  engine->settings().setChkLogging(1);
  EXPECT_FALSE(tavo::test::child<QGroupBox>(big(), "frameLog")->isHidden());
  EXPECT_EQ(tavo::test::child<QLabel>(big(), "lblLogFile")->text(), tavo::monitor::ShortenPath(engine->LogFilePath));
  engine->settings().setChkLogging(0);
  EXPECT_TRUE(tavo::test::child<QGroupBox>(big(), "frameLog")->isHidden());
  engine->settings().setChkLogging(1);
  EXPECT_FALSE(tavo::test::child<QGroupBox>(big(), "frameLog")->isHidden());
  // A window made while logging is on starts with its frame shown.
  MonitorWindows other(*engine, desktop);
  EXPECT_FALSE(tavo::test::child<QGroupBox>(other.big(), "frameLog")->isHidden());
}

// Both windows are made when first needed: what changed before must show.
TEST_F(DetailGraphWindowTest, WindowsMadeLateShowWhatChangedBefore) {
  MonitorWindows late(*engine, desktop);
  late.applyTexts(false);
  engine->settings().setChkLogging(1);
  engine->StartNewLogFile(true);
  ticks(2, 12800, 6400);
  late.DrawHoursGraph();
  frmBig& b = late.big();
  EXPECT_TRUE(b.isVisible());
  EXPECT_EQ(tavo::test::child<QPushButton>(b, "cmdRAZ")->text(), "Reset");
  EXPECT_FALSE(tavo::test::child<QGroupBox>(b, "frameLog")->isHidden());
  EXPECT_EQ(tavo::test::child<QLabel>(b, "lblLogFile")->text(), tavo::monitor::ShortenPath(engine->LogFilePath));
  EXPECT_EQ(tavo::test::child<QLabel>(late.bubble(), "Label7")->text(), "Double click on Tavo for detailed graph");
  QTest::mouseClick(tavo::test::child<QPushButton>(b, "cmdStats"), Qt::LeftButton);
  ASSERT_EQ(desktop.started.size(), 1);
  EXPECT_EQ(desktop.started[0].program, engine->programFolder() + "/TavoStat");
}

TEST_F(DetailGraphWindowTest, FrenchAndEnglishTexts) {
  frmBig& b = big();
  struct Row {
    QString french, english;
    std::function<QString()> get;
  };
  const std::vector<Row> rows = {
      {"Tavo - Historique", "Tavo - Detailed Graph", [&] { return b.windowTitle(); }},
      {"Dimension de l'historique", "Graphic X dimension",
       [&] { return tavo::test::child<QGroupBox>(b, "Frame1")->title(); }},
      {"Compteurs", "Counters", [&] { return tavo::test::child<QGroupBox>(b, "Frame2")->title(); }},
      {"Remettre à zéro", "Reset", [&] { return tavo::test::child<QPushButton>(b, "cmdRAZ")->text(); }},
      {"les 10 dernières heures", "10 last hours",
       [&] { return tavo::test::child<QRadioButton>(b, "optHour")->text(); }},
      {"les 10 dernières minutes", "10 last minutes",
       [&] { return tavo::test::child<QRadioButton>(b, "optMin")->text(); }},
      {"Données depuis :", "Statistics since :", [&] { return tavo::test::child<QLabel>(b, "Label10")->text(); }},
      {"C'est à dire depuis :", "That is for :", [&] { return tavo::test::child<QLabel>(b, "Label11")->text(); }},
      {"Débit instantané (kbit/s) :", "Instant rates (kbit/s) :",
       [&] { return tavo::test::child<QLabel>(b, "Label9")->text(); }},
      {"Total transféré (MOctets) :", "Data transferred (MBytes) :",
       [&] { return tavo::test::child<QLabel>(b, "Label6")->text(); }},
      {"Débit moyen (kbit/s) :", "Average rates (kbit/s) :",
       [&] { return tavo::test::child<QLabel>(b, "Label5")->text(); }},
      {"Débit maximum (kbit/s) :", "Maximum rates (kbit/s) :",
       [&] { return tavo::test::child<QLabel>(b, "Label12")->text(); }},
      {" Remettre les compteurs à zéro ", " Reset counters ",
       [&] { return tavo::test::child<QPushButton>(b, "cmdRAZ")->toolTip(); }},
      {"Log détaillé des débits", "Detailed log of instant rates",
       [&] { return tavo::test::child<QGroupBox>(b, "frameLog")->title(); }},
      {"Changer", "Change", [&] { return tavo::test::child<QPushButton>(b, "cmdChangeLog")->text(); }},
      {" Fermer le fichier log courant et en ouvrir un nouveau ", " Close the current log file and open a new one ",
       [&] { return tavo::test::child<QPushButton>(b, "cmdChangeLog")->toolTip(); }},
      {"Actuellement :", "Currently :", [&] { return tavo::test::child<QLabel>(b, "label13")->text(); }},
      {"Statistiques >>", "Statistics >>", [&] { return tavo::test::child<QPushButton>(b, "cmdStats")->text(); }},
      {" Ouvrir la fenêtre d'analyse statistique ", " Open the statistics analysis window ",
       [&] { return tavo::test::child<QPushButton>(b, "cmdStats")->toolTip(); }},
      {" Ouvrir le Log Viewer ", " Open the Log Viewer window ",
       [&] { return tavo::test::child<QPushButton>(b, "cmdLogViewer")->toolTip(); }},
      {"Log Viewer >>", "Log Viewer >>", [&] { return tavo::test::child<QPushButton>(b, "cmdLogViewer")->text(); }},
      {"Download (kbit/s)", "Download (kbit/s)", [&] { return tavo::test::child<QLabel>(b, "Label1")->text(); }},
      {"Upload (kbit/s)", "Upload (kbit/s)", [&] { return tavo::test::child<QLabel>(b, "Label2")->text(); }},
      {"Download", "Download", [&] { return tavo::test::child<QLabel>(b, "Label7")->text(); }},
      {"Upload", "Upload", [&] { return tavo::test::child<QLabel>(b, "Label8")->text(); }},
  };
  for (const auto& r : rows) EXPECT_EQ(r.get(), r.french);
  bg->applyTexts(false);
  for (const auto& r : rows) EXPECT_EQ(r.get(), r.english);
  bg->applyTexts(true);
  for (const auto& r : rows) EXPECT_EQ(r.get(), r.french);
}
