#include "common/languagetexts.h"
#include "common/textfile.h"
#include "monitor/ui/frmbig.h"
#include "monitor/ui/frmbulle.h"
#include "monitor/ui/frminterfaces.h"
#include "monitor/ui/monitorwindows.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/fakeinterfacesource.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QGroupBox>
#include <QLocale>
#include <QTemporaryDir>

using namespace tavo::monitor;

namespace {

// A monitor started on a settings file holding only the given Lang line.
struct Started {
  QTemporaryDir dir;
  tavo::net::FakeInterfaceSource src;
  ManualClock clock;
  std::unique_ptr<MonitorEngine> engine;
  tavo::test::FakeDesktop desktop;
  std::unique_ptr<MonitorWindows> windows;
  explicit Started(const char* langLine) {
    src.set("eth0", 10, 10);
    if (langLine) tavo::writeLinesAtomically(dir.filePath("Tavo.ini"), {QString::fromLatin1(langLine)});
    engine = std::make_unique<MonitorEngine>(EngineConfig{dir.path(), &src, &clock, false});
    desktop.answer = QMessageBox::No;
    desktop.trayIsAvailable = false;
    windows = std::make_unique<MonitorWindows>(*engine, desktop);
    engine->Main(*windows);
  }
  ~Started() {
    windows.reset();
    engine.reset();
  }
  frmSettings& s() { return windows->settingsDialog(); }
  TrayMenu& menu() { return windows->trayMenu(); }
  MonitorWindows& ui() { return *windows; }
};

QString textOf(frmSettings& s, const ControlText& t) {
  if (t.property == TextProperty::TabCaption) return tavo::test::child<QTabBar>(s, "tabOptions")->tabText(t.index);
  QWidget* w = t.control == u"frmSettings" ? &s : s.findChild<QWidget*>(t.control);
  if (!w) return QStringLiteral("<missing>");
  if (t.property == TextProperty::Tooltip) return w->toolTip();
  if (w == &s) return s.windowTitle();
  if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  return QStringLiteral("<unknown kind>");
}

}  // namespace

TEST(MonitorLanguage, LangValueChoosesTheTexts) {
  struct Case {
    const char* line;
    bool french;
  };
  for (const Case c : {Case{"Lang=FR", true}, Case{nullptr, true}, Case{"Lang=EN", false}, Case{"Lang=fr", false},
                       Case{"Lang=FR ", false}}) {
    SCOPED_TRACE(c.line ? c.line : "(no Lang)");
    Started m(c.line);
    EXPECT_EQ(m.s().windowTitle(), c.french ? "Tavo - Configuration" : "Tavo - Settings");
    EXPECT_EQ(m.ui().QuitPrompt(), c.french ? "       Quitter Tavo ?      " : "       Quit Tavo ?      ");
    EXPECT_EQ(m.ui().QuitTitle(), c.french ? "Tavo - Confirmez" : "Tavo - Please confirm");
  }
}

TEST(MonitorLanguage, EveryTextReachesItsControl) {
  for (bool french : {true, false}) {
    SCOPED_TRACE(french ? "FR" : "EN");
    Started m(french ? "Lang=FR" : "Lang=EN");
    const MonitorTexts texts = monitorTexts(french);
    // The dialog's and the menu's rows, which were one table.
    EXPECT_GT(texts.settings.size() + texts.trayMenu.size(), 40u);
    EXPECT_EQ(texts.trayMenu.size(), 6u);
    // The last text set on a control is the one it shows.
    for (std::size_t i = 0; i < texts.settings.size(); ++i) {
      const ControlText& t = texts.settings[i];
      bool laterSame = false;
      for (std::size_t j = i + 1; j < texts.settings.size(); ++j)
        laterSame |= texts.settings[j].control == t.control && texts.settings[j].property == t.property &&
                     texts.settings[j].index == t.index;
      if (!laterSame) {
        EXPECT_EQ(textOf(m.s(), t), t.text) << t.control.toStdString();
      }
    }
    for (const ControlText& t : texts.trayMenu) {
      auto* a = m.menu().findChild<QAction*>(t.control);
      ASSERT_TRUE(a) << t.control.toStdString();
      EXPECT_EQ(a->text(), t.text) << t.control.toStdString();
    }
    // Every name of the tables is a control of the dialog or the menu that takes its text.
    EXPECT_EQ(tavo::applyWindowTexts(&m.s(), texts.settings), QStringList{});
    EXPECT_EQ(tavo::applyWindowTexts(&m.menu(), texts.trayMenu), QStringList{});
  }
}

