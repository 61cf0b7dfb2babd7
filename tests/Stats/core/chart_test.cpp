#include "Stats/core/chart.h"
#include "tests/Stats/stats_fixtures.h"

#include <QColor>

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QColor& c, std::ostream* os) {
  *os << "rgb(" << c.red() << ',' << c.green() << ',' << c.blue() << ')';
}
QT_END_NAMESPACE

namespace {

const RegionalFormat& english() {
  static const RegionalFormat f(QLocale(QLocale::English, QLocale::UnitedKingdom));
  return f;
}

QColor px(const ChartSurface& s, int x, int y) { return s.image().pixelColor(x, y); }

bool isText(const QColor& c) { return c.red() < 140 && c.green() < 140 && c.blue() < 140; }

int textPixels(const ChartSurface& s, QRect r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += isText(px(s, x, y));
  return n;
}

// Rightmost column holding text in the rows of r; -1 when none.
int rightmostText(const ChartSurface& s, QRect r) {
  for (int x = r.right(); x >= r.left(); --x)
    for (int y = r.top(); y <= r.bottom(); ++y)
      if (isText(px(s, x, y))) return x;
  return -1;
}

int countColour(const ChartSurface& s, int y, int x1, int x2, const QColor& c) {
  int n = 0;
  for (int x = x1; x <= x2; ++x) n += px(s, x, y) == c;
  return n;
}

// True when the pixels around a right-aligned label, ending at `right`
// with its top at y, are exactly those of text alone printed there.
bool labelReads(const ChartSurface& s, int right, int y, const QString& text) {
  ChartSurface alone;
  alone.print(right - alone.textWidth(text), y, text);
  const QRect area(0, y - 1, right + 4, 12);
  return s.image().copy(area) == alone.image().copy(area);
}

class ChartTest : public ::testing::Test {
 protected:
  ChartInputs inputs(const AnalysisWindow& w) { return ChartInputs{sel_, w, english(), palette_, " MB"}; }
  void select(std::vector<PeriodRow> rows) { sel_ = summaryOf(std::move(rows)); }
  ChartSurface s_;
  PeriodSummary sel_;
  ChartPalette palette_ = makeChartPalette();
  const QColor white_{255, 255, 255};
  const QColor grey_{175, 175, 175};
};

const AnalysisWindow kDecJan{QDate(2026, 12, 1), QDate(2027, 1, 31)};  // 62 days
const AnalysisWindow kJanFeb{QDate(2027, 1, 1), QDate(2027, 2, 28)};   // 59 days
const AnalysisWindow kTwoYears{QDate(2026, 1, 1), QDate(2027, 12, 31)};

}  // namespace

TEST_F(ChartTest, DayFrameAxesBandsAndSlots) {
  select({row("01/12/26", 1, 1, 1, 1, 1)});
  DrawDayAxes(s_, inputs(kDecJan));
  const QColor black(0, 0, 0);
  EXPECT_EQ(px(s_, 78, 60), black);
  EXPECT_EQ(px(s_, 78, 161), black);
  EXPECT_EQ(px(s_, 400, 162), black);
  EXPECT_EQ(px(s_, 690, 162), black);
  EXPECT_EQ(px(s_, 78, 300), black);
  EXPECT_EQ(px(s_, 400, 198), black);
  EXPECT_EQ(px(s_, 78, 59), white_);
  // Band: 1 December darkest, 31 December palest, 1 January dark again,
  // the 62nd slot ending at x 700 with its grid lines.
  EXPECT_EQ(px(s_, 85, 176), QColor(221, 221, 255));
  EXPECT_EQ(px(s_, 385, 176), QColor(251, 251, 255));
  EXPECT_EQ(px(s_, 395, 176), QColor(221, 221, 255));
  EXPECT_EQ(px(s_, 695, 185), QColor(251, 251, 255));
  EXPECT_EQ(px(s_, 700, 100), QColor(240, 240, 240));
  EXPECT_EQ(px(s_, 700, 250), QColor(240, 240, 240));
  EXPECT_EQ(px(s_, 705, 180), white_);
  // Day numbers alternate between the upper and the lower label row.
  EXPECT_GT(textPixels(s_, {81, 163, 9, 10}), 0);
  EXPECT_EQ(textPixels(s_, {81, 187, 9, 10}), 0);
  EXPECT_EQ(textPixels(s_, {91, 163, 9, 10}), 0);
  EXPECT_GT(textPixels(s_, {91, 187, 9, 10}), 0);
  // Window labels over the band.
  EXPECT_GT(textPixels(s_, {130, 175, 30, 10}), 0);
  EXPECT_GT(textPixels(s_, {440, 175, 30, 10}), 0);
}

