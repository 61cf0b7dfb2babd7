// What the analyser shows of sessions that end before they start and of a
// statistics file it cannot read: the summary's own labels, and the built
// TavoStat on a private desktop under Paris time.
#include "Stats/ui/statsprogram.h"
#include "tests/Stats/stats_fixtures.h"
#include "tests/common/privatedesktop.h"
#include "tests/support/fakedesktop.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

namespace {

QLocale frenchLocale() { return QLocale(QLocale::French, QLocale::France); }

// The process runs in Paris time while the test lasts.

// Lines as the monitor writes them under Paris time, in the regional
// format f: a session from 02:50 summer time to 02:10 winter time on the
// night the clocks go back (25 October 2026), or to the local time `end`
// instead, then a session of the morning.
QStringList nightOfTheChange(const RegionalFormat& f, const std::optional<QDateTime>& end = std::nullopt) {
  const QDateTime start(QDate(2026, 10, 25), QTime(0, 50), QTimeZone::utc());
  const QString endText = end ? f.dateTimeText(*end) : f.dateTimeText(start.addSecs(20 * 60).toLocalTime());
  return {f.dateTimeText(start.toLocalTime()) + ';' + endText + ";9000;800;600;50",
          f.dateTimeText(at(2026, 10, 25, 10)) + ';' + f.dateTimeText(at(2026, 10, 25, 11)) + ";5000;700;300;30"};
}
const QDateTime kSetBack = at(2025, 8, 12, 10, 50);  // some 10000 hours before
const QDateTime kNoMinutes = at(2026, 10, 25, 2, 50);

class ProgramFiguresTest : public ::testing::Test {
 protected:
  StatsProgram& start() {
    desktop_.onAsk = [this](const BoxRequest& box) {
      messages_.push_back({box.title, box.text});
      return QMessageBox::Ok;
    };
    program_ = std::make_unique<StatsProgram>(dir_.path(), desktop_, frenchLocale());
    started_ = program_->Main({"TavoStat", "FR"});
    return *program_;
  }
  QString text(const char* name) {
    auto* w = program_->mainWindow()->findChild<QWidget*>(name);
    if (!w) {
      ADD_FAILURE() << "no control " << name;
      return {};
    }
    return captionOf(w);
  }
  ParisTime paris_;
  QTemporaryDir dir_;
  tavo::test::FakeDesktop desktop_;  // outlives every program
  std::unique_ptr<StatsProgram> program_;
  std::vector<MessageText> messages_;
  bool started_ = false;
};

// The client window of a program as the X server holds it.
QImage grabWindow(tavo::testing::XDesktop& desktop, xcb_window_t w) {
  const QRect g = desktop.geometry(w);
  if (g.isEmpty()) return {};
  xcb_connection_t* c = desktop.connection();
  xcb_get_image_reply_t* reply = xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, std::uint16_t(g.width()), std::uint16_t(g.height()), ~0u),
      nullptr);
  if (!reply) return {};
  QImage image;
  if (xcb_get_image_data_length(reply) == g.width() * g.height() * 4) {
    image = QImage(g.width(), g.height(), QImage::Format_RGB32);
    for (int y = 0; y < g.height(); ++y)
      std::memcpy(image.scanLine(y), xcb_get_image_data(reply) + y * g.width() * 4, std::size_t(g.width()) * 4);
  }
  std::free(reply);
  return image;
}

}  // namespace

TEST_F(ProgramFiguresTest, TheSummaryShowsNoNegativeDurationOrRate) {
  const RegionalFormat f{frenchLocale()};
  ASSERT_EQ(nightOfTheChange(f)[0].left(40), "25/10/2026 02:50:00;25/10/2026 02:10:00;");
  const struct {
    const char* what;
    std::optional<QDateTime> end;
  } cases[] = {{"the autumn change of time", std::nullopt}, {"the clock set back by 10000 hours", kSetBack}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dir_.filePath("all_stats.csv"), nightOfTheChange(f, c.end));
    start();
    ASSERT_TRUE(started_);
    EXPECT_TRUE(messages_.empty());
    for (const char* n : {"lblDur", "lblDurJour", "lblDurMois"}) EXPECT_EQ(text(n), "1 h 00") << n;
    EXPECT_EQ(text("lblDtot"), "900");
    EXPECT_EQ(text("lblUTot"), "80");
    EXPECT_EQ(text("lblDmoy"), "2048");
    EXPECT_EQ(text("lblUmoy"), "182");
    EXPECT_EQ(text("lblDmoy_max_j"), "2048");
  }
}

TEST_F(ProgramFiguresTest, AStatisticsFileThatCannotBeReadSaysSoInItsLanguage) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("all_stats.csv"));
  start();
  EXPECT_FALSE(started_);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].title, "Tavo - Erreur");
  EXPECT_EQ(messages_[0].text, unreadableStatisticsMessage(true).text);
  EXPECT_NE(messages_[0].text, noStatisticsMessage(true).text);
  EXPECT_TRUE(messages_[0].text.startsWith("     ") && messages_[0].text.endsWith("     "));
  EXPECT_TRUE(unreadableStatisticsMessage(false).text.contains("all_stats.csv"));
  EXPECT_EQ(unreadableStatisticsMessage(false).title, "Tavo - Error");
}

// The built program, under Paris time, on the night of the change: its
// summary must look exactly as for the same sessions with the backward one
// written as a session of no minutes.
TEST(ProgramOnTheNightOfTheChange, ShowsTheSummaryOfASessionOfNoMinutes) {
  const QString built = qEnvironmentVariable("TAVO_SUITE_DIR") + "/TavoStat";
  if (!QFile::exists(built)) GTEST_SKIP() << "TavoStat not built in " << built.toStdString();
  tavo::testing::XDesktop desktop;
  const bool onDesktop = tavo::testing::startPrivateDesktop(desktop);
  ASSERT_FALSE(HasFailure());
  if (!onDesktop) GTEST_SKIP() << tavo::testing::kNoPrivateDesktop;
  const ParisTime paris;
  const QString title = QString::fromUtf8("Tavo - Statistiques - Résumé");
  const auto summaryOf = [&](const QStringList& lines) -> QImage {
    QTemporaryDir dir;
    const QString program = dir.filePath("TavoStat");
    if (!QFile::copy(built, program)) return {};
    writeFile(dir.filePath("all_stats.csv"), lines);
    QProcess p;
    QProcessEnvironment env = desktop.environment();
    env.insert("TZ", "Europe/Paris");
    p.setProcessEnvironment(env);
    p.start(program, {"FR"});
    QImage shown;
    if (p.waitForStarted(10000) && tavo::testing::windowShown(desktop, p.processId(), title)) {
      const auto window = desktop.clientOf(p.processId(), title);
      // Grabbed once two looks a moment apart agree: the window is painted.
      QImage previous;
      tavo::testing::XDesktop::waitFor([&] {
        QTest::qWait(200);
        shown = grabWindow(desktop, *window);
        const bool settled = !shown.isNull() && shown == previous;
        previous = shown;
        return settled;
      });
    }
    p.kill();
    p.waitForFinished(5000);
    return shown;
  };
  const RegionalFormat f;  // the regional settings the monitor writes with
  const QImage noMinutes = summaryOf(nightOfTheChange(f, kNoMinutes));
  ASSERT_FALSE(noMinutes.isNull());
  EXPECT_EQ(summaryOf(nightOfTheChange(f)), noMinutes) << "the autumn change of time";
  EXPECT_EQ(summaryOf(nightOfTheChange(f, kSetBack)), noMinutes) << "the clock set back";
}
