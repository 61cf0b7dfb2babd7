#pragma once
// The installer's logging category: what goes wrong without the user being
// told goes here, so it can be seen with QT_LOGGING_RULES="tavo.setup=true".
#include <QLoggingCategory>

namespace tavo::setup {

inline const QLoggingCategory& setupLog() {
  static const QLoggingCategory category("tavo.setup");
  return category;
}

}  // namespace tavo::setup
