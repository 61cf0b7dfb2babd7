// The analyser's charts under a light and a dark desktop theme: every axis
// and every text keeps a contrast of at least 4.5:1 with what it is drawn
// on, measured from the pixels of the charts the graph windows draw.
#include "Stats/ui/statsprogram.h"
#include "tests/Stats/stats_fixtures.h"
#include "tests/Stats/ui/chart_contrast.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;
using tavo::testing::AppPalette;
using tavo::testing::inkOnGround;

namespace {

using tavo::test::child;

constexpr double kLeastContrast = 4.5;

struct Area {
  const char* what;
  QRect rect;
};

// Where the frame and the scale put an axis or a text, from the chart's
// own geometry. The first slot holds no session, so nothing else is there.
std::vector<Area> inkedAreas(PeriodKind kind, bool withScale) {
  const ChartGeometry& g = chartGeometry(kind);
  std::vector<Area> areas{
      {"upper vertical axis", QRect(g.axisX - 4, 80, 9, 40)},
      {"lower vertical axis", QRect(g.axisX - 4, 220, 9, 40)},
      {"upper horizontal axis", QRect(g.x0 + 2, 158, 6, 5)},
      {"lower horizontal axis", QRect(g.x0 + 2, 198, 6, 5)},
      {"label of the first slot", QRect(g.x0, 163, g.slotWidth, 11)},
      {"label of the second slot", QRect(g.x0 + g.slotWidth, 187, g.slotWidth, 11)},
      {"first window label, on the band", QRect(g.firstWindowLabelX, 175, 40, 11)},
      {"last window label, on the band", QRect(g.lastWindowLabelX, 175, 40, 11)},
  };
  if (withScale) {
    areas.push_back({"upper scale label", QRect(0, 50, g.x0 - 5, 10)});
    areas.push_back({"lower scale label", QRect(0, 298, g.x0 - 5, 10)});
  }
  return areas;
}

class DarkThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const RegionalFormat f{QLocale(QLocale::French, QLocale::France)};
    writeFile(dir_.filePath("all_stats.csv"), {sessionLine(f, {at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}),
                                               sessionLine(f, {at(2026, 4, 20, 10), 30, 1000, 800, 100, 60})});
  }
  // The two charts of a program started under the application's palette
  // of the moment: everything drawn, then volumes alone with their scale.
  struct Charts {
    QImage day, dayVolumes, month, monthVolumes;
  };
  Charts draw() {
    tavo::test::FakeDesktop desktop;
    StatsProgram program(dir_.path(), desktop, QLocale(QLocale::French, QLocale::France));
    EXPECT_TRUE(program.Main({"TavoStat", "FR"}));
    Charts c;
    const auto run = [&](PeriodKind kind, const char* button, QImage& all, QImage& volumes) {
      QTest::mouseClick(program.mainWindow()->findChild<QPushButton*>(button), Qt::LeftButton);
      frmGraphe* g = program.graphWindow(kind);
      ASSERT_TRUE(g->isVisible()) << button;
      all = child<ChartBox>(g, "picGr")->surface().image().copy();
      QTest::mouseClick(child<QRadioButton>(g, "optTot"), Qt::LeftButton);
      volumes = child<ChartBox>(g, "picGr")->surface().image().copy();
      // What the window shows is the same picture.
      EXPECT_EQ(child<ChartBox>(g, "picGr")->grab().toImage().convertToFormat(QImage::Format_RGB32), volumes) << button;
      g->close();
    };
    run(PeriodKind::Day, "cmdJour", c.day, c.dayVolumes);
    run(PeriodKind::Month, "cmdMois", c.month, c.monthVolumes);
    return c;
  }
  void expectReadable(const Charts& c, const char* theme) {
    const struct {
      const char* chart;
      const QImage& image;
      PeriodKind kind;
      bool withScale;
    } charts[] = {{"day chart", c.day, PeriodKind::Day, false},
                  {"day volumes", c.dayVolumes, PeriodKind::Day, true},
                  {"month chart", c.month, PeriodKind::Month, false},
                  {"month volumes", c.monthVolumes, PeriodKind::Month, true}};
    for (const auto& chart : charts) {
      for (const Area& a : inkedAreas(chart.kind, chart.withScale)) {
        const auto m = inkOnGround(chart.image, a.rect);
        EXPECT_GE(m.ratio, kLeastContrast) << theme << ", " << chart.chart << ": " << a.what << ", ink "
                                           << m.ink.name().toStdString() << " on " << m.ground.name().toStdString();
      }
    }
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(DarkThemeTest, AxesAndTextsStandOutUnderALightAndADarkTheme) {
  const Charts light = draw();
  expectReadable(light, "light theme");
  Charts dark;
  {
    const AppPalette theme(tavo::testing::darkPalette());
    dark = draw();
  }
  expectReadable(dark, "dark theme");
  // The chart keeps its own colours: the same picture whatever the theme.
  EXPECT_EQ(dark.day, light.day);
  EXPECT_EQ(dark.dayVolumes, light.dayVolumes);
  EXPECT_EQ(dark.month, light.month);
  EXPECT_EQ(dark.monthVolumes, light.monthVolumes);
}
