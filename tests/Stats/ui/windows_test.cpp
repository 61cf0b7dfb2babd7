#include "Stats/ui/statsprogram.h"
#include "common/pictures.h"
#include "tests/Stats/stats_fixtures.h"
#include "tests/support/categorywarnings.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tavo;
using namespace tavo::stats;
using namespace tavo::stats::testing;

namespace {

using tavo::test::child;

QLocale testLocale() { return QLocale(QLocale::English, QLocale::UnitedKingdom); }

class WindowsTest : public ::testing::Test {
 protected:
  void writeSessions(const std::vector<Session>& sessions, QStringList extra = {}) {
    const RegionalFormat f(testLocale());
    QStringList lines;
    for (const auto& s : sessions) lines << sessionLine(f, s);
    writeFile(dir_.filePath("all_stats.csv"), lines + extra);
  }
  StatsProgram& start(const QString& language = "FR") {
    desktop_.onAsk = [this](const BoxRequest& box) {
      messages_.push_back({box.title, box.text});
      return QMessageBox::Ok;
    };
    desktop_.onQuit = [this] { ++ended_; };
    desktop_.printerToUse = printer_;
    program_ = std::make_unique<StatsProgram>(dir_.path(), desktop_, testLocale());
    started_ = program_->Main(language.isNull() ? QStringList{"TavoStat"} : QStringList{"TavoStat", language});
    return *program_;
  }
  QString text(QWidget* window, const char* name) {
    auto* w = window->findChild<QWidget*>(name);
    if (!w) {
      ADD_FAILURE() << "no control " << name;
      return {};
    }
    return captionOf(w);
  }
  QPushButton* button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(name); }
  frmGraphe* days() { return program_->graphWindow(PeriodKind::Day); }
  frmGraphe* months() { return program_->graphWindow(PeriodKind::Month); }
  frmSelect* dayPicker() { return program_->picker(PeriodKind::Day); }

  QTemporaryDir dir_;
  tavo::test::FakeDesktop desktop_;  // outlives every program
  std::unique_ptr<StatsProgram> program_;
  std::vector<MessageText> messages_;
  int ended_ = 0;
  bool started_ = false;
  QPrinter* printer_ = nullptr;
};

}  // namespace

TEST_F(WindowsTest, LanguageArgumentAndMissingFile) {
  start(QString());  // no argument: ends at once, says nothing
  EXPECT_FALSE(started_);
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(program_->mainWindow()->isVisible());

  const struct {
    const char* arg;
    const char* title;
    const char* text;
  } cases[] = {
      {"FR", "Tavo - Erreur", "     Aucunes statistiques enregistrées.     "},
      {"EN", "Tavo - Error", "     No Statistics recorded on disk.     "},
      {"en", "Tavo - Error", "     No Statistics recorded on disk.     "},
      {"DE", "Tavo - Error", "     No Statistics recorded on disk.     "},
  };
  for (const auto& c : cases) {
    messages_.clear();
    start(c.arg);
    EXPECT_FALSE(started_);
    ASSERT_EQ(messages_.size(), 1u) << c.arg;
    EXPECT_EQ(messages_[0].title, QString::fromUtf8(c.title));
    EXPECT_EQ(messages_[0].text, QString::fromUtf8(c.text));
    EXPECT_FALSE(program_->mainWindow()->isVisible());
  }
  writeSessions({}, {"", ""});
  messages_.clear();
  start("FR");
  EXPECT_FALSE(started_);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, QString::fromUtf8("     Aucunes statistiques enregistrées.     "));
}

