#include "monitor/core/interfacechoice.h"

#include <algorithm>

namespace tavo::monitor {

QStringList chooserItems(const QStringList& descriptions, int interfaceCount) {
  const int last = std::min({interfaceCount, 10, static_cast<int>(descriptions.size()) - 1});
  QStringList items;
  for (int k = 0; k <= last; ++k) items << descriptions[k];
  return items;
}

std::optional<int> interfaceToWatch(int selectedIndex, int selectedInterface) {
  if (selectedIndex < 0 || selectedIndex == selectedInterface) return std::nullopt;
  return selectedIndex;
}

}  // namespace tavo::monitor
