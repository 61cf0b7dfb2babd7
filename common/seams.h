#pragma once
// What the suite's programs ask of the desktop that a test must be able to
// answer without blocking or leaving the process: message boxes, a notice,
// starting another program, ending the program, the printer. One
// definition for the monitor, the analyser and the log viewer; a program
// fills what a test left empty with the real desktop's through
// withDesktopDefaults.
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace tavo {

struct DesktopSeams {
  // Asks and waits for the button pressed (a plain message is a box with OK).
  using Ask = std::function<QMessageBox::StandardButton(QWidget* parent, QMessageBox::Icon icon,
                                                        const QString& title, const QString& text,
                                                        QMessageBox::StandardButtons buttons)>;
  // A notice that asks nothing: shown without blocking, so the program goes
  // on while it is up.
  using Notice = std::function<void(const QString& title, const QString& text)>;
  // Starts a program without waiting; false when it could not be started.
  using StartProgram = std::function<bool(const QString& program, const QStringList& arguments)>;
  using Quit = std::function<void()>;

  Ask ask;
  Notice notice;
  StartProgram startProgram;
  Quit quit;
  // The printer to use instead of the default one (a PDF file in tests).
  QPrinter* printer = nullptr;

  // A plain message with one OK button, through ask.
  void message(QWidget* parent, const QString& title, const QString& text) const;

  // These seams with every empty entry replaced by the real desktop's: boxes
  // with the buttons in the language isFrench tells when the box is shown,
  // programs started from workingFolder, the event loop left with code 0.
  // The printer stays as it is (null means the default printer).
  DesktopSeams withDesktopDefaults(std::function<bool()> isFrench, const QString& workingFolder = {}) const;
};

}  // namespace tavo
