#include "common/platform/desktop/desktop.h"
#include "common/desktopseam.h"
#include "tests/support/fakedesktop.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Offscreen there is no window manager: the request does nothing and says so.
TEST(DesktopLayer, MinimizeOthersWithoutWindowManagerDoesNothing) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
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

TEST(DesktopLayer, ScreenUnderThePointerIsFound) {
  const QRect g = tavo::desktop::screenGeometryUnder(QPoint(5, 5));
  ASSERT_TRUE(QGuiApplication::primaryScreen());
  EXPECT_EQ(g, QGuiApplication::screenAt(QPoint(5, 5))->geometry());
  // Off every screen: the primary screen's geometry.
  EXPECT_EQ(tavo::desktop::screenGeometryUnder(QPoint(-100000, -100000)), QGuiApplication::primaryScreen()->geometry());
}

TEST(DesktopLayer, OpacityIsClampedToItsRange) {
  QWidget w;
  struct Case {
    int opacity;
    double expected;
  };
  for (const Case c : {Case{0, 0.0}, Case{255, 1.0}, Case{51, 0.2}, Case{-20, 0.0}, Case{400, 1.0}}) {
    tavo::desktop::setOpacity(&w, c.opacity);
    EXPECT_NEAR(w.windowOpacity(), c.expected, 0.01) << c.opacity;
  }
  tavo::desktop::setOpacity(nullptr, 10);  // no window: nothing to do
}

// The real desktop answers with this layer; the tests' double keeps what a
// test set and answers the rest as the real one does.
TEST(DesktopLayer, QueriesKeepWhatTheTestSet) {
  tavo::RealDesktop real;
  EXPECT_EQ(real.minimizeOtherWindows(), -1);  // offscreen: no window manager
  EXPECT_EQ(real.screenGeometryAt(QPoint(5, 5)), tavo::desktop::screenGeometryUnder(QPoint(5, 5)));
  tavo::test::FakeDesktop fake;
  fake.trayIsAvailable = true;
  fake.onPointerPosition = [] { return QPoint(7, 9); };
  EXPECT_TRUE(fake.trayAvailable());
  EXPECT_EQ(fake.pointerPosition(), QPoint(7, 9));
  EXPECT_EQ(fake.screenGeometryAt(QPoint(5, 5)), tavo::desktop::screenGeometryUnder(QPoint(5, 5)));
}
