#pragma once
// What the log viewer asks of the desktop that tests must be able to
// replace: message boxes (modal), the end of the program, the printer.
#include <QString>
#include <functional>

class QWidget;
class QPrinter;

namespace tavo::logv {

struct LogViewerSeams {
  // A message box with an OK button only.
  std::function<void(QWidget* parent, const QString& title, const QString& text)> message;
  // Ends the program (leaves the event loop).
  std::function<void()> quit;
  // A printer to use instead of the default one (a PDF file in tests).
  QPrinter* printer = nullptr;

  // Real message boxes and QCoreApplication::exit.
  static LogViewerSeams desktop();
};

}  // namespace tavo::logv
