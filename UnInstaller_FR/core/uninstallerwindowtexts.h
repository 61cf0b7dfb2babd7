#pragma once
// The texts of the uninstaller's log window Dummy, as data: the program
// puts them on the window before it is shown. The window is built
// without texts. The uninstaller speaks French only, like its boxes, so
// there is one table.
#include "common/languagetexts.h"

namespace tavo::uninstall {

WindowTexts uninstallerWindowTexts();

}  // namespace tavo::uninstall
