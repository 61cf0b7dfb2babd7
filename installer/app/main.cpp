// Pondel_FR and Pondel_EN: the installer, built once per language from
// this file (TAVO_SETUP_FRENCH chooses the build's texts).
#include <QApplication>

#include "common/desktopseam.h"
#include "installer/ui/setupprogram.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Pages are hidden and shown in turn; only QuitSetup ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
#ifdef TAVO_SETUP_FRENCH
  const tavo::setup::InstallerTexts& texts = tavo::setup::frenchInstallerTexts();
#else
  const tavo::setup::InstallerTexts& texts = tavo::setup::englishInstallerTexts();
#endif
  // The boxes carry the build's own words ("Oui", "Non").
  tavo::RealDesktop desktop([&texts] { return texts.isFrench; });
  tavo::setup::SetupProgram program(texts, desktop);
  program.SetupMain();
  return QApplication::exec();
}
