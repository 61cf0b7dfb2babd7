#pragma once
// What the interface chooser lists and when a choice changes anything.
#include <QStringList>
#include <optional>

namespace tavo::monitor {

// Entry descriptions 0 (all interfaces) up to interfaceCount, never past
// entry 10 nor past the descriptions given.
QStringList chooserItems(const QStringList& descriptions, int interfaceCount);

// The entry to watch from now on, or nothing when nothing is selected
// (-1) or the selection is the entry already watched.
std::optional<int> interfaceToWatch(int selectedIndex, int selectedInterface);

}  // namespace tavo::monitor
