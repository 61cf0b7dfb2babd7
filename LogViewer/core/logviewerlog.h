#pragma once
// The log viewer's logging category: what goes wrong without the user being
// told goes here, so it can be seen with QT_LOGGING_RULES="tavo.logviewer=true".
#include <QLoggingCategory>

namespace tavo::logv {

inline const QLoggingCategory& logViewerLog() {
  static const QLoggingCategory category("tavo.logviewer");
  return category;
}

}  // namespace tavo::logv
