#include "common/keyvalue.h"

#include "common/textfile.h"

namespace tavo {

std::vector<KeyValue> parseKeyValueLines(const QStringList& lines) {
  std::vector<KeyValue> pairs;
  pairs.reserve(static_cast<size_t>(lines.size()));
  for (const QString& line : lines) {
    if (line.isEmpty()) continue;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) continue;
    pairs.emplace_back(line.left(eq), line.mid(eq + 1));
  }
  return pairs;
}

std::vector<KeyValue> readKeyValueFile(const QString& path, bool* exists) {
  const TextReadResult text = readTextLines(path);
  if (exists) *exists = text.ok;
  if (!text.ok) return {};
  return parseKeyValueLines(text.lines);
}

}  // namespace tavo
