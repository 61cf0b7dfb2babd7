// The monitor on a real desktop: the real program Tavo, started from a
// fresh copy of the suite folder, under openbox with (where a test asks for
// one) a notification area, watched through the X server and driven through
// XTest. What only a window manager does (minimising, mapping, stacking,
// placing, scaling per monitor) is checked here; offscreen cannot see it.
#include "tests/desktop/xdesktop.h"

#include "common/textfile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using tavo::testing::desktop;
using tavo::testing::XDesktop;

namespace {

// A copy of the suite folder with the monitor and its skins, where the real
// monitor keeps its lock, settings and statistics for one test.
class RealMonitor {
 public:
  ~RealMonitor() { stop(); }

  void start(const QStringList& iniLines, const QString& scaleFactors = {}) {
    const QString suite = qEnvironmentVariable("TAVO_SUITE_DIR");
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QFile::copy(suite + "/Tavo", folder() + "/Tavo")) << "no Tavo in " << suite.toStdString();
    QFile::setPermissions(folder() + "/Tavo", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(QDir().mkpath(folder() + "/skins"));
    for (const QString& name : QDir(suite + "/skins").entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(suite + "/skins/" + name, folder() + "/skins/" + name));
    if (!iniLines.isEmpty()) {
      ASSERT_TRUE(tavo::writeLinesAtomically(folder() + "/Tavo.ini", iniLines));
    }
    ASSERT_TRUE(QDir().mkpath(folder() + "/run"));
    QFile::setPermissions(folder() + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment env = desktop().environment();
    env.insert("XDG_RUNTIME_DIR", folder() + "/run");
    if (!scaleFactors.isEmpty()) env.insert("QT_SCREEN_SCALE_FACTORS", scaleFactors);
    // A sanitised build reports Qt's own lasting allocations at exit; they
    // are not this test's business.
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(folder());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start(folder() + "/Tavo", {});
    ASSERT_TRUE(process_.waitForStarted(5000));
    ASSERT_TRUE(XDesktop::waitFor([this] {
      const auto w = desktop().clientOf(process_.processId(), "Tavo");
      if (w && desktop().viewable(*w)) window_ = *w;
      return window_ != 0;
    })) << "the main window never appeared";
  }

  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }

  QString folder() const { return dir_.path(); }
  qint64 pid() const { return process_.processId(); }
  QProcess& process() { return process_; }
  xcb_window_t window() const { return window_; }
  QRect place() const { return desktop().geometry(window_); }
  bool shown() const { return desktop().viewable(window_) && !desktop().iconic(window_); }

  // The tray icon: a small window of the monitor inside the notification area.
  std::optional<xcb_window_t> trayIcon() const {
    for (xcb_window_t w : desktop().descendants(desktop().root())) {
      const QRect g = desktop().geometry(w);
      if (desktop().pidOf(w) == std::uint32_t(pid()) && g.width() <= 48 && g.height() <= 48 && g.top() < 40 &&
          desktop().viewable(w))
        return w;
    }
    return std::nullopt;
  }
  // The tray menu, popped up: a window of the monitor that the window
  // manager does not frame (the pointer is away from the mini graph, so it
  // cannot be the bubble).
  bool menuShown() const {
    for (xcb_window_t w : desktop().children(desktop().root()))
      if (desktop().pidOf(w) == std::uint32_t(pid()) && desktop().viewable(w) && w != window_) return true;
    return false;
  }
  QPoint trayIconCentre() const { return desktop().geometry(*trayIcon()).center(); }

  // Quits through the tray menu's last entry and answers the question.
  void quitFromTray() {
    XDesktop::waitFor([] { return false; }, 700);
    desktop().click(trayIconCentre(), 3);
    ASSERT_TRUE(XDesktop::waitFor([this] { return menuShown(); }));
    desktop().key({"Up", "Return"});
    ASSERT_TRUE(XDesktop::waitFor([this] { return bool(desktop().clientOf(pid(), "Tavo - Confirmez")); }))
        << "no quit question";
    ASSERT_TRUE(XDesktop::waitFor([this] {
      const auto box = desktop().clientOf(pid(), "Tavo - Confirmez");
      return box && desktop().viewable(*box);
    }));
    desktop().key({"Return"});
    ASSERT_TRUE(process_.waitForFinished(10000));
  }

  QStringList savedSettings() const { return tavo::readTextLines(folder() + "/Tavo.ini").lines; }

