// The settings dialog's wiring, control by control: what the user does in
// the dialog the binder has made, and what must follow in the engine, the
// main window or the desktop. Each row fails when one connection on the
// way (the control's own, or the binder's) is gone.
#include "common/textfile.h"
#include "monitor/ui/monitorwindows.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/fakeinterfacesource.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tavo::monitor;

namespace {

class SettingsWiring;

struct WiringCase {
  const char* name;
  QStringList ini;                           // Tavo.ini before the start
  std::function<void(SettingsWiring&)> act;  // what the user does in the dialog
  std::function<void(SettingsWiring&)> expectEffect;
};

void PrintTo(const WiringCase& c, std::ostream* os) { *os << c.name; }

class SettingsWiring : public ::testing::TestWithParam<WiringCase> {
 public:
  QTemporaryDir dir;
  tavo::net::FakeInterfaceSource src;
  ManualClock clock;
  std::unique_ptr<MonitorEngine> engine;
  tavo::test::FakeDesktop desktop;
  std::unique_ptr<MonitorWindows> windows;
  MonitorWindows* ui = nullptr;

  int asked = 0, ended = 0;
  std::vector<QUrl> opened;
  // The main window also follows the setting itself; the dialog must still
  // say which direction was chosen.
  std::unique_ptr<QSignalSpy> directions;

  frmSettings& dialog() { return ui->settingsDialog(); }
  frmNet& net() { return ui->net(); }
  void tick(std::uint64_t rx = 0, std::uint64_t tx = 0) {
    src.add("eth0", rx, tx);
    clock.advanceSeconds(1);
    engine->frmNet_tmrMainTimer_Timer();
  }
  // A skin of the source tree, laid in the program's skins folder.
  void addSkin(const char* name) {
    const QString source = qEnvironmentVariable("TAVO_SOURCE_DIR") + "/monitor/skins/";
    QDir().mkpath(dir.filePath("skins"));
    ASSERT_TRUE(QFile::copy(source + name + ".xs0", dir.filePath(QString("skins/%1.xsd").arg(name))));
    ASSERT_TRUE(QFile::copy(source + name + ".bm0", dir.filePath(QString("skins/%1.bmp").arg(name))));
  }

 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    src.set("lo", 1000, 1000);
    src.set("eth0", 5000, 7000);
    addSkin("ardoise");
    if (!GetParam().ini.isEmpty()) {
      ASSERT_TRUE(tavo::writeLinesAtomically(dir.filePath("Tavo.ini"), GetParam().ini));
    }
    engine = std::make_unique<MonitorEngine>(EngineConfig{dir.path(), &src, &clock, false});
    desktop.onAsk = [this](const tavo::BoxRequest&) {
      ++asked;
      return QMessageBox::No;
    };
    desktop.onQuit = [this] { ++ended; };
    desktop.trayIsAvailable = true;
    desktop.onShownOnScreen = [](const QWidget* w) { return w->isVisible(); };
    desktop.onOpen = [this](const QUrl& url) {
      opened.push_back(url);
      return true;
    };
    windows = std::make_unique<MonitorWindows>(*engine, desktop);
    ui = windows.get();
    ASSERT_TRUE(engine->Main(*windows));
    ui->mnuSettings_Click();
    ASSERT_TRUE(dialog().isVisible());
    directions = std::make_unique<QSignalSpy>(&dialog(), &frmSettings::graphDirectionChosen);
  }
  void TearDown() override {
    directions.reset();
    windows.reset();
    engine.reset();
    QLocale::setDefault(QLocale::c());
  }
};

void leftClick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

bool underlined(const QLabel* l) { return l->font().underline(); }

const QStringList kEnglish{"Lang=EN"};

