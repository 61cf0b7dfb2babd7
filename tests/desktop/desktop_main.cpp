// The desktop suite: one X server, window manager and pair of monitors for
// the whole binary, started here before Qt connects to it.
#include "tests/desktop/xdesktop.h"
#include "tests/support/sessionbus.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  tavo::testing::PrivateSessionBus bus;
  tavo::testing::usePrivateSessionBus(bus);
#ifdef TAVO_LARGE_SCREEN
  // One large monitor, its windows at twice the size.
  tavo::testing::XDesktop desktop(QSize(1600, 1200), false);
  qputenv("QT_SCALE_FACTOR", "2");
#else
  tavo::testing::XDesktop desktop;
#endif
  QString why;
  if (!desktop.start(&why)) {
    // A machine without the desktop packages cannot run this suite; say so
    // loudly, as a failure, since build.sh installs them.
    fprintf(stderr, "desktop suite: %s\n", qPrintable(why));
    return 1;
  }
  tavo::testing::setDesktop(&desktop);
  qputenv("DISPLAY", desktop.display().toLatin1());
  qputenv("QT_QPA_PLATFORM", "xcb");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  int result = 0;
  {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    result = RUN_ALL_TESTS();
  }
  return result;
}
