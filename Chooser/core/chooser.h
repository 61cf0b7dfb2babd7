#pragma once
// The language chooser Install: which installer build a button starts and
// what it says when that build is missing. No widgets here.
#include <QString>

namespace tavo {
class DesktopSeam;
}

namespace tavo::chooser {

struct InstallerBuild {
  QString program;      // the build beside the chooser
  QString missingText;  // said when it is not there, in its language
  QString missingTitle;
};

InstallerBuild installerBuild(const QString& chooserFolder, bool english);

// A button's work: the build is started without arguments and with the
// current folder kept (the installer takes its setup files from there); a
// build that is missing, or cannot be started, gets its language's
// message, a plain box with OK. Nothing else is tried.
void startInstaller(const InstallerBuild& build, const QString& currentFolder, tavo::DesktopSeam& desktop);

}  // namespace tavo::chooser
