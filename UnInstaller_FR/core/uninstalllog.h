#pragma once
// The uninstaller's logging category: what goes wrong without the
// user being told goes here, so it can be seen with
// QT_LOGGING_RULES="tavo.uninstall=true".
#include <QLoggingCategory>

namespace tavo::uninstall {

inline const QLoggingCategory& uninstallLog() {
  static const QLoggingCategory category("tavo.uninstall");
  return category;
}

}  // namespace tavo::uninstall
