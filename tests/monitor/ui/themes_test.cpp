// Dark desktop themes: the windows whose colours are fixed set every colour
// they show, so each text stays readable whatever the theme's palette.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>

#include "monitor/core/fixedpalette.h"
#include "monitor/ui/frminterfaces.h"
#include "monitor/ui/monitorwindows.h"
#include "tests/monitor/ui/views_fixture.h"
#include "tests/support/controls.h"

using namespace tavo::monitor;
using tavo::monitor::testing::ViewsTest;

namespace {

QPalette darkTheme() {
  QPalette p;
  const QColor ground(45, 45, 48), text(235, 235, 235);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase,
                                   QPalette::ToolTipBase, QPalette::Mid, QPalette::Dark, QPalette::Midlight})
    p.setColor(role, ground);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                                   QPalette::BrightText, QPalette::Light})
    p.setColor(role, text);
  return p;
}

// The legibility of what is drawn inside one rectangle: the contrast of the
// most contrasting pixel against the most common one (the ground).
double legibility(const QImage& shot, const QRect& r) {
  QHash<QRgb, int> counts;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ++counts[shot.pixel(x, y)];
  QRgb ground = 0;
  int most = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) {
      most = it.value();
      ground = it.key();
    }
  double best = 1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    best = std::max(best, contrastRatio(QColor(ground), QColor(it.key())));
  return best;
}

// Every text-carrying label and button of a window, grabbed as the window shows it.
void expectEveryTextReadable(QWidget& window, int atLeast) {
  window.show();
  const QImage shot = window.grab().toImage();
  int checked = 0;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    QString text;
    if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
    if (text.trimmed().isEmpty() || !w->isVisibleTo(&window)) continue;
    const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
    SCOPED_TRACE(w->objectName().toStdString() + " \"" + text.toStdString() + "\"");
    EXPECT_GE(legibility(shot, r.intersected(shot.rect())), 3.0);
    ++checked;
  }
  EXPECT_GE(checked, atLeast);
}

class DarkThemeTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    saved = QApplication::palette();
    QApplication::setPalette(darkTheme());
    start();
  }
  void TearDown() override {
    QApplication::setPalette(saved);
    ViewsTest::TearDown();
  }
  QPalette saved;
};

}  // namespace

TEST_F(DarkThemeTest, TheBubbleStaysReadable) {
  MonitorWindows bg(*engine, desktop);
  bg.ShowBubble();
  expectEveryTextReadable(bg.bubble(), 15);
  // The column heads, white on cream before.
  EXPECT_EQ(tavo::test::child<QLabel>(bg.bubble(), "Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(DarkThemeTest, TheDetailedGraphStaysReadable) {
  MonitorWindows bg(*engine, desktop);
  bg.DrawHoursGraph();
  expectEveryTextReadable(bg.big(), 30);
}

TEST_F(DarkThemeTest, TheInterfaceWarningStaysReadable) {
  frmInterfaces chooser;
  expectEveryTextReadable(chooser, 4);
}

TEST(ReadableColours, AColourIsMadeReadableOnItsGround) {
  struct Case {
    QColor ground, preferred;
  };
  for (const Case& c : {Case{QColor(45, 45, 48), QColor(192, 0, 0)}, Case{QColor(240, 240, 240), QColor(192, 0, 0)},
                        Case{QColor(0, 0, 0), QColor(0, 0, 128)}, Case{QColor(255, 255, 255), QColor(250, 235, 203)}}) {
    SCOPED_TRACE(c.ground.name().toStdString());
    const QColor got = readableOn(c.ground, c.preferred);
    EXPECT_GE(contrastRatio(c.ground, got), 4.5);
    if (contrastRatio(c.ground, c.preferred) >= 4.5) {
      EXPECT_EQ(got, c.preferred);
    }
  }
}
