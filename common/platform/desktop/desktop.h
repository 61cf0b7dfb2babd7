#pragma once
// What the suite asks of the desktop: minimising the other programs'
// windows, whether a window is really on screen, the notification area,
// the pointer and the screens, a window's opacity, opening pages and files
// with the user's own programs, starting programs, and the flags of a
// small frameless window that stays above the others without a taskbar
// entry.
#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>

class QWidget;

namespace tavo::desktop {

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

// Whether a notification area is there for a tray icon right now; one may
// come (or go) while the program runs.
bool trayAvailable();

// Tells when a notification area may have come or gone, so that a program
// waiting for one asks only then: asking while there is none costs a round
// trip to the X server each time. On X11 an XEmbed tray announces itself to
// every client (the MANAGER message on the root window) and its window's
// end is seen as it happens; elsewhere nothing is heard, and the caller
// keeps asking from time to time.
class TrayWatch : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT
 public:
  explicit TrayWatch(QObject* parent = nullptr);
  ~TrayWatch() override;
  // Whether changes are heard; false means the caller must poll.
  bool heard() const { return heard_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  // Queued, so the window system's own handling of the change comes first.
  void trayMayHaveChanged();

 private:
  bool heard_ = false;
  std::uint32_t managerAtom_ = 0;
};

// The pointer's place, in screen pixels.
QPoint pointerPosition();

// The screen under a point: its geometry, else the primary screen's, else
// an empty rectangle when there is no screen at all.
QRect screenGeometryUnder(QPoint point);

// A window's opacity, 0 invisible to 255 opaque; values outside are
// clamped.
void setOpacity(QWidget* window, int opacity);

// Starts a program without waiting, in the given working folder; false
// when it could not be started. The arguments go apart, so blanks in them
// or in the program's path need no quoting.
bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder);

// Opens a page with the desktop's handler; the result of
// the desktop is passed back but callers are free to ignore it.
bool openUrl(const QUrl& url);

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

// Shows one of the program's windows as the user asked for it: normal
// (not minimised), raised and active, whether it was hidden, minimised by
// the window manager or behind other windows. A window the window manager
// has not taken yet is activated as soon as it has.
void showInFront(QWidget* window);

// Where a window of `size` (without its frame) goes so that it lies inside
// `area` with its frame (`frame`: the frame's widths, left, top, right and
// bottom): `wanted` when it fits there, else moved just enough, up against
// the area's edge; a window larger than the area gets the area's size
// (less its frame) at the area's top-left corner.
QRect placeInside(QRect wanted, const QMargins& frame, const QRect& area);

// The available area (without panels) of the screen that shows `anchor`
// (the program's main window), else of the primary screen.
QRect availableAreaOf(const QWidget* anchor);

// Places a window inside the available area of the screen of `anchor`
// before it is shown: a window shown for the first time is centred there,
// one shown before keeps its place where that fits. A window larger than
// the area is brought to the area's size when it can be resized (its
// content then scrolls); a fixed one stays whole, at the area's top-left.
void placeOnScreenOf(QWidget* window, const QWidget* anchor);

}  // namespace tavo::desktop
