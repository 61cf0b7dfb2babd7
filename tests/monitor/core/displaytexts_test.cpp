// The figures' captions in each display mode and language, and the shortened texts.
#include "tests/monitor/core/engine_fixture.h"

#include <QSignalSpy>

namespace tavo::monitor::testing {
namespace {

TEST_F(EngineTest, LabelTextsFollowTheDisplayOption) {
  writeIni({QStringLiteral("Lang=EN"), QStringLiteral("Interface=2")});
  start();
  QSignalSpy spy(engine.get(), &MonitorEngine::rateTextsChanged);
  struct Case {
    Option option;
    std::uint64_t ul, dl;
    const char* ulText;
    const char* dlText;
  };
  const Case cases[] = {
      {Option::Inbits, 131072, 1024, "1024 kb/s UL", "8 kb/s DL"},
      {Option::InBytes, 1234 * 1024, 2048, "1234 kB/s UL", "2 kB/s DL"},
      {Option::Cumul, 0, 0, "1.3 MB UL", "0 MB DL"},
  };
  for (const Case& c : cases) {
    engine->settings().setOption(c.option, true);
    tick(c.dl, c.ul);
    EXPECT_EQ(engine->ulText(), QString::fromLatin1(c.ulText));
    EXPECT_EQ(engine->dlText(), QString::fromLatin1(c.dlText));
  }
  engine->settings().setOption(Option::Mean, true);
  tick();
  EXPECT_TRUE(engine->ulText().endsWith(QStringLiteral(" kb/s UL")));
  EXPECT_EQ(spy.count(), 4);
  // With every display option off the figures are left as they are.
  engine->settings().setOption(Option::Mean, false);
  tick(0, 999999);
  EXPECT_EQ(spy.count(), 4);
}

TEST_F(EngineTest, FrenchUnitWordsAndRegionalDecimal) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  writeIni({QStringLiteral("Interface=2"), QStringLiteral("CumuledMode=Vrai")});
  start();
  tick(0, 12 * 1048576 + 524288);
  EXPECT_EQ(engine->ulText(), QStringLiteral("12,5 MO UL"));
  EXPECT_EQ(engine->Interfaces.entries[0].description, QStringLiteral("Toutes les interfaces"));
  engine->settings().setOption(Option::InBytes, true);
  tick(0, 2048);
  EXPECT_EQ(engine->ulText(), QStringLiteral("2 kO/s UL"));
}

TEST(TextHelpers, ShortenAndElapsed) {
  const QString s65(65, QLatin1Char('a')), s66 = s65 + QLatin1Char('b');
  EXPECT_EQ(ShortenText(s65), s65);
  EXPECT_EQ(ShortenText(s66), s65.left(62) + "...");
  EXPECT_EQ(ShortenText(s66).size(), 65);
  const QString p50(50, QLatin1Char('x')), p51 = QStringLiteral("/") + p50;
  EXPECT_EQ(ShortenPath(p50), p50);
  EXPECT_EQ(ShortenPath(p51), QStringLiteral("...") + p50.right(47));
  EXPECT_EQ(ShortenPath(QStringLiteral("----")), QStringLiteral("----"));
  struct Case {
    double s;
    const char* text;
  };
  for (const Case& c : {Case{0, "0 h : 0 m"}, Case{93784, "26 h : 3 m"}, Case{59.9, "0 h : 0 m"},
                        Case{3600, "1 h : 0 m"}, Case{-30, "-1 h : 59 m"}, Case{1e20, "596523 h : 14 m"}})
    EXPECT_EQ(FormatElapsed(c.s), QString::fromLatin1(c.text)) << c.s;
}

}  // namespace
}  // namespace tavo::monitor::testing