const WiringCase kCases[] = {
    {"Reset", kEnglish,
     [](SettingsWiring& t) {
       t.tick();
       t.tick(1 << 20, 1 << 19);
       ASSERT_GT(t.engine->Counters.MaxDL, 0);
       tavo::test::child<QPushButton>(t.dialog(), "cmdReset")->click();
     },
     [](SettingsWiring& t) {
       EXPECT_EQ(t.engine->Counters.MaxDL, 0);
       EXPECT_EQ(t.engine->Counters.MaxUL, 0);
       EXPECT_EQ(t.engine->Counters.MBytesDL, 0.0);
     }},
    {"QuitButton", kEnglish, [](SettingsWiring& t) { tavo::test::child<QPushButton>(t.dialog(), "cmdQuit")->click(); },
     [](SettingsWiring& t) {
       EXPECT_EQ(t.asked, 1) << "the quit is confirmed first";
       EXPECT_EQ(t.ended, 0);
     }},
    {"QuitPicture", kEnglish, [](SettingsWiring& t) { leftClick(tavo::test::child<QLabel>(t.dialog(), "picQuit")); },
     [](SettingsWiring& t) { EXPECT_EQ(t.asked, 1); }},
    {"SkinsWebPage", kEnglish,
     [](SettingsWiring& t) { leftClick(tavo::test::child<QLabel>(t.dialog(), "lblFindSkins")); },
     [](SettingsWiring& t) {
       ASSERT_EQ(t.opened.size(), 1u);
       EXPECT_EQ(t.opened[0], t.dialog().skinsPageUrl());
       EXPECT_EQ(t.opened[0].path(), "/english.php");
     }},
    {"SkinsWebPageFrench",
     {"Lang=FR"},
     [](SettingsWiring& t) { leftClick(tavo::test::child<QLabel>(t.dialog(), "lblFindSkins")); },
     [](SettingsWiring& t) {
       ASSERT_EQ(t.opened.size(), 1u);
       EXPECT_EQ(t.opened[0].path(), "/tavo.php");
     }},
    {"HelpButton", kEnglish, [](SettingsWiring& t) { tavo::test::child<QPushButton>(t.dialog(), "cmdHelp")->click(); },
     [](SettingsWiring& t) {
       ASSERT_EQ(t.opened.size(), 1u);
       EXPECT_EQ(t.opened[0], QUrl::fromLocalFile(t.dir.path() + "/Tavo_EN.pdf"));
     }},
    {"HelpPicture", kEnglish, [](SettingsWiring& t) { leftClick(tavo::test::child<QLabel>(t.dialog(), "Picture10")); },
     [](SettingsWiring& t) {
       ASSERT_EQ(t.opened.size(), 1u);
       EXPECT_EQ(t.opened[0], QUrl::fromLocalFile(t.dir.path() + "/Tavo_EN.pdf"));
     }},
    {"GraphDirectionUpload", kEnglish,
     [](SettingsWiring& t) { tavo::test::child<QRadioButton>(t.dialog(), "optUL")->click(); },
     [](SettingsWiring& t) {
       EXPECT_TRUE(underlined(tavo::test::child<QLabel>(t.net(), "lblUL")));
       EXPECT_FALSE(underlined(tavo::test::child<QLabel>(t.net(), "lblDL")));
       EXPECT_TRUE(t.engine->settings().optUL());
       ASSERT_EQ(t.directions->count(), 1);
       EXPECT_FALSE(t.directions->at(0).at(0).toBool());
     }},
    {"GraphDirectionDownload",
     {"Lang=EN", "ShowUL=True"},
     [](SettingsWiring& t) {
       ASSERT_TRUE(underlined(tavo::test::child<QLabel>(t.net(), "lblUL")));
       tavo::test::child<QRadioButton>(t.dialog(), "optDL")->click();
     },
     [](SettingsWiring& t) {
       EXPECT_TRUE(underlined(tavo::test::child<QLabel>(t.net(), "lblDL")));
       EXPECT_FALSE(underlined(tavo::test::child<QLabel>(t.net(), "lblUL")));
       EXPECT_TRUE(t.engine->settings().optDL());
       ASSERT_EQ(t.directions->count(), 1);
       EXPECT_TRUE(t.directions->at(0).at(0).toBool());
     }},
    {"UpdateGraph", kEnglish,
     [](SettingsWiring& t) {
       tavo::test::child<QLineEdit>(t.dialog(), "txtDLLimit")->setText("512");
       tavo::test::child<QComboBox>(t.dialog(), "cmbGraphDelay")->setCurrentIndex(1);
       tavo::test::child<QPushButton>(t.dialog(), "cmdUpdateGRaph")->click();
     },
     [](SettingsWiring& t) {
       EXPECT_EQ(t.engine->settings().DLLimit(), 512);
       EXPECT_EQ(t.engine->settings().GraphRefresh(), 1);
       EXPECT_TRUE(t.engine->GraphRefreshPending);
     }},
    {"CloseBoxSaves", kEnglish, [](SettingsWiring& t) { t.dialog().close(); },
     [](SettingsWiring& t) {
       EXPECT_FALSE(t.dialog().isVisible());
       EXPECT_TRUE(tavo::readTextLines(t.dir.filePath("Tavo.ini")).lines.contains("Lang=EN"));
     }},
    {"LoggingBox", kEnglish, [](SettingsWiring& t) { tavo::test::child<QCheckBox>(t.dialog(), "chkLogging")->click(); },
     [](SettingsWiring& t) {
       EXPECT_TRUE(t.engine->isLogging());
       EXPECT_EQ(t.engine->settings().chkLogging(), 1);
       EXPECT_TRUE(tavo::test::child<QPushButton>(t.dialog(), "cmdLogFile")->isEnabled());
       EXPECT_EQ(tavo::test::child<QLabel>(t.dialog(), "lblLogFile")->text(), ShortenPath(t.engine->LogFilePath));
     }},
    {"NewLogFile",
     {"Lang=EN", "DetailedLog=1"},
     [](SettingsWiring& t) {
       t.clock.advanceSeconds(120);
       t.dialog().setProperty("logBefore", t.engine->LogFilePath);
       tavo::test::child<QPushButton>(t.dialog(), "cmdLogFile")->click();
     },
     [](SettingsWiring& t) {
       EXPECT_NE(t.engine->LogFilePath, t.dialog().property("logBefore").toString());
       EXPECT_EQ(tavo::test::child<QLabel>(t.dialog(), "lblLogFile")->text(), ShortenPath(t.engine->LogFilePath));
     }},
    {"UpdateCheckBox", kEnglish,
     [](SettingsWiring& t) { tavo::test::child<QCheckBox>(t.dialog(), "chkUpdate")->click(); },
     [](SettingsWiring& t) {
       EXPECT_EQ(t.engine->settings().chkUpdate(),
                 tavo::test::child<QCheckBox>(t.dialog(), "chkUpdate")->isChecked() ? 1 : 0);
     }},
    {"Transparency", kEnglish,
     [](SettingsWiring& t) { tavo::test::child<QScrollBar>(t.dialog(), "scrTransp")->setValue(100); },
     [](SettingsWiring& t) {
       EXPECT_EQ(t.engine->settings().scrTransp(), 100);
       EXPECT_NEAR(t.net().windowOpacity(), 100 / 255.0, 0.01);
     }},
    {"ChangeSkin", kEnglish,
     [](SettingsWiring& t) {
       ASSERT_EQ(tavo::test::child<QListWidget>(t.dialog(), "filelistSkins")->count(), 1);
       tavo::test::child<QListWidget>(t.dialog(), "filelistSkins")->setCurrentRow(0);
       tavo::test::child<QPushButton>(t.dialog(), "cmdChangeSkin")->click();
     },
     [](SettingsWiring& t) {
       EXPECT_EQ(t.net().size(), QSize(176, 84));
       EXPECT_EQ(t.engine->settings().SkinDescriptorFile(), t.dir.filePath("skins") + "/ardoise.xsd");
     }},
    {"DefaultSkin", kEnglish,
     [](SettingsWiring& t) {
       tavo::test::child<QListWidget>(t.dialog(), "filelistSkins")->setCurrentRow(0);
       tavo::test::child<QPushButton>(t.dialog(), "cmdChangeSkin")->click();
       ASSERT_EQ(t.net().size(), QSize(176, 84));
       tavo::test::child<QPushButton>(t.dialog(), "cmdDefaultSkin")->click();
     },
     [](SettingsWiring& t) {
       EXPECT_EQ(t.net().size(), QSize(136, 131));
       EXPECT_EQ(t.engine->settings().SkinDescriptorFile(), "default");
     }},
    {"InterfaceChooser", kEnglish,
     [](SettingsWiring& t) {
       // The chooser is modal: it is noted and closed once it is up.
       QTimer::singleShot(0, [&t] {
         if (QApplication::activeModalWidget() == &t.windows->chooser()) {
           t.asked += 100;
           t.windows->chooser().reject();
         }
       });
       tavo::test::child<QPushButton>(t.dialog(), "cmdInterface")->click();
     },
     [](SettingsWiring& t) { EXPECT_EQ(t.asked, 100) << "the interface chooser did not open"; }},
    {"ShowInBits", kEnglish,
     [](SettingsWiring& t) { tavo::test::child<QRadioButton>(t.dialog(), "optInbits")->click(); },
     [](SettingsWiring& t) {
       EXPECT_TRUE(t.engine->settings().optInbits());
       EXPECT_FALSE(t.engine->settings().optInBytes());
     }},
    {"ShowInBytes",
     {"Lang=EN", "KbitMode=True"},
     [](SettingsWiring& t) { tavo::test::child<QRadioButton>(t.dialog(), "optInBytes")->click(); },
     [](SettingsWiring& t) { EXPECT_TRUE(t.engine->settings().optInBytes()); }},
    {"ShowTotals", kEnglish,
     [](SettingsWiring& t) { tavo::test::child<QRadioButton>(t.dialog(), "optCumul")->click(); },
     [](SettingsWiring& t) { EXPECT_TRUE(t.engine->settings().optCumul()); }},
    {"ShowMeans", kEnglish, [](SettingsWiring& t) { tavo::test::child<QRadioButton>(t.dialog(), "optMean")->click(); },
     [](SettingsWiring& t) { EXPECT_TRUE(t.engine->settings().optMean()); }},
    {"RightClickMinimisesTavo", kEnglish,
     [](SettingsWiring& t) { tavo::test::child<QRadioButton>(t.dialog(), "optMinTavo")->click(); },
     [](SettingsWiring& t) {
       EXPECT_TRUE(t.engine->settings().optMinTavo());
       EXPECT_FALSE(t.engine->settings().optMinAll());
     }},
    {"RightClickMinimisesAll",
     {"Lang=EN", "MinimizeTavoMode=True"},
     [](SettingsWiring& t) { tavo::test::child<QRadioButton>(t.dialog(), "optMinAll")->click(); },
     [](SettingsWiring& t) { EXPECT_TRUE(t.engine->settings().optMinAll()); }},
};

TEST_P(SettingsWiring, TheUsersActionHasItsEffect) {
  GetParam().act(*this);
  if (HasFatalFailure()) return;
  GetParam().expectEffect(*this);
}

INSTANTIATE_TEST_SUITE_P(Dialog, SettingsWiring, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The skins page is on the host the updater asks for the version: the
// environment's host, normalised the same way, not the raw build setting.
class MirrorHostWiring : public SettingsWiring {
 protected:
  void SetUp() override {
    qputenv("TAVO_WEB_HOST", " mirror.example.org/ ");
    SettingsWiring::SetUp();
  }
  void TearDown() override {
    SettingsWiring::TearDown();
    qunsetenv("TAVO_WEB_HOST");
  }
};

TEST_P(MirrorHostWiring, SkinsPageIsOnTheUpdatersHost) {
  leftClick(tavo::test::child<QLabel>(dialog(), "lblFindSkins"));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl("http://mirror.example.org/english.php"));
}

INSTANTIATE_TEST_SUITE_P(Mirror, MirrorHostWiring,
                         ::testing::Values(WiringCase{"English", kEnglish, [](SettingsWiring&) {},
                                                      [](SettingsWiring&) {}}));

}  // namespace
