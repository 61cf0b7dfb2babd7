#pragma once
// What the suite's programs ask of the desktop, as one interface: message
// boxes, a notice that does not block, starting another program, opening a
// page, ending the program, the printer, and the few questions the
// monitor's windows ask while they run (the notification area, whether a
// window is really on screen, the pointer, the screens, minimising the
// other programs). The programs hold a DesktopSeam& and never call the
// desktop behind it, so a test answers everything with one FakeDesktop
// (tests/support/fakedesktop.h) and nothing blocks or leaves the process.
#include <QMessageBox>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QPrinter;
class QWidget;

namespace tavo {

// A box that waits for its answer.
struct BoxRequest {
  QWidget* parent = nullptr;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title;
  QString text;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  // The button Enter presses; NoButton leaves Qt's choice.
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  // PlainText for a text that holds what a file or the user gave, which
  // must never be read as markup.
  Qt::TextFormat textFormat = Qt::AutoText;
};

// A program started without waiting for it.
struct ProgramStart {
  QString program;
  QStringList arguments;
  // Empty: the current folder.
  QString workingFolder;
  // Its standard output and error go nowhere instead of to ours.
  bool quiet = false;
};

class DesktopSeam {
 public:
  virtual ~DesktopSeam() = default;

  // Shows the box and waits for the button pressed.
  virtual QMessageBox::StandardButton ask(const BoxRequest& box) = 0;
  // A box with one OK button that asks nothing: shown without blocking, so
  // the program goes on while it is up.
  virtual void notice(const QString& title, const QString& text) = 0;
  // False when the program could not be started.
  virtual bool startProgram(const ProgramStart& start) = 0;
  // Opens a page with the user's browser; false when no handler took it.
  virtual bool openUrl(const QUrl& url) = 0;
  // Ends the program: leaves the event loop.
  virtual void quit() = 0;
  // The printer to print on; null for the default one.
  virtual QPrinter* printer() = 0;

  // Whether a notification area is there for a tray icon right now.
  virtual bool trayAvailable() = 0;
  // Asks every other program's window to minimise; how many were asked,
  // -1 when the desktop cannot.
  virtual int minimizeOtherWindows() = 0;
  // Whether the window is mapped and not minimised, whatever Qt thinks.
  virtual bool shownOnScreen(const QWidget* window) = 0;
  virtual QPoint pointerPosition() = 0;
  // The geometry of the screen under a point (the primary one when none is).
  virtual QRect screenGeometryAt(QPoint point) = 0;

  // The shapes of box the programs use, all through ask.
  // A plain message: no icon, OK.
  void message(QWidget* parent, const QString& title, const QString& text);
  // A critical message with OK.
  void critical(QWidget* parent, const QString& title, const QString& text);
  // Yes and No, No pressed by Enter; true for Yes.
  bool askYesNo(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
};

// The real desktop: boxes with the buttons in the language isFrench tells
// when the box is shown (common/messagebox), detached processes, the
// desktop's handler for pages, QCoreApplication::exit(0), the default
// printer and the platform layer's answers.
class RealDesktop : public DesktopSeam {
 public:
  explicit RealDesktop(std::function<bool()> isFrench = {});

  QMessageBox::StandardButton ask(const BoxRequest& box) override;
  void notice(const QString& title, const QString& text) override;
  bool startProgram(const ProgramStart& start) override;
  bool openUrl(const QUrl& url) override;
  void quit() override;
  QPrinter* printer() override { return nullptr; }
  bool trayAvailable() override;
  int minimizeOtherWindows() override;
  bool shownOnScreen(const QWidget* window) override;
  QPoint pointerPosition() override;
  QRect screenGeometryAt(QPoint point) override;

 private:
  bool isFrench() const { return isFrench_ && isFrench_(); }
  std::function<bool()> isFrench_;
};

}  // namespace tavo
