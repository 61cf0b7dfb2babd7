#include "common/platform/desktop/desktop.h"

#include <QGuiApplication>
#include <QWidget>
#include <gtest/gtest.h>

// Offscreen there is no window manager: the request does nothing and says so.
TEST(DesktopLayer, ShowDesktopWithoutWindowManagerDoesNothing) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  EXPECT_FALSE(tavo::desktop::showDesktopSupported());
  EXPECT_FALSE(tavo::desktop::requestShowDesktop());
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
