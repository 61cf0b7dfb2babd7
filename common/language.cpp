#include "common/language.h"

namespace tavo {

std::optional<bool> ReadLanguageArgument(const QStringList& arguments) {
  const QString text = arguments.mid(1).join(QLatin1Char(' '));
  if (text == QLatin1String("FR")) return true;
  if (text == QLatin1String("EN")) return false;
  if (text.isEmpty()) return std::nullopt;
  return false;
}

}  // namespace tavo
