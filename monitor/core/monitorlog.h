#pragma once
// The monitor's logging category: what goes wrong without the user being
// told goes here, so it can be seen with QT_LOGGING_RULES="tavo.monitor=true".
#include <QLoggingCategory>

namespace tavo::monitor {

inline const QLoggingCategory& monitorLog() {
  static const QLoggingCategory category("tavo.monitor");
  return category;
}

}  // namespace tavo::monitor
