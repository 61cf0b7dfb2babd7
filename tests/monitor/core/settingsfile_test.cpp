// Tavo.ini: defaults, reading, clamping and writing.
#include "tests/monitor/core/engine_fixture.h"

#include <QSignalSpy>

namespace tavo::monitor::testing {
namespace {

class SettingsTest : public EngineTest {
 protected:
  // Reads Tavo.ini holding these lines into a fresh engine, as start-up does.
  MonitorEngine& load(const QStringList& ini) {
    writeIni(ini);
    make();
    counters().ReadInterfaceTable();
    settingsFile().InitDefaults();
    settingsFile().LoadSettings();
    return *engine;
  }
  QStringList ini() const { return lines(QStringLiteral("Tavo.ini")); }
};

TEST_F(SettingsTest, DefaultsWithoutAFile) {
  make();
  counters().ReadInterfaceTable();
  settingsFile().InitDefaults();
  settingsFile().LoadSettings();
  const MonitorSettings& s = engine->settings();
  EXPECT_TRUE(engine->IsFrench);
  EXPECT_EQ(engine->Interfaces.SelectedInterface, 0);
  EXPECT_EQ(s.scrTransp(), 255);
  EXPECT_TRUE(s.optInBytes());
  EXPECT_FALSE(s.optInbits() || s.optCumul() || s.optMean());
  EXPECT_TRUE(s.optDL());
  EXPECT_FALSE(s.optUL());
  EXPECT_TRUE(s.optMinAll());
  EXPECT_FALSE(s.optMinTavo());
  EXPECT_EQ(s.DLLimit(), 1024);
  EXPECT_EQ(s.GraphRefresh(), 0);
  EXPECT_EQ(engine->GraphRefreshPeriod, 1);
  EXPECT_EQ(s.chkLogging(), 0);
  EXPECT_EQ(s.chkUpdate(), 0);
  EXPECT_EQ(s.SkinDescriptorFile(), QStringLiteral("default"));
  EXPECT_EQ(s.windowPosition(), QPointF(0, 0));
  EXPECT_EQ(engine->LogFilePath, QStringLiteral("----"));
  EXPECT_TRUE(QFileInfo(path("skins")).isDir());
  EXPECT_FALSE(exists(QStringLiteral("Tavo.ini")));
}

TEST_F(SettingsTest, LanguageLine) {
  struct Case {
    QStringList ini;
    bool french;
  };
  const Case cases[] = {
      {{"Lang=EN"}, false}, {{"Lang=FR", "Lang=EN"}, false}, {{"Lang=EN", "Lang=FR"}, true}, {{"Lang=en"}, false},
      {{"Lang=fr"}, false}, {{"Lang=FR "}, false},           {{"KbitMode=True"}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(load(c.ini).IsFrench, c.french) << c.ini.join("|").toStdString();
  EXPECT_EQ(load({"Lang=EN"}).settings().optInBytes(), true);  // every other default stays
}

TEST_F(SettingsTest, ReaderTakesLinesAsTheyStand) {
  auto& e = load(
      {"SkinDescriptorFile=/opt/a=b.xsd", " KbitMode=True", "no equals sign here", "", "Unknown=3", "MeanMode=Vrai"});
  EXPECT_EQ(e.settings().SkinDescriptorFile(), QStringLiteral("/opt/a=b.xsd"));
  EXPECT_FALSE(e.settings().optInbits());
  EXPECT_TRUE(e.settings().optMean());
}

TEST_F(SettingsTest, BooleanWords) {
  struct Case {
    const char* value;
    bool on;
  };
  for (const Case& c : {Case{"Vrai", true}, Case{"True", true}, Case{"true", false}, Case{"1", false}, Case{"", false},
                        Case{"Faux", false}, Case{"True ", false}}) {
    EXPECT_EQ(load({QStringLiteral("MinimizeTavoMode=") + c.value}).settings().optMinTavo(), c.on) << c.value;
  }
}

TEST_F(SettingsTest, OptionGroupsLastSwitchedOnWins) {
  auto& e = load({"KbitMode=True", "KbyteMode=True"});
  EXPECT_TRUE(e.settings().optInBytes());
  EXPECT_FALSE(e.settings().optInbits());
  auto& f = load({"KbitMode=False", "KbyteMode=False", "CumuledMode=False", "MeanMode=False", "ShowUL=True"});
  EXPECT_FALSE(f.settings().optInbits() || f.settings().optInBytes() || f.settings().optCumul() ||
               f.settings().optMean());
  EXPECT_TRUE(f.settings().optUL());
  EXPECT_FALSE(f.settings().optDL());
}

TEST_F(SettingsTest, NumbersAndTheirRanges) {
  src.rows.clear();
  for (int i = 0; i < 45; ++i) src.set(QStringLiteral("if%1").arg(i), 0, 0);
  struct Case {
    const char* line;
    int interface, transp, limit, refresh, period, log, update;
  };
  const Case cases[] = {
      {"DLLimit=1024.5", 0, 255, 1024, 0, 1, 0, 0},
      {"DLLimit=1025.5", 0, 255, 1026, 0, 1, 0, 0},
      {"DLLimit=2048kb", 0, 255, 2048, 0, 1, 0, 0},
      {"DLLimit=5", 0, 255, 5, 0, 1, 0, 0},          // the loader does not hold the dialog's 10..15000
      {"DLLimit=99999", 0, 255, 32767, 0, 1, 0, 0},  // beyond 16 bits: held at the edge
      {"DLLimit=-99999", 0, 255, -32768, 0, 1, 0, 0},
      {"Interface=3", 3, 255, 1024, 0, 1, 0, 0},
      {"Interface=10", 10, 255, 1024, 0, 1, 0, 0},
      {"Interface=11", 0, 255, 1024, 0, 1, 0, 0},  // beyond the table although 45 rows exist
      {"Interface=-2", 0, 255, 1024, 0, 1, 0, 0},
      {"Transparency=300", 0, 255, 1024, 0, 1, 0, 0},
      {"Transparency=-4", 0, 0, 1024, 0, 1, 0, 0},
      {"Transparency= 128", 0, 128, 1024, 0, 1, 0, 0},
      {"GraphRefresh=1", 0, 255, 1024, 1, 60, 0, 0},
      {"GraphRefresh=7", 0, 255, 1024, 0, 1, 0, 0},  // unknown time base: per second
      {"CheckVersion=1", 0, 255, 1024, 0, 1, 0, 1},
      {"CheckVersion=9", 0, 255, 1024, 0, 1, 0, 2},
      {"DetailedLog=-3", 0, 255, 1024, 0, 1, 0, 0},
      {"DetailedLog=2", 0, 255, 1024, 0, 1, 2, 0},
  };
  for (const Case& c : cases) {
    auto& e = load({QString::fromLatin1(c.line)});
    SCOPED_TRACE(c.line);
    EXPECT_EQ(e.Interfaces.SelectedInterface, c.interface);
    EXPECT_EQ(e.settings().scrTransp(), c.transp);
    EXPECT_EQ(e.settings().DLLimit(), c.limit);
    EXPECT_EQ(e.settings().GraphRefresh(), c.refresh);
    EXPECT_EQ(e.GraphRefreshPeriod, c.period);
    EXPECT_EQ(e.settings().chkLogging(), c.log);
    EXPECT_EQ(e.settings().chkUpdate(), c.update);
  }
}

TEST_F(SettingsTest, InterfaceAboveTheCountReadAtStartFallsToAll) {
  EXPECT_EQ(load({"Interface=7"}).Interfaces.SelectedInterface, 0);  // 3 rows
  EXPECT_EQ(load({"Interface=3"}).Interfaces.SelectedInterface, 3);
}

TEST_F(SettingsTest, WindowPosition) {
  EXPECT_EQ(load({"WindowPositionX=120", "WindowPositionY=45.5"}).settings().windowPosition(), QPointF(120, 45.5));
  EXPECT_EQ(load({"WindowPositionX=1e9", "WindowPositionY=-1e9"}).settings().windowPosition(), QPointF(32767, -32768));
  EXPECT_EQ(load({"WindowPositionX=abc"}).settings().windowPosition(), QPointF(0, 0));
}

TEST_F(SettingsTest, DetailedLogStartsLoggingLikeTheCheckBox) {
  QSignalSpy spy(&make().settings(), &MonitorSettings::chkLoggingClicked);
  auto& e = load({"DetailedLog=1"});
  EXPECT_TRUE(QFileInfo(path("logs")).isDir());
  EXPECT_TRUE(e.LogFilePath.endsWith(QStringLiteral("/logs/081226-14-5.csv")));
}

TEST_F(SettingsTest, LoaderAnnouncesWhatTheWindowsApply) {
  make();
  QSignalSpy transp(&engine->settings(), &MonitorSettings::scrTranspChanged);
  QSignalSpy direction(&engine->settings(), &MonitorSettings::optionChanged);
  writeIni({"Transparency=200", "ShowUL=True"});
  counters().ReadInterfaceTable();
  settingsFile().InitDefaults();
  settingsFile().LoadSettings();
  ASSERT_GE(transp.count(), 1);
  EXPECT_EQ(transp.last().at(0).toInt(), 200);
  ASSERT_GE(direction.count(), 1);
  EXPECT_EQ(direction.last().at(0).value<Option>(), Option::UL);
  EXPECT_TRUE(direction.last().at(1).toBool());
}

TEST_F(SettingsTest, SavedFileHasEighteenLinesInOrder) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto& e = load({"Lang=FR", "Interface=2", "KbitMode=Vrai", "ShowUL=Vrai", "DetailedLog=1",
                  "SkinDescriptorFile=/x/skins/blue.xsd", "WindowPositionX=1200", "WindowPositionY=7"});
  ASSERT_TRUE(e.SaveSettings());
  EXPECT_EQ(ini(), (QStringList{"Lang=FR", "Interface=2", "Transparency=255", "KbitMode=Vrai", "KbyteMode=Faux",
                                "CumuledMode=Faux", "MeanMode=Faux", "DLLimit=1024", "GraphRefresh=0", "ShowDL=Faux",
                                "ShowUL=Vrai", "MinimizeAllMode=Vrai", "MinimizeTavoMode=Faux", "DetailedLog=1",
                                "CheckVersion=0", "SkinDescriptorFile=/x/skins/blue.xsd", "WindowPositionX=1200",
                                "WindowPositionY=7"}));
  const QByteArray raw = bytes(QStringLiteral("Tavo.ini"));
  EXPECT_EQ(raw.count("\r\n"), 18);
  EXPECT_EQ(raw.count('\n'), 18);
}

TEST_F(SettingsTest, SaveAndLoadRoundTripInBothLocales) {
  for (QLocale::Language lang : {QLocale::French, QLocale::English}) {
    QLocale::setDefault(QLocale(lang, lang == QLocale::French ? QLocale::France : QLocale::UnitedStates));
    auto& e = load({"Lang=EN", "Interface=3", "Transparency=90", "MeanMode=True", "DLLimit=15000", "GraphRefresh=1",
                    "ShowUL=True", "MinimizeTavoMode=True", "CheckVersion=1", "SkinDescriptorFile=C:\\a=b.xsd",
                    "WindowPositionX=-20", "WindowPositionY=300"});
    ASSERT_TRUE(e.SaveSettings());
    const QByteArray first = bytes(QStringLiteral("Tavo.ini"));
    ASSERT_TRUE(e.SaveSettings());
    EXPECT_EQ(bytes(QStringLiteral("Tavo.ini")), first);  // saving twice changes nothing

    auto& back = load(ini());
    ASSERT_TRUE(back.SaveSettings());
    EXPECT_EQ(bytes(QStringLiteral("Tavo.ini")), first);
    EXPECT_FALSE(back.IsFrench);
    EXPECT_EQ(back.Interfaces.SelectedInterface, 3);
    EXPECT_EQ(back.settings().scrTransp(), 90);
    EXPECT_TRUE(back.settings().optMean());
    EXPECT_EQ(back.settings().DLLimit(), 15000);
    EXPECT_EQ(back.GraphRefreshPeriod, 60);
    EXPECT_TRUE(back.settings().optUL());
    EXPECT_TRUE(back.settings().optMinTavo());
    EXPECT_EQ(back.settings().chkUpdate(), 1);
    EXPECT_EQ(back.settings().SkinDescriptorFile(), QStringLiteral("C:\\a=b.xsd"));
    EXPECT_EQ(back.settings().windowPosition(), QPointF(-20, 300));
  }
}

TEST_F(SettingsTest, SaveAsksTheWindowWhereItIs) {
  auto& e = load({});
  e.setWindowPositionQuery([] { return QPointF(640, 480); });
  ASSERT_TRUE(e.SaveSettings());
  EXPECT_TRUE(ini().contains(QStringLiteral("WindowPositionX=640")));
  EXPECT_TRUE(ini().contains(QStringLiteral("WindowPositionY=480")));
}

TEST_F(SettingsTest, SaveReportsAFileItCannotReplace) {
  auto& e = make();
  settingsFile().InitDefaults();
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Tavo.ini")));
  EXPECT_FALSE(e.SaveSettings());
  EXPECT_TRUE(QFileInfo(path("Tavo.ini")).isDir());
}

}  // namespace
}  // namespace tavo::monitor::testing
