#pragma once
// The one double of the desktop for every program's tests: boxes, notices,
// started programs, opened pages and quits are recorded and answered
// without blocking; the window questions take the real platform layer's
// answers (harmless reads) unless a test sets its own. Any entry can be
// replaced by a function for a test that must act while a box is "up".
#include "common/desktopseam.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <optional>

namespace tavo::test {

class FakeDesktop : public tavo::RealDesktop {
 public:
  struct Box {
    QPointer<QWidget> parent;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool blocking = true;  // false for a notice
    Qt::TextFormat textFormat = Qt::AutoText;
  };

  // ---- what the programs did ----------------------------------------------
  QList<Box> boxes;  // asks and notices, in order
  QList<tavo::ProgramStart> started;
  QList<QUrl> opened;
  int quits = 0;
  int minimizeRequests = 0;

  // ---- how the desktop answers ---------------------------------------------
  // The button every box returns.
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  bool startSucceeds = true;
  bool openSucceeds = true;
  QPrinter* printerToUse = nullptr;
  int minimizeAnswer = 0;
  std::optional<bool> trayIsAvailable;  // empty: the real answer

  // ---- a test's own behaviour, where set -----------------------------------
  std::function<QMessageBox::StandardButton(const tavo::BoxRequest&)> onAsk;
  std::function<void(const QString& title, const QString& text)> onNotice;
  std::function<bool(const tavo::ProgramStart&)> onStart;
  std::function<bool(const QUrl&)> onOpen;
  std::function<void()> onQuit;
  std::function<int()> onMinimizeOthers;
  std::function<bool(const QWidget*)> onShownOnScreen;
  std::function<QPoint()> onPointerPosition;
  std::function<QRect(QPoint)> onScreenGeometryAt;

  QMessageBox::StandardButton ask(const tavo::BoxRequest& box) override {
    boxes.append({box.parent, box.icon, box.title, box.text, box.buttons, box.defaultButton, true, box.textFormat});
    return onAsk ? onAsk(box) : answer;
  }
  void notice(const QString& title, const QString& text) override {
    boxes.append({nullptr, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::NoButton, false});
    if (onNotice) onNotice(title, text);
  }
  bool startProgram(const tavo::ProgramStart& start) override {
    started.append(start);
    return onStart ? onStart(start) : startSucceeds;
  }
  bool openUrl(const QUrl& url) override {
    opened.append(url);
    return onOpen ? onOpen(url) : openSucceeds;
  }
  void quit() override {
    ++quits;
    if (onQuit) onQuit();
  }
  QPrinter* printer() override { return printerToUse; }
  bool trayAvailable() override { return trayIsAvailable ? *trayIsAvailable : RealDesktop::trayAvailable(); }
  int minimizeOtherWindows() override {
    ++minimizeRequests;
    return onMinimizeOthers ? onMinimizeOthers() : minimizeAnswer;
  }
  bool shownOnScreen(const QWidget* window) override {
    return onShownOnScreen ? onShownOnScreen(window) : RealDesktop::shownOnScreen(window);
  }
  QPoint pointerPosition() override { return onPointerPosition ? onPointerPosition() : RealDesktop::pointerPosition(); }
  QRect screenGeometryAt(QPoint point) override {
    return onScreenGeometryAt ? onScreenGeometryAt(point) : RealDesktop::screenGeometryAt(point);
  }

  // The texts of the boxes shown, in order.
  QStringList boxTexts() const {
    QStringList out;
    for (const Box& b : boxes) out << b.text;
    return out;
  }
};

}  // namespace tavo::test
