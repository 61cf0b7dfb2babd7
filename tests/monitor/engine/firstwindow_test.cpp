// The first main window: figures and bars where the built-in layout puts
// them, fed by the tick, and the quit path.
#include "engine_fixture.h"
#include "monitor/app/mainwindow.h"

#include <QImage>
#include <QTest>

namespace tavo::monitor::testing {
namespace {

class FirstWindowTest : public EngineTest {};

TEST_F(FirstWindowTest, FiguresAndBarsFollowTheTick) {
  writeIni({QStringLiteral("Lang=EN"), QStringLiteral("Interface=2"), QStringLiteral("WindowPositionX=40"),
            QStringLiteral("WindowPositionY=30")});
  make();
  app::frmNet window(*engine);
  ASSERT_TRUE(engine->Main({}));
  window.show();
  EXPECT_EQ(window.size(), QSize(136, 131));
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window.pos(), QPoint(40, 30));
  EXPECT_EQ(window.lblUL()->geometry().right() + 1, 100);
  EXPECT_EQ(window.lblUL()->geometry().top(), 80);
  EXPECT_EQ(window.lblDL()->geometry().right() + 1, 100);
  EXPECT_EQ(window.lblDL()->geometry().top(), 93);
  EXPECT_TRUE(window.lblDL()->font().underline());  // the graph shows download

  tick();
  tick(131072, 1234 * 1024);  // a full bar (1024 kbit/s) as the newest
  EXPECT_EQ(window.lblUL()->text(), QStringLiteral("1234 kB/s UL"));
  EXPECT_EQ(window.lblDL()->text(), QStringLiteral("128 kB/s DL"));
  EXPECT_FLOAT_EQ(window.bars()[0], 50.0f);

  const QImage img = window.grab().toImage();
  const QRgb ink = qRgb(60, 0, 150);
  EXPECT_EQ(img.pixel(97, 72), ink);  // newest bar: rightmost column, from the base up
  EXPECT_EQ(img.pixel(97, 24), ink);
  EXPECT_NE(img.pixel(96, 60), ink);  // the older bar is empty
  EXPECT_EQ(img.pixel(37, 22), ink);  // frame corner
}

TEST_F(FirstWindowTest, EscapeQuitsThroughTheSavingPath) {
  make();
  app::frmNet window(*engine);
  ASSERT_TRUE(engine->Main({}));
  window.show();
  ticks(61, 1000, 1000);
  ASSERT_TRUE(exists(QStringLiteral("session_stats.csv")));
  bool quit = false;
  window.onQuit = [&] {
    engine->QuitSave();
    quit = true;
  };
  window.move(200, 150);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(quit);
  EXPECT_FALSE(exists(QStringLiteral("session_stats.csv")));
  EXPECT_EQ(lines(QStringLiteral("all_stats.csv")).size(), 1);
  EXPECT_TRUE(lines(QStringLiteral("Tavo.ini")).contains(QStringLiteral("WindowPositionX=200")));
}

}  // namespace
}  // namespace tavo::monitor::testing
