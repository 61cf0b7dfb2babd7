#pragma once
// The updater's logging category: what goes wrong without the user being
// told goes here, so it can be seen with QT_LOGGING_RULES="tavo.update=true".
#include <QLoggingCategory>

namespace tavo::update {

inline const QLoggingCategory& updateLog() {
  static const QLoggingCategory category("tavo.update");
  return category;
}

}  // namespace tavo::update
