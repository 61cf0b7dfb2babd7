#include "monitor/core/detailgraph.h"

#include <gtest/gtest.h>

using namespace tavo::monitor;
namespace g = tavo::monitor::geometry;

namespace {

QRgb pixel(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }
const QColor kPanel(212, 208, 200);

// Rows y0..y1 of column x all in colour c.
bool columnRun(const QImage& img, int x, int y0, int y1, const QColor& c) {
  for (int y = y0; y <= y1; ++y)
    if (pixel(img, x, y) != (c.rgb() & 0xFFFFFF)) return false;
  return true;
}

}  // namespace

TEST(DetailGraphScale, SmallestHundredsAboveTheMaximum) {
  struct Case {
    std::int64_t max, scale;
  };
  for (auto [max, scale] : {Case{0, 100}, Case{99, 100}, Case{100, 200}, Case{1234, 1300}, Case{-5, 100},
                            Case{2147483647LL, 2147483700LL}}) {
    EXPECT_EQ(scaleForMaximum(max), scale) << max;
  }
}

TEST(DetailGraphScale, BarHeightsStayBelowFullScale) {
  EXPECT_EQ(barHeight(100, 200), 50);
  EXPECT_EQ(barHeight(99, 100), 99);
  EXPECT_EQ(barHeight(19999, 20000), 99);  // never the full-scale row
  EXPECT_EQ(barHeight(0, 100), 0);
  EXPECT_EQ(barHeight(-40, 100), 0);  // a negative slot draws no bar
  EXPECT_EQ(barHeight(2147483647, scaleForMaximum(2147483647)), 99);
}

TEST(DetailGraph, AllZeroHistoriesGiveScalesOf100AndNoBars) {
  DetailGraphInput in;
  const auto cols = computeDetailGraph(in);
  EXPECT_EQ(cols.downloadScale, 100);
  EXPECT_EQ(cols.uploadScale, 100);
  EXPECT_EQ(fullScaleText(cols.downloadScale), "100");
  EXPECT_EQ(halfScaleText(cols.downloadScale), "50");
  const QImage img = renderDetailGraph(cols, kPanel);
  ASSERT_EQ(img.size(), QSize(692, 543));
  // Inside the download area, away from the dotted lines, everything is white.
  for (int c : {0, 1, 58, 100, 598}) {
    EXPECT_TRUE(columnRun(img, 61 + c, 286, 334, Qt::white)) << c;
    EXPECT_TRUE(columnRun(img, 61 + c, 336, 384, Qt::white)) << c;
    EXPECT_TRUE(columnRun(img, 61 + c, 411, 459, Qt::white)) << c;
  }
  EXPECT_EQ(pixel(img, 5, 5), kPanel.rgb() & 0xFFFFFF);
  EXPECT_EQ(pixel(img, 5, 300), 0xFFFFFFu);
}

// Rows y0..y1 of column x in colour c, except the rows of the dotted
// half-scale lines, which lie over the bars.
bool barRun(const QImage& img, int x, int y0, int y1, const QColor& c) {
  for (int y = y0; y <= y1; ++y)
    if (y != g::kDownloadHalfY && y != g::kUploadHalfY && pixel(img, x, y) != (c.rgb() & 0xFFFFFF)) return false;
  return true;
}

