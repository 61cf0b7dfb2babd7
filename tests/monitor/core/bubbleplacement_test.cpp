#include "monitor/core/bubbleplacement.h"

#include <gtest/gtest.h>

using namespace tavo::monitor;

TEST(BubblePlacement, FourQuartersOfOneScreen) {
  const QRect screen(0, 0, 1920, 1080);
  struct Case {
    QPoint pointer, corner;
  };
  for (auto [p, corner] : {Case{{100, 100}, {106, 105}},      // upper left
                           Case{{1800, 1000}, {1546, 915}},   // lower right: px-254, py-85
                           Case{{1800, 100}, {1546, 105}},    // upper right
                           Case{{100, 1000}, {106, 915}}}) {  // lower left
    EXPECT_EQ(bubblePosition(p, screen), corner) << p.x() << "," << p.y();
  }
}

TEST(BubblePlacement, CentreLinesCountAsUpperLeft) {
  const QRect screen(0, 0, 1920, 1080);
  EXPECT_EQ(screenCentre(screen), QPoint(960, 540));
  EXPECT_EQ(bubblePosition({960, 540}, screen), QPoint(966, 545));
  EXPECT_EQ(bubblePosition({961, 541}, screen), QPoint(961 - 254, 541 - 85));
  // Odd sizes: half of 1025 is 512.5, which goes to the even 512.
  EXPECT_EQ(screenCentre(QRect(0, 0, 1025, 767)), QPoint(512, 384));
}

TEST(BubblePlacement, SecondScreenUsesItsOwnCentre) {
  const QRect right(1920, 0, 1280, 1024);  // centre (2560, 512)
  EXPECT_EQ(bubblePosition({2000, 100}, right), QPoint(2006, 105));
  EXPECT_EQ(bubblePosition({3000, 900}, right), QPoint(2746, 815));
  const QRect above(0, -900, 1600, 900);  // centre (800, -450)
  EXPECT_EQ(bubblePosition({10, -890}, above), QPoint(16, -885));
  EXPECT_EQ(bubblePosition({1500, -10}, above), QPoint(1246, -95));
}

TEST(BubblePlacement, HoverAreaBoundsCountAsInside) {
  const auto area = HoverArea::fromTopLeftAndSize({100, 200}, QSize(60, 50));
  EXPECT_EQ(area.right, 160);
  EXPECT_EQ(area.bottom, 250);
  for (QPoint p : {QPoint(100, 200), QPoint(160, 250), QPoint(130, 225)}) EXPECT_TRUE(area.contains(p));
  for (QPoint p : {QPoint(99, 220), QPoint(161, 220), QPoint(130, 199), QPoint(130, 251)})
    EXPECT_FALSE(area.contains(p)) << p.x() << "," << p.y();
}