TEST_F(WindowsTest, SummaryOfASingleSession) {
  writeSessions({{at(2026, 12, 8, 10), 95, 2000, 400, 300, 30}});
  frmMain* m = start("FR").mainWindow();
  ASSERT_TRUE(started_);
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(m->isVisible());
  EXPECT_EQ(m->windowTitle(), QString::fromUtf8("Tavo - Statistiques - Résumé"));
  EXPECT_EQ(text(m, "lblNSes"), "1");
  EXPECT_EQ(text(m, "lblDateMin"), "08/12/26");
  EXPECT_EQ(text(m, "lblDateMax"), "08/12/26");
  for (const char* n : {"lblDur", "lblDurJour", "lblDurMois"}) EXPECT_EQ(text(m, n), "1 h 35") << n;
  EXPECT_EQ(text(m, "lblNJour"), "1");
  EXPECT_EQ(text(m, "lblNMois"), "1");
  for (const char* n : {"lblDateDmax", "lblDateUmax", "lblDtot_max_date_j", "lblUmoy_max_date_j"})
    EXPECT_EQ(text(m, n), "08/12/26") << n;
  for (const char* n : {"lblDtot_max_date_m", "lblUtot_max_date_m", "lblDmoy_max_date_m"})
    EXPECT_EQ(text(m, n), "Dec-26") << n;
  EXPECT_EQ(text(m, "lblDmax"), "2000");
  EXPECT_EQ(text(m, "lblDmoy"), "431");  // 300 MB over 95 minutes
  // Download figures green, upload dark red, on the light yellow.
  auto* dl = m->findChild<QLabel*>("lblDmax");
  auto* ul = m->findChild<QLabel*>("lblUmax");
  EXPECT_EQ(dl->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_EQ(ul->palette().color(QPalette::WindowText), QColor(192, 0, 0));
  EXPECT_EQ(ul->palette().color(QPalette::Window), QColor(255, 254, 234));
}

TEST_F(WindowsTest, UnreadableLinesAreToldOnceAfterLoading) {
  writeSessions({{at(2026, 12, 8, 10), 95, 2000, 400, 300, 30}}, {"garbage", "1;2;3"});
  start("EN");
  ASSERT_TRUE(started_);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].title, "Tavo - Error");
  EXPECT_TRUE(messages_[0].text.contains("2 unreadable line(s)"));
  EXPECT_EQ(text(program_->mainWindow(), "lblNSes"), "1");
}

TEST_F(WindowsTest, TwoMonthsRunAtOnceAndTheViewsRedraw) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}, {at(2026, 4, 20, 10), 30, 1000, 800, 100, 60}});
  start("FR");
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  ASSERT_TRUE(days()->isVisible());
  EXPECT_FALSE(dayPicker()->isVisible());
  EXPECT_TRUE(child<QRadioButton>(days(), "optTout")->isChecked());
  EXPECT_EQ(text(days(), "lblDateMin"), "01/03/26");
  EXPECT_EQ(text(days(), "lblDateMax"), "30/04/26");
  EXPECT_EQ(text(days(), "lblNJour"), "2");
  EXPECT_EQ(text(days(), "lblDateUmax"), "20/04/26");

  const QImage all = child<ChartBox>(days(), "picGr")->surface().image();
  QImage previous = all;
  for (QRadioButton* o : {child<QRadioButton>(days(), "optTot"), child<QRadioButton>(days(), "optMax"),
                          child<QRadioButton>(days(), "optMoy")}) {
    QTest::mouseClick(o, Qt::LeftButton);
    EXPECT_TRUE(o->isChecked());
    const QImage now = child<ChartBox>(days(), "picGr")->surface().image();
    EXPECT_NE(now, previous) << o->objectName().toStdString();
    EXPECT_NE(now, all);
    previous = now;
  }
  QTest::mouseClick(child<QRadioButton>(days(), "optTout"), Qt::LeftButton);
  EXPECT_EQ(child<ChartBox>(days(), "picGr")->surface().image(), all);
  // What the window shows is the chart's image.
  const QImage shown = child<ChartBox>(days(), "picGr")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixelColor(94, 100), program_->state().palette[6]);  // 2 March, the second slot

  // "Autre période" with two months of data runs again without the picker.
  QTest::mouseClick(child<QPushButton>(days(), "cmdAutre"), Qt::LeftButton);
  EXPECT_TRUE(days()->isVisible());
  EXPECT_FALSE(dayPicker()->isVisible());
}

