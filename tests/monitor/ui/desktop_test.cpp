#include "common/platform/desktop/desktop.h"

#include <QGuiApplication>
#include <QWidget>
#include <gtest/gtest.h>

// Offscreen there is no window manager: the request does nothing and says so.
TEST(DesktopLayer, MinimizeOthersWithoutWindowManagerDoesNothing) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  EXPECT_FALSE(tavo::desktop::minimizeOthersSupported());
  EXPECT_EQ(tavo::desktop::minimizeOtherWindows(), -1);
}

// Without a window system to ask, what Qt knows is what counts.
TEST(DesktopLayer, ShownOnScreenFollowsQtOffscreen) {
  QWidget w;
  EXPECT_FALSE(tavo::desktop::isShownOnScreen(&w));
  w.show();
  EXPECT_TRUE(tavo::desktop::isShownOnScreen(&w));
  EXPECT_FALSE(tavo::desktop::isShownOnScreen(nullptr));
}

TEST(DesktopLayer, TopmostToolWindowFlags) {
  QWidget w;
  tavo::desktop::makeTopmostToolWindow(&w);
  const Qt::WindowFlags f = w.windowFlags();
  EXPECT_TRUE(f.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(f.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(w.windowType(), Qt::Tool);
  w.move(33, 44);
  tavo::desktop::raiseTopmost(&w);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.pos(), QPoint(33, 44));
}
