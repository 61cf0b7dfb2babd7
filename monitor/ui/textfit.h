#pragma once
// The fixed places of the monitor's windows were drawn for one font; the
// desktop may give another, wider or taller one. These keep each place of
// a fixed text as drawn where its text fits, and grow it where the text
// would be cut, with the boxes and the window around it.
#include <QSize>

class QWidget;

namespace tavo::monitor {

// The room a fixed text needs in its widget (a label, a button, an option,
// a check box or a frame's caption) with the widget's font; an invalid
// size for a widget without a fixed text (the figures, named lbl..., which
// change as they run).
QSize textRoomNeeded(const QWidget* widget);

// Grows, from the places first given, every widget below `window` whose
// fixed text would not fit, then every frame and the window itself that
// would no longer hold what they carry. A label grows on the side its
// alignment leaves free (a right-aligned one to the left, a centred one on
// both sides). Run again after a change of texts or font.
void fitFixedTexts(QWidget* window);

}  // namespace tavo::monitor