TEST_F(WindowsTest, RawDataListAndItsWindow) {
  writeSessions({{at(2026, 12, 8, 10), 30, 2000, 300, 100, 10},
                 {at(2026, 12, 8, 14), 90, 1500, 400, 200, 20},
                 {at(2026, 12, 9, 9), 60, 100, 50, 5, 1}});
  start("FR");
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  frmRawData* raw = program_->rawDataWindow();
  EXPECT_FALSE(raw->isVisible());
  QTest::mouseClick(child<QPushButton>(days(), "cmdRawData"), Qt::LeftButton);
  ASSERT_TRUE(raw->isVisible());
  ASSERT_EQ(child<QListWidget>(raw, "lstData")->count(), 2);
  EXPECT_EQ(child<QListWidget>(raw, "lstData")->item(0)->text(),
            QString(4, ' ') + "08/12/26" + QString(6, ' ') + "2 h 00" + QString(8, ' ') + "2000" + QString(9, ' ') +
                "400" + QString(9, ' ') + "300" + QString(10, ' ') + "30" + QString(9, ' ') + "341" + QString(10, ' ') +
                "34");
  // The close box hides it; it comes back with the same lines.
  raw->close();
  EXPECT_FALSE(raw->isVisible());
  QTest::mouseClick(child<ClickablePicture>(days(), "picRawData"), Qt::LeftButton);
  EXPECT_TRUE(raw->isVisible());
  EXPECT_EQ(child<QListWidget>(raw, "lstData")->count(), 2);
  // Closing the graph window hides both; the analysis can start again.
  days()->close();
  EXPECT_FALSE(days()->isVisible());
  EXPECT_FALSE(raw->isVisible());
  EXPECT_EQ(ended_, 0);
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  EXPECT_TRUE(days()->isVisible());
}

TEST_F(WindowsTest, GraphWindowsShowTheSuitesSharedIconsOverTheirButtons) {
  writeSessions({{at(2026, 12, 8, 10), 30, 2000, 300, 100, 10}});
  start("FR");
  for (frmGraphe* g : {days(), months()}) {
    ASSERT_NE(g, nullptr);
    const std::pair<ClickablePicture*, PictureKind> icons[] = {
        {child<ClickablePicture>(g, "picRawData"), PictureKind::Details},
        {child<ClickablePicture>(g, "picPrint"), PictureKind::Save},
        {child<ClickablePicture>(g, "picAutre"), PictureKind::Reload}};
    for (const auto& [picture, kind] : icons) {
      const QImage expected = iconPicture(kind, kButtonPictureSide).toImage();
      EXPECT_EQ(picture->pixmap().toImage(), expected) << picture->objectName().toStdString();
      EXPECT_EQ(picture->size(), expected.size()) << picture->objectName().toStdString();
    }
  }
}

TEST_F(WindowsTest, PickerChoosesTheWindowAndCancelLeavesThingsAsTheyWere) {
  writeSessions({{at(2025, 11, 5, 10), 60, 2000, 400, 300, 30},
                 {at(2026, 1, 10, 10), 60, 1000, 800, 100, 60},
                 {at(2026, 2, 3, 10), 60, 1000, 800, 100, 60}});
  start("EN");
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  ASSERT_TRUE(dayPicker()->isVisible());
  EXPECT_TRUE(dayPicker()->isModal());
  EXPECT_FALSE(days()->isVisible());
  EXPECT_EQ(child<QScrollBar>(dayPicker(), "scrSelect")->maximum(), 2);
  EXPECT_EQ(child<QScrollBar>(dayPicker(), "scrSelect")->value(), 0);
  EXPECT_EQ(child<QLabel>(dayPicker(), "lblPeriod")->text(), "Nov-25 / Dec-25");
  child<QScrollBar>(dayPicker(), "scrSelect")->setValue(1);
  EXPECT_EQ(child<QLabel>(dayPicker(), "lblPeriod")->text(), "Dec-25 / Jan-26");
  QTest::mouseClick(child<QPushButton>(dayPicker(), "cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(dayPicker()->isVisible());
  ASSERT_TRUE(days()->isVisible());
  EXPECT_EQ(text(days(), "lblDateMin"), "01/12/25");
  EXPECT_EQ(text(days(), "lblDateMax"), "31/01/26");
  EXPECT_EQ(text(days(), "lblNJour"), "1");

  // While the day graph is shown, the month analysis does nothing.
  QTest::mouseClick(button(program_->mainWindow(), "cmdMois"), Qt::LeftButton);
  EXPECT_FALSE(months()->isVisible());

  // Another period, then Cancel: only the summary stays; the next entry starts at 0.
  QTest::mouseClick(child<QPushButton>(days(), "cmdAutre"), Qt::LeftButton);
  EXPECT_FALSE(days()->isVisible());
  ASSERT_TRUE(dayPicker()->isVisible());
  EXPECT_EQ(child<QScrollBar>(dayPicker(), "scrSelect")->value(), 0);
  QTest::mouseClick(child<QPushButton>(dayPicker(), "cmdClose"), Qt::LeftButton);
  EXPECT_FALSE(dayPicker()->isVisible());
  EXPECT_FALSE(days()->isVisible());
  EXPECT_TRUE(program_->mainWindow()->isVisible());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WindowsTest, AWindowWithoutSessionsSaysSo) {
  writeSessions({{at(2026, 1, 5, 10), 60, 1, 1, 1, 1}, {at(2026, 4, 5, 10), 60, 1, 1, 1, 1}});
  start("FR");
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  child<QScrollBar>(dayPicker(), "scrSelect")->setValue(1);  // February and March
  QTest::mouseClick(child<QPushButton>(dayPicker(), "cmdOK"), Qt::LeftButton);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].title, "Tavo - Erreur");
  EXPECT_EQ(messages_[0].text, QString::fromUtf8("     Pas de session pour cette période.     "));
  EXPECT_FALSE(days()->isVisible());
}

