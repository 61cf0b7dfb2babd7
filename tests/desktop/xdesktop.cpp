#include "tests/desktop/xdesktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>

#include <cstdlib>
#include <cstring>

namespace tavo::testing {

namespace {

XDesktop* theDesktop = nullptr;

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

void stop(QProcess& p) {
  if (p.state() == QProcess::NotRunning) return;
  p.terminate();
  if (!p.waitForFinished(3000)) {
    p.kill();
    p.waitForFinished(3000);
  }
}

}  // namespace

XDesktop& desktop() { return *theDesktop; }
void setDesktop(XDesktop* d) { theDesktop = d; }

XDesktop::~XDesktop() {
  stopTray();
  stop(openbox_);
  if (c_) xcb_disconnect(c_);
  stop(xvfb_);
}

bool XDesktop::waitFor(const std::function<bool()>& condition, int ms) {
  QDeadlineTimer deadline(ms);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(20);
  }
  return true;
}

bool XDesktop::start(QString* why) {
  for (const char* tool : {"Xvfb", "openbox", "xdotool", "xrandr"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
      *why = QStringLiteral("%1 is not installed (./build.sh installs it)").arg(QLatin1String(tool));
      return false;
    }
  }
  // The server writes the display number it took on the descriptor given.
  xvfb_.setProgram(QStringLiteral("Xvfb"));
  xvfb_.setArguments({"-displayfd", "1", "-screen", "0",
                      QStringLiteral("%1x%2x24").arg(screen_.width()).arg(screen_.height()), "-nolisten", "tcp",
                      "-noreset"});
  xvfb_.setProcessChannelMode(QProcess::SeparateChannels);
  xvfb_.start();
  QByteArray number;
  QDeadlineTimer deadline(15000);
  while (!number.contains('\n') && !deadline.hasExpired() && xvfb_.state() != QProcess::NotRunning) {
    xvfb_.waitForReadyRead(200);
    number += xvfb_.readAllStandardOutput();
  }
  if (!number.contains('\n')) {
    *why = QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(xvfb_.readAllStandardError());
    return false;
  }
  display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

  c_ = xcb_connect(display_.toLatin1().constData(), nullptr);
  if (!c_ || xcb_connection_has_error(c_)) {
    *why = QStringLiteral("cannot connect to ") + display_;
    return false;
  }
  root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
  // A black root, so a pixel outside every window is known.
  const std::uint32_t black = 0;
  xcb_change_window_attributes(c_, root_, XCB_CW_BACK_PIXEL, &black);
  xcb_clear_area(c_, 0, root_, 0, 0, 0, 0);
  xcb_flush(c_);

  // Two monitors, so a window can go from one scale to another.
  if (twoMonitors_) {
    const int width = screen_.width() / 2;
    const QString half = QStringLiteral("%1/169x%2/211").arg(width).arg(screen_.height());
    if (!runTool("xrandr", {"--setmonitor", "left", half + "+0+0", "screen"}) ||
        !runTool("xrandr", {"--setmonitor", "right", half + QStringLiteral("+%1+0").arg(width), "none"})) {
      *why = QStringLiteral("xrandr could not make two monitors");
      return false;
    }
  }

  openbox_.setProcessEnvironment(environment());
  openbox_.setProgram(QStringLiteral("openbox"));
  openbox_.setArguments({"--sm-disable"});
  openbox_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  openbox_.setStandardOutputFile(QProcess::nullDevice());
  openbox_.start();
  if (!waitFor([this] { return !property32(root_, "_NET_SUPPORTING_WM_CHECK").empty(); }, 15000)) {
    *why = QStringLiteral("openbox did not come up");
    return false;
  }
  return true;
}

QProcessEnvironment XDesktop::environment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display_);
  // The test's private bus (tests/support/sessionbus.h) has no
  // notification watcher: the tray icon takes the XEmbed road the tests watch.
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  return env;
}

bool XDesktop::runTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.setProcessEnvironment(environment());
  p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p.setStandardOutputFile(QProcess::nullDevice());
  p.start(program, args);
  return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool XDesktop::trayRunning() const {
  auto* self = const_cast<XDesktop*>(this);
  const xcb_atom_t selection = self->atom("_NET_SYSTEM_TRAY_S0");
  Reply<xcb_get_selection_owner_reply_t> owner(
      xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, selection), nullptr));
  return owner && owner->owner != XCB_WINDOW_NONE;
}

bool XDesktop::startTray() {
  if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()) return false;
  tray_.setProcessEnvironment(environment());
  tray_.setProgram(QStringLiteral("trayer"));
  tray_.setArguments({"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "120", "--height", "24",
                      "--SetDockType", "true", "--SetPartialStrut", "false"});
  tray_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  tray_.setStandardOutputFile(QProcess::nullDevice());
  tray_.start();
  return waitFor([this] { return trayRunning(); }, 10000);
}

void XDesktop::stopTray() {
  stop(tray_);
  if (c_) waitFor([this] { return !trayRunning(); }, 5000);
}

xcb_atom_t XDesktop::atom(const char* name) {
  Reply<xcb_intern_atom_reply_t> r(
      xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::uint16_t(std::strlen(name)), name), nullptr));
  return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> XDesktop::property32(xcb_window_t w, const char* name) {
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, atom(name), XCB_ATOM_ANY, 0, 4096), nullptr));
  if (!r || r->format != 32) return {};
  const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r.get()));
  return {v, v + xcb_get_property_value_length(r.get()) / 4};
}

QString XDesktop::textProperty(xcb_window_t w, const char* name) {
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, atom(name), XCB_ATOM_ANY, 0, 4096), nullptr));
  if (!r || r->format != 8) return {};
  return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(r.get())),
                           xcb_get_property_value_length(r.get()));
}

