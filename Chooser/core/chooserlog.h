#pragma once
// The language chooser's logging category: what goes wrong without the
// user being told goes here, so it can be seen with
// QT_LOGGING_RULES="tavo.chooser=true".
#include <QLoggingCategory>

namespace tavo::chooser {

inline const QLoggingCategory& chooserLog() {
  static const QLoggingCategory category("tavo.chooser");
  return category;
}

}  // namespace tavo::chooser
