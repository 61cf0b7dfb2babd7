// The updater program against a local server reached through the
// run-time host override: what it asks, and when its window shows.
#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "Update/ui/form1.h"
#include "Update/ui/updaterprogram.h"
#include "tests/Update/versionserver.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

using namespace tavo::update;
using tavo::update::testing::VersionServer;

namespace {

constexpr int kShortTimeoutMs = 300;

using tavo::test::child;

class UpdaterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listen());
    qputenv("TAVO_WEB_HOST", server.host().toUtf8());
    desktop.onOpen = [this](const QUrl& url) {
      opened << url;
      return true;
    };
    desktop.onQuit = [this] { ++quits; };
  }
  void TearDown() override { qunsetenv("TAVO_WEB_HOST"); }

  // Starts the program as the monitor does and waits until it has either
  // shown its window or ended.
  std::unique_ptr<UpdaterProgram> run(const QStringList& arguments) {
    auto program = std::make_unique<UpdaterProgram>(webHost(), desktop, kShortTimeoutMs);
    if (program->start(QStringList{"Update"} + arguments)) {
      UpdaterProgram* p = program.get();
      EXPECT_TRUE(QTest::qWaitFor([p] { return p->ended() || p->window().isVisible(); }, 10000));
    }
    return program;
  }

  VersionServer server;
  tavo::test::FakeDesktop desktop;
  QList<QUrl> opened;
  int quits = 0;
};

struct AnswerCase {
  const char* name;
  QStringList arguments;
  int status;
  QByteArray body;
  bool shown;
};
void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class UpdaterAnswers : public UpdaterTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(UpdaterAnswers, ShowsTheWindowOnlyForANewerVersion) {
  const AnswerCase& c = GetParam();
  server.answer(c.status, c.body);
  auto program = run(c.arguments);
  EXPECT_EQ(server.requests, QStringList{"GET /tavo.txt HTTP/1.1"});
  EXPECT_EQ(program->window().isVisible(), c.shown);
  EXPECT_EQ(program->ended(), !c.shown);
  EXPECT_EQ(quits, c.shown ? 0 : 1);
  if (c.shown) {
    EXPECT_EQ(child<QLabel>(program->window(), "lblDispo")->text(), QString::fromUtf8(c.body));
  }
}

const QStringList kMonitorFR{"Tavo", "3.05", "FR"};

