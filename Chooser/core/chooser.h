#pragma once
// The language chooser Install: which installer build a button starts and
// what it says when that build is missing. No widgets here.
#include <QString>
#include <functional>

namespace tavo::chooser {

struct InstallerBuild {
  QString program;      // the build beside the chooser
  QString missingText;  // said when it is not there, in its language
  QString missingTitle;
};

InstallerBuild installerBuild(const QString& chooserFolder, bool english);

// Starts a program without arguments in a working folder, without waiting;
// false when it could not be started.
using Starter = std::function<bool(const QString& program, const QString& workingFolder)>;
// Shows a message with an OK button.
using Messenger = std::function<void(const QString& title, const QString& text)>;

// A button's work: the build is started with the current folder kept (the
// installer takes its setup files from there); a build that is missing, or
// cannot be started, gets its language's message. Nothing else is tried.
void startInstaller(const InstallerBuild& build, const QString& currentFolder, const Starter& start,
                    const Messenger& message);

Starter detachedStarter();

}  // namespace tavo::chooser