TEST_F(WindowsTest, MonthAnalysisOfOneYear) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}, {at(2026, 11, 2, 10), 60, 2000, 400, 300, 30}});
  start("EN");
  QTest::mouseClick(button(program_->mainWindow(), "cmdMois"), Qt::LeftButton);
  ASSERT_TRUE(months()->isVisible());
  EXPECT_EQ(text(months(), "lblDateMin"), "01/01/26");
  EXPECT_EQ(text(months(), "lblDateMax"), "31/12/27");
  EXPECT_EQ(text(months(), "lblNMois"), "2");
  EXPECT_EQ(text(months(), "lblDtot_max_date_m"), "Nov-26");
  EXPECT_EQ(text(months(), "Label31"), "in");
  // With the month graph shown, the day analysis does nothing.
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  EXPECT_FALSE(days()->isVisible());
}

TEST_F(WindowsTest, ClosingTheSummaryClosesEverythingAndEnds) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}});
  start("FR");
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  QTest::mouseClick(child<QPushButton>(days(), "cmdRawData"), Qt::LeftButton);
  ASSERT_TRUE(program_->rawDataWindow()->isVisible());
  program_->mainWindow()->close();
  EXPECT_FALSE(days()->isVisible());
  EXPECT_FALSE(program_->rawDataWindow()->isVisible());
  EXPECT_FALSE(program_->mainWindow()->isVisible());
  EXPECT_EQ(ended_, 1);
}

