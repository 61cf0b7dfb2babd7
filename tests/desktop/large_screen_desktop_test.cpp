// The monitor's windows at scale 2 on one 1600 x 1200 screen: each opens
// inside the screen, the settings scroll where they do not fit, and the
// main window follows a drag of the pointer exactly.
#include "tests/desktop/windows_fixture.h"
#include "tests/support/controls.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

using namespace tavo::monitor;
using tavo::testing::desktop;
using tavo::testing::WindowsOnTheDesktop;
using tavo::testing::XDesktop;

namespace {

const QRect kScreen(0, 0, 1600, 1200);

}  // namespace

// The settings dialog, the detailed graph and the interface chooser open
// with their frames inside the screen; the settings, taller than the
// screen at this scale, scroll down to their last row.
TEST_F(WindowsOnTheDesktop, EachWindowOpensInsideTheScreen) {
  ASSERT_EQ(net().devicePixelRatio(), 2);
  frmSettings& dialog = windows->settingsDialog();
  windows->mnuSettings_Click();
  ASSERT_TRUE(XDesktop::waitFor([&] { return shownNormal(dialog); }));
  settle();
  const QRect frame = desktop().geometry(desktop().frameOf(xidOf(dialog)));
  EXPECT_TRUE(kScreen.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                       << frame.height();
  // The last row is reached by scrolling, not lost below the screen.
  QScrollArea* scroll = dialog.scrollArea();
  scroll->ensureWidgetVisible(tavo::test::child<QPushButton>(dialog, "cmdQuit"));
  QApplication::processEvents();
  const QRect quit(tavo::test::child<QPushButton>(dialog, "cmdQuit")->mapTo(&dialog, QPoint(0, 0)),
                   tavo::test::child<QPushButton>(dialog, "cmdQuit")->size());
  EXPECT_TRUE(dialog.rect().contains(quit)) << "Quit at " << quit.y() << " of " << dialog.height();

  windows->DrawHoursGraph();
  frmBig& big = windows->big();
  ASSERT_TRUE(XDesktop::waitFor([&] { return shownNormal(big); }));
  settle();
  const QRect graph = desktop().geometry(desktop().frameOf(xidOf(big)));
  EXPECT_TRUE(kScreen.contains(graph)) << graph.x() << "," << graph.y() << " " << graph.width() << "x"
                                       << graph.height();
  // Whole: the graph window is not cut to fit.
  EXPECT_EQ(desktop().geometry(xidOf(big)).size(), big.size() * 2);

  // The chooser is modal: it is looked at while it runs, then closed.
  QRect chooser;
  QTimer::singleShot(0, [&] {
    frmInterfaces& c = windows->chooser();
    XDesktop::waitFor([&] { return shownNormal(c); });
    settle();
    chooser = desktop().geometry(desktop().frameOf(xidOf(c)));
    c.reject();
  });
  dialog.cmdInterface_Click();
  EXPECT_FALSE(chooser.isNull()) << "the chooser never showed";
  EXPECT_TRUE(kScreen.contains(chooser)) << chooser.x() << "," << chooser.y() << " " << chooser.width() << "x"
                                         << chooser.height();
}

// A press of the left or the middle button on the skin and a pointer move
// of (900, 700): the window moves by (900, 700), not a pixel less.
TEST_F(WindowsOnTheDesktop, TheMainWindowFollowsADragExactly) {
  for (const int button : {1, 2}) {
    SCOPED_TRACE(button);
    desktop().moveWindow(xid(), QPoint(100, 100));
    ASSERT_TRUE(XDesktop::waitFor([&] { return desktop().geometry(xid()).topLeft() == QPoint(100, 100); }));
    settle();
    const QPoint press = QPoint(100, 100) + QPoint(40, 130);  // on the disc of the built-in skin
    desktop().moveTo(press);
    desktop().buttonDown(button);
    settle();
    desktop().moveTo(press + QPoint(900, 700));
    settle();
    desktop().buttonUp(button);
    EXPECT_TRUE(XDesktop::waitFor([&] { return desktop().geometry(xid()).topLeft() == QPoint(1000, 800); }))
        << "moved to " << desktop().geometry(xid()).x() << "," << desktop().geometry(xid()).y();
  }
}
