#include "LogViewer/core/viewermodel.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/LogViewer/logviewer_test_util.h"

using namespace tavo::logv;
using tavo::logv::testing::frenchLocale;
using tavo::logv::testing::sampleLines;
using tavo::logv::testing::writeLog;

namespace {

const QDateTime kStart(QDate(2026, 12, 9), QTime(14, 7));

class ViewerModelTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir("logs")); }
  // Writes logs/name with n samples and opens it as the viewer does.
  ReadLogResult open(
      LogViewerModel& m, const QString& name, int n, int (*dl)(int) = [](int i) { return i; }) {
    EXPECT_TRUE(
        writeLog(dir.filePath("logs/" + name), sampleLines(format, kStart, n, dl, [](int i) { return 2 * i; })));
    const ReadLogResult r = m.openLog(name);
    m.ShowLogGraph();
    return r;
  }
  QTemporaryDir dir;
  tavo::RegionalFormat format{frenchLocale()};
};

TEST(ViewerModelStart, CreatesTheLogsFolderAndListsCsvFilesInNameOrder) {
  QTemporaryDir dir;
  LogViewerModel m(dir.path(), frenchLocale());
  EXPECT_TRUE(m.InitLogViewer());
  EXPECT_TRUE(QFileInfo(dir.filePath("logs")).isDir());
  EXPECT_TRUE(m.logNames().isEmpty());
  EXPECT_EQ(m.UnitWord, " heure");
  EXPECT_EQ(m.palette()[5], QColor(58, 163, 21));

  for (const char* name : {"301126-23-59.csv", "011226-9-5.csv", "notes.txt"})
    writeLog(dir.filePath(QString("logs/") + name), {});
  QDir(dir.path()).mkdir("logs/folder.csv");
  LogViewerModel again(dir.path(), frenchLocale());
  ASSERT_TRUE(again.InitLogViewer());
  EXPECT_EQ(again.logNames(), (QStringList{"011226-9-5.csv", "301126-23-59.csv"}));

  // Read once: a log begun later is not listed until the next start.
  writeLog(dir.filePath("logs/021226-0-0.csv"), {});
  EXPECT_EQ(again.logNames().size(), 2);
}

TEST(ViewerModelStart, AFileInPlaceOfTheLogsFolderGivesAnEmptyList) {
  QTemporaryDir dir;
  writeLog(dir.filePath("logs"), {"not a folder"});
  LogViewerModel m(dir.path(), frenchLocale());
  EXPECT_FALSE(m.InitLogViewer());
  EXPECT_TRUE(m.logNames().isEmpty());
}

TEST_F(ViewerModelTest, ASecondLogReplacesEverythingOfTheFirst) {
  LogViewerModel m(dir.path(), frenchLocale());
  ASSERT_TRUE(m.InitLogViewer());
  open(m, "a.csv", 1000, [](int i) { return i == 500 ? 900 : 10; });
  EXPECT_EQ(m.WholeLogStats.downloadMax, 900);
  m.ZoomIn();
  m.setScrollValue(300);
  open(m, "b.csv", 70, [](int i) { return i == 3 ? 300 : 1; });
  EXPECT_EQ(m.WholeLogStats.downloadMax, 300);
  EXPECT_EQ(m.WholeLogStats.count, 70);
  EXPECT_EQ(m.samples().capacity(), 70);
  EXPECT_EQ(m.zoom().ZoomLevel, 10);  // every log opens at 10 hours, first sample
  EXPECT_EQ(m.VisibleStats.first, 1);
  EXPECT_EQ(m.VisibleStats.last, 70);
  EXPECT_EQ(m.SelectedLogPath, QDir(dir.filePath("logs")).filePath("b.csv"));
}

TEST_F(ViewerModelTest, ScrollBarCoversEverySampleAboveSixty) {
  LogViewerModel m(dir.path(), frenchLocale());
  open(m, "60.csv", 60);
  EXPECT_FALSE(m.scrollEnabled());
  m.setZoomLevel(1);
  EXPECT_EQ(m.VisibleStats.count, 60);
  EXPECT_EQ(m.VisibleStats.last, 60);

  open(m, "61.csv", 61);
  EXPECT_TRUE(m.scrollEnabled());
  EXPECT_EQ(m.scrollMinimum(), 1);
  EXPECT_EQ(m.scrollMaximum(), 61);
  m.setScrollValue(61);
  EXPECT_EQ(m.VisibleStats.first, 61);
  EXPECT_EQ(m.FillVisibleLabels().sampleCount, "1");

  // Longer than a 16-bit scroll range: the end is still reachable.
  open(m, "long.csv", 40000);
  EXPECT_EQ(m.scrollMaximum(), 40000);
  m.setScrollValue(40000);
  EXPECT_EQ(m.VisibleStats.first, 40000);
  EXPECT_EQ(m.VisibleStats.downloadMax, 40000);
}

