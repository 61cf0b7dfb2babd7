#include "common/platform/desktop/desktop.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#if TAVO_HAVE_XCB
#include <xcb/xcb.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>
#endif

namespace tavo::desktop {

#if TAVO_HAVE_XCB
namespace {

// ICCCM: the window states of WM_STATE and the iconify request.
constexpr std::uint32_t kIconicState = 3;
constexpr std::uint32_t kAllDesktops = 0xFFFFFFFF;
// EWMH source indication of a request made on the user's behalf by a
// pager or taskbar: window managers honour it without focus-stealing checks.
constexpr std::uint32_t kSourcePager = 2;

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

xcb_connection_t* x11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
  auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(xcb_intern_atom_reply(c, cookie, nullptr));
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t rootWindow(xcb_connection_t* c) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
  return it.rem ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The 32-bit values of a property; nothing when the window lacks it.
std::optional<std::vector<std::uint32_t>> property32(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name,
                                                     xcb_atom_t type = XCB_ATOM_ANY) {
  if (name == XCB_ATOM_NONE) return std::nullopt;
  auto cookie = xcb_get_property(c, 0, w, name, type, 0, 16384);
  std::unique_ptr<xcb_get_property_reply_t, FreeDeleter> reply(xcb_get_property_reply(c, cookie, nullptr));
  if (!reply || reply->type == XCB_ATOM_NONE || reply->format != 32) return std::nullopt;
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return std::vector<std::uint32_t>(values, values + count);
}

bool contains(const std::optional<std::vector<std::uint32_t>>& values, std::uint32_t wanted) {
  return values && std::find(values->begin(), values->end(), wanted) != values->end();
}

void sendToRoot(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, xcb_atom_t type,
                std::initializer_list<std::uint32_t> data) {
  xcb_client_message_event_t event;
  std::memset(&event, 0, sizeof event);
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = type;
  int i = 0;
  for (std::uint32_t d : data) event.data.data32[i++] = d;
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
}

// The windows of this process: by their handles, and by the process id
// that Qt (and every toolkit) puts on its windows.
bool ownWindow(xcb_connection_t* c, xcb_window_t w, xcb_atom_t pidAtom) {
  for (const QWindow* own : QGuiApplication::allWindows())
    if (own->handle() && xcb_window_t(own->winId()) == w) return true;
  const auto pid = property32(c, w, pidAtom, XCB_ATOM_CARDINAL);
  return pid && !pid->empty() && (*pid)[0] == std::uint32_t(::getpid());
}

bool iconic(xcb_connection_t* c, xcb_window_t w) {
  const xcb_atom_t wmState = internAtom(c, "WM_STATE");
  const auto state = property32(c, w, wmState, wmState);
  if (state && !state->empty() && (*state)[0] == kIconicState) return true;
  return contains(property32(c, w, internAtom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM),
                  internAtom(c, "_NET_WM_STATE_HIDDEN"));
}

}  // namespace

int minimizeOtherWindows() {
  xcb_connection_t* c = x11Connection();
  if (!c) return -1;
  const xcb_window_t root = rootWindow(c);
  const auto clients = property32(c, root, internAtom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
  if (!clients) return -1;

  const xcb_atom_t pidAtom = internAtom(c, "_NET_WM_PID");
  const xcb_atom_t typeAtom = internAtom(c, "_NET_WM_WINDOW_TYPE");
  const xcb_atom_t dock = internAtom(c, "_NET_WM_WINDOW_TYPE_DOCK");
  const xcb_atom_t desktopType = internAtom(c, "_NET_WM_WINDOW_TYPE_DESKTOP");
  const xcb_atom_t desktopAtom = internAtom(c, "_NET_WM_DESKTOP");
  const xcb_atom_t changeState = internAtom(c, "WM_CHANGE_STATE");
  const auto current = property32(c, root, internAtom(c, "_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL);

  int asked = 0;
  for (const std::uint32_t w : *clients) {
    if (ownWindow(c, w, pidAtom)) continue;
    const auto types = property32(c, w, typeAtom, XCB_ATOM_ATOM);
    if (contains(types, dock) || contains(types, desktopType)) continue;
    const auto desk = property32(c, w, desktopAtom, XCB_ATOM_CARDINAL);
    if (current && !current->empty() && desk && !desk->empty() && (*desk)[0] != kAllDesktops &&
        (*desk)[0] != (*current)[0])
      continue;
    if (iconic(c, w)) continue;
    sendToRoot(c, root, w, changeState, {kIconicState});
    ++asked;
  }
  xcb_flush(c);
  return asked;
}

bool isShownOnScreen(const QWidget* window) {
  if (!window || !window->isVisible()) return false;
  xcb_connection_t* c = x11Connection();
  const WId id = window->internalWinId();
  if (!c || !id) return true;
  auto cookie = xcb_get_window_attributes(c, xcb_window_t(id));
  std::unique_ptr<xcb_get_window_attributes_reply_t, FreeDeleter> attributes(
      xcb_get_window_attributes_reply(c, cookie, nullptr));
  // Shown: mapped and viewable. Hidden by the desktop: unviewable (inside a
  // frame the window manager unmapped), or unmapped while the window manager
  // still manages it (WM_STATE present: "show desktop", minimised). An
  // unmapped window it does not manage yet is on its way to the screen: the
  // program has just shown it.
  if (!attributes) return false;
  if (attributes->map_state == XCB_MAP_STATE_UNVIEWABLE) return false;
  const xcb_atom_t wmState = internAtom(c, "WM_STATE");
  if (attributes->map_state == XCB_MAP_STATE_UNMAPPED)
    return !property32(c, xcb_window_t(id), wmState, wmState).has_value();
  return !iconic(c, xcb_window_t(id));
}

namespace {

// The desktop hid the window behind our back: leave "show desktop" and ask
// the window manager to bring the window back, as a taskbar would.
bool restoreFromWindowManager(QWidget* window) {
  xcb_connection_t* c = x11Connection();
  const WId id = window->internalWinId();
  if (!c || !id) return false;
  const xcb_window_t root = rootWindow(c);
  const xcb_atom_t showing = internAtom(c, "_NET_SHOWING_DESKTOP");
  const auto state = property32(c, root, showing, XCB_ATOM_CARDINAL);
  if (state && !state->empty() && (*state)[0] != 0) sendToRoot(c, root, root, showing, {0});
  sendToRoot(c, root, xcb_window_t(id), internAtom(c, "_NET_ACTIVE_WINDOW"), {kSourcePager, XCB_CURRENT_TIME, 0});
  xcb_flush(c);
  return true;
}

}  // namespace

void closeBoxOnly(QWidget* window) {
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowSystemMenuHint | Qt::MSWindowsFixedSizeDialogHint);
  xcb_connection_t* c = x11Connection();
  if (!c) return;
  const xcb_window_t id = xcb_window_t(window->winId());
  const xcb_atom_t types[] = {internAtom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                              internAtom(c, "_NET_WM_WINDOW_TYPE_NORMAL")};
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, internAtom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 2, types);
  // A tool bar of the program's window group is kept above every other
  // window of the program (openbox treats it as their transient), so the
  // program's other windows could never come in front of it: it leaves the
  // group and is stacked as any window.
  constexpr std::uint32_t kWindowGroupHint = 1u << 6;
  if (auto hints = property32(c, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS); hints && !hints->empty()) {
    std::vector<std::uint32_t> values = *hints;
    values[0] &= ~kWindowGroupHint;
    if (values.size() > 8) values[8] = 0;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        std::uint32_t(values.size()), values.data());
  }
  xcb_flush(c);
}

#else

void closeBoxOnly(QWidget* window) {
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowSystemMenuHint | Qt::MSWindowsFixedSizeDialogHint);
}

