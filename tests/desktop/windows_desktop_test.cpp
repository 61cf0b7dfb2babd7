// The monitor's windows in this process, on the real desktop: the same
// windows as the program's, over a fake interface table, compared with what
// the X server and openbox say of them.
#include "tests/desktop/windows_fixture.h"
#include "tests/support/controls.h"

#include <QAction>

using namespace tavo::monitor;
using tavo::testing::desktop;
using tavo::testing::WindowsOnTheDesktop;
using tavo::testing::XDesktop;

// Six skin changes: the window keeps its place on screen, its topmost state
// and the size of its skin; the program's idea of its place is the real one,
// so the bubble appears over the mini graph and the settings save that place.
TEST_F(WindowsOnTheDesktop, ASkinChangeKeepsPlaceTopmostStateAndBubble) {
  ASSERT_TRUE(XDesktop::waitFor([this] { return desktop().geometry(xid()).topLeft() == QPoint(300, 200); }));
  ASSERT_TRUE(desktop().hasAtom(xid(), "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"));
  const QString skins = dir.filePath("skins");
  struct Change {
    QString descriptor;  // empty: back to the built-in skin
    QSize size;
  };
  const Change changes[] = {{skins + "/ardoise.xsd", {176, 84}}, {{}, {136, 131}}, {skins + "/menthe.xsd", {}},
                            {skins + "/ardoise.xsd", {176, 84}}, {{}, {136, 131}}, {skins + "/menthe.xsd", {}}};
  int round = 0;
  for (const Change& c : changes) {
    SCOPED_TRACE(++round);
    if (c.descriptor.isEmpty()) windows->defaultSkin();
    else windows->changeSkin(c.descriptor);
    settle();
    const QSize expected = c.size.isValid() ? c.size : net().picSkin().size();
    ASSERT_TRUE(XDesktop::waitFor([&] { return desktop().geometry(xid()) == QRect(QPoint(300, 200), expected); }))
        << "at " << desktop().geometry(xid()).x() << "," << desktop().geometry(xid()).y();
    EXPECT_TRUE(desktop().viewable(xid()));
    EXPECT_EQ(net().pos(), QPoint(300, 200));
    EXPECT_TRUE(desktop().hasAtom(xid(), "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"));
  }

  // The pointer rests on the mini graph: the bubble comes.
  const QPoint graph = tavo::test::child<QLabel>(net(), "lblGraphe")
                           ->mapToGlobal(tavo::test::child<QLabel>(net(), "lblGraphe")->rect().center());
  desktop().moveTo(graph + QPoint(-3, 0));
  desktop().moveTo(graph);
  auto& bubble = windows->bubble();
  EXPECT_TRUE(XDesktop::waitFor([&] {
    return bubble.isVisible() && bubble.internalWinId() && desktop().viewable(xcb_window_t(bubble.internalWinId()));
  })) << "no bubble";
  desktop().moveTo(QPoint(1000, 700));

  ASSERT_TRUE(engine->SaveSettings());
  const QStringList ini = tavo::readTextLines(dir.filePath("Tavo.ini")).lines;
  EXPECT_TRUE(ini.contains("WindowPositionX=300")) << ini.join(" | ").toStdString();
  EXPECT_TRUE(ini.contains("WindowPositionY=200"));
}

// The detailed graph window has a title bar with its close box only.
TEST_F(WindowsOnTheDesktop, TheDetailedGraphHasNoMinimiseOrMaximiseBox) {
  windows->DrawHoursGraph();
  auto& big = windows->big();
  const auto id = [&] { return xcb_window_t(big.internalWinId()); };
  ASSERT_TRUE(
      XDesktop::waitFor([&] { return id() && !desktop().property32(id(), "_NET_WM_ALLOWED_ACTIONS").empty(); }));
  EXPECT_TRUE(desktop().hasAtom(id(), "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_CLOSE"));
  EXPECT_TRUE(desktop().hasAtom(id(), "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_MOVE"));
  for (const char* action : {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
    EXPECT_FALSE(desktop().hasAtom(id(), "_NET_WM_ALLOWED_ACTIONS", action)) << action;
  // Its close box hides it, and drawing it shows it again.
  big.close();
  EXPECT_TRUE(XDesktop::waitFor([&] { return !desktop().viewable(id()); }));
  windows->DrawHoursGraph();
  EXPECT_TRUE(XDesktop::waitFor([&] { return desktop().viewable(id()); }));
}

// A settings window minimised with the window manager's box comes back,
// normal and active, from the tray menu's entry and from the "set" label.
TEST_F(WindowsOnTheDesktop, AMinimisedSettingsWindowComesBack) {
  frmSettings& dialog = windows->settingsDialog();
  windows->mnuSettings_Click();
  ASSERT_TRUE(XDesktop::waitFor([&] { return shownNormal(dialog); })) << "the settings never showed";
  settle();
  const std::function<void()> commands[] = {
      [this] { tavo::test::child<QAction>(windows->trayMenu(), "mnuSettings")->trigger(); },
      [this] {
        desktop().click(tavo::test::child<QLabel>(net(), "lblMore")
                            ->mapToGlobal(tavo::test::child<QLabel>(net(), "lblMore")->rect().center()),
                        1);
      },
  };
  int round = 0;
  for (const auto& command : commands) {
    SCOPED_TRACE(++round);
    desktop().iconify(xidOf(dialog));
    ASSERT_TRUE(XDesktop::waitFor([&] { return desktop().iconic(xidOf(dialog)); })) << "openbox did not minimise it";
    settle();
    command();
    EXPECT_TRUE(XDesktop::waitFor([&] { return shownNormal(dialog); })) << "it stayed minimised";
    EXPECT_TRUE(XDesktop::waitFor([&] { return desktop().activeWindow() == xidOf(dialog); })) << "not active";
    settle();
  }
}

// The window just asked for comes to the front: the settings over the
// detailed graph, then the detailed graph over the settings.
TEST_F(WindowsOnTheDesktop, TheWindowAskedForComesToTheFront) {
  frmSettings& dialog = windows->settingsDialog();
  windows->mnuSettings_Click();
  ASSERT_TRUE(XDesktop::waitFor([&] { return shownNormal(dialog); }));
  windows->DrawHoursGraph();
  frmBig& big = windows->big();
  ASSERT_TRUE(XDesktop::waitFor([&] { return shownNormal(big); }));
  EXPECT_TRUE(XDesktop::waitFor([&] { return above(big, dialog); })) << "the graph opened behind the settings";
  settle();
  windows->mnuSettings_Click();
  EXPECT_TRUE(XDesktop::waitFor([&] { return above(dialog, big) && desktop().activeWindow() == xidOf(dialog); }))
      << "the settings stayed behind the graph";
  settle();
  tavo::test::child<QAction>(windows->trayMenu(), "mnuBig")->trigger();
  EXPECT_TRUE(XDesktop::waitFor([&] { return above(big, dialog) && desktop().activeWindow() == xidOf(big); }))
      << "the graph stayed behind the settings";
}
