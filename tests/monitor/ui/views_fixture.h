#pragma once
// The engine fixture under French regional settings, for the monitor's
// secondary windows.
#include "tests/monitor/core/engine_fixture.h"
#include "tests/support/fakedesktop.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace tavo::monitor::testing {

class ViewsTest : public tavo::monitor::testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  }
  // The windows' questions to the desktop; unset, the real answers.
  tavo::test::FakeDesktop desktop;
};

// Sends a plain pointer move (no button) to a widget.
inline void moveOver(QWidget* w, QPoint local) {
  QMouseEvent ev(QEvent::MouseMove, QPointF(local), QPointF(w->mapToGlobal(local)), Qt::NoButton, Qt::NoButton,
                 Qt::NoModifier);
  QApplication::sendEvent(w, &ev);
}

}  // namespace tavo::monitor::testing
