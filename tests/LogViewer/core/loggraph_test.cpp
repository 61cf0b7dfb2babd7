#include "LogViewer/core/loggraph.h"

#include <gtest/gtest.h>

#include "tests/LogViewer/logviewer_test_util.h"

using namespace tavo::logv;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGreen(58, 163, 21);   // palette 5: download bars, upload mean
const QColor kOrange(255, 89, 37);  // palette 1: upload bars, download mean
const QColor kGrey(175, 175, 175);

// A graph of the given rates from start, drawn at a zoom level.
class GraphTest : public ::testing::Test {
 protected:
  QImage draw(std::vector<std::pair<int, int>> rates, std::int16_t level = 10, QTime start = QTime(10, 1)) {
    samples.ClearSamples();
    QTime t = start;
    for (auto [d, u] : rates) {
      samples.append({QDate(2026, 12, 9), t, d, u});
      t = t.addSecs(60);
    }
    samples.trim();
    zoom = *ApplyZoom(level);
    visible = ComputeVisibleWindow(1, zoom.VisibleSampleCount, samples.count());
    ComputeRangeStats(visible, samples);
    QImage image = makeGraphImage();
    DrawLogGraph(image, {samples, visible, zoom, palette, format});
    return image;
  }
  static QColor at(const QImage& i, int x, int y) { return i.pixelColor(x, y); }
  // Whether any pixel of the rectangle differs from white.
  static bool inked(const QImage& i, QRect r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (i.pixelColor(x, y) != kWhite) return true;
    return false;
  }
  LogSampleArray samples;
  RangeStats visible;
  ZoomGeometry zoom;
  tavo::ChartPalette palette = tavo::makeChartPalette();
  tavo::RegionalFormat format{tavo::logv::testing::frenchLocale()};
};

TEST_F(GraphTest, PictureIsSevenHundredSeventyTwoByThreeHundred) {
  const QImage image = draw({{1, 1}});
  EXPECT_EQ(image.size(), QSize(772, 300));
}

TEST_F(GraphTest, AxesAreBlack) {
  const QImage image = draw({});
  for (QPoint p : {QPoint(108, 39), QPoint(108, 100), QPoint(108, 139), QPoint(300, 140), QPoint(711, 140),
                   QPoint(108, 161), QPoint(108, 261), QPoint(300, 160), QPoint(711, 160)})
    EXPECT_EQ(at(image, p.x(), p.y()), kBlack) << p.x() << "," << p.y();
  EXPECT_EQ(at(image, 107, 100), kWhite);
  EXPECT_EQ(at(image, 720, 140), kWhite);
}

TEST_F(GraphTest, OneSampleReachesFullScaleWithItsMeanOnTop) {
  const QImage image = draw({{500, 80}});
  // Download bar x 110, y 138 up to 38; one pixel wide at level 10.
  for (int y = 39; y <= 138; ++y) EXPECT_EQ(at(image, 110, y), kGreen) << y;
  EXPECT_EQ(at(image, 110, 139), kWhite);
  EXPECT_EQ(at(image, 110, 37), kWhite);
  EXPECT_EQ(at(image, 111, 100), kWhite);
  // The mean equals the maximum: its line lies on y 38 over the dotted line.
  for (int x : {110, 111, 300, 711}) EXPECT_EQ(at(image, x, 38), kOrange) << x;
  // Upload bar from 162 down to 262, mean line on 262.
  for (int y = 162; y <= 261; ++y) EXPECT_EQ(at(image, 110, y), kOrange) << y;
  for (int x : {111, 300, 711}) EXPECT_EQ(at(image, x, 262), kGreen) << x;
  // Maximum and mean texts stand left of x 100, never right of it.
  EXPECT_TRUE(inked(image, QRect(60, 28, 40, 14)));
  EXPECT_FALSE(inked(image, QRect(101, 20, 6, 130)));
}

