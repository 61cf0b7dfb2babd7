#include "installer/core/setuptexts.h"
#include "common/setup/setupentries.h"

namespace tavo::setup {

const InstallerTexts& englishInstallerTexts() {
  static const InstallerTexts texts{
      .isFrench = false,
      .titleSuffix = QStringLiteral(" - install"),
      .folderLabel = QStringLiteral("Installation folder :"),
      .changeFolderLabel = QStringLiteral("Change installation folder ..."),
      .next = QStringLiteral("Next >"),
      .cancel = QStringLiteral("Cancel"),
      .shortcutsFrame = QStringLiteral("Shortcuts"),
      .desktopOption = QStringLiteral(" on the desktop"),
      .groupOption = QStringLiteral(" group in Start/Programs menu"),
      .startupOption = QStringLiteral(" in Windows Startup menu"),
      .languageFrame = QStringLiteral("Program Language"),
      .frenchOption = QStringLiteral("French"),
      .englishOption = QStringLiteral("English"),
      .cancelQuestion = QStringLiteral("   Cancel installation ?   "),
      .cancelTitle = QStringLiteral("Please confirm"),
      .close = QStringLiteral("Close"),
      .complete = QStringLiteral("Installation complete !"),
      .necessaryFiles = QStringLiteral("Necessary files..."),
      .missingBefore = QStringLiteral("  ERROR : "),
      .missingAfter = QStringLiteral(" is missing"),
      .folderCreation = QStringLiteral("Folder creation..."),
      .registering = QStringLiteral("Registering components..."),
      .registered = QStringLiteral(" : registered"),
      .olderPresent = QStringLiteral(" : older version already present"),
      .alreadyPresent = QStringLiteral(" : already present on your system"),
      .copying = QStringLiteral("Copying files..."),
      .inUse = QStringLiteral(" : ERROR, file is in use"),
      .shortcuts = QStringLiteral("Shortcuts..."),
      .skins = QStringLiteral("Skins..."),
      .skinsCounted = QStringLiteral(" skin(s) found."),
      .finished = QStringLiteral("FINISHED"),
      .incomplete = QStringLiteral("INCOMPLETE"),
      .notWrittenBefore = QStringLiteral("  ERROR : "),
      .notWrittenAfter = QStringLiteral(" could not be written"),
      .incompleteLabel = QStringLiteral("Installation incomplete: see the log"),
      .folderLineBreak = QStringLiteral("The folder name cannot contain a line break."),
      .folderEmpty = QStringLiteral("Enter an installation folder."),
      .missingMessage = QStringLiteral("    Some files are missing - see log    "),
      .copyMessage = QStringLiteral("    Error while copying - see log    "),
      .errorTitle = QStringLiteral("Error"),
      .helpShortcutFile = QString::fromLatin1(kHelpShortcutFileEN),
  };
  return texts;
}

}  // namespace tavo::setup
