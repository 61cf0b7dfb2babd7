#include "common/platform/desktop/desktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QWidget>

#if TAVO_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace tavo::desktop {

#if TAVO_HAVE_XCB
namespace {

xcb_connection_t* x11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
  auto cookie = xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
  if (!reply) return XCB_ATOM_NONE;
  xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

xcb_window_t rootWindow(xcb_connection_t* c) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
  return it.rem ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

// Whether the window manager lists the atom in _NET_SUPPORTED.
bool wmSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t wanted) {
  xcb_atom_t supported = internAtom(c, "_NET_SUPPORTED");
  if (supported == XCB_ATOM_NONE || wanted == XCB_ATOM_NONE) return false;
  auto cookie = xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 4096);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
  if (!reply) return false;
  bool found = false;
  const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
  for (int i = 0; i < count && !found; ++i) found = atoms[i] == wanted;
  std::free(reply);
  return found;
}

}  // namespace

bool showDesktopSupported() {
  xcb_connection_t* c = x11Connection();
  if (!c) return false;
  xcb_window_t root = rootWindow(c);
  if (root == XCB_WINDOW_NONE) return false;
  return wmSupports(c, root, internAtom(c, "_NET_SHOWING_DESKTOP"));
}

bool requestShowDesktop() {
  xcb_connection_t* c = x11Connection();
  if (!c) return false;
  xcb_window_t root = rootWindow(c);
  if (root == XCB_WINDOW_NONE) return false;
  xcb_atom_t showing = internAtom(c, "_NET_SHOWING_DESKTOP");
  if (!wmSupports(c, root, showing)) return false;

  xcb_client_message_event_t event;
  std::memset(&event, 0, sizeof event);
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = root;
  event.type = showing;
  event.data.data32[0] = 1;
  xcb_send_event(c, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
  return true;
}

#else

bool showDesktopSupported() { return false; }
bool requestShowDesktop() { return false; }

#endif

bool openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool openLocalFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void makeTopmostToolWindow(QWidget* window) {
  window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}

void raiseTopmost(QWidget* window) {
  window->show();
  window->raise();
}

}  // namespace tavo::desktop