TEST_F(ChartTest, FiftyNineDayWindowEndsAt670) {
  select({row("01/01/27", 1, 1, 1, 1, 1)});
  DrawDayAxes(s_, inputs(kJanFeb));
  EXPECT_EQ(px(s_, 670, 100), QColor(240, 240, 240));
  EXPECT_EQ(px(s_, 665, 180), QColor(248, 248, 255));
  EXPECT_EQ(px(s_, 675, 180), white_);
}

TEST_F(ChartTest, MonthFrameHasTwentyFourSlotsEndingAt694) {
  select({row("Jan-26", 1, 1, 1, 1, 1)});
  DrawMonthAxes(s_, inputs(kTwoYears));
  EXPECT_EQ(px(s_, 68, 100), QColor(0, 0, 0));
  EXPECT_EQ(px(s_, 694, 162), QColor(0, 0, 0));
  EXPECT_EQ(px(s_, 80, 180), QColor(218, 218, 255));
  EXPECT_EQ(px(s_, 70 + 11 * 26 + 5, 180), QColor(251, 251, 255));
  EXPECT_EQ(px(s_, 70 + 12 * 26 + 5, 180), QColor(218, 218, 255));
  EXPECT_EQ(px(s_, 694, 100), QColor(240, 240, 240));
  EXPECT_EQ(px(s_, 700, 180), white_);
}

TEST_F(ChartTest, VolumeBarsReachFullHeightAndRoundHalvesToEven) {
  // Highest download volume 8 MB: factor 12.5, so 1 MB -> 12, 3 MB -> 38.
  select({row("01/12/26", 1, 1, 1, 1, 0), row("02/12/26", 1, 1, 1, 3, 0), row("04/12/26", 1, 1, 1, 8, 0)});
  DrawDayAxes(s_, inputs(kDecJan));
  DrawDayVolumes(s_, inputs(kDecJan));
  const QColor green = palette_[6];
  EXPECT_EQ(px(s_, 84, 148), green);
  EXPECT_NE(px(s_, 84, 147), green);
  EXPECT_EQ(px(s_, 94, 122), green);
  EXPECT_NE(px(s_, 94, 121), green);
  EXPECT_NE(px(s_, 104, 159), green);  // 3 December has no row
  EXPECT_EQ(px(s_, 114, 60), green);
  EXPECT_NE(px(s_, 114, 59), green);
  EXPECT_EQ(px(s_, 110, 100), green);
  EXPECT_EQ(px(s_, 118, 100), green);
  // No upload volume at all: no upload bar.
  for (int x = 80; x < 130; ++x) EXPECT_NE(px(s_, x, 202), palette_[2]) << x;
}

TEST_F(ChartTest, UploadBarAndTicksAtTheirLevels) {
  select({row("01/12/26", 1, 1000, 500, 0, 40), row("31/01/27", 1, 500, 1000, 0, 10)});
  DrawDayAxes(s_, inputs(kDecJan));
  DrawDayVolumes(s_, inputs(kDecJan));
  DrawDayMaxRates(s_, inputs(kDecJan));
  EXPECT_EQ(px(s_, 84, 300), palette_[2]);
  EXPECT_NE(px(s_, 84, 301), palette_[2]);
  EXPECT_EQ(px(s_, 694, 225), palette_[2]);  // the 62nd slot: 690 to 698
  EXPECT_EQ(px(s_, 698, 225), palette_[2]);
  EXPECT_NE(px(s_, 699, 225), palette_[2]);
  // Download tick of the highest maximum from y 58 to 60; half of it at 110.
  EXPECT_EQ(px(s_, 84, 58), palette_[0]);
  EXPECT_EQ(px(s_, 84, 60), palette_[0]);
  EXPECT_NE(px(s_, 84, 61), palette_[0]);
  EXPECT_EQ(px(s_, 694, 110), palette_[0]);
  EXPECT_EQ(px(s_, 694, 301), palette_[5]);
  EXPECT_NE(px(s_, 694, 299), palette_[5]);
  EXPECT_EQ(px(s_, 84, 251), palette_[5]);
}