INSTANTIATE_TEST_SUITE_P(Bodies, UpdaterAnswers,
                         ::testing::Values(AnswerCase{"Newer", kMonitorFR, 200, "3.06", true},
                                           AnswerCase{"NewerByText", kMonitorFR, 200, "3.10", true},
                                           AnswerCase{"WithALineEnd", kMonitorFR, 200, "3.06\r\n", false},
                                           AnswerCase{"Equal", kMonitorFR, 200, "3.05", false},
                                           AnswerCase{"Older", kMonitorFR, 200, "3.04", false},
                                           AnswerCase{"TenSortsBeforeThree", kMonitorFR, 200, "10.0", false},
                                           AnswerCase{"Empty", kMonitorFR, 200, "", false},
                                           AnswerCase{"NotFound", kMonitorFR, 404, "3.06", false},
                                           AnswerCase{"ServerError", kMonitorFR, 500, "3.06", false},
                                           AnswerCase{"Huge", kMonitorFR, 200, QByteArray(1 << 20, '9'), false},
                                           AnswerCase{"OneTokenOnly", {"Tavo"}, 200, "0.01", true},
                                           // Four bytes that are no version: none opens the window.
                                           AnswerCase{"NineAndZeros", kMonitorFR, 200, QByteArray("9\0\0\0", 4), false},
                                           AnswerCase{"NineAndControls", kMonitorFR, 200, "9\t\x01\x1b", false},
                                           AnswerCase{"DeleteCharacter", kMonitorFR, 200, "9.0\x7f", false},
                                           AnswerCase{"FourFFBytes", kMonitorFR, 200, "\xff\xff\xff\xff", false},
                                           AnswerCase{"ByteOrderMarkThenVersion", kMonitorFR, 200,
                                                      "\xef\xbb\xbf"
                                                      "3.06",
                                                      false},
                                           AnswerCase{"CutUtf8", kMonitorFR, 200, "3.0\xc3", false},
                                           // Four printable characters of UTF-8 text are a version.
                                           AnswerCase{"Accented", kMonitorFR, 200, "\xc3\xa9t\xc3\xa9!", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdaterTest, ARedirectIsFollowedOnlyOnTheSameHost) {
  // Within the host: followed, and its version shown.
  server.answer(200, "3.07");
  server.redirect("/moved.txt", "/tavo.txt");
  auto program = run(kMonitorFR);
  ASSERT_TRUE(program->window().isVisible());
  EXPECT_EQ(child<QLabel>(program->window(), "lblDispo")->text(), "3.07");
  EXPECT_EQ(server.requests, (QStringList{"GET /tavo.txt HTTP/1.1", "GET /moved.txt HTTP/1.1"}));

  // Another port is another host.
  VersionServer other;
  ASSERT_TRUE(other.listen());
  other.answer(200, "9.99");
  server.requests.clear();
  server.redirect((other.host() + "/tavo.txt").toUtf8());
  program = run(kMonitorFR);
  EXPECT_TRUE(program->ended());
  EXPECT_FALSE(program->window().isVisible());
  QTest::qWait(100);
  EXPECT_TRUE(other.requests.isEmpty());
}

TEST_F(UpdaterTest, ARedirectToAnotherHostIsNotFollowed) {
  VersionServer other;
  if (!other.listen(QHostAddress("127.0.0.2"))) GTEST_SKIP() << "127.0.0.2 is not a loopback address here";
  other.answer(200, "9.99");
  server.redirect((other.host() + "/tavo.txt").toUtf8());
  auto program = run(kMonitorFR);
  EXPECT_TRUE(program->ended());
  EXPECT_FALSE(program->window().isVisible());
  EXPECT_EQ(server.requests.size(), 1);
  QTest::qWait(100);
  EXPECT_TRUE(other.requests.isEmpty()) << other.requests.join(", ").toStdString();
}

TEST_F(UpdaterTest, NewerVersionShowsBothVersionsAndTheFrenchTexts) {
  server.answer(200, "3.06");
  auto program = run(kMonitorFR);
  Form1& w = program->window();
  ASSERT_TRUE(w.isVisible());
  EXPECT_EQ(w.windowTitle(), "Tavo - Update");
  EXPECT_EQ(child<QLabel>(w, "lblCurrent")->text(), "3.05");
  EXPECT_EQ(child<QLabel>(w, "lblDispo")->text(), "3.06");
  EXPECT_EQ(child<QLabel>(w, "Label1")->text(), "Votre version actuelle :");
  EXPECT_EQ(child<QLabel>(w, "Label2")->text(), "Dernière version disponible :");
  EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "Pour télécharger la dernière version...");
  EXPECT_EQ(child<QPushButton>(w, "cmdClose")->text(), "Fermer");
  EXPECT_EQ(child<QLabel>(w, "Label4")->text(), server.host());
}

TEST_F(UpdaterTest, OnlyENInCapitalsGivesEnglish) {
  const struct {
    const char* code;
    bool english;
  } cases[] = {{"EN", true}, {"en", false}, {"Fr", false}, {"FR", false}};
  server.answer(200, "9.99");
  for (const auto& c : cases) {
    auto program = run({"Zenfo", "1.00", c.code});
    Form1& w = program->window();
    ASSERT_TRUE(w.isVisible()) << c.code;
    EXPECT_EQ(child<QLabel>(w, "Label1")->text(), c.english ? "Your current version :" : "Votre version actuelle :")
        << c.code;
    EXPECT_EQ(child<QLabel>(w, "Label2")->text(),
              c.english ? "Latest available version :" : "Dernière version disponible :");
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(),
              c.english ? "Download the latest version..." : "Pour télécharger la dernière version...");
    EXPECT_EQ(child<QPushButton>(w, "cmdClose")->text(), c.english ? "Close" : "Fermer");
    EXPECT_EQ(w.windowTitle(), "Zenfo - Update");
  }
  EXPECT_EQ(server.requests.size(), 4);
  EXPECT_EQ(server.requests.first(), "GET /zenfo.txt HTTP/1.1");
}

