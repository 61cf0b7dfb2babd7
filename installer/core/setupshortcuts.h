#pragma once
// The shortcut step of the install sequence: finds the three folders and
// makes the desktop entries chosen on the options page.
#include "installer/core/installerstate.h"

namespace tavo::setup {

struct ShortcutChoice {
  bool desktop = false;  // chkDesktop
  bool group = true;     // chkStart
  bool startup = true;   // chkStartup
};

// Makes the chosen entries in the given folders, each with the
// installation folder as its working folder; a folder that is missing is
// made first. The step never fails: an entry that could not be written
// is skipped, and told to the tavo.setup log category.
void makeSetupShortcuts(const InstallerState& state, const ShortcutChoice& choice, const ShellFolders& folders);

// The step as the installer runs it: the folders found through
// QStandardPaths (whatever was chosen), then the entries. Returns the
// folders for the uninstall record.
ShellFolders CreateSetupShortcuts(const InstallerState& state, const ShortcutChoice& choice);

}  // namespace tavo::setup