 private:
  QTemporaryDir dir_;
  QProcess process_;
  xcb_window_t window_ = 0;
};

class DesktopSuite : public ::testing::Test {
 protected:
  void SetUp() override { desktop().stopTray(); }
  void TearDown() override {
    for (xcb_window_t w : others_) xcb_destroy_window(desktop().connection(), w);
    xcb_flush(desktop().connection());
    monitor.stop();
    desktop().stopTray();
    desktop().showDesktop(false);
  }
  void withTray() { ASSERT_TRUE(desktop().startTray()) << "trayer did not start"; }
  // The monitor at 40,60 with its icon in a running notification area.
  void startWithTray() {
    ASSERT_NO_FATAL_FAILURE(withTray());
    ASSERT_NO_FATAL_FAILURE(monitor.start({"WindowPositionX=40", "WindowPositionY=60"}));
    ASSERT_NO_FATAL_FAILURE(waitForTrayIcon());
  }
  // A window of another program, shown, and gone at the end of the test.
  xcb_window_t otherWindow() {
    const xcb_window_t w = desktop().createOtherWindow(QRect(300, 300, 200, 150), "another program");
    others_.push_back(w);
    EXPECT_TRUE(XDesktop::waitFor([&] { return desktop().viewable(w); }));
    return w;
  }
  void waitForTrayIcon() {
    ASSERT_TRUE(XDesktop::waitFor([this] { return bool(monitor.trayIcon()); })) << "no tray icon";
    // The notification area embeds the icon and then sizes it.
    XDesktop::waitFor([] { return false; }, 300);
  }
  // A click on the tray icon, further from the one before than a double click.
  void clickTray(int button, int count = 1) {
    XDesktop::waitFor([] { return false; }, 700);
    desktop().click(monitor.trayIconCentre(), button, count);
  }
  // A point on the skin picture itself (the left part of the built-in disc).
  QPoint onSkin() const { return monitor.place().topLeft() + QPoint(20, 65); }

  RealMonitor monitor;

 private:
  std::vector<xcb_window_t> others_;
};

bool isBlack(std::uint32_t rgb) { return (rgb & 0xF0F0F0) == 0; }

}  // namespace

// The default right click leaves the meter in place and minimises the other
// windows, each with the standard iconify request.
TEST_F(DesktopSuite, RightClickKeepsTheMeterAndMinimisesTheOtherWindows) {
  ASSERT_NO_FATAL_FAILURE(monitor.start({"WindowPositionX=40", "WindowPositionY=60"}));
  const xcb_window_t other = otherWindow();
  const QRect before = monitor.place();

  desktop().click(onSkin(), 3);
  EXPECT_TRUE(XDesktop::waitFor([&] { return desktop().iconic(other); })) << "the other window stayed";
  EXPECT_TRUE(monitor.shown());
  EXPECT_EQ(monitor.place(), before);
}

// After the desktop hid every window, and after "Minimize all" from the
// tray menu, the tray brings the meter back (or keeps it).
TEST_F(DesktopSuite, TheTrayShowsTheMeterAgainAfterTheDesktopHidIt) {
  ASSERT_NO_FATAL_FAILURE(startWithTray());
  const QRect before = monitor.place();

  desktop().showDesktop(true);
  ASSERT_TRUE(XDesktop::waitFor([&] { return !monitor.shown(); })) << "the window manager did not hide it";
  clickTray(1);
  EXPECT_TRUE(XDesktop::waitFor([&] { return monitor.shown(); })) << "the tray could not bring the meter back";
  EXPECT_EQ(monitor.place(), before);

  const xcb_window_t other = otherWindow();
  clickTray(3);
  ASSERT_TRUE(XDesktop::waitFor([&] { return monitor.menuShown(); }));
  desktop().key({"Down", "Down", "Return"});  // "Minimiser tout"
  EXPECT_TRUE(XDesktop::waitFor([&] { return desktop().iconic(other); }));
  EXPECT_TRUE(monitor.shown());
}

// Each left release, left double click and right double click toggles the
// meter; a right click opens the menu and leaves the meter alone.
TEST_F(DesktopSuite, TrayClicksShowAndHideTheMeter) {
  ASSERT_NO_FATAL_FAILURE(startWithTray());
  clickTray(1);
  ASSERT_TRUE(XDesktop::waitFor([&] { return !monitor.shown(); })) << "a left click did not hide the meter";
  clickTray(1);
  ASSERT_TRUE(XDesktop::waitFor([&] { return monitor.shown(); })) << "a left click did not show it again";
  EXPECT_EQ(monitor.place().topLeft(), QPoint(40, 60));

  // A double click is a release, a double click and a release: three toggles.
  clickTray(1, 2);
  EXPECT_TRUE(XDesktop::waitFor([&] { return !monitor.shown(); })) << "a left double click did nothing";
  clickTray(1);
  ASSERT_TRUE(XDesktop::waitFor([&] { return monitor.shown(); }));

  clickTray(3);
  EXPECT_TRUE(XDesktop::waitFor([&] { return monitor.menuShown(); })) << "no menu on a right click";
  EXPECT_TRUE(monitor.shown());
  desktop().key({"Escape"});
  EXPECT_TRUE(XDesktop::waitFor([&] { return !monitor.menuShown(); }));
}

