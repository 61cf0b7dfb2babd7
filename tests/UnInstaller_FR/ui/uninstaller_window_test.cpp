// The log window Dummy around the removal: shown with the log, responsive
// during the pause, ended by cmdDone or its close box; and the desktop's
// message boxes that ask and warn.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "UnInstaller_FR/ui/dummy.h"
#include "UnInstaller_FR/ui/uninstallerprogram.h"
#include "tests/UnInstaller_FR/uninstall_test_util.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

using namespace tavo::uninstall;
using namespace tavo::uninstall::testing;

namespace {

using tavo::test::child;

class UninstallerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(user.isValid());
    inst = makeInstallation(user);
    desktop.onAsk = [this](const tavo::BoxRequest& box) {
      if (box.icon == QMessageBox::Critical) {
        messages << box.title;
        return QMessageBox::Ok;
      }
      return answerYes ? QMessageBox::Yes : QMessageBox::No;
    };
    desktop.startSucceeds = false;
    desktop.onQuit = [this] { ++quits; };
  }
  std::unique_ptr<UninstallerProgram> program(int pauseMs = 1) {
    return std::make_unique<UninstallerProgram>(inst.folder, desktop, pauseMs);
  }

  FakeUser user;
  Installation inst;
  tavo::test::FakeDesktop desktop;
  bool answerYes = true;
  QStringList messages;
  int quits = 0;
};

TEST_F(UninstallerWindowTest, TheWindowShowsTheLogAndStaysUntilCmdDone) {
  auto p = program();
  ASSERT_TRUE(p->start({"uninst_tmp", inst.recordPath()}));
  Dummy& w = p->window();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.windowTitle(), "Désinstallation...");
  EXPECT_EQ(child<QPushButton>(w, "cmdDone")->text(), "Fermer");
  EXPECT_FALSE(child<QTimer>(w, "Timer1")->isActive());
  const QStringList lines = w.lines();
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.first(), "----- Préparation de la désinstallation de Tavo -----");
  EXPECT_EQ(lines.last(), "----- Tavo a été désinstallé avec succès -----");
  EXPECT_EQ(child<QPlainTextEdit>(w, "Text1")->toPlainText(), lines.join('\n') + '\n');
  EXPECT_FALSE(QFileInfo::exists(inst.folder));
  EXPECT_EQ(quits, 0);

  QTest::mouseClick(child<QPushButton>(w, "cmdDone"), Qt::LeftButton);
  EXPECT_TRUE(p->ended());
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(quits, 1);
}

TEST_F(UninstallerWindowTest, TheCloseBoxEnds) {
  auto p = program();
  ASSERT_TRUE(p->start({"uninst_tmp", inst.recordPath()}));
  p->window().close();
  EXPECT_TRUE(p->ended());
  EXPECT_EQ(quits, 1);
}

TEST_F(UninstallerWindowTest, ThePauseIsTwoSecondsOfTimer1) {
  tavo::test::FakeDesktop quiet;
  auto p = std::make_unique<UninstallerProgram>(inst.folder, quiet);
  EXPECT_EQ(child<QTimer>(p->window(), "Timer1")->interval(), 2000);
  EXPECT_FALSE(child<QTimer>(p->window(), "Timer1")->isActive());
}

TEST_F(UninstallerWindowTest, CmdDoneDuringThePauseEndsBeforeAnyDeletion) {
  const auto before = snapshot(user.root());
  auto p = program(60 * 1000);
  bool shownDuringPause = false;
  QStringList linesDuringPause;
  QTimer::singleShot(50, [&] {
    shownDuringPause = p->window().isVisible() && child<QTimer>(p->window(), "Timer1")->isActive();
    linesDuringPause = p->window().lines();
    QTest::mouseClick(child<QPushButton>(p->window(), "cmdDone"), Qt::LeftButton);
  });
  EXPECT_FALSE(p->start({"uninst_tmp", inst.recordPath()}));
  EXPECT_TRUE(shownDuringPause);
  EXPECT_EQ(linesDuringPause, QStringList({"----- Préparation de la désinstallation de Tavo -----", " "}));
  EXPECT_EQ(snapshot(user.root()), before);
  EXPECT_EQ(quits, 1);
}

TEST_F(UninstallerWindowTest, NoWindowWithoutConfirmationOrRecord) {
  answerYes = false;
  auto refused = program();
  EXPECT_FALSE(refused->start({"uninst_tmp", inst.recordPath()}));
  EXPECT_FALSE(refused->window().isVisible());
  auto missing = program();
  EXPECT_FALSE(missing->start({"uninst_tmp", inst.folder + "/missing.dat"}));
  EXPECT_FALSE(missing->window().isVisible());
  EXPECT_EQ(messages, QStringList{"Erreur"});
  EXPECT_TRUE(QFileInfo::exists(inst.folder));
}

// Answers the next modal message box with the button `answer`, after
// noting what it showed.
struct SeenBox {
  QString title, text;
  Qt::TextFormat format = Qt::AutoText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QStringList buttons;  // their texts, by standard button order
};
void answerNextBox(SeenBox* seen, QMessageBox::StandardButton answer) {
  QTimer::singleShot(0, [seen, answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return answerNextBox(seen, answer);
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->format = box->textFormat();
    seen->icon = box->icon();
    seen->defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
    for (const auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No})
      if (box->button(b)) seen->buttons << box->button(b)->text();
    box->button(answer)->click();
  });
}

// The desktop the program's main gives it: French buttons.
tavo::RealDesktop frenchDesktop() {
  return tavo::RealDesktop([] { return true; });
}

TEST(DesktopBoxes, TheQuestionIsPlainTextWithYesFirst) {
  tavo::RealDesktop desktop = frenchDesktop();
  for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
    SeenBox seen;
    answerNextBox(&seen, answer);
    EXPECT_EQ(desktop.ask(confirmBox("<b>Tavo</b>")) == QMessageBox::Yes, answer == QMessageBox::Yes);
    EXPECT_EQ(seen.title, "Désinstaller");
    EXPECT_EQ(seen.text, "    Désinstaller <b>Tavo</b> ?    ");
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
    // The program speaks French, its buttons too.
    EXPECT_EQ(seen.buttons, QStringList({"Oui", "Non"}));
  }
}

TEST(DesktopBoxes, TheMissingRecordMessageIsCritical) {
  SeenBox seen;
  answerNextBox(&seen, QMessageBox::Ok);
  frenchDesktop().ask(missingRecordBox());
  EXPECT_EQ(seen.title, "Erreur");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.text, missingRecordText());
}

}  // namespace
