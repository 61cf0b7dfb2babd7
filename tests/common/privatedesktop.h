#pragma once
// A program's window as the X server sees it. Offscreen, another process's
// windows cannot be seen at all, so the program is shown on a private X
// desktop of the test's own.
#include "tests/desktop/xdesktop.h"

#include <gtest/gtest.h>
#include <QStandardPaths>

namespace tavo::testing {

// Starts `desktop` for one test: false where the machine has no Xvfb (the
// rest of the desktop comes with it), and a failure of the test when the
// desktop does not come up although Xvfb is there.
inline bool startPrivateDesktop(XDesktop& desktop) {
  if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) return false;
  QString why;
  const bool up = desktop.start(&why);
  EXPECT_TRUE(up) << why.toStdString();
  return up;
}

// Said by a test skipped for want of Xvfb, after the checks it could make.
inline constexpr char kNoPrivateDesktop[] =
    "Xvfb is not installed: the program ran offscreen and its window was not looked at";

// Whether a top-level window of process `pid` with the caption `title`
// comes to be mapped and viewable, as the window manager shows it.
inline bool windowShown(XDesktop& desktop, qint64 pid, const QString& title, int ms = 15000) {
  return XDesktop::waitFor(
      [&] {
        const auto window = desktop.clientOf(pid, title);
        return window && desktop.viewable(*window);
      },
      ms);
}

}  // namespace tavo::testing
