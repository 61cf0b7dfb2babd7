#pragma once
// The list window's decoration, drawn rather than shipped; the button
// pictures are the suite's shared ones (common/pictures.h).
#include <QPixmap>

namespace tavo::logv {

QPixmap listDecoration();  // Picture3: a little bar chart

}  // namespace tavo::logv
