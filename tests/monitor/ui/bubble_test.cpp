#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "monitor/ui/monitorwindows.h"
#include "tests/monitor/ui/views_fixture.h"
#include "tests/support/controls.h"

using namespace tavo::monitor;
using tavo::monitor::testing::moveOver;
using tavo::monitor::testing::ViewsTest;

class BubbleTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    start();
    desktop.onPointerPosition = [this] { return pointer; };
    desktop.onScreenGeometryAt = [this](QPoint) { return screen; };
    bg = std::make_unique<MonitorWindows>(*engine, desktop);
    bg->setHoverWidget(&hover);
    setGraph(HoverArea::fromTopLeftAndSize({100, 100}, QSize(60, 50)));
  }
  // The mini graph's label stands where the area is; no area: hidden.
  void setGraph(std::optional<HoverArea> area) {
    if (!area) {
      hover.hide();
      return;
    }
    hover.setGeometry(area->left, area->top, area->right - area->left, area->bottom - area->top);
    hover.show();
  }
  void TearDown() override {
    bg.reset();
    ViewsTest::TearDown();
  }
  frmBulle& bubble() { return bg->bubble(); }

  std::unique_ptr<MonitorWindows> bg;
  QPoint pointer{150, 120};
  QRect screen{0, 0, 1920, 1080};
  QWidget hover{nullptr, Qt::FramelessWindowHint};
};

TEST_F(BubbleTest, HoverDelayShowsTheBubbleNearThePointer) {
  EXPECT_FALSE(bg->BubbleShown());
  bg->lblGraphe_MouseMove();
  EXPECT_TRUE(tavo::test::child<QTimer>(bubble(), "tmrShow")->isActive());
  EXPECT_EQ(tavo::test::child<QTimer>(bubble(), "tmrShow")->interval(), 500);
  EXPECT_FALSE(bubble().isVisible());
  QTRY_VERIFY_WITH_TIMEOUT(bubble().isVisible(), 3000);
  EXPECT_TRUE(bg->BubbleShown());
  EXPECT_TRUE(engine->BubbleShown);
  EXPECT_FALSE(tavo::test::child<QTimer>(bubble(), "tmrShow")->isActive());
  EXPECT_EQ(bubble().pos(), QPoint(156, 125));  // upper-left quarter: 6 right, 5 below
  EXPECT_EQ(bubble().size(), QSize(287, 127));
  // Shown: further moves over the graph do not arm the delay again.
  bg->lblGraphe_MouseMove();
  EXPECT_FALSE(tavo::test::child<QTimer>(bubble(), "tmrShow")->isActive());
}

TEST_F(BubbleTest, PlacedTowardsTheScreenCentreInEachQuarter) {
  setGraph(HoverArea{0, 0, 1920, 1080});
  struct Case {
    QPoint p, corner;
  };
  for (auto [p, corner] : {Case{{100, 100}, {106, 105}}, Case{{1800, 1000}, {1546, 915}},
                           Case{{1800, 100}, {1546, 105}}, Case{{100, 1000}, {106, 915}}}) {
    pointer = p;
    bg->tmrShow_Timer();
    EXPECT_TRUE(bubble().isVisible());
    EXPECT_EQ(bubble().pos(), corner) << p.x() << "," << p.y();
  }
  // On a second screen to the right the centre is that screen's.
  screen = QRect(1920, 0, 1280, 1024);
  setGraph(HoverArea{1920, 0, 3200, 1024});
  pointer = {3000, 900};
  bg->TrackBubble();
  EXPECT_EQ(bubble().pos(), QPoint(2746, 815));
}

TEST_F(BubbleTest, PointerAlreadyGoneWhenTheDelayEndsShowsNothing) {
  bg->lblGraphe_MouseMove();
  pointer = {500, 500};  // left the main window within the half second
  bg->tmrShow_Timer();
  EXPECT_FALSE(bubble().isVisible());
  EXPECT_FALSE(bg->BubbleShown());
  // No hover area (main window hidden): never shown either.
  pointer = {150, 120};
  setGraph(std::nullopt);
  bg->tmrShow_Timer();
  EXPECT_FALSE(bubble().isVisible());
}