TEST_F(GraphTest, ScaledHeightsRoundHalfToEven) {
  // Level 1 draws 9-pixel-wide bars 10 pixels apart.
  const QImage image = draw({{1, 0}, {3, 0}, {200, 0}}, 1);
  // 0.5 rounds to 0: nothing drawn for the first sample.
  EXPECT_FALSE(inked(image, QRect(110, 106, 9, 33)));
  // 1.5 rounds to 2: y 138 to 136.
  for (int x : {120, 128}) {
    EXPECT_EQ(at(image, x, 138), kGreen);
    EXPECT_EQ(at(image, x, 136), kGreen);
    EXPECT_EQ(at(image, x, 135), kWhite);
  }
  // A free pixel column between neighbouring bars.
  EXPECT_EQ(at(image, 139, 100), kWhite);
  EXPECT_EQ(at(image, 130, 39), kGreen);
  EXPECT_EQ(at(image, 138, 39), kGreen);
  // Mean 68 of 200 -> 34 pixels: line on y 104 in the download mean colour.
  EXPECT_EQ(at(image, 400, 104), kOrange);
}

TEST_F(GraphTest, FullScaleLinesAreDottedGrey) {
  const QImage image = draw({{100, 100}, {50, 50}});
  for (int x = 150; x < 170; ++x) {
    const QColor expected = (x - 110) % 2 == 0 ? kGrey : kWhite;
    EXPECT_EQ(at(image, x, 38), expected) << x;
    EXPECT_EQ(at(image, x, 262), expected) << x;
  }
  EXPECT_EQ(at(image, 712, 38), kGrey);
  EXPECT_EQ(at(image, 714, 38), kWhite);
}

TEST_F(GraphTest, MeanLinesTakeTheOtherDirectionsColour) {
  const QImage image = draw({{100, 100}, {0, 0}});  // means 50 -> 50 pixels
  EXPECT_EQ(at(image, 400, 88), kOrange);
  EXPECT_EQ(at(image, 400, 212), kGreen);
  EXPECT_EQ(at(image, 400, 87), kWhite);
  EXPECT_EQ(at(image, 400, 213), kWhite);
  EXPECT_TRUE(inked(image, QRect(60, 86, 40, 14)));  // the mean's text beside it
}

TEST_F(GraphTest, AllZeroRatesDrawNoBarsAndAMeanOnTheBase) {
  const QImage image = draw({{0, 0}, {0, 0}, {0, 0}});
  EXPECT_FALSE(inked(image, QRect(110, 39, 602, 98)));
  EXPECT_EQ(at(image, 400, 138), kOrange);
  EXPECT_EQ(at(image, 400, 162), kGreen);
  EXPECT_TRUE(inked(image, QRect(80, 28, 20, 14)));  // "0"
}

TEST_F(GraphTest, WholeHoursGetTicksBetweenTheAxes) {
  const QImage image = draw({{1, 1}, {1, 1}, {1, 1}}, 10, QTime(13, 59));
  // 14:00 is the second sample, x 111.
  for (int y : {141, 142, 143, 157, 158, 159}) EXPECT_EQ(at(image, 111, y), kBlack) << y;
  EXPECT_EQ(at(image, 110, 142), kWhite);
  EXPECT_EQ(at(image, 112, 142), kWhite);
  EXPECT_TRUE(inked(image, QRect(100, 145, 24, 11)));  // "14 h", centred under the tick
  EXPECT_FALSE(inked(image, QRect(125, 141, 580, 18)));
}

TEST_F(GraphTest, LevelOneTicksStandFourPixelsRightOfTheBar) {
  const QImage image = draw(std::vector<std::pair<int, int>>(3, {5, 5}), 1, QTime(9, 59));
  // 10:00 is the second sample: bar at x 120, tick at 124.
  EXPECT_EQ(at(image, 124, 142), kBlack);
  EXPECT_EQ(at(image, 124, 158), kBlack);
  EXPECT_EQ(at(image, 114, 142), kWhite);
}

TEST_F(GraphTest, NoSampleDrawsOnlyTheFrame) {
  const QImage image = draw({});
  EXPECT_FALSE(inked(image, QRect(109, 39, 603, 98)));
  EXPECT_FALSE(inked(image, QRect(109, 163, 603, 98)));
  EXPECT_EQ(at(image, 400, 138), kOrange);
}

TEST_F(GraphTest, RedrawStartsFromAClearPicture) {
  QImage image = draw({{100, 100}});
  samples.ClearSamples();
  visible = ComputeVisibleWindow(1, 600, 0);
  ComputeRangeStats(visible, samples);
  DrawLogGraph(image, {samples, visible, zoom, palette, format});
  EXPECT_EQ(at(image, 110, 100), kWhite);
}

}  // namespace
