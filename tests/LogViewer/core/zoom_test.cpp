#include "LogViewer/core/zoom.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/LogViewer/logviewer_test_util.h"

using namespace tavo::logv;

namespace {

TEST(Zoom, GeometryOfEachLevelFillsSixHundredPixels) {
  const ZoomGeometry expected[] = {{1, 8, 10, 60}, {2, 3, 5, 120}, {5, 1, 2, 300}, {10, 0, 1, 600}};
  for (const ZoomGeometry& g : expected) {
    const auto z = ApplyZoom(g.ZoomLevel);
    ASSERT_TRUE(z.has_value());
    EXPECT_EQ(*z, g);
    EXPECT_EQ(z->VisibleSampleCount * z->PixelStep, 600);
  }
  for (std::int16_t bad : {0, 3, 4, 11, -1}) EXPECT_FALSE(ApplyZoom(bad).has_value()) << bad;
}

TEST(Zoom, InAndOutStopAtTheEnds) {
  const std::int16_t in[][2] = {{10, 5}, {5, 2}, {2, 1}, {1, 1}};
  for (auto c : in) EXPECT_EQ(ZoomIn(c[0]), c[1]) << c[0];
  const std::int16_t out[][2] = {{1, 2}, {2, 5}, {5, 10}, {10, 10}};
  for (auto c : out) EXPECT_EQ(ZoomOut(c[0]), c[1]) << c[0];
}

TEST(Zoom, ScaleLabelAddsThePluralAboveOneHour) {
  EXPECT_EQ(scaleText(1, " heure"), "1 heure");
  EXPECT_EQ(scaleText(2, " heure"), "2 heures");
  EXPECT_EQ(scaleText(10, " heure"), "10 heures");
  EXPECT_EQ(scaleText(1, " hour"), "1 hour");
  EXPECT_EQ(scaleText(5, " hour"), "5 hours");
  EXPECT_EQ(scaleText(10, " hour"), "10 hours");
}

TEST(VisibleWindow, BoundedByTheSampleCount) {
  struct {
    int value, visible, samples, first, last, count;
  } cases[] = {
      {1, 60, 60, 1, 60, 60},  // 60 samples fill level 1
      {1, 600, 61, 1, 61, 61},
      {61, 600, 61, 61, 61, 1},         // the last position shows one sample
      {200, 300, 1000, 200, 499, 300},  // zoomed from 10 to 5 at 200
      {200, 300, 350, 200, 350, 151},
      {40000, 600, 40000, 40000, 40000, 1},  // beyond a 16-bit range
      {32767, 600, 40000, 32767, 33366, 600},
      {1, 600, 0, 1, 0, 0},  // a log without samples
  };
  for (auto c : cases) {
    const RangeStats r = ComputeVisibleWindow(c.value, c.visible, c.samples);
    EXPECT_EQ(r.first, c.first) << c.value << "/" << c.samples;
    EXPECT_EQ(r.last, c.last) << c.value << "/" << c.samples;
    EXPECT_EQ(r.count, c.count) << c.value << "/" << c.samples;
    EXPECT_EQ(r.downloadMax, 0);
  }
  const int top = std::numeric_limits<std::int32_t>::max();
  const RangeStats r = ComputeVisibleWindow(top, 600, top);
  EXPECT_EQ(r.first, top);
  EXPECT_EQ(r.last, top);
  EXPECT_EQ(r.count, 1);
}

TEST(TimeTicks, ByZoomLevel) {
  const tavo::RegionalFormat fr(tavo::logv::testing::frenchLocale());
  struct {
    std::int16_t level;
    int hour, minute;
    bool tick;
    int x;
    const char* label;
  } cases[] = {
      {1, 14, 0, true, 104, "14:00"}, {1, 14, 10, true, 104, "14:10"}, {1, 9, 50, true, 104, "9:50"},
      {1, 14, 5, false, 0, ""},       {1, 14, 11, false, 0, ""},       {2, 14, 30, true, 101, "14:30"},
      {2, 14, 0, true, 101, "14:00"}, {2, 14, 10, false, 0, ""},       {5, 9, 0, true, 100, "9 h"},
      {5, 9, 30, false, 0, ""},       {10, 9, 0, true, 100, "9 h"},    {10, 0, 0, true, 100, "0 h"},
      {10, 9, 10, false, 0, ""},
  };
  for (auto c : cases) {
    const auto t = DrawTimeTick(c.level, QTime(c.hour, c.minute), 100, fr);
    ASSERT_EQ(t.has_value(), c.tick) << c.level << " " << c.hour << ":" << c.minute;
    if (t) {
      EXPECT_EQ(*t, (TimeTick{c.x, QString::fromUtf8(c.label)}));
    }
  }
}

TEST(TimeTicks, LogStartingAt1407AtLevelFiveTicksFirstAtTheFiftyFourthSample) {
  const tavo::RegionalFormat fr(tavo::logv::testing::frenchLocale());
  const auto geometry = *ApplyZoom(5);
  QTime t(14, 7);
  int x = 110;
  std::vector<std::pair<int, TimeTick>> ticks;
  for (int i = 1; i <= geometry.VisibleSampleCount; ++i, t = t.addSecs(60), x += geometry.PixelStep) {
    if (auto tick = DrawTimeTick(geometry.ZoomLevel, t, x, fr)) ticks.push_back({i, *tick});
  }
  ASSERT_EQ(ticks.size(), 5u);  // 15 h to 19 h
  EXPECT_EQ(ticks[0].first, 54);
  EXPECT_EQ(ticks[0].second, (TimeTick{110 + 53 * 2, "15 h"}));
  EXPECT_EQ(ticks[4].second.label, "19 h");
}

}  // namespace
