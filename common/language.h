#pragma once
// The language argument of TavoStat and TavoLogV: the whole command line
// after the program name, taken as one text. "FR" chooses French, any
// other non-empty text English; an empty one means "do not run".
#include <QStringList>
#include <optional>

namespace tavo {

// arguments as QCoreApplication::arguments() gives them (program first).
// Returns true for French, false for English, nothing when empty.
std::optional<bool> ReadLanguageArgument(const QStringList& arguments);

}  // namespace tavo
