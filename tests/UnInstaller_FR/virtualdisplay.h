#pragma once
// An X server of the test's own (Xvfb on a display number it picks
// itself) and xdotool to find windows on it and press keys, so that the
// real programs' modal boxes can be answered as a user does.
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace tavo::uninstall::testing {

class VirtualDisplay {
 public:
  ~VirtualDisplay() {
    if (xvfb_.state() == QProcess::NotRunning) return;
    xvfb_.terminate();
    if (!xvfb_.waitForFinished(5000)) {
      xvfb_.kill();
      xvfb_.waitForFinished(5000);
    }
  }

  // Empty when it is running, else why not.
  QString start() {
    for (const char* tool : {"Xvfb", "xdotool"})
      if (QStandardPaths::findExecutable(tool).isEmpty())
        return QStringLiteral("%1 is missing (./build.sh installs xvfb and xdotool)").arg(tool);
    // -displayfd: the server takes a free display and writes its number.
    xvfb_.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    if (!xvfb_.waitForStarted(10000)) return "Xvfb did not start";
    QDeadlineTimer deadline(20000);
    while (!xvfb_.canReadLine() && !deadline.hasExpired()) xvfb_.waitForReadyRead(500);
    const QString number = QString::fromLatin1(xvfb_.readLine()).trimmed();
    if (number.isEmpty()) return "Xvfb gave no display number";
    display_ = ':' + number;
    return {};
  }

  // The environment for a program shown on this display.
  QProcessEnvironment environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("QT_QPA_PLATFORM", "xcb");
    // A bus address that leads nowhere: a program on this display finds no
    // session bus, and none is started for it in the test's home.
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tavo-test-session-bus");
    return env;
  }

  // The first window whose name matches the pattern (a regular
  // expression), once it is mapped; empty when none came in time.
  QString waitForWindow(const QString& pattern, int ms = 60000) const {
    QDeadlineTimer deadline(ms);
    do {
      const QString found = xdotool({"search", "--onlyvisible", "--name", pattern}).section('\n', 0, 0);
      if (!found.isEmpty()) return found;
      QThread::msleep(100);
    } while (!deadline.hasExpired());
    return {};
  }

  // True when no window matches the pattern any more, within ms.
  bool waitForNoWindow(const QString& pattern, int ms = 20000) const {
    QDeadlineTimer deadline(ms);
    do {
      if (xdotool({"search", "--onlyvisible", "--name", pattern}).isEmpty()) return true;
      QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
  }

  // Gives the window the keyboard, selects all of the focused box's text
  // and types text in its place.
  void typeOver(const QString& window, const QString& text) const {
    xdotool({"windowfocus", "--sync", window});
    xdotool({"key", "--clearmodifiers", "ctrl+a"});
    xdotool({"type", "--clearmodifiers", "--delay", "20", text});
  }

  // Gives the window the keyboard and presses a key there.
  void press(const QString& window, const QString& key) const {
    xdotool({"windowfocus", "--sync", window});
    xdotool({"key", "--clearmodifiers", key});
  }

 private:
  QString xdotool(const QStringList& arguments) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start("xdotool", arguments);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
  }

  QProcess xvfb_;
  QString display_;
};

}  // namespace tavo::uninstall::testing
