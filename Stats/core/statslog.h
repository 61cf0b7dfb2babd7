#pragma once
// The analyser's logging category: what goes wrong without the user being
// told goes here, so it can be seen with QT_LOGGING_RULES="tavo.stats=true".
#include <QLoggingCategory>

namespace tavo::stats {

inline const QLoggingCategory& statsLog() {
  static const QLoggingCategory category("tavo.stats");
  return category;
}

}  // namespace tavo::stats
