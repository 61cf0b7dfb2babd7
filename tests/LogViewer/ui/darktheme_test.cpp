// The log graph under a light and a dark desktop theme: its axes and texts
// keep a contrast of at least 4.5:1 with what they are drawn on, measured
// from the pixels of the graph window's picture.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "LogViewer/core/loggraph.h"
#include "LogViewer/ui/frmgraphe.h"
#include "LogViewer/ui/frmmain.h"
#include "LogViewer/ui/logviewerprogram.h"
#include "tests/LogViewer/logviewer_test_util.h"
#include "tests/Stats/ui/chart_contrast.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

using namespace tavo::logv;
using tavo::testing::AppPalette;
using tavo::testing::inkOnGround;

namespace {

using tavo::test::child;

constexpr double kLeastContrast = 4.5;

class DarkThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("logs"));
    const tavo::RegionalFormat format{tavo::logv::testing::frenchLocale()};
    ASSERT_TRUE(tavo::logv::testing::writeLog(dir_.filePath("logs/log.csv"),
                                              tavo::logv::testing::sampleLines(
                                                  format, QDateTime(QDate(2026, 12, 9), QTime(14, 7)), 700,
                                                  [](int i) { return i % 100 + 1; }, [](int) { return 7; })));
  }
  // The graph of the log, drawn by a program started under the
  // application's palette of the moment.
  QImage draw() {
    tavo::test::FakeDesktop desktop;
    LogViewerProgram p(dir_.path(), desktop, tavo::logv::testing::frenchLocale());
    EXPECT_TRUE(p.start({"TavoLogV", "FR"}));
    QListWidget* list = child<QListWidget>(&p.mainWindow(), "flLog");
    const auto items = list->findItems("log.csv", Qt::MatchExactly);
    EXPECT_EQ(items.size(), 1);
    if (items.isEmpty()) return {};
    list->setCurrentItem(items.first());
    QTest::mouseClick(child<QPushButton>(&p.mainWindow(), "cmdSelect"), Qt::LeftButton);
    frmGraphe& g = p.graphWindow();
    EXPECT_TRUE(g.isVisible());
    // The picture as the window shows it, with the captions on it.
    return child<GraphPicture>(&g, "picGr")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  static void expectReadable(const QImage& graph, const char* theme) {
    const struct {
      const char* what;
      QRect rect;
    } areas[] = {
        {"download axis, vertical", QRect(101, 40, 8, 90)},
        {"upload axis, vertical", QRect(101, 170, 8, 90)},
        {"download axis, horizontal", QRect(300, 139, 20, 3)},
        {"upload axis, horizontal", QRect(300, 159, 20, 3)},
        {"download maximum", QRect(0, 28, 100, 11)},
        {"upload maximum", QRect(0, 260, 100, 11)},
        {"time labels", QRect(110, 144, 600, 12)},
        {"download caption", QRect(4, 4, 100, 14)},
        {"upload caption", QRect(4, kGraphHeight - 20, 100, 14)},
    };
    for (const auto& a : areas) {
      const auto m = inkOnGround(graph, a.rect);
      EXPECT_GE(m.ratio, kLeastContrast) << theme << ": " << a.what << ", ink " << m.ink.name().toStdString() << " on "
                                         << m.ground.name().toStdString();
    }
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(DarkThemeTest, AxesAndTextsStandOutUnderALightAndADarkTheme) {
  const QImage light = draw();
  ASSERT_FALSE(light.isNull());
  expectReadable(light, "light theme");
  QImage dark;
  {
    const AppPalette theme(tavo::testing::darkPalette());
    dark = draw();
  }
  ASSERT_FALSE(dark.isNull());
  expectReadable(dark, "dark theme");
  // The graph keeps its own colours: the same picture whatever the theme.
  EXPECT_EQ(dark, light);
}
