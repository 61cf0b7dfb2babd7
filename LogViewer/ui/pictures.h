#pragma once
// The small pictures of the viewer's windows, drawn rather than shipped.
#include <QPixmap>

namespace tavo::logv {

QPixmap listDecoration();          // Picture3: a little bar chart
QPixmap zoomPicture(bool zoomIn);  // picPlus / picMoins: a magnifier with + or -
QPixmap printerPicture();          // picPrint

}  // namespace tavo::logv