TEST_F(WindowsTest, EnglishTextsLeaveNoFrenchCaptionOrTooltip) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}});
  // Every French design text that differs from its English one.
  const QStringList french = {"Tavo - Statistiques - Résumé",
                              "Par mois",
                              "Analyse par mois",
                              " Analyser plus finement (par mois) une période choisie ",
                              "Nombre de mois concernés :",
                              "Durée moyenne par mois :",
                              "Moyenne des débits max. (kbit/s)",
                              "Volume transféré max. (MO)",
                              "Volume moyen par mois (MO)",
                              "Débit moyen max. (kbit/s)",
                              "en :",
                              "Par journée",
                              "Analyse par jour",
                              " Analyser plus finement (par jour) une période choisie ",
                              "le :",
                              "Volume moyen par jour (MO)",
                              "Durée moyenne par journée :",
                              "Nombre de journées concernées :",
                              "Débit maximum constaté (kbit/s)",
                              "Nombre de sessions enregistrées :",
                              "Date supérieure :",
                              "Date inférieure :",
                              "Durée totale enregistrée :",
                              "Débit moyen (kbit/s)",
                              "Volume total transféré (MO)",
                              "Tavo - Statistiques - Par jour",
                              "Débits moyens",
                              "Débits max.",
                              "Tout",
                              "Imprimer",
                              " Imprimer cette page ",
                              "Données brutes",
                              " Voir les données brutes correspondantes ",
                              "Autre période",
                              " Sélectionner une autre période ",
                              "Période choisie : ",
                              "Nombre de journées :",
                              "Tavo - Statistiques - Par mois",
                              "Nombre de mois :",
                              "Tavo - Statistiques - Choix de la période",
                              "Abandonner",
                              " Ne pas choisir de période ",
                              "Valider",
                              " Valider la période choisie ",
                              "période =",
                              "Sélectionnez la période d'analyse - période de 2 mois (61 jours)",
                              "Sélectionnez la période d'analyse - période de 2 ans (24 mois)",
                              "Tavo - Statistiques - Données brutes",
                              "Déb. moy UL",
                              "Déb. moy DL",
                              "Déb. max DL",
                              "Déb. max UL",
                              "Durée"};
  StatsProgram& p = start("EN");
  ASSERT_TRUE(started_);
  EXPECT_EQ(p.state().VolumeUnit, " MB");
  QList<QWidget*> windows = {p.mainWindow(), p.picker(PeriodKind::Day), p.picker(PeriodKind::Month), days(),
                             months(),       p.rawDataWindow()};
  int checked = 0;
  for (QWidget* w : windows) {
    QList<QWidget*> all = w->findChildren<QWidget*>();
    all.prepend(w);
    for (QWidget* c : all) {
      const QString caption = c == w ? w->windowTitle() : captionOf(c);
      EXPECT_FALSE(french.contains(caption))
          << w->objectName().toStdString() << "/" << c->objectName().toStdString() << ": " << caption.toStdString();
      EXPECT_FALSE(french.contains(c->toolTip())) << c->objectName().toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
  EXPECT_EQ(p.mainWindow()->windowTitle(), "Tavo - Statistics - Summary");
  EXPECT_EQ(days()->windowTitle(), QString::fromUtf8("Tavo – Statistics – Per day"));
  EXPECT_EQ(months()->windowTitle(), QString::fromUtf8("Tavo - Statistics – Per month"));
  EXPECT_EQ(text(p.mainWindow(), "Label6"), QString::fromUtf8("Date max.\u00A0: "));
  EXPECT_EQ(text(p.mainWindow(), "Label31"), "the");
  EXPECT_EQ(text(p.mainWindow(), "Label11"), "in");
  EXPECT_EQ(button(p.mainWindow(), "cmdJour")->toolTip(), " Detailed analysis on a selected period of time");
  EXPECT_EQ(text(p.rawDataWindow(), "Label3"), "Av. rate DL");
  EXPECT_EQ(text(days(), "Frame1"), "Focus");
  // Every control the English tables name is on its window.
  EXPECT_EQ(p.ApplyLanguageTexts(), QStringList());
}

TEST_F(WindowsTest, FrenchDesignTexts) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}});
  StatsProgram& p = start("FR");
  EXPECT_EQ(p.state().VolumeUnit, " MO");
  EXPECT_EQ(text(days(), "optMoy"), QString::fromUtf8("Débits moyens"));
  EXPECT_EQ(child<QPushButton>(days(), "cmdAutre")->toolTip(), QString::fromUtf8(" Sélectionner une autre période "));
  EXPECT_EQ(text(p.mainWindow(), "Label34"), "le :");
  EXPECT_EQ(text(months(), "Label34"), "en :");
  // Every control the French tables name is on its window.
  EXPECT_EQ(p.ApplyLanguageTexts(), QStringList());
}

TEST_F(WindowsTest, PrintingMakesOneLandscapePageFromTheButtonAndTheIcon) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}});
  for (int useIcon = 0; useIcon < 2; ++useIcon) {
    const QString pdf = dir_.filePath(QString("print%1.pdf").arg(useIcon));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer_ = &printer;
    start("FR");
    QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
    ASSERT_TRUE(days()->isVisible());
    QGuiApplication::clipboard()->setText("kept");
    if (useIcon) QTest::mouseClick(child<ClickablePicture>(days(), "picPrint"), Qt::LeftButton);
    else QTest::mouseClick(child<QPushButton>(days(), "cmdPrint"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << useIcon;
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
  }
}

TEST_F(WindowsTest, APageThatCannotBeMadeIsLoggedNotDropped) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}});
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir_.filePath("no such folder/print.pdf"));
  printer_ = &printer;
  start("FR");
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  ASSERT_TRUE(days()->isVisible());
  {
    const tavo::test::CategoryWarnings log("tavo.stats");
    QTest::mouseClick(child<QPushButton>(days(), "cmdPrint"), Qt::LeftButton);
    ASSERT_EQ(log.messages().size(), 1);
    EXPECT_TRUE(log.messages()[0].contains("frmJourGraphe")) << log.messages()[0].toStdString();
  }
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(days()->isVisible());
  program_.reset();
}

