#pragma once
// What the monitor asks of the desktop: the "show desktop" request, opening
// pages and files with the user's own programs, and the flags of a small
// frameless window that stays above the others without a taskbar entry.
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace tavo::desktop {

// Asks the window manager to show the desktop (EWMH _NET_SHOWING_DESKTOP
// on X11). Returns false when the desktop offers no such request (another
// platform, no EWMH window manager); nothing happens then.
bool requestShowDesktop();

// True when the running window manager announces _NET_SHOWING_DESKTOP.
bool showDesktopSupported();

// Opens a page or a local file with the desktop's handler; the result of
// the desktop is passed back but callers are free to ignore it.
using UrlOpener = std::function<bool(const QUrl&)>;
bool openUrl(const QUrl& url);
bool openLocalFile(const QString& path);

// Frameless, always on top, no taskbar entry.
void makeTopmostToolWindow(QWidget* window);
// Raises a window shown again above the others without moving it.
void raiseTopmost(QWidget* window);

}  // namespace tavo::desktop