bool XDesktop::hasAtom(xcb_window_t w, const char* property, const char* value) {
  const auto values = property32(w, property);
  return std::find(values.begin(), values.end(), atom(value)) != values.end();
}

std::vector<xcb_window_t> XDesktop::clientList() {
  const auto v = property32(root_, "_NET_CLIENT_LIST");
  return {v.begin(), v.end()};
}

std::optional<std::uint32_t> XDesktop::pidOf(xcb_window_t w) {
  const auto v = property32(w, "_NET_WM_PID");
  if (v.empty()) return std::nullopt;
  return v[0];
}

bool XDesktop::viewable(xcb_window_t w) {
  Reply<xcb_get_window_attributes_reply_t> a(
      xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, w), nullptr));
  return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool XDesktop::iconic(xcb_window_t w) {
  const auto state = property32(w, "WM_STATE");
  return !state.empty() && state[0] == 3;
}

QRect XDesktop::geometry(xcb_window_t w) {
  Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr));
  if (!g) return {};
  Reply<xcb_translate_coordinates_reply_t> t(
      xcb_translate_coordinates_reply(c_, xcb_translate_coordinates(c_, w, root_, 0, 0), nullptr));
  if (!t) return {};
  return QRect(t->dst_x, t->dst_y, g->width, g->height);
}

xcb_window_t XDesktop::frameOf(xcb_window_t w) {
  for (;;) {
    Reply<xcb_query_tree_reply_t> t(xcb_query_tree_reply(c_, xcb_query_tree(c_, w), nullptr));
    if (!t || t->parent == root_ || t->parent == XCB_WINDOW_NONE) return w;
    w = t->parent;
  }
}

xcb_window_t XDesktop::activeWindow() {
  const auto v = property32(root_, "_NET_ACTIVE_WINDOW");
  return v.empty() ? xcb_window_t(XCB_WINDOW_NONE) : v[0];
}

std::vector<xcb_window_t> XDesktop::stacking() {
  const auto v = property32(root_, "_NET_CLIENT_LIST_STACKING");
  return {v.begin(), v.end()};
}

void XDesktop::iconify(xcb_window_t w) {
  // As the window manager's own box does it: its frame and the client
  // unmapped, WM_STATE iconic.
  runTool("xdotool", {"windowminimize", QString::number(w)});
}

void XDesktop::buttonDown(int button) { runTool("xdotool", {"mousedown", QString::number(button)}); }
void XDesktop::buttonUp(int button) { runTool("xdotool", {"mouseup", QString::number(button)}); }

std::vector<xcb_window_t> XDesktop::children(xcb_window_t w) {
  Reply<xcb_query_tree_reply_t> t(xcb_query_tree_reply(c_, xcb_query_tree(c_, w), nullptr));
  if (!t) return {};
  const xcb_window_t* kids = xcb_query_tree_children(t.get());
  return {kids, kids + xcb_query_tree_children_length(t.get())};
}

std::vector<xcb_window_t> XDesktop::descendants(xcb_window_t top) {
  std::vector<xcb_window_t> all;
  for (xcb_window_t child : children(top)) {
    all.push_back(child);
    const auto below = descendants(child);
    all.insert(all.end(), below.begin(), below.end());
  }
  return all;
}

std::uint32_t XDesktop::pixel(QPoint p) {
  Reply<xcb_get_image_reply_t> img(xcb_get_image_reply(
      c_, xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, std::int16_t(p.x()), std::int16_t(p.y()), 1, 1, ~0u),
      nullptr));
  if (!img || xcb_get_image_data_length(img.get()) < 4) return 0;
  std::uint32_t v;
  std::memcpy(&v, xcb_get_image_data(img.get()), 4);
  return v & 0xFFFFFF;
}

std::optional<xcb_window_t> XDesktop::clientOf(qint64 pid, const QString& name) {
  for (xcb_window_t w : clientList())
    if (pidOf(w) == std::uint32_t(pid) && textProperty(w, "_NET_WM_NAME") == name) return w;
  return std::nullopt;
}

xcb_window_t XDesktop::createOtherWindow(const QRect& place, const char* name) {
  const xcb_window_t w = xcb_generate_id(c_);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
  const std::uint32_t values[] = {0x808080};
  xcb_create_window(c_, XCB_COPY_FROM_PARENT, w, root_, std::int16_t(place.x()), std::int16_t(place.y()),
                    std::uint16_t(place.width()), std::uint16_t(place.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                    screen->root_visual, XCB_CW_BACK_PIXEL, values);
  xcb_change_property(c_, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      std::uint32_t(std::strlen(name)), name);
  xcb_map_window(c_, w);
  xcb_flush(c_);
  return w;
}

void XDesktop::moveTo(QPoint p) {
  runTool("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y())});
  waitFor([] { return false; }, 50);
}

void XDesktop::click(QPoint p, int button, int count) {
  moveTo(p);
  runTool("xdotool", {"click", "--repeat", QString::number(count), "--delay", "60", QString::number(button)});
}

void XDesktop::key(const QStringList& keys) { runTool("xdotool", QStringList{"key", "--delay", "80"} + keys); }

void XDesktop::moveWindow(xcb_window_t w, QPoint p) {
  runTool("xdotool", {"windowmove", QString::number(w), QString::number(p.x()), QString::number(p.y())});
}

void XDesktop::showDesktop(bool on) {
  xcb_client_message_event_t e;
  std::memset(&e, 0, sizeof e);
  e.response_type = XCB_CLIENT_MESSAGE;
  e.format = 32;
  e.window = root_;
  e.type = atom("_NET_SHOWING_DESKTOP");
  e.data.data32[0] = on ? 1 : 0;
  xcb_send_event(c_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&e));
  xcb_flush(c_);
}

}  // namespace tavo::testing