TEST_F(WindowsTest, EveryCaptionShowsWholeWithoutCoveringItsNeighboursInBothLanguages) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}});
  for (const char* language : {"FR", "EN"}) {
    StatsProgram& p = start(language);
    ASSERT_TRUE(started_);
    for (QWidget* w : {static_cast<QWidget*>(p.mainWindow()), static_cast<QWidget*>(p.picker(PeriodKind::Day)),
                       static_cast<QWidget*>(p.picker(PeriodKind::Month)), static_cast<QWidget*>(days()),
                       static_cast<QWidget*>(months()), static_cast<QWidget*>(p.rawDataWindow())}) {
      const std::string where = std::string(language) + " " + w->objectName().toStdString() + "/";
      const QList<QLabel*> labels = w->findChildren<QLabel*>();
      for (QLabel* l : labels) {
        if (l->text().isEmpty()) continue;
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->contentsRect().width())
            << where << l->objectName().toStdString() << ": " << l->text().toStdString();
        for (QLabel* other : labels) {
          if (other == l || other->parentWidget() != l->parentWidget() || other->text().isEmpty()) continue;
          EXPECT_FALSE(l->geometry().intersects(other->geometry()))
              << where << l->objectName().toStdString() << " covers " << other->objectName().toStdString();
        }
      }
      for (QRadioButton* o : w->findChildren<QRadioButton*>())
        EXPECT_LE(o->sizeHint().width(), o->width()) << where << o->objectName().toStdString();
    }
  }
}

TEST_F(WindowsTest, AViewChosenByKeyboardOrAccessibilityRedrawsTheChartOnce) {
  writeSessions({{at(2026, 3, 2, 10), 60, 2000, 400, 300, 30}, {at(2026, 4, 20, 10), 30, 1000, 800, 100, 60}});
  start("FR");
  QTest::mouseClick(button(program_->mainWindow(), "cmdJour"), Qt::LeftButton);
  ASSERT_TRUE(days()->isVisible());
  ChartBox* chart = child<ChartBox>(days(), "picGr");
  const QImage all = chart->surface().image();
  int draws = chart->redrawCount();

  // Space on the focused option.
  days()->activateWindow();
  child<QRadioButton>(days(), "optTot")->setFocus();
  QTest::keyClick(child<QRadioButton>(days(), "optTot"), Qt::Key_Space);
  EXPECT_TRUE(child<QRadioButton>(days(), "optTot")->isChecked());
  EXPECT_EQ(chart->redrawCount(), ++draws);
  const QImage volumes = chart->surface().image();
  EXPECT_NE(volumes, all);

  // The toggle and press actions of the accessibility interface.
  for (QRadioButton* o : {child<QRadioButton>(days(), "optMax"), child<QRadioButton>(days(), "optMoy")}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    const QStringList actions = a->actionInterface()->actionNames();
    ASSERT_FALSE(actions.isEmpty());
    a->actionInterface()->doAction(actions.first());
    EXPECT_TRUE(o->isChecked()) << o->objectName().toStdString();
    EXPECT_EQ(chart->redrawCount(), ++draws) << o->objectName().toStdString();
    EXPECT_NE(chart->surface().image(), volumes);
  }

  // A click draws once too, and the chosen view is what a click draws.
  QTest::mouseClick(child<QRadioButton>(days(), "optTout"), Qt::LeftButton);
  EXPECT_EQ(chart->redrawCount(), ++draws);
  EXPECT_EQ(chart->surface().image(), all);
  const QImage shown = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, all.convertToFormat(QImage::Format_RGB32));
}