TEST_F(UpdaterTest, TwoBlanksMakeTheVersionTheLanguage) {
  server.answer(200, "0.00");
  auto program = run({"Tavo  3.05 EN"});
  Form1& w = program->window();
  ASSERT_TRUE(w.isVisible());
  EXPECT_EQ(child<QLabel>(w, "lblCurrent")->text(), "");
  EXPECT_EQ(child<QLabel>(w, "lblDispo")->text(), "0.00");
  EXPECT_EQ(child<QLabel>(w, "Label1")->text(), "Votre version actuelle :");
}

TEST_F(UpdaterTest, RichTextFromTheServerIsShownAsItIs) {
  server.answer(200, "<b>9");
  auto program = run({"Tavo", "<a>1", "FR"});
  Form1& w = program->window();
  ASSERT_TRUE(w.isVisible());
  for (QLabel* label : {child<QLabel>(w, "lblDispo"), child<QLabel>(w, "lblCurrent"), child<QLabel>(w, "Label4")})
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_EQ(child<QLabel>(w, "lblDispo")->text(), "<b>9");
  EXPECT_EQ(child<QLabel>(w, "lblCurrent")->text(), "<a>1");
  // Drawn as plain text, the markup's characters take room of their own.
  QLabel reference;
  reference.setText("9");
  EXPECT_GT(child<QLabel>(w, "lblDispo")->sizeHint().width(), reference.sizeHint().width() * 2);
}

TEST_F(UpdaterTest, NoRequestWithoutAKnownProduct) {
  server.answer(200, "9.99");
  for (const QStringList& arguments : {QStringList{}, QStringList{"tavo", "3.05", "FR"}, QStringList{" 3.05 FR"}}) {
    auto program = run(arguments);
    EXPECT_TRUE(program->ended());
    EXPECT_FALSE(program->window().isVisible());
  }
  QTest::qWait(100);
  EXPECT_TRUE(server.requests.isEmpty()) << server.requests.join(", ").toStdString();
  // Ended before any event loop runs: nothing to leave.
  EXPECT_EQ(quits, 0);
}

TEST_F(UpdaterTest, AServerThatNeverAnswersEndsAfterTheTimeOut) {
  server.neverAnswer();
  auto program = run(kMonitorFR);
  EXPECT_TRUE(program->ended());
  EXPECT_FALSE(program->window().isVisible());
  EXPECT_EQ(server.requests.size(), 1);
  EXPECT_EQ(quits, 1);
}

TEST_F(UpdaterTest, AClosedPortEndsSilently) {
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
  const quint16 port = closed.serverPort();
  closed.close();
  qputenv("TAVO_WEB_HOST", QByteArray("http://127.0.0.1:") + QByteArray::number(port));
  auto program = run(kMonitorFR);
  EXPECT_TRUE(program->ended());
  EXPECT_FALSE(program->window().isVisible());
  EXPECT_EQ(quits, 1);
}

TEST_F(UpdaterTest, TheLinkOpensTheProductPageAndCloseEnds) {
  server.answer(200, "2.00");
  auto program = run({"Quorbel", "1.00", "EN"});
  Form1& w = program->window();
  ASSERT_TRUE(w.isVisible());
  QTest::mouseClick(child<QLabel>(w, "Label4"), Qt::LeftButton);
  EXPECT_EQ(opened, QList<QUrl>{QUrl(server.host() + "/quorb.php")});
  EXPECT_EQ(quits, 0);
  QTest::mouseClick(child<QPushButton>(w, "cmdClose"), Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(program->ended());
  EXPECT_EQ(quits, 1);
}

TEST_F(UpdaterTest, TheCloseBoxEnds) {
  server.answer(200, "2.00");
  auto program = run({"Pilmar", "1.00", "FR"});
  ASSERT_TRUE(program->window().isVisible());
  program->window().close();
  EXPECT_TRUE(program->ended());
  EXPECT_EQ(quits, 1);
}

}  // namespace
