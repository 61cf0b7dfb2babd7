// Message boxes in the program's language, whatever translations of Qt the
// desktop has: our own button words and room for the whole title.
#include "common/messagebox.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

TEST(MessageBoxes, ButtonsCarryTheWordsOfTheLanguage) {
  struct Case {
    QMessageBox::StandardButtons buttons;
    bool french;
    QStringList words;  // sorted
  };
  const Case cases[] = {
      {QMessageBox::Yes | QMessageBox::No, true, {"Non", "Oui"}},
      {QMessageBox::Yes | QMessageBox::No, false, {"No", "Yes"}},
      {QMessageBox::Ok | QMessageBox::Cancel, true, {"Annuler", "OK"}},
      {QMessageBox::Ok | QMessageBox::Cancel, false, {"Cancel", "OK"}},
      {QMessageBox::Ok, true, {"OK"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.words.join(',').toStdString());
    auto box = tavo::makeMessageBox(QMessageBox::Question, "Tavo", " ? ", c.buttons, c.french);
    QStringList words;
    for (QAbstractButton* b : box->buttons()) words << b->text();
    words.sort();
    EXPECT_EQ(words, c.words);
  }
}

// A short text under a long title: the box is widened to the title, which
// a window manager would otherwise cut ("Tavo ... rmez").
TEST(MessageBoxes, TheBoxIsAsWideAsItsTitleNeeds) {
  for (const QString& title : {QStringLiteral("Tavo - Confirmez"), QStringLiteral("Tavo - Please confirm"),
                               QStringLiteral("TavoLogV - Erreur de lecture du fichier choisi")}) {
    SCOPED_TRACE(title.toStdString());
    auto box = tavo::makeMessageBox(QMessageBox::Question, title, "?", QMessageBox::Yes | QMessageBox::No, true);
    box->show();
    EXPECT_GE(box->width(), tavo::titleBarWidth(title));
    EXPECT_GT(tavo::titleBarWidth(title), QFontMetrics(box->font()).horizontalAdvance(title));
  }
}

TEST(MessageBoxes, ANoticeDoesNotBlockAndGoesAwayWhenClosed) {
  QPointer<QMessageBox> box = tavo::showNoticeBox(nullptr, QMessageBox::Critical, "Tavo error", " x ", true);
  ASSERT_TRUE(box);
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(box->buttons().size(), 1);
  box->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(box);
}