TEST(MonitorLanguage, TrickyTexts) {
  Started fr("Lang=FR");
  Started en("Lang=EN");
  // Leading and trailing blanks are part of the texts.
  EXPECT_EQ(tavo::test::child<QPushButton>(fr.s(), "cmdLogFile")->toolTip(),
            "  Fermer le fichier log courant et en ouvrir un nouveau ");
  EXPECT_EQ(tavo::test::child<QPushButton>(en.s(), "cmdLogFile")->toolTip(),
            "  Close the current log file and open a new one ");
  EXPECT_EQ(tavo::test::child<QPushButton>(en.s(), "cmdUpdateGRaph")->toolTip(), " Update graph with new parameters ");
  EXPECT_EQ(tavo::test::child<QLabel>(fr.s(), "lblFindSkins")->toolTip(), " Visitez la page Web Tavo ");
  // One "Reset" for the skin and the counters in both languages.
  for (Started* m : {&fr, &en}) {
    EXPECT_EQ(tavo::test::child<QPushButton>(m->s(), "cmdDefaultSkin")->text(), "Reset");
    EXPECT_EQ(tavo::test::child<QPushButton>(m->s(), "cmdReset")->text(), "Reset");
    EXPECT_EQ(tavo::test::child<QAction>(m->menu(), "mnuLogViewer")->text(), "Log Viewer");
    EXPECT_EQ(tavo::test::child<QRadioButton>(m->s(), "optDL")->text(), "Download");
    EXPECT_EQ(tavo::test::child<QRadioButton>(m->s(), "optUL")->text(), "Upload");
    EXPECT_EQ(tavo::test::child<QGroupBox>(m->s(), "frameUpdate")->title(), "Update");
    EXPECT_EQ(tavo::test::child<QGroupBox>(m->s(), "frameSkins")->title(), "Skins");
    EXPECT_EQ(tavo::test::child<QGroupBox>(m->s(), "frameNet")->title(), "Internet");
    EXPECT_EQ(tavo::test::child<QComboBox>(m->s(), "cmbGraphDelay")->itemText(1), "60 minutes");
    EXPECT_EQ(tavo::test::child<QLabel>(m->ui().net(), "lblMore")->text(), "set");
  }
  // The tab captions: English sets its own, French keeps those of the load.
  EXPECT_EQ(tavo::test::child<QTabBar>(en.s(), "tabOptions")->tabText(0), " Skins and Behaviour ");
  EXPECT_EQ(tavo::test::child<QTabBar>(en.s(), "tabOptions")->tabText(1), " Graphs and Counters ");
  EXPECT_EQ(tavo::test::child<QTabBar>(fr.s(), "tabOptions")->tabText(0), " Skins et Comportement ");
  EXPECT_EQ(tavo::test::child<QTabBar>(fr.s(), "tabOptions")->tabText(1), " Graphiques et Compteurs ");
  EXPECT_EQ(tavo::test::child<QAction>(fr.menu(), "mnuMinimizeTavo")->text(), "Montrer/Cacher Tavo");
  EXPECT_EQ(tavo::test::child<QAction>(en.menu(), "mnuMinimizeTavo")->text(), "Show/Hide Tavo");
  EXPECT_EQ(tavo::test::child<QRadioButton>(fr.s(), "optInBytes")->text(), "Débits instantanés en kOctet/s");
  EXPECT_EQ(tavo::test::child<QCheckBox>(fr.s(), "chkUpdate")->text(),
            "Au démarrage, vérifie sur Internet la version la plus récente");
  // Unit words and the all-interfaces entry.
  EXPECT_EQ(fr.engine->RateUnitText, " kO/s");
  EXPECT_EQ(en.engine->VolumeUnitText, " MB");
  EXPECT_EQ(tavo::test::child<QLabel>(fr.s(), "lblInterface")->text(), "Toutes les interfaces");
  EXPECT_EQ(tavo::test::child<QLabel>(en.s(), "lblInterface")->text(), "All interfaces");
}

TEST(MonitorLanguage, LaunchErrorInBothLanguages) {
  EXPECT_EQ(errorBoxTitle(), "Tavo error");
  EXPECT_EQ(launchErrorText(true, "TavoLogV"), " Impossible de démarrer TavoLogV. ");
  EXPECT_EQ(launchErrorText(false, "TavoLogV"), " TavoLogV could not be started. ");
}

TEST(MonitorLanguage, SecondaryWindowTablesNameOnlyTheirControls) {
  Started m("Lang=EN");
  frmBig big;
  frmBulle bubble;
  frmInterfaces chooser;
  for (bool french : {true, false}) {
    SCOPED_TRACE(french ? "FR" : "EN");
    EXPECT_EQ(tavo::applyWindowTexts(&big, bigGraphTexts(french)), QStringList{});
    EXPECT_EQ(tavo::applyWindowTexts(&bubble, bubbleTexts(french)), QStringList{});
    EXPECT_EQ(tavo::applyWindowTexts(&chooser, interfaceChooserTexts(french)), QStringList{});
  }
  big.SetEnglishTexts();
  EXPECT_EQ(big.windowTitle(), "Tavo - Detailed Graph");
  EXPECT_EQ(tavo::test::child<QPushButton>(big, "cmdLogViewer")->toolTip(), " Open the Log Viewer window ");
  big.SetFrenchTexts();
  EXPECT_EQ(tavo::test::child<QPushButton>(big, "cmdRAZ")->text(), "Remettre à zéro");
  bubble.SetEnglishTexts();
  EXPECT_EQ(tavo::test::child<QLabel>(bubble, "Label7")->text(), "Double click on Tavo for detailed graph");
  chooser.SetFrenchTexts();
  EXPECT_EQ(chooser.findChild<QPushButton*>("cmdChange")->toolTip(), " Changer d'interface ");
}
