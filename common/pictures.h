#pragma once
// The small pictures the suite's windows put on or over their buttons,
// asked for by what they show, so that every window showing one shows the
// same pixels.
#include <QColor>
#include <QPixmap>

namespace tavo {

enum class PictureKind {
  // Drawn here; `colour` is the ink of the outline.
  ZoomIn,   // a magnifier with a plus
  ZoomOut,  // a magnifier with a minus
  Printer,
  // Drawn here; `colour` fills the disk, the mark on it is white.
  Help,  // a question mark on a disk
  Quit,  // a cross on a disk
  // The desktop style's own icons, which ignore `colour`.
  Details,
  Save,
  Reload,
};

// The monitor's emblem for the notification area, `side` pixels square on a
// transparent ground: a ring with four rising bars, every bar inside the
// ring and the ring inside the square at any size a tray asks for. A null
// pixmap when `side` is not positive.
QPixmap trayPicture(int side);

// The picture of `kind`, `side` pixels square on a transparent ground; a
// null pixmap when `side` is not positive.
QPixmap iconPicture(PictureKind kind, int side, const QColor& colour = Qt::black);

}  // namespace tavo