TEST_F(BubbleTest, HideRules) {
  // The bounds of the area count as inside: right = 160, bottom = 150.
  pointer = {160, 150};
  bg->tmrShow_Timer();
  ASSERT_TRUE(bubble().isVisible());
  // A move over another part of the main window hides at once.
  bg->HideBubble();
  EXPECT_FALSE(bubble().isVisible());
  EXPECT_FALSE(engine->BubbleShown);

  // A move over the bubble's labels keeps it; over its background hides it.
  bg->tmrShow_Timer();
  ASSERT_TRUE(bubble().isVisible());
  moveOver(tavo::test::child<QLabel>(bubble(), "lblDinst"), {5, 5});
  moveOver(tavo::test::child<QLabel>(bubble(), "Label7"), {5, 5});
  EXPECT_TRUE(bubble().isVisible());
  moveOver(&bubble(), {2, 2});
  EXPECT_FALSE(bubble().isVisible());
  EXPECT_FALSE(bg->BubbleShown());

  // Armed but not shown: a move elsewhere disarms the delay.
  bg->lblGraphe_MouseMove();
  bg->HideBubble();
  EXPECT_FALSE(tavo::test::child<QTimer>(bubble(), "tmrShow")->isActive());

  // Leaving the main window directly: the next tick hides it.
  pointer = {130, 120};
  bg->tmrShow_Timer();
  ASSERT_TRUE(bubble().isVisible());
  pointer = {161, 120};
  tick();
  EXPECT_FALSE(bubble().isVisible());
  EXPECT_FALSE(engine->BubbleShown);
}

TEST_F(BubbleTest, FiguresFollowTheTickAndThePointer) {
  ticks(3, 12800, 6400);  // 100 and 50 kbit/s
  bg->tmrShow_Timer();
  ASSERT_TRUE(bubble().isVisible());
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblDinst")->text(), "100");
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblUinst")->text(), "50");
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblDmax")->text(), "100");
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblUmax")->text(), "50");
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblDmoy")->text(), QString::number(engine->Counters.MeanDL));
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblUmoy")->text(), QString::number(engine->Counters.MeanUL));
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblDtot")->text(),
            engine->regional().oneDecimal(engine->Counters.MBytesShownDL));

  // Between ticks nothing changes, even when the traffic does.
  src.add("eth0", 1 << 20, 0);
  pointer = {140, 130};
  EXPECT_EQ(bubble().pos(), QPoint(156, 125));
  clock.advanceSeconds(1);
  engine->frmNet_tmrMainTimer_Timer();
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblDinst")->text(), QString::number(engine->Counters.KbitDL));
  EXPECT_EQ(tavo::test::child<QLabel>(bubble(), "lblDinst")->text(), "8192");
  EXPECT_EQ(bubble().pos(), QPoint(146, 135));
}

TEST_F(BubbleTest, FrenchAndEnglishTexts) {
  frmBulle& b = bubble();
  EXPECT_EQ(b.windowTitle(), "Tavo - Compteurs");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label1")->text(), "Débit instantané (kbit/s) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label4")->text(), "Total transféré (MOctets) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label5")->text(), "Débit moyen (kbit/s) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label6")->text(), "Débit maximum (kbit/s) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label7")->text(), "Double clic sur Tavo pour afficher l'historique");
  bg->applyTexts(false);
  EXPECT_EQ(b.windowTitle(), "Tavo - Compteurs");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label1")->text(), "Instant rates (kbit/s) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label4")->text(), "Data transferred (MBytes) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label5")->text(), "Average rates (kbit/s) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label6")->text(), "Maximum rates (kbit/s) :");
  EXPECT_EQ(tavo::test::child<QLabel>(b, "Label7")->text(), "Double click on Tavo for detailed graph");
  for (bool french : {true, false}) {
    bg->applyTexts(french);
    EXPECT_EQ(tavo::test::child<QLabel>(b, "Label3")->text(), "Download");
    EXPECT_EQ(tavo::test::child<QLabel>(b, "Label2")->text(), "Upload");
    // Every title is whole inside its label, whatever the system font.
    for (QLabel* l : {tavo::test::child<QLabel>(b, "Label1"), tavo::test::child<QLabel>(b, "Label4"),
                      tavo::test::child<QLabel>(b, "Label5"), tavo::test::child<QLabel>(b, "Label6"),
                      tavo::test::child<QLabel>(b, "Label7")})
      EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text();
  }
}

TEST_F(BubbleTest, HoverAreaIsTheMainWindowsGraphLabel) {
  QWidget main;
  main.setGeometry(200, 300, 136, 131);
  auto* lblGraphe = new QWidget(&main);
  lblGraphe->setGeometry(38, 60, 60, 50);
  MonitorWindows real(*engine, desktop);
  real.setHoverWidget(lblGraphe);
  // Not shown: the pointer never counts as over it.
  const QPoint origin = lblGraphe->mapToGlobal(QPoint(0, 0));
  pointer = origin + QPoint(10, 10);
  real.tmrShow_Timer();
  EXPECT_FALSE(real.bubble().isVisible());
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  const QPoint shownOrigin = lblGraphe->mapToGlobal(QPoint(0, 0));
  pointer = shownOrigin + QPoint(60, 50);  // the column right of and the row below the label count
  real.tmrShow_Timer();
  EXPECT_TRUE(real.bubble().isVisible());
  pointer = shownOrigin + QPoint(61, 10);
  real.TrackBubble();
  EXPECT_FALSE(real.bubble().isVisible());
  EXPECT_FALSE(engine->BubbleShown);
}