int minimizeOtherWindows() { return -1; }
bool isShownOnScreen(const QWidget* window) { return window && window->isVisible(); }

namespace {
bool restoreFromWindowManager(QWidget*) { return false; }
}  // namespace

#endif

bool openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool trayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

TrayWatch::TrayWatch(QObject* parent) : QObject(parent) {
#if TAVO_HAVE_XCB
  // Qt's xcb platform listens to the root window's structure events (the
  // tray announcement comes that way) and to the tray window's once it has
  // found one, so the announcement and the tray's end both reach the filter.
  if (xcb_connection_t* c = x11Connection()) {
    managerAtom_ = internAtom(c, "MANAGER");
    heard_ = managerAtom_ != XCB_ATOM_NONE;
  }
  if (heard_) QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

TrayWatch::~TrayWatch() {
  if (heard_ && QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#if TAVO_HAVE_XCB
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & 0x7f;
  bool change = false;
  if (type == XCB_CLIENT_MESSAGE)
    change = reinterpret_cast<const xcb_client_message_event_t*>(event)->type == managerAtom_;
  else if (type == XCB_DESTROY_NOTIFY) change = true;  // the tray's window, or one of ours: asking again is cheap then
  if (change) QMetaObject::invokeMethod(this, &TrayWatch::trayMayHaveChanged, Qt::QueuedConnection);
#else
  Q_UNUSED(eventType);
  Q_UNUSED(message);
#endif
  return false;
}

QPoint pointerPosition() { return QCursor::pos(); }

QRect screenGeometryUnder(QPoint point) {
  if (QScreen* s = QGuiApplication::screenAt(point)) return s->geometry();
  if (QScreen* s = QGuiApplication::primaryScreen()) return s->geometry();
  return {};
}

void setOpacity(QWidget* window, int opacity) {
  if (!window) return;
  window->setWindowOpacity(std::clamp(opacity, 0, 255) / 255.0);
}

bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
  return QProcess::startDetached(program, arguments, workingFolder);
}

void makeTopmostToolWindow(QWidget* window) {
  window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}

void raiseTopmost(QWidget* window) {
  if (!window->isVisible()) {
    // An explicit place, so the window manager maps it where it was
    // rather than where it would place a new window.
    window->move(window->pos());
    window->show();
  } else if (!isShownOnScreen(window) && !restoreFromWindowManager(window)) {
    window->hide();
    window->move(window->pos());
    window->show();
  }
  window->raise();
}

namespace {

// Whether the window manager has taken the window (ICCCM WM_STATE set).
bool managedByWindowManager(QWidget* window) {
#if TAVO_HAVE_XCB
  xcb_connection_t* c = x11Connection();
  const WId id = window->internalWinId();
  if (!c || !id) return true;
  const xcb_atom_t wmState = internAtom(c, "WM_STATE");
  return property32(c, xcb_window_t(id), wmState, wmState).has_value();
#else
  Q_UNUSED(window);
  return true;
#endif
}

// Asks the window manager, as a taskbar would, to bring the window to the
// front and give it the focus: a window manager that keeps a new window of
// a program without recent input behind the focused one (focus-stealing
// prevention) honours a taskbar's request.
void activateByWindowManager(QWidget* window) {
#if TAVO_HAVE_XCB
  xcb_connection_t* c = x11Connection();
  const WId id = window->internalWinId();
  if (!c || !id) return;
  const xcb_window_t root = rootWindow(c);
  sendToRoot(c, root, xcb_window_t(id), internAtom(c, "_NET_ACTIVE_WINDOW"), {kSourcePager, XCB_CURRENT_TIME, 0});
  xcb_flush(c);
#else
  Q_UNUSED(window);
#endif
}

}  // namespace

void showInFront(QWidget* window) {
  if (!window) return;
  const Qt::WindowStates state = window->windowState();
  if (state & Qt::WindowMinimized) window->setWindowState(state & ~Qt::WindowMinimized);
  if (!window->isVisible()) window->show();
  else if (!isShownOnScreen(window)) restoreFromWindowManager(window);
  window->raise();
  window->activateWindow();
  if (managedByWindowManager(window)) {
    activateByWindowManager(window);
    return;
  }
  // Just shown: the request counts once the window manager has the window.
  auto* wait = new QTimer(window);
  wait->setInterval(40);
  QObject::connect(wait, &QTimer::timeout, window, [window, wait, tries = 0]() mutable {
    constexpr int kTries = 50;  // two seconds
    if (managedByWindowManager(window) || ++tries >= kTries || !window->isVisible()) {
      if (window->isVisible() && managedByWindowManager(window)) {
        window->raise();
        activateByWindowManager(window);
      }
      wait->stop();
      wait->deleteLater();
    }
  });
  wait->start();
}

QRect placeInside(QRect wanted, const QMargins& frame, const QRect& area) {
  if (area.isEmpty()) return wanted;
  const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
  wanted.setSize(wanted.size().boundedTo(room.expandedTo(QSize(1, 1))));
  const int minX = area.left() + frame.left(), minY = area.top() + frame.top();
  const int maxX = area.right() - frame.right() - wanted.width() + 1;
  const int maxY = area.bottom() - frame.bottom() - wanted.height() + 1;
  wanted.moveTo(std::clamp(wanted.x(), minX, std::max(minX, maxX)), std::clamp(wanted.y(), minY, std::max(minY, maxY)));
  return wanted;
}

QRect availableAreaOf(const QWidget* anchor) {
  QScreen* screen = nullptr;
  if (anchor && anchor->isVisible()) screen = QGuiApplication::screenAt(anchor->frameGeometry().center());
  if (!screen && anchor) screen = anchor->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

void placeOnScreenOf(QWidget* window, const QWidget* anchor) {
  if (!window) return;
  const QRect area = availableAreaOf(anchor);
  if (area.isEmpty()) return;
  // The frame is known once the window manager framed the window; before,
  // a title bar and thin borders are assumed.
  QMargins frame(0, 0, 0, 0);
  if (window->testAttribute(Qt::WA_WState_Created) && window->windowHandle() && window->isVisible())
    frame = window->windowHandle()->frameMargins();
  if (frame.isNull() && !(window->windowFlags() & Qt::FramelessWindowHint)) {
    const int title = window->fontMetrics().height() + 12;
    frame = QMargins(2, title, 2, 2);
  }
  const bool shownBefore = window->property("tavoPlaced").toBool();
  QSize size = window->size();
  if (!shownBefore)
    size = window->sizeHint()
               .expandedTo(window->minimumSizeHint())
               .expandedTo(window->size())
               .boundedTo(window->maximumSize());
  // The place asked for is the window's own (without its frame): window
  // managers take it as the window's place or as its frame's, depending on
  // the gravity they give it. Room for the frame on both sides covers both.
  const QMargins either(frame.left(), frame.top(), frame.right() + frame.left(), frame.bottom() + frame.top());
  QRect wanted(shownBefore ? window->geometry().topLeft() : QPoint(), size);
  if (!shownBefore) wanted.moveCenter(area.center());
  QRect place = placeInside(wanted, either, area);
  const bool resizable = window->minimumSize() != window->maximumSize();
  if (!resizable) place.setSize(window->size());
  if (resizable && place.size() != window->size()) window->resize(place.size().expandedTo(window->minimumSize()));
  window->setGeometry(QRect(place.topLeft(), window->size()));
  window->setProperty("tavoPlaced", true);
}

}  // namespace tavo::desktop