TEST_F(ChartTest, MeanPointsAndBrokenLines) {
  // Slots 0 and 1 joined, slot 2 empty, slot 3 alone; the upload average of
  // slot 1 is 0, which breaks only the upload line.
  select({row("01/12/26", 1, 0, 0, 0, 0, 100, 50), row("02/12/26", 1, 0, 0, 0, 0, 50, 0),
          row("04/12/26", 1, 0, 0, 0, 0, 100, 50)});
  DrawDayAxes(s_, inputs(kDecJan));
  DrawDayMeanRates(s_, inputs(kDecJan));
  const QColor dl = palette_[1], ul = palette_[5];
  EXPECT_EQ(px(s_, 84, 80), dl);   // highest average at y 80
  EXPECT_EQ(px(s_, 94, 120), dl);  // half of it
  EXPECT_EQ(px(s_, 114, 80), dl);
  EXPECT_EQ(px(s_, 84, 280), ul);
  EXPECT_EQ(px(s_, 114, 280), ul);
  // The line from slot 0 to slot 1 runs between x 87 and 91.
  int between = 0;
  for (int y = 80; y <= 120; ++y) between += px(s_, 89, y) == dl;
  EXPECT_GT(between, 0);
  // Nothing joins slot 1 to slot 3, nor the upload points.
  for (int x = 97; x <= 111; ++x)
    for (int y = 60; y <= 160; ++y) ASSERT_NE(px(s_, x, y), dl) << x << "," << y;
  for (int x = 87; x <= 111; ++x)
    for (int y = 200; y <= 300; ++y) ASSERT_NE(px(s_, x, y), ul) << x << "," << y;
}

TEST_F(ChartTest, RowsWithoutMatchingSlotsAndZeroFactorsDrawNothing) {
  select({row("01/12/26", 1, 0, 0, 0, 0)});
  DrawDayAxes(s_, inputs(kDecJan));
  const QImage frame = s_.image();
  DrawDayVolumes(s_, inputs(kDecJan));
  DrawDayMaxRates(s_, inputs(kDecJan));
  DrawDayMeanRates(s_, inputs(kDecJan));
  EXPECT_EQ(s_.image(), frame);
}

TEST_F(ChartTest, VolumeScaleAndReferenceFromTheRoundedDownMean) {
  // Three days, 20 MB in all, highest 8: reference 6 MB (not 6.67), level 75.
  select({row("01/12/26", 1, 0, 0, 8, 0), row("02/12/26", 1, 0, 0, 6, 0), row("03/12/26", 1, 0, 0, 6, 0)});
  drawView(s_, inputs(kDecJan), PeriodKind::Day, ChartView::Volumes);
  EXPECT_FALSE(s_.dotted());
  // Dotted grey full scale at y 60 and 300, from x 80 to 690.
  const int top = countColour(s_, 60, 120, 690, grey_);
  EXPECT_GT(top, 100);
  EXPECT_LT(top, 571 - 100);
  EXPECT_GT(countColour(s_, 300, 80, 690, grey_), 100);
  EXPECT_EQ(countColour(s_, 60, 691, 761, grey_), 0);
  // Reference at y 85 over the bars, the upload one on its baseline.
  EXPECT_GT(countColour(s_, 85, 80, 690, grey_), 100);
  EXPECT_GT(countColour(s_, 200, 80, 690, grey_), 100);
  // Labels end 10 pixels left of x0 at their tops.
  const int w8 = s_.textWidth("8 MB");
  EXPECT_GT(textPixels(s_, {70 - w8, 50, w8, 9}), 0);
  EXPECT_LE(rightmostText(s_, {0, 50, 80, 9}), 70);
  EXPECT_GE(rightmostText(s_, {0, 50, 80, 9}), 66);
  EXPECT_TRUE(labelReads(s_, 70, 50, "8 MB"));
  EXPECT_TRUE(labelReads(s_, 70, 83, "6 MB"));  // 158 - 75, from 6 and not 6.67
  EXPECT_TRUE(labelReads(s_, 70, 298, "0 MB"));
  EXPECT_FALSE(labelReads(s_, 70, 83, "7 MB"));
  EXPECT_GT(textPixels(s_, {0, 190, 70, 9}), 0);  // "0 MB" at 190
  EXPECT_GT(textPixels(s_, {0, 298, 70, 9}), 0);  // "0 MB" scale
}

