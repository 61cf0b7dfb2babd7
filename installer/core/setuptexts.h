#pragma once
// Every text that the installer shows or writes, one table per build. The
// French build links only the French table and the English build only the
// English one (each lives in its own object file), so a build holds one
// language and has nothing to switch to.
#include <QString>

namespace tavo::setup {

struct InstallerTexts {
  bool isFrench = false;  // also which language option is preselected

  // Pages.
  QString titleSuffix;        // after the product word in every page's title
  QString folderLabel;        // folder page, Label3
  QString changeFolderLabel;  // folder page, Label2
  QString next;               // forward buttons; the progress button at start and after completion
  QString cancel;             // cancel buttons of the folder and options pages
  QString shortcutsFrame;     // options page, Frame1
  QString desktopOption;      // chkDesktop
  QString groupOption;        // chkStart
  QString startupOption;      // chkStartup
  QString languageFrame;      // Frame2
  QString frenchOption;       // optFR
  QString englishOption;      // optEN
  QString cancelQuestion;     // the cancel confirmation
  QString cancelTitle;
  QString close;              // the progress button after a stop (and what ends the installer), the end page's button
  QString complete;           // end page, Label2

  // Log of the install sequence.
  QString necessaryFiles;     // heading, step 1
  QString missingBefore;      // "  ERREUR : " & name & missingAfter
  QString missingAfter;
  QString folderCreation;     // heading, step 2
  QString registering;        // heading, step 3
  QString registered;         // "  - " & name & registered
  QString olderPresent;
  QString alreadyPresent;
  QString copying;            // heading, step 4
  QString inUse;              // "  - " & name & inUse
  QString shortcuts;          // heading, step 5
  QString skins;              // heading, step 6
  QString skinsCounted;       // "  -" & " 3" & skinsCounted
  QString finished;           // heading, step 7
  QString incomplete;         // heading in its place when the Lang line or the record failed
  QString notWrittenBefore;   // "  ERREUR : " & file name & notWrittenAfter
  QString notWrittenAfter;
  QString incompleteLabel;    // end page, Label2, after such a failure
  QString folderLineBreak;    // folder page: a folder name with a line break is refused
  QString folderEmpty;        // folder page: no folder typed

  // Messages.
  QString missingMessage;
  QString copyMessage;
  QString errorTitle;

  // The help entry of the program group.
  QString helpShortcutFile;
};

const InstallerTexts& frenchInstallerTexts();
const InstallerTexts& englishInstallerTexts();

}  // namespace tavo::setup
