// The installer's pages offscreen, driven with clicks as a user does.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include "common/messagebox.h"
#include "installer/ui/pages.h"
#include "installer/ui/setupprogram.h"
#include "tests/installer/setup_fixture.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

namespace tavo::setup {
namespace {

using tavo::test::child;

// Before anything asks QStandardPaths: nothing lands in the real account.
testing::PrivateHome privateHome;

// Changes the current folder for one test, as the installer reads it.
class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& path) : old_(QDir::currentPath()) { QDir::setCurrent(path); }
  ~CurrentFolder() { QDir::setCurrent(old_); }

 private:
  QString old_;
};

struct Recorded {
  QStringList questions, messages;
  bool answer = false;
  int quits = 0;
  int shortcutRuns = 0;
  std::function<void()> duringMessage;
};

class Pages : public ::testing::Test {
 protected:
  void start(const InstallerTexts& texts = englishInstallerTexts()) {
    // The cancel question is a Yes / No box without an icon, No pressed by
    // Enter; a stop is a critical box with OK.
    desktop.onAsk = [this](const tavo::BoxRequest& box) {
      if (box.buttons == (QMessageBox::Yes | QMessageBox::No)) {
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_EQ(box.defaultButton, QMessageBox::No);
        rec.questions << box.title + "|" + box.text;
        return rec.answer ? QMessageBox::Yes : QMessageBox::No;
      }
      EXPECT_EQ(box.icon, QMessageBox::Critical);
      EXPECT_EQ(box.buttons, QMessageBox::Ok);
      rec.messages << box.title + "|" + box.text;
      if (rec.duringMessage) rec.duringMessage();
      return QMessageBox::Ok;
    };
    desktop.onQuit = [this] { ++rec.quits; };
    InstallerSteps steps;
    steps.createShortcuts = [this](const InstallerState&, const ShortcutChoice&) {
      ++rec.shortcutRuns;
      return ShellFolders{"/d", "/g", "/s"};
    };
    steps.volumes = [this] { return volumes; };
    steps.volumeReady = &volumeReady;
    program = std::make_unique<SetupProgram>(texts, desktop, steps);
    program->SetupMain();
  }
  frmInstall& folder() { return program->folderPage(); }
  frmShort& options() { return program->optionsPage(); }
  frmLog& progress() { return program->progressPage(); }
  void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  void clickFolder(const QString& path) {
    FolderList* list = child<FolderList>(folder(), "dirList");
    for (int i = 0; i < list->count(); ++i) {
      if (list->item(i)->data(Qt::UserRole).toString() != path) continue;
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
      return;
    }
    ADD_FAILURE() << "no entry for " << path;
  }

  testing::SetupFolder setup;
  CurrentFolder here{setup.path()};
  QList<Volume> volumes{{"/", "root"}};
  Recorded rec;
  tavo::test::FakeDesktop desktop;
  std::unique_ptr<SetupProgram> program;
};

struct PresetCase {
  const char* name;
  const InstallerTexts& (*texts)();
  const char* title;
  QStringList folderPage, optionsPage;  // labels and captions in page order
  bool frenchSelected;
};
void PrintTo(const PresetCase& c, std::ostream* os) { *os << c.name; }

