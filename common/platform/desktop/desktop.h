#pragma once
// What the monitor asks of the desktop: minimising the other programs'
// windows, whether a window is really on screen, opening pages and files
// with the user's own programs, and the flags of a small frameless window
// that stays above the others without a taskbar entry.
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace tavo::desktop {

// True when the window manager lists its client windows (EWMH
// _NET_CLIENT_LIST on X11), so the other windows can be minimised.
bool minimizeOthersSupported();

// Minimises every client window of the current desktop that belongs to
// another program: this process's own windows, docks, desktops and windows
// already minimised are left alone. Each one gets the standard iconify
// request (WM_CHANGE_STATE with IconicState), so the window manager does
// the minimising as if the user had clicked its minimise box. Returns how
// many windows were asked, or -1 when the desktop offers no client list
// (another platform, no window manager); nothing happens then.
int minimizeOtherWindows();

// Whether the window is really shown on screen: mapped by the window
// manager and not minimised. A desktop that hid it behind the program's
// back ("show desktop", a minimise from the window manager) makes this
// false although Qt still thinks the window visible. Without a window
// system to ask (offscreen), Qt's own visibility.
bool isShownOnScreen(const QWidget* window);

// Opens a page or a local file with the desktop's handler; the result of
// the desktop is passed back but callers are free to ignore it.
using UrlOpener = std::function<bool(const QUrl&)>;
bool openUrl(const QUrl& url);
bool openLocalFile(const QString& path);

// Asks the window manager for a title bar with only the close box, no
// minimise or maximise box: for a fixed window that its close box hides.
// Window managers that draw both boxes on every ordinary window (openbox
// among them) leave them off a window typed as a tool bar, so that is how
// the window is typed. Makes the native window; call before showing it.
void closeBoxOnly(QWidget* window);

// Frameless, always on top, no taskbar entry.
void makeTopmostToolWindow(QWidget* window);
// Shows a window above the others at its current place, also when the
// desktop had hidden or minimised it without the program knowing.
void raiseTopmost(QWidget* window);

}  // namespace tavo::desktop
