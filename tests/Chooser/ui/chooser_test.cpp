// The language chooser: each button starts only its own build, from the
// chooser's folder, in the current folder; a missing build is reported in
// its language.
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "Chooser/ui/chooserprogram.h"
#include "Chooser/ui/frmchooser.h"
#include "tests/support/controls.h"
#include "tests/support/fakedesktop.h"

namespace tavo::chooser {
namespace {

using tavo::test::child;

class Chooser : public ::testing::Test {
 protected:
  void SetUp() override {
    // Stand-ins for the two builds: each notes its name, its argument
    // count and the folder it runs in.
    for (const char* build : {"Pondel_EN", "Pondel_FR"}) {
      const QString path = folder.filePath(build);
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("#!/bin/sh\necho \"$(basename \"$0\") $# $(pwd)\" >> '" + QFile::encodeName(notes.filePath("started")) +
              "'\n");
      f.close();
      ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
  }
  void TearDown() override { QDir::setCurrent(old); }

  // Starts the builds for real unless the test starts them its own way.
  frmChooser* make(std::function<bool(const QString& program, const QString& folder)> start = {}) {
    desktop.onStart = [this, start](const tavo::ProgramStart& s) {
      EXPECT_TRUE(s.arguments.isEmpty());
      return start ? start(s.program, s.workingFolder) : desktop.RealDesktop::startProgram(s);
    };
    desktop.onAsk = [this](const tavo::BoxRequest& box) {
      EXPECT_EQ(box.icon, QMessageBox::NoIcon);
      EXPECT_EQ(box.buttons, QMessageBox::Ok);
      messages << box.title + "|" + box.text;
      return QMessageBox::Ok;
    };
    desktop.onQuit = [this] { ++quits; };
    program = std::make_unique<ChooserProgram>(folder.path(), desktop);
    program->show();
    return &program->window();
  }
  QString started(int waitMs) const {
    QDeadlineTimer deadline(waitMs);
    QString text;
    do {
      QFile f(notes.filePath("started"));
      if (f.open(QIODevice::ReadOnly)) text = QString::fromLocal8Bit(f.readAll());
      if (!text.isEmpty()) break;
      QThread::msleep(20);
    } while (!deadline.hasExpired());
    return text;
  }

  QTemporaryDir folder, current, notes;
  tavo::test::FakeDesktop desktop;
  std::unique_ptr<ChooserProgram> program;
  QString old;
  QStringList messages;
  int quits = 0;
};

struct ButtonCase {
  const char* name;
  bool english;
  const char* build;
  const char* missingMessage;
};
void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.name; }

class Buttons : public Chooser, public ::testing::WithParamInterface<ButtonCase> {
 protected:
  QPushButton* button(frmChooser& w) const { return child<QPushButton>(w, GetParam().english ? "cmdEN" : "cmdFR"); }
};

TEST_P(Buttons, StartOnlyTheirOwnBuildInTheCurrentFolder) {
  auto w = make();
  QTest::mouseClick(button(*w), Qt::LeftButton);
  EXPECT_EQ(started(10000), QString(GetParam().build) + " 0 " + current.path() + "\n");
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(w->isVisible());
  QThread::msleep(200);  // the other build would have noted itself by now
  EXPECT_EQ(started(0).count('\n'), 1);
}

TEST_P(Buttons, AMissingBuildGetsItsLanguagesMessage) {
  ASSERT_TRUE(QFile::remove(folder.filePath(GetParam().build)));
  QStringList starts;
  auto w = make([&](const QString& program, const QString&) {
    starts << program;
    return true;
  });
  QTest::mouseClick(button(*w), Qt::LeftButton);
  EXPECT_EQ(messages, QStringList({GetParam().missingMessage}));
  EXPECT_TRUE(starts.isEmpty());  // the other build is not offered instead
  EXPECT_EQ(quits, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Buttons,
    ::testing::Values(ButtonCase{"English", true, "Pondel_EN", "Error|     Pondel_EN not found.     "},
                      ButtonCase{"French", false, "Pondel_FR", "Erreur|     Pondel_FR introuvable.     "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Chooser, ABuildThatCannotStartIsReportedToo) {
  ASSERT_TRUE(QFile::setPermissions(folder.filePath("Pondel_EN"), QFile::ReadOwner | QFile::WriteOwner));
  auto w = make();
  QTest::mouseClick(child<QPushButton>(*w, "cmdEN"), Qt::LeftButton);
  EXPECT_EQ(started(300), QString());
  EXPECT_EQ(messages, QStringList({"Error|     Pondel_EN not found.     "}));
}

TEST_F(Chooser, ShowsBothSentencesAndCancelEnds) {
  auto w = make([](const QString&, const QString&) {
    ADD_FAILURE() << "nothing may start";
    return false;
  });
  EXPECT_EQ(w->windowTitle(), "Tavo - Install");
  EXPECT_EQ(QStringList({child<QLabel>(*w, "Label4")->text(), child<QLabel>(*w, "Label2")->text(),
                         child<QLabel>(*w, "Label5")->text()}),
            QStringList({"This assistant will install", "Tavo", "on your PC."}));
  EXPECT_EQ(QStringList({child<QLabel>(*w, "Label1")->text(), child<QLabel>(*w, "Label6")->text(),
                         child<QLabel>(*w, "Label3")->text()}),
            QStringList({"Cet assistant va installer", "Tavo", "sur votre PC."}));
  EXPECT_EQ(child<QPushButton>(*w, "cmdEN")->text(), "Install process : English");
  EXPECT_EQ(child<QPushButton>(*w, "cmdFR")->text(), "Installation en français");
  QTest::mouseClick(child<QPushButton>(*w, "cmdCancel"), Qt::LeftButton);
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace tavo::chooser
