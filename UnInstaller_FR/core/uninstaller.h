#pragma once
// The uninstaller's work without widgets: the first run hands over to a
// copy of itself outside the installation folder; the copy reads the
// uninstall record, asks, and removes the entries, the program group and
// the installation folder.
#include <QString>
#include <QStringList>
#include <functional>

#include "UnInstaller_FR/core/foldertree.h"
#include "common/desktopseam.h"

namespace tavo::uninstall {

// The file names of the program and of its copy.
inline constexpr char kProgramFile[] = "Uninstall";
inline constexpr char kCopyFile[] = "uninst_tmp";

// What the log window does for the work.
struct UninstallerDisplay {
  // Shows the log window with one more line.
  std::function<void(const QString& line)> log;
  // The pause of about two seconds with the window responsive; false when
  // the program ended meanwhile.
  std::function<bool()> pause;
  // Lets window events run; false when the program ended meanwhile.
  std::function<bool()> letEventsRun;
};

// Texts.
QString missingRecordTitle();  // "Erreur"
QString missingRecordText();   // the two lines, French then English
QString confirmTitle();        // "Désinstaller"
QString confirmText(const QString& productWord);
QString preparingLine(const QString& productWord);
QString doneLine(const QString& productWord);
// The last line when the installation folder is still there.
QString notDoneLine(const QString& productWord, const QString& folder);
// The monitor of the installation runs: nothing is removed.
QString runningLine(const QString& productWord);
// The installation folder does not hold the record that was read.
QString notThisRecordLine(const QString& folder);

// The two boxes, in plain text: the product word comes from a file and is
// never shown as markup. The question has Yes pressed by Enter.
tavo::BoxRequest missingRecordBox();
tavo::BoxRequest confirmBox(const QString& productWord);

// True when both paths name the same regular file on the disk (not the
// same text); neither may be a symbolic link.
bool isSameFile(const QString& readPath, const QString& entryPath);

// A regular file itself, not a link to one (an uninstall record that is
// a link could name another installation).
bool isRegularFile(const QString& path);

class Uninstaller {
 public:
  // programFolder: the folder of the running program, which holds
  // "Uninstall" and, in an installation, "uninstall.dat". The boxes and
  // the start of the copy go through desktop.
  Uninstaller(QString programFolder, tavo::DesktopSeam& desktop, UninstallerDisplay display);

  // The start procedure. True when the log window stays open (the removal
  // ran); false when the program ends now.
  bool UninstallMain(const QStringList& arguments);

  // Copies the program into a folder of its own under the temporary
  // folder and starts that copy with the record path. False when no copy
  // could be started (nothing of it is left then).
  bool RelaunchFromTemp();

  // The removal described by the record at recordPath. True when it ran
  // (the window stays), false when the program ends without removing.
  bool RunUninstall(const QString& recordPath);

  QString ownProgram() const;
  QString recordPath() const;
  // The copy started by the last RelaunchFromTemp, if any.
  QString copyPath() const { return copyPath_; }

 private:
  void deleteShortcut(const QString& folder, const QString& productWord);
  void deleteEntry(const QString& path);
  void deleteGroup(const QString& groupFolder, const QString& productWord, const ProtectedFolders& protectedFolders);

  QString programFolder_;
  tavo::DesktopSeam* desktop_;
  UninstallerDisplay display_;
  QString copyPath_;
};

}  // namespace tavo::uninstall
