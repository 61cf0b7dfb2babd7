#pragma once
// The monitor's windows in this process, on the real desktop: the same
// windows as the program's, over a fake interface table, without a
// notification area, the main window at 300,200.
#include "tests/desktop/xdesktop.h"

#include "common/textfile.h"
#include "monitor/ui/monitorwindows.h"
#include "tests/support/fakeinterfacesource.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>

namespace tavo::testing {

using namespace tavo::monitor;

class WindowsOnTheDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString source = qEnvironmentVariable("TAVO_SOURCE_DIR") + "/monitor/skins/";
    ASSERT_TRUE(QDir().mkpath(dir.filePath("skins")));
    for (const char* skin : {"ardoise", "menthe"}) {
      ASSERT_TRUE(QFile::copy(source + skin + ".xs0", dir.filePath(QString("skins/%1.xsd").arg(skin))));
      ASSERT_TRUE(QFile::copy(source + skin + ".bm0", dir.filePath(QString("skins/%1.bmp").arg(skin))));
    }
    ASSERT_TRUE(tavo::writeLinesAtomically(dir.filePath("Tavo.ini"), {"WindowPositionX=300", "WindowPositionY=200"}));
    src.set("eth0", 1000, 1000);
    engine = std::make_unique<MonitorEngine>(EngineConfig{dir.path(), &src, &clock, false});
    windows = std::make_unique<MonitorWindows>(*engine, noTray);
    ASSERT_TRUE(engine->Main(*windows));
    ASSERT_TRUE(XDesktop::waitFor([this] { return xid() && desktop().viewable(xid()); }));
  }
  void TearDown() override {
    windows.reset();
    engine.reset();
  }
  frmNet& net() { return windows->net(); }
  xcb_window_t xid() { return xcb_window_t(net().internalWinId()); }
  void settle() {
    XDesktop::waitFor([] { return false; }, 300);
  }

  QTemporaryDir dir;
  tavo::net::FakeInterfaceSource src;
  ManualClock clock;
  std::unique_ptr<MonitorEngine> engine;
  // The real desktop's boxes and programs, without a notification area.
  struct NoTrayDesktop : tavo::RealDesktop {
    bool trayAvailable() override { return false; }
  } noTray;
  std::unique_ptr<MonitorWindows> windows;

  // The client window of one of the monitor's windows.
  static xcb_window_t xidOf(QWidget& w) { return xcb_window_t(w.internalWinId()); }
  // Shown by the window manager, not minimised.
  static bool shownNormal(QWidget& w) {
    return xidOf(w) && desktop().viewable(xidOf(w)) && !desktop().iconic(xidOf(w));
  }
  // Above the other window in the window manager's stacking order.
  static bool above(QWidget& upper, QWidget& lower) {
    const auto order = desktop().stacking();
    const auto u = std::find(order.begin(), order.end(), xidOf(upper));
    const auto l = std::find(order.begin(), order.end(), xidOf(lower));
    return u != order.end() && l != order.end() && u > l;
  }
};

}  // namespace tavo::testing
