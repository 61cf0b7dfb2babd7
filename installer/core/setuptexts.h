#pragma once
// Every text that the installer shows or writes, one set per build. The
// French build links only the French set and the English build only the
// English one (each lives in its own object file), so a build holds one
// language and has nothing to switch to. The pages' captions are tables of
// {control, property, text}, put on each page when it is made; the texts
// the program sets itself (titles, boxes, log lines) are named strings.
#include <QString>

#include "common/languagetexts.h"

namespace tavo::setup {

struct InstallerTexts {
  bool isFrench = false;  // also which language option is preselected

  // The pages' captions, one table a page.
  tavo::WindowTexts frmInstallTexts;
  tavo::WindowTexts frmShortTexts;
  tavo::WindowTexts frmLogTexts;
  tavo::WindowTexts frmEndTexts;

  // Pages: the texts the program sets.
  QString titleSuffix;     // after the product word in every page's title
  QString next;            // the progress button after completion
  QString close;           // the progress button after a stop (and what ends the installer)
  QString cancelQuestion;  // the cancel confirmation
  QString cancelTitle;
  QString complete;  // end page, Label2, after a complete run

  // Log of the install sequence.
  QString necessaryFiles;  // heading, step 1
  QString missingBefore;   // "  ERREUR : " & name & missingAfter
  QString missingAfter;
  QString folderCreation;  // heading, step 2
  QString registering;     // heading, step 3
  QString registered;      // "  - " & name & registered
  QString olderPresent;
  QString alreadyPresent;
  QString copying;           // heading, step 4
  QString inUse;             // "  - " & name & inUse
  QString shortcuts;         // heading, step 5
  QString skins;             // heading, step 6
  QString skinsCounted;      // "  -" & " 3" & skinsCounted
  QString finished;          // heading, step 7
  QString incomplete;        // heading in its place when the Lang line or the record failed
  QString notWrittenBefore;  // "  ERREUR : " & file name & notWrittenAfter
  QString notWrittenAfter;
  QString incompleteLabel;  // end page, Label2, after such a failure
  QString folderLineBreak;  // folder page: a folder name with a line break is refused
  QString folderEmpty;      // folder page: no folder typed

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