TEST(DetailGraph, ColumnsRunFromOldestToNewestAndBarsHaveTheirHeight) {
  DetailGraphInput in;
  // Newest download slot is 9: column 599 holds slot 9, column 0 slot 10.
  in.download.writeIndex = 9;
  in.download.values[8] = 100;  // column 598, the maximum: scale 200, bar of 50
  in.download.values[10] = 20;  // column 0: bar of 10
  in.download.values[9] = 1;    // column 599: 1 * 100 / 200 -> no bar
  in.upload.writeIndex = 599;
  in.upload.values[598] = 99;  // column 598, scale 100, bar of 99
  in.upload.values[0] = 50;    // column 0: bar of 50
  in.timeLabels[9] = "14:05:33";
  const auto cols = computeDetailGraph(in);
  EXPECT_EQ(cols.downloadScale, 200);
  EXPECT_EQ(cols.uploadScale, 100);
  EXPECT_EQ(cols.download[598], 100);
  EXPECT_EQ(cols.download[599], 1);
  EXPECT_EQ(cols.download[0], 20);
  EXPECT_EQ(cols.upload[598], 99);
  EXPECT_EQ(cols.upload[0], 50);
  EXPECT_EQ(cols.timeLabels[599], "14:05:33");

  const QImage img = renderDetailGraph(cols, kPanel);
  // Download column 598 (x = 659): 50 pixels from y = 384 upwards.
  EXPECT_TRUE(barRun(img, 659, 335, 384, kDownloadColour));
  EXPECT_EQ(pixel(img, 659, 334), 0xFFFFFFu);
  // Column 0 (x = 61): 10 pixels.
  EXPECT_TRUE(barRun(img, 61, 375, 384, kDownloadColour));
  EXPECT_EQ(pixel(img, 61, 374), 0xFFFFFFu);
  EXPECT_EQ(pixel(img, 62, 384), 0xFFFFFFu);
  // Upload column 598: 99 pixels from y = 411 down; the full-scale row stays free.
  EXPECT_TRUE(barRun(img, 659, 411, 509, kUploadColour));
  EXPECT_NE(pixel(img, 659, 510), kUploadColour.rgb() & 0xFFFFFF);
  EXPECT_TRUE(barRun(img, 61, 411, 460, kUploadColour));
  EXPECT_EQ(pixel(img, 61, 461), 0xFFFFFFu);
  // The axes are solid black.
  EXPECT_TRUE(columnRun(img, 59, 285, 385, Qt::black));
  EXPECT_TRUE(columnRun(img, 59, 410, 510, Qt::black));
  for (int x = 59; x <= 660; ++x) {
    EXPECT_EQ(pixel(img, x, 385), 0u);
    EXPECT_EQ(pixel(img, x, 410), 0u);
  }
  // The dotted time lines lie over the bars: x = 660 is one of them.
  int grey = 0;
  for (int y = 285; y <= 510; ++y) grey += pixel(img, 660, y) == (kDottedColour.rgb() & 0xFFFFFF);
  EXPECT_GT(grey, 50);
}

TEST(DetailGraph, BadWriteIndexIsFoldedIntoTheRing) {
  DetailGraphInput in;
  in.download.writeIndex = 1799;  // as 599
  in.download.values[599] = 7;
  in.upload.writeIndex = -1;  // as 599
  in.upload.values[599] = 8;
  const auto cols = computeDetailGraph(in);
  EXPECT_EQ(cols.download[599], 7);
  EXPECT_EQ(cols.upload[599], 8);
}

TEST(DetailGraph, TooltipsTakeTheDownloadSeriesTime) {
  DetailGraphInput in;
  in.download.writeIndex = 5;
  in.upload.writeIndex = 4;  // the upload ring is one slot behind
  in.download.values[5] = 300;
  in.upload.values[4] = 12;
  in.timeLabels[5] = "09:10:11";
  in.timeLabels[4] = "09:10:10";
  const auto cols = computeDetailGraph(in);
  EXPECT_EQ(columnTooltip(cols, 599, false), "300 kbit/s -- 09:10:11");
  EXPECT_EQ(columnTooltip(cols, 599, true), "12 kbit/s -- 09:10:11");
  EXPECT_EQ(columnTooltip(cols, 598, false), "0 kbit/s -- 09:10:10");
  EXPECT_EQ(columnTooltip(cols, 0, false), " ---- ");
  EXPECT_EQ(columnTooltip(cols, 0, true), " ---- ");
  EXPECT_EQ(columnTooltip(cols, 650, false), "300 kbit/s -- 09:10:11");  // clamped
  EXPECT_EQ(columnTooltip(cols, -3, false), " ---- ");
}

TEST(DetailGraph, TimeScaleTexts) {
  EXPECT_EQ(timeScaleText(0), "0");
  EXPECT_EQ(timeScaleText(1), "-1");
  EXPECT_EQ(timeScaleText(10), "-10");
}
