// The shapes of box the programs ask for all reach the one ask of the seam
// with the icon, buttons and default button they stand for.
#include "common/desktopseam.h"
#include "tests/support/fakedesktop.h"

#include <gtest/gtest.h>

namespace {

using tavo::test::FakeDesktop;

TEST(DesktopSeam, EachShapeOfBoxIsOneAskWithItsButtons) {
  FakeDesktop fake;
  fake.answer = QMessageBox::Yes;
  fake.message(nullptr, QStringLiteral("T1"), QStringLiteral("plain"));
  fake.critical(nullptr, QStringLiteral("T2"), QStringLiteral("bad"));
  EXPECT_TRUE(fake.askYesNo(nullptr, QMessageBox::Question, QStringLiteral("T3"), QStringLiteral("sure?")));
  fake.answer = QMessageBox::No;
  EXPECT_FALSE(fake.askYesNo(nullptr, QMessageBox::NoIcon, QStringLiteral("T4"), QStringLiteral("again?")));

  ASSERT_EQ(fake.boxes.size(), 4);
  EXPECT_EQ(fake.boxes[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(fake.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(fake.boxes[1].icon, QMessageBox::Critical);
  EXPECT_EQ(fake.boxes[1].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(fake.boxes[2].icon, QMessageBox::Question);
  EXPECT_EQ(fake.boxes[2].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(fake.boxes[2].defaultButton, QMessageBox::No);
  EXPECT_EQ(fake.boxTexts(), (QStringList{"plain", "bad", "sure?", "again?"}));
  for (const auto& b : fake.boxes) EXPECT_TRUE(b.blocking);
}

}  // namespace