TEST_F(ChartTest, MaxAndMeanRateScalesSitAtTheirHeights) {
  select({row("01/12/26", 60, 3000, 700, 10, 5, 200, 50), row("02/12/26", 60, 1000, 100, 10, 5, 100, 10)});
  drawView(s_, inputs(kDecJan), PeriodKind::Day, ChartView::MaxRates);
  EXPECT_GT(countColour(s_, 60, 120, 690, grey_), 100);
  // Mean of the maxima 2000 of 3000: level 67 (66.67) -> y 93.
  EXPECT_GT(countColour(s_, 93, 120, 690, grey_), 100);
  EXPECT_TRUE(labelReads(s_, 70, 50, "3000 kbit/s"));
  EXPECT_TRUE(labelReads(s_, 70, 91, "2000 kbit/s"));

  drawView(s_, inputs(kDecJan), PeriodKind::Day, ChartView::MeanRates);
  EXPECT_GT(countColour(s_, 80, 120, 690, grey_), 100);
  EXPECT_GT(countColour(s_, 280, 120, 690, grey_), 100);
  EXPECT_EQ(countColour(s_, 60, 120, 690, grey_), 0);
  EXPECT_GT(textPixels(s_, {0, 70, 70, 9}), 0);
  EXPECT_GT(textPixels(s_, {0, 278, 70, 9}), 0);
}

TEST_F(ChartTest, SolidStyleAfterAViewAndTheAllViewIsTheRunsPicture) {
  select({row("01/12/26", 60, 3000, 700, 10, 5, 200, 50), row("03/12/26", 60, 1000, 100, 4, 5, 100, 10)});
  DrawDayChart(s_, inputs(kDecJan));
  const QImage first = s_.image();
  drawView(s_, inputs(kDecJan), PeriodKind::Day, ChartView::MaxRates);
  EXPECT_NE(s_.image(), first);
  drawView(s_, inputs(kDecJan), PeriodKind::Day, ChartView::All);
  EXPECT_EQ(s_.image(), first);
  // The frame after a dotted scale draws a solid axis.
  EXPECT_EQ(countColour(s_, 162, 78, 690, QColor(0, 0, 0)), 613);
}

TEST_F(ChartTest, MonthChartUsesItsGeometry) {
  select({row("Jan-26", 60, 0, 0, 10, 0, 0, 0), row("Mar-27", 60, 0, 0, 5, 0, 0, 0)});
  drawView(s_, inputs(kTwoYears), PeriodKind::Month, ChartView::Volumes);
  EXPECT_EQ(px(s_, 70, 60), palette_[6]);
  EXPECT_EQ(px(s_, 94, 60), palette_[6]);
  EXPECT_NE(px(s_, 95, 100), palette_[6]);
  EXPECT_EQ(px(s_, 70 + 14 * 26 + 12, 110), palette_[6]);
  EXPECT_GT(countColour(s_, 300, 70, 694, grey_), 100);
  EXPECT_LE(rightmostText(s_, {0, 50, 70, 9}), 60);
  EXPECT_TRUE(labelReads(s_, 60, 50, "10 MB"));
}