// A notification area that starts after the monitor gets its icon, and the
// icon works; meanwhile the meter stays reachable.
TEST_F(DesktopSuite, TheTrayIconAppearsWhenTheTrayStartsLate) {
  ASSERT_NO_FATAL_FAILURE(
      monitor.start({"WindowPositionX=40", "WindowPositionY=60", "MinimizeTavoMode=True", "MinimizeAllMode=False"}));
  XDesktop::waitFor([] { return false; }, 500);
  EXPECT_FALSE(monitor.trayIcon());
  // Without a tray a right click must not lose the meter.
  desktop().click(onSkin(), 3);
  XDesktop::waitFor([] { return false; }, 500);
  EXPECT_TRUE(monitor.shown());

  ASSERT_NO_FATAL_FAILURE(withTray());
  ASSERT_NO_FATAL_FAILURE(waitForTrayIcon());
  clickTray(1);
  EXPECT_TRUE(XDesktop::waitFor([&] { return !monitor.shown(); })) << "the late icon does not work";
  clickTray(1);
  EXPECT_TRUE(XDesktop::waitFor([&] { return monitor.shown(); }));
}

// A meter hidden to the tray comes back by itself when the notification
// area goes away (a panel that ends or restarts), and its icon returns with
// the next notification area.
TEST_F(DesktopSuite, TheMeterComesBackWhenItsTrayGoesAndItsIconWithTheNextTray) {
  ASSERT_NO_FATAL_FAILURE(startWithTray());
  clickTray(1);
  ASSERT_TRUE(XDesktop::waitFor([&] { return !monitor.shown(); }));
  desktop().stopTray();
  EXPECT_TRUE(XDesktop::waitFor([&] { return monitor.shown(); })) << "the meter stayed hidden without a tray";
  ASSERT_NO_FATAL_FAILURE(withTray());
  ASSERT_NO_FATAL_FAILURE(waitForTrayIcon());
  clickTray(1);
  EXPECT_TRUE(XDesktop::waitFor([&] { return !monitor.shown(); })) << "the icon in the new tray does not work";
}

// The quit saves the window's real place.
TEST_F(DesktopSuite, TheQuitSavesTheRealPlace) {
  ASSERT_NO_FATAL_FAILURE(withTray());
  ASSERT_NO_FATAL_FAILURE(monitor.start({"WindowPositionX=140", "WindowPositionY=90"}));
  ASSERT_NO_FATAL_FAILURE(waitForTrayIcon());
  ASSERT_EQ(monitor.place().topLeft(), QPoint(140, 90));
  desktop().moveWindow(monitor.window(), QPoint(210, 150));
  ASSERT_TRUE(XDesktop::waitFor([&] { return monitor.place().topLeft() == QPoint(210, 150); }));
  ASSERT_NO_FATAL_FAILURE(monitor.quitFromTray());
  const QStringList ini = monitor.savedSettings();
  EXPECT_TRUE(ini.contains("WindowPositionX=210")) << ini.join(" | ").toStdString();
  EXPECT_TRUE(ini.contains("WindowPositionY=150"));
}

// From a monitor at scale 1 to one at scale 2 and back: the shape and the
// figures follow, never a quarter of the skin or a disc of the wrong size.
TEST_F(DesktopSuite, TheSkinFollowsTheScaleOfItsMonitor) {
  ASSERT_NO_FATAL_FAILURE(monitor.start({"WindowPositionX=100", "WindowPositionY=100"}, "left=1;right=2"));
  struct Step {
    QPoint to;  // device pixels
    int scale;
  };
  for (const Step step : {Step{{100, 100}, 1}, Step{{800, 100}, 2}, Step{{60, 300}, 1}}) {
    SCOPED_TRACE(step.scale);
    desktop().moveWindow(monitor.window(), step.to);
    const QSize size(136 * step.scale, 131 * step.scale);
    ASSERT_TRUE(XDesktop::waitFor([&] { return monitor.place() == QRect(step.to, size); }))
        << "place " << monitor.place().x() << "," << monitor.place().y() << " " << monitor.place().width();
    // Shape and picture need a moment to follow the new scale.
    XDesktop::waitFor([] { return false; }, 500);
    const QRect r = monitor.place();
    auto at = [&](double fx, double fy) {
      return desktop().pixel(r.topLeft() + QPoint(int(r.width() * fx), int(r.height() * fy)));
    };
    // The disc is there in all four quarters, the corners are cut away.
    for (const QPointF inside :
         {QPointF(0.25, 0.5), QPointF(0.75, 0.5), QPointF(0.5, 0.25), QPointF(0.5, 0.8), QPointF(0.8, 0.75)})
      EXPECT_FALSE(isBlack(at(inside.x(), inside.y()))) << inside.x() << "," << inside.y();
    for (const QPointF corner : {QPointF(0.01, 0.01), QPointF(0.98, 0.98), QPointF(0.98, 0.02)})
      EXPECT_TRUE(isBlack(at(corner.x(), corner.y()))) << corner.x() << "," << corner.y();
    // The figures are drawn in the skin's colour where the skin puts them
    // (the first tick writes them).
    auto figureShown = [&] {
      for (int x = 60 * step.scale; x < 100 * step.scale; ++x)
        for (int y = 80 * step.scale; y < 107 * step.scale; ++y) {
          const std::uint32_t p = desktop().pixel(r.topLeft() + QPoint(x, y));
          const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
          if (blue > 100 && red < 150 && green < 110 && blue > green + 40) return true;
        }
      return false;
    };
    EXPECT_TRUE(XDesktop::waitFor(figureShown, 3000)) << "no figure in the skin's colour";
  }
}
