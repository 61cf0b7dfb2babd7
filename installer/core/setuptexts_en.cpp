#include "common/setup/setupentries.h"
#include "installer/core/setuptexts.h"

namespace tavo::setup {

const InstallerTexts& englishInstallerTexts() {
  using tavo::TextProperty;
  // The captions that stand on several controls, or that the program sets
  // again, written once.
  const QString next = QStringLiteral("Next >");
  const QString cancel = QStringLiteral("Cancel");
  const QString close = QStringLiteral("Close");
  const QString complete = QStringLiteral("Installation complete !");
  static const InstallerTexts texts{
      .isFrench = false,
      .frmInstallTexts =
          {
              {QStringLiteral("Label3"), TextProperty::Caption, QStringLiteral("Installation folder :")},
              {QStringLiteral("Label2"), TextProperty::Caption, QStringLiteral("Change installation folder ...")},
              {QStringLiteral("cmdInstall"), TextProperty::Caption, next},
              {QStringLiteral("cmdCancel"), TextProperty::Caption, cancel},
          },
      .frmShortTexts =
          {
              {QStringLiteral("Frame1"), TextProperty::Caption, QStringLiteral("Shortcuts")},
              {QStringLiteral("chkDesktop"), TextProperty::Caption, QStringLiteral(" on the desktop")},
              {QStringLiteral("chkStart"), TextProperty::Caption, QStringLiteral(" group in Start/Programs menu")},
              {QStringLiteral("chkStartup"), TextProperty::Caption, QStringLiteral(" in Windows Startup menu")},
              {QStringLiteral("Frame2"), TextProperty::Caption, QStringLiteral("Program Language")},
              {QStringLiteral("optFR"), TextProperty::Caption, QStringLiteral("French")},
              {QStringLiteral("optEN"), TextProperty::Caption, QStringLiteral("English")},
              {QStringLiteral("cmdInstall"), TextProperty::Caption, next},
              {QStringLiteral("cmdCancel"), TextProperty::Caption, cancel},
          },
      .frmLogTexts = {{QStringLiteral("cmdFinish"), TextProperty::Caption, next}},
      .frmEndTexts =
          {
              {QStringLiteral("Label2"), TextProperty::Caption, complete},
              {QStringLiteral("cmdFinish"), TextProperty::Caption, close},
          },
      .titleSuffix = QStringLiteral(" - install"),
      .next = next,
      .close = close,
      .cancelQuestion = QStringLiteral("   Cancel installation ?   "),
      .cancelTitle = QStringLiteral("Please confirm"),
      .complete = complete,
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
