#pragma once
// A real desktop for the tests: an X server (Xvfb, on a display number it
// chooses itself), the openbox window manager, two monitors side by side
// (xrandr), and on request a small XEmbed notification area (trayer). The
// tests look at windows as the X server and the window manager see them
// and move the pointer and click through XTest (xdotool).
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <xcb/xcb.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tavo::testing {

// Left monitor 640 x 800 at 0,0; right monitor 640 x 800 at 640,0 (device pixels).
inline constexpr int kMonitorWidth = 640;
inline constexpr int kScreenWidth = 1280;
inline constexpr int kScreenHeight = 800;

class XDesktop {
 public:
  // The screen's size in device pixels; split into two monitors side by
  // side, or one monitor.
  explicit XDesktop(QSize screen = QSize(kScreenWidth, kScreenHeight), bool twoMonitors = true)
      : screen_(screen), twoMonitors_(twoMonitors) {}
  ~XDesktop();
  XDesktop(const XDesktop&) = delete;
  XDesktop& operator=(const XDesktop&) = delete;

  // Starts the server and the window manager; false (and why) when a
  // program is missing or does not come up.
  bool start(QString* why);
  QString display() const { return display_; }
  xcb_connection_t* connection() const { return c_; }
  xcb_window_t root() const { return root_; }

  // The notification area at the top right corner.
  bool startTray();
  void stopTray();
  bool trayRunning() const;

  // An environment for a program shown on this desktop.
  QProcessEnvironment environment() const;

  // ---- what the X server and the window manager say ----
  xcb_atom_t atom(const char* name);
  std::vector<xcb_window_t> clientList();
  std::vector<std::uint32_t> property32(xcb_window_t w, const char* name);
  QString textProperty(xcb_window_t w, const char* name);
  bool hasAtom(xcb_window_t w, const char* property, const char* value);
  std::optional<std::uint32_t> pidOf(xcb_window_t w);
  // Mapped and every ancestor mapped.
  bool viewable(xcb_window_t w);
  bool iconic(xcb_window_t w);
  // The window's place on the root window and its size, in device pixels.
  QRect geometry(xcb_window_t w);
  // The window manager's frame around a client window (the client itself
  // when it has none): its ancestor just below the root window.
  xcb_window_t frameOf(xcb_window_t w);
  // The client window the window manager says is active, and the client
  // windows from bottom to top.
  xcb_window_t activeWindow();
  std::vector<xcb_window_t> stacking();
  // Asks the window manager to minimise a client window, as its own
  // minimise box would.
  void iconify(xcb_window_t w);
  std::vector<xcb_window_t> children(xcb_window_t w);
  // Every window below `top`, depth first.
  std::vector<xcb_window_t> descendants(xcb_window_t top);
  // One pixel of the screen (0xRRGGBB).
  std::uint32_t pixel(QPoint p);

  // The first client window of a process whose name matches.
  std::optional<xcb_window_t> clientOf(qint64 pid, const QString& name);
  // A window of another program: a plain top-level window of this process's
  // own X connection, managed by the window manager.
  xcb_window_t createOtherWindow(const QRect& place, const char* name);

  // ---- input through XTest ----
  void moveTo(QPoint p);
  void click(QPoint p, int button, int count = 1);
  void key(const QStringList& keys);
  // A button held down, and let go, where the pointer is.
  void buttonDown(int button);
  void buttonUp(int button);
  void moveWindow(xcb_window_t w, QPoint p);
  // Asks the window manager to show the desktop, as its own key would.
  void showDesktop(bool on);

  // Waits (letting Qt events run) until the condition holds; false on timeout.
  static bool waitFor(const std::function<bool()>& condition, int ms = 8000);

 private:
  bool runTool(const QString& program, const QStringList& args);

  QSize screen_;
  bool twoMonitors_ = true;
  QString display_;
  QProcess xvfb_, openbox_, tray_;
  xcb_connection_t* c_ = nullptr;
  xcb_window_t root_ = 0;
};

// The one desktop of the test binary, started by its main before any test.
XDesktop& desktop();
void setDesktop(XDesktop* d);

}  // namespace tavo::testing