class Presets : public Pages, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(Presets, OfEachBuild) {
  const PresetCase& c = GetParam();
  start(c.texts());
  EXPECT_TRUE(folder().isVisible());
  EXPECT_FALSE(options().isVisible());
  for (QWidget* page : {static_cast<QWidget*>(&folder()), static_cast<QWidget*>(&options()),
                        static_cast<QWidget*>(&progress()), static_cast<QWidget*>(&program->endPage())})
    EXPECT_EQ(page->windowTitle(), c.title);
  EXPECT_EQ(child<QLineEdit>(folder(), "txtInstallPath")->text(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tavo_3");
  EXPECT_TRUE(child<QLineEdit>(folder(), "txtInstallPath")->text().startsWith(privateHome.path()));
  EXPECT_EQ(QStringList({child<QLabel>(folder(), "Label3")->text(), child<QLabel>(folder(), "Label2")->text(),
                         child<QPushButton>(folder(), "cmdInstall")->text(),
                         child<QPushButton>(folder(), "cmdCancel")->text()}),
            c.folderPage);
  EXPECT_TRUE(child<QLabel>(folder(), "Label3")->font().bold());
  EXPECT_TRUE(child<QPushButton>(folder(), "cmdInstall")->isDefault());
  EXPECT_EQ(child<FolderList>(folder(), "dirList")->path(), setup.path());
  EXPECT_EQ(
      QStringList({child<QGroupBox>(options(), "Frame1")->title(), child<QCheckBox>(options(), "chkDesktop")->text(),
                   child<QCheckBox>(options(), "chkStart")->text(), child<QCheckBox>(options(), "chkStartup")->text(),
                   child<QGroupBox>(options(), "Frame2")->title(), child<QRadioButton>(options(), "optFR")->text(),
                   child<QRadioButton>(options(), "optEN")->text()}),
      c.optionsPage);
  EXPECT_FALSE(child<QCheckBox>(options(), "chkDesktop")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(options(), "chkStart")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(options(), "chkStartup")->isChecked());
  EXPECT_EQ(child<QRadioButton>(options(), "optFR")->isChecked(), c.frenchSelected);
  EXPECT_EQ(child<QRadioButton>(options(), "optEN")->isChecked(), !c.frenchSelected);
  EXPECT_FALSE(child<QPushButton>(progress(), "cmdFinish")->isEnabled());
  EXPECT_TRUE(child<QPlainTextEdit>(progress(), "txtLog")->toPlainText().isEmpty());
  EXPECT_FALSE(child<QLabel>(folder(), "Image1")->pixmap().isNull());
  EXPECT_EQ(child<QLabel>(folder(), "Image1")->pixmap().size(), QSize(100, 214));
}

INSTANTIATE_TEST_SUITE_P(
    Builds, Presets,
    ::testing::Values(PresetCase{"French",
                                 &frenchInstallerTexts,
                                 "Tavo - installation",
                                 {"Dossier d'installation :", "Changer le dossier d'installation ...", "Suivant >",
                                  "Abandon"},
                                 {"Raccourcis", " sur le bureau", " menu dans Démarrer/Programmes",
                                  " dans le menu Démarrage de Windows", "Langage du programme", "Français", "Anglais"},
                                 true},
                      PresetCase{"English",
                                 &englishInstallerTexts,
                                 "Tavo - install",
                                 {"Installation folder :", "Change installation folder ...", "Next >", "Cancel"},
                                 {"Shortcuts", " on the desktop", " group in Start/Programs menu",
                                  " in Windows Startup menu", "Program Language", "French", "English"},
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pages, CancelAnsweredNoKeepsEveryChoice) {
  start(frenchInstallerTexts());
  child<QLineEdit>(folder(), "txtInstallPath")->setText("/opt/typed/Tavo_3");
  click(child<QPushButton>(folder(), "cmdCancel"));
  EXPECT_EQ(rec.questions, QStringList({"Confirmez|   Abandonner l'installation ?   "}));
  EXPECT_TRUE(folder().isVisible());
  EXPECT_EQ(child<QLineEdit>(folder(), "txtInstallPath")->text(), "/opt/typed/Tavo_3");

  click(child<QPushButton>(folder(), "cmdInstall"));
  EXPECT_EQ(program->state().InstallFolder, "/opt/typed/Tavo_3");
  ASSERT_TRUE(options().isVisible());
  child<QCheckBox>(options(), "chkDesktop")->click();
  child<QCheckBox>(options(), "chkStartup")->click();
  child<QRadioButton>(options(), "optEN")->click();
  click(child<QPushButton>(options(), "cmdCancel"));
  options().close();  // the title bar asks the same question
  EXPECT_EQ(rec.questions.size(), 3);
  EXPECT_TRUE(options().isVisible());
  EXPECT_TRUE(child<QCheckBox>(options(), "chkDesktop")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(options(), "chkStart")->isChecked());
  EXPECT_FALSE(child<QCheckBox>(options(), "chkStartup")->isChecked());
  EXPECT_TRUE(child<QRadioButton>(options(), "optEN")->isChecked());
  EXPECT_EQ(program->state().InstallFolder, "/opt/typed/Tavo_3");
  EXPECT_EQ(rec.quits, 0);
  EXPECT_FALSE(QFileInfo::exists("/opt/typed"));

  rec.answer = true;
  options().close();
  EXPECT_EQ(rec.quits, 1);
  EXPECT_FALSE(options().isVisible());
  EXPECT_EQ(rec.shortcutRuns, 0);
}

TEST_F(Pages, TitleBarCloseOfTheFolderPageIsTheCancelQuestion) {
  start();
  rec.answer = true;
  folder().close();
  EXPECT_EQ(rec.questions, QStringList({"Please confirm|   Cancel installation ?   "}));
  EXPECT_EQ(rec.quits, 1);
}

TEST_F(Pages, AFolderClickMakesTavo3UnderIt) {
  ASSERT_TRUE(QDir(setup.path()).mkpath("Data/inner"));
  ASSERT_TRUE(QDir(setup.path()).mkdir("my apps"));
  start();
  clickFolder(setup.file("Data"));
  EXPECT_EQ(child<QLineEdit>(folder(), "txtInstallPath")->text(), setup.file("Data/Tavo_3"));
  clickFolder(setup.file("my apps"));
  EXPECT_EQ(child<QLineEdit>(folder(), "txtInstallPath")->text(), setup.file("my apps/Tavo_3"));
  clickFolder("/");
  EXPECT_EQ(child<QLineEdit>(folder(), "txtInstallPath")->text(), "/Tavo_3");
  EXPECT_EQ(program->state().InstallFolder, "/Tavo_3");

  // Leaving the list opens the highlighted folder.
  clickFolder(setup.file("Data"));
  child<QLineEdit>(folder(), "txtInstallPath")->setFocus();
  emit child<FolderList>(folder(), "dirList")->lostFocus();
  EXPECT_EQ(child<FolderList>(folder(), "dirList")->path(), setup.file("Data"));
  clickFolder(setup.file("Data/inner"));
  EXPECT_EQ(child<QLineEdit>(folder(), "txtInstallPath")->text(), setup.file("Data/inner/Tavo_3"));

  // What is typed after a click is what is installed into.
  child<QLineEdit>(folder(), "txtInstallPath")->setText("/srv/by hand");
  click(child<QPushButton>(folder(), "cmdInstall"));
  EXPECT_EQ(program->state().InstallFolder, "/srv/by hand");
}

TEST_F(Pages, AVolumeThatIsNotReadySetsTheListBack) {
  QTemporaryDir gone;
  const QString goneRoot = gone.path();
  gone.remove();
  volumes = {{"/", ""}, {goneRoot, "USB"}};
  start();
  QComboBox* drives = child<QComboBox>(folder(), "drvList");
  ASSERT_EQ(drives->count(), 2);
  EXPECT_EQ(drives->currentIndex(), 0);
  emit drives->activated(1);
  EXPECT_EQ(drives->currentIndex(), 0);
  EXPECT_EQ(child<FolderList>(folder(), "dirList")->path(), setup.path());
  EXPECT_TRUE(rec.messages.isEmpty());
  emit drives->activated(0);
  EXPECT_EQ(child<FolderList>(folder(), "dirList")->path(), "/");
}

TEST_F(Pages, AStopMakesTheProgressButtonCloseTheInstaller) {
  QTemporaryDir empty;
  CurrentFolder elsewhere(empty.path());
  start();
  click(child<QPushButton>(folder(), "cmdInstall"));
  click(child<QPushButton>(options(), "cmdInstall"));
  EXPECT_TRUE(progress().isVisible());
  EXPECT_EQ(rec.messages, QStringList({"Error|    Some files are missing - see log    "}));
  EXPECT_EQ(child<QPushButton>(progress(), "cmdFinish")->text(), "Close");
  EXPECT_TRUE(child<QPushButton>(progress(), "cmdFinish")->isEnabled());
  EXPECT_TRUE(child<QPlainTextEdit>(progress(), "txtLog")->toPlainText().contains("  ERROR : TV0.dat is missing"));
  click(child<QPushButton>(progress(), "cmdFinish"));
  EXPECT_EQ(rec.quits, 1);
  EXPECT_FALSE(program->endPage().isVisible());
}

TEST_F(Pages, ACompleteRunLeadsToTheEndPage) {
  QTemporaryDir place;
  start(frenchInstallerTexts());
  child<QLineEdit>(folder(), "txtInstallPath")->setText(place.filePath("Tavo_3"));
  click(child<QPushButton>(folder(), "cmdInstall"));
  click(child<QPushButton>(options(), "cmdInstall"));
  EXPECT_TRUE(rec.messages.isEmpty());
  EXPECT_EQ(child<QPushButton>(progress(), "cmdFinish")->text(), "Suivant >");
  EXPECT_TRUE(child<QPushButton>(progress(), "cmdFinish")->isEnabled());
  const QStringList shown = child<QPlainTextEdit>(progress(), "txtLog")->toPlainText().split('\n');
  EXPECT_EQ(shown.last(), "TERMINE");
  EXPECT_EQ(shown.at(2), "Fichiers nécessaires...  OK");
  EXPECT_EQ(testing::readAll(place.filePath("Tavo_3/Tavo.ini")), "Lang=FR\r\n");

  click(child<QPushButton>(progress(), "cmdFinish"));
  EXPECT_FALSE(progress().isVisible());
  ASSERT_TRUE(program->endPage().isVisible());
  EXPECT_EQ(child<QLabel>(program->endPage(), "Label2")->text(), "Installation terminée !");
  EXPECT_EQ(child<QLabel>(program->endPage(), "Label2")->font().pointSize(), 12);
  EXPECT_EQ(child<QPushButton>(program->endPage(), "cmdFinish")->text(), "Fermer");
  EXPECT_EQ(rec.quits, 0);
  click(child<QPushButton>(program->endPage(), "cmdFinish"));
  EXPECT_EQ(rec.quits, 1);
}

TEST_F(Pages, TheProgressPageCannotBeClosedWhileTheSequenceRuns) {
  setup.remove("TV4.dat");
  start();
  rec.duringMessage = [this] {
    EXPECT_TRUE(program->sequenceRunning());
    progress().close();
  };
  click(child<QPushButton>(folder(), "cmdInstall"));
  click(child<QPushButton>(options(), "cmdInstall"));
  ASSERT_EQ(rec.messages.size(), 1);
  EXPECT_TRUE(progress().isVisible());
  EXPECT_EQ(rec.quits, 0);
  // Afterwards the title bar does what the button does: here, end.
  progress().close();
  EXPECT_EQ(rec.quits, 1);
}

TEST_F(Pages, AfterCompletionTheTitleBarLeadsToTheEndPage) {
  QTemporaryDir place;
  start();
  child<QLineEdit>(folder(), "txtInstallPath")->setText(place.filePath("Tavo_3"));
  click(child<QPushButton>(folder(), "cmdInstall"));
  click(child<QPushButton>(options(), "cmdInstall"));
  progress().close();
  EXPECT_TRUE(program->endPage().isVisible());
  program->endPage().close();
  EXPECT_EQ(rec.quits, 1);
}

// The folder as typed is made absolute before anything is made; a name
// with a line break is refused on the folder page.
struct TypedFolderCase {
  const char* name;
  QString typed;
  QString expected;  // "@setup" and "@home" stand for those folders; empty: refused
};

// A failing case shows its name, not the bytes of the struct.
void PrintTo(const TypedFolderCase& c, std::ostream* os) { *os << c.name; }

class TypedFolder : public Pages, public ::testing::WithParamInterface<TypedFolderCase> {};

TEST_P(TypedFolder, IsMadeAbsoluteOrRefused) {
  const TypedFolderCase& c = GetParam();
  start();
  child<QLineEdit>(folder(), "txtInstallPath")->setText(c.typed);
  click(child<QPushButton>(folder(), "cmdInstall"));
  if (c.expected.isEmpty()) {
    EXPECT_TRUE(folder().isVisible());
    EXPECT_FALSE(options().isVisible());
    EXPECT_FALSE(child<QLabel>(folder(), "lblFolderError")->isHidden());
    EXPECT_EQ(child<QLabel>(folder(), "lblFolderError")->text(),
              c.typed.isEmpty() ? englishInstallerTexts().folderEmpty : englishInstallerTexts().folderLineBreak);
    return;
  }
  QString expected = c.expected;
  expected.replace("@setup", QDir(setup.path()).absolutePath()).replace("@home", QDir::homePath());
  EXPECT_TRUE(options().isVisible());
  EXPECT_TRUE(child<QLabel>(folder(), "lblFolderError")->isHidden());
  EXPECT_EQ(program->state().InstallFolder, expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedFolder,
                         ::testing::Values(TypedFolderCase{"Relative", "Tavo_rel", "@setup/Tavo_rel"},
                                           TypedFolderCase{"Home", "~/Tavo_x", "@home/Tavo_x"},
                                           TypedFolderCase{"Absolute", "/opt/Tavo 3/", "/opt/Tavo 3"},
                                           TypedFolderCase{"TildeInside", "a~/b", "@setup/a~/b"},
                                           TypedFolderCase{"LineFeed", "/tmp/x\n/home", QString()},
                                           TypedFolderCase{"CarriageReturn", "/tmp/x\r", QString()},
                                           TypedFolderCase{"Empty", "", QString()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AbsoluteInstallFolder, AgainstTheCurrentFolderAndTheHome) {
  EXPECT_EQ(absoluteInstallFolder("Tavo_rel", "/media/setup", "/home/anna"), "/media/setup/Tavo_rel");
  EXPECT_EQ(absoluteInstallFolder("../Tavo", "/media/setup", "/home/anna"), "/media/Tavo");
  EXPECT_EQ(absoluteInstallFolder("~/Tavo_x", "/media/setup", "/home/anna"), "/home/anna/Tavo_x");
  EXPECT_EQ(absoluteInstallFolder("~", "/media/setup", "/home/anna"), "/home/anna");
  EXPECT_EQ(absoluteInstallFolder("/opt/Tavo_3", "/media/setup", "/home/anna"), "/opt/Tavo_3");
  EXPECT_EQ(absoluteInstallFolder("/opt/a\nb", "/media/setup", "/home/anna"), std::nullopt);
  EXPECT_EQ(absoluteInstallFolder("", "/media/setup", "/home/anna"), std::nullopt);
}

// Enter presses the page's default button under every style, also with
// the focus on a check box or an option button.
class EnterKey : public Pages, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    oldStyle = QApplication::style()->name();
    if (*GetParam()) QApplication::setStyle(QStyleFactory::create(GetParam()));
  }
  void TearDown() override { QApplication::setStyle(QStyleFactory::create(oldStyle)); }
  QString oldStyle;
};

TEST_P(EnterKey, PressesNextWhateverHasTheFocus) {
  start();
  child<QLineEdit>(folder(), "txtInstallPath")->setText(QDir(setup.path()).filePath("Tavo_enter"));
  QTest::keyClick(child<QLineEdit>(folder(), "txtInstallPath"), Qt::Key_Return);
  ASSERT_TRUE(options().isVisible());
  // The focus on the first check box, as some desktops start the page.
  child<QCheckBox>(options(), "chkDesktop")->setFocus();
  QTest::keyClick(child<QCheckBox>(options(), "chkDesktop"), Qt::Key_Return);
  EXPECT_FALSE(child<QCheckBox>(options(), "chkDesktop")->isChecked());
  EXPECT_TRUE(progress().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Styles, EnterKey, ::testing::Values("", "Fusion", "Windows"),
                         [](const auto& info) { return std::string(*info.param ? info.param : "Default"); });

// The cancel question as the desktop shows it: the build's words on the
// buttons, and room for the whole title.
struct BoxCase {
  const char* name;
  const InstallerTexts& (*texts)();
  QStringList buttons;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

class CancelBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(CancelBox, SpeaksTheBuildsLanguageAndShowsItsTitle) {
  const InstallerTexts& texts = GetParam().texts();
  QStringList buttons;
  int width = 0;
  QString title;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_TRUE(box);
    title = box->windowTitle();
    for (const auto b : {QMessageBox::Yes, QMessageBox::No})
      if (box->button(b)) buttons << box->button(b)->text();
    width = box->width();
    box->button(QMessageBox::No)->click();
  });
  tavo::RealDesktop desktop([&texts] { return texts.isFrench; });
  EXPECT_FALSE(desktop.askYesNo(nullptr, QMessageBox::NoIcon, texts.cancelTitle, texts.cancelQuestion));
  EXPECT_EQ(title, texts.cancelTitle);
  EXPECT_EQ(buttons, GetParam().buttons);
  EXPECT_GE(width, titleBarWidth(texts.cancelTitle));
}

INSTANTIATE_TEST_SUITE_P(Builds, CancelBox,
                         ::testing::Values(BoxCase{"French", &frenchInstallerTexts, {"Oui", "Non"}},
                                           BoxCase{"English", &englishInstallerTexts, {"Yes", "No"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavo::setup
