#pragma once
// Reader of the suite's key=value files (Tavo.ini, skin descriptors).
// Lines are taken as they stand: nothing is trimmed, keys are exact and
// case counting, and a later line for the same key wins because the
// caller applies the pairs in file order.
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tavo {

using KeyValue = std::pair<QString, QString>;

// Splits each non-empty line at its first "="; a non-empty line without
// "=" carries no setting and is passed over.
std::vector<KeyValue> parseKeyValueLines(const QStringList& lines);

// Reads a key=value file. A missing or unreadable file gives no pairs and
// sets *exists (when given) to false.
std::vector<KeyValue> readKeyValueFile(const QString& path, bool* exists = nullptr);

}  // namespace tavo