TEST_F(ViewerModelTest, ZoomKeepsTheFirstSample) {
  LogViewerModel m(dir.path(), frenchLocale());
  open(m, "log.csv", 1000);
  m.setScrollValue(200);
  m.ZoomIn();
  EXPECT_EQ(m.zoom().ZoomLevel, 5);
  EXPECT_EQ(m.VisibleStats.first, 200);
  EXPECT_EQ(m.VisibleStats.last, 499);
  EXPECT_EQ(m.VisibleStats.downloadMax, 499);
  m.ZoomIn();
  m.ZoomIn();
  m.ZoomIn();
  EXPECT_EQ(m.zoom().ZoomLevel, 1);
  EXPECT_EQ(m.VisibleStats.last, 259);
  EXPECT_EQ(m.scaleLabel(), "1 heure");
  for (int i = 0; i < 4; ++i) m.ZoomOut();
  EXPECT_EQ(m.zoom().ZoomLevel, 10);
  EXPECT_EQ(m.VisibleStats.last, 799);
  m.ApplyEnglishUnitWord();
  EXPECT_EQ(m.scaleLabel(), "10 hours");
}

TEST_F(ViewerModelTest, DraggedDatesFollowTheWindowBounds) {
  LogViewerModel m(dir.path(), frenchLocale());
  open(m, "long.csv", 40000);
  const auto [min, max] = m.dragDates(39990);
  const QDateTime first = kStart.addSecs(60LL * 39989);
  EXPECT_EQ(min, format.dayHourMinuteShort(first));
  EXPECT_EQ(max, format.dayHourMinuteShort(kStart.addSecs(60LL * 39999)));
  // Dragging changes nothing else.
  EXPECT_EQ(m.VisibleStats.first, 1);
  const auto [min2, max2] = m.dragDates(1);
  EXPECT_EQ(min2, "09/12/26 -- 14:07");
  EXPECT_EQ(max2, format.dayHourMinuteShort(kStart.addSecs(60LL * 599)));
}

TEST_F(ViewerModelTest, LabelsOfTheWholeLogAndOfTheVisiblePart) {
  LogViewerModel m(dir.path(), frenchLocale());
  open(m, "log.csv", 700);
  const StatsLabels whole = m.FillWholeLogLabels();
  EXPECT_EQ(whole.dateMin, "09/12/26 -- 14:07");
  EXPECT_EQ(whole.dateMax, format.dayHourMinuteShort(kStart.addSecs(60LL * 699)));
  EXPECT_EQ(whole.downloadMax, "700");
  EXPECT_EQ(whole.uploadMax, "1400");
  EXPECT_EQ(whole.downloadMean, "350");  // 350.5 -> even
  EXPECT_EQ(whole.uploadMean, "701");
  EXPECT_EQ(whole.downloadVolume, QString::number(volumeFromRateSum(700LL * 701 / 2)));
  EXPECT_EQ(whole.sampleCount, "700");
  const StatsLabels visible = m.FillVisibleLabels();
  EXPECT_EQ(visible.downloadMax, "600");
  EXPECT_EQ(visible.sampleCount, "600");
  m.setScrollValue(650);
  EXPECT_EQ(m.FillWholeLogLabels().downloadMax, "700");
  EXPECT_EQ(m.FillVisibleLabels().sampleCount, "51");
}

TEST_F(ViewerModelTest, ALogWithoutSamplesHasEmptyDatesAndZeros) {
  LogViewerModel m(dir.path(), frenchLocale());
  writeLog(dir.filePath("logs/empty.csv"), {"", "", "bad line"});
  const ReadLogResult r = m.openLog("empty.csv");
  EXPECT_EQ(r.outcome, ReadOutcome::Read);
  EXPECT_EQ(r.skippedLines, 1);
  m.ShowLogGraph();
  for (const StatsLabels& l : {m.FillWholeLogLabels(), m.FillVisibleLabels()}) {
    EXPECT_EQ(l.dateMin, "");
    EXPECT_EQ(l.dateMax, "");
    EXPECT_EQ(l.downloadMean, "0");
    EXPECT_EQ(l.sampleCount, "0");
  }
  EXPECT_FALSE(m.scrollEnabled());
  EXPECT_EQ(m.dragDates(1), (std::pair<QString, QString>{}));
  m.ZoomIn();
  EXPECT_EQ(m.VisibleStats.count, 0);
}

TEST(ViewerMessages, TextsInBothLanguages) {
  EXPECT_EQ(errorTitle(true), "Tavo - Erreur");
  EXPECT_EQ(errorTitle(false), "Tavo - Error");
  EXPECT_EQ(missingLogText(true), "     Ce fichier log n'a pu être trouvé.     ");
  EXPECT_EQ(missingLogText(false), "     I did not find this log file.     ");
  EXPECT_EQ(unreadableLogText(true), "     Ce fichier log n'a pu être lu.     ");
  EXPECT_EQ(skippedLinesText(false, 1), "     1 unreadable line of this log was skipped.     ");
  EXPECT_EQ(skippedLinesText(false, 3), "     3 unreadable lines of this log were skipped.     ");
  EXPECT_EQ(skippedLinesText(true, 3), "     3 lignes illisibles de ce log ont été ignorées.     ");
}

}  // namespace
